#pragma once

#include <QSet>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>

struct wl_registry;
struct org_kde_plasma_window_management;

namespace zarvo::wayland {

// The windows of a KDE Plasma session as KWin's window-management protocol lists them, for the same one
// answer as wlroots' foreign toplevels: the application of the window that had the keyboard last, other
// than ours. KWin lists the global only to programs whose desktop entry names it in
// X-KDE-Wayland-Interfaces. Lives on the worker thread.
class PlasmaWindows {
public:
    // `ownIds`: the application ids (or X resource names) of our own windows.
    PlasmaWindows(wl_registry* registry, uint32_t name, uint32_t version, QStringList ownIds);
    ~PlasmaWindows();
    PlasmaWindows(const PlasmaWindows&) = delete;
    PlasmaWindows& operator=(const PlasmaWindows&) = delete;

    // Called with the application id of each newly activated window (other than ours), and with none
    // when that window goes.
    std::function<void(const std::optional<QString>& appId)> onFront;

    static bool isManager(const char* interface, uint32_t version);

    struct Window;
    static void changed(Window* window);
    static void unmapped(Window* window);
    void add(const char* uuid);

private:
    org_kde_plasma_window_management* m_manager = nullptr;
    QSet<Window*> m_windows;
    Window* m_front = nullptr;
    QStringList m_ownIds;
};

} // namespace zarvo::wayland
