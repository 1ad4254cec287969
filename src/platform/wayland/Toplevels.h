#pragma once

#include <QSet>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>

struct wl_registry;
struct zwlr_foreign_toplevel_manager_v1;

namespace zarvo::wayland {

// The windows of the Wayland session as wlroots' foreign-toplevel protocol lists them, for one answer:
// the application of the window that had the keyboard last, other than ours. Lives on the worker thread.
class Toplevels {
public:
    // `ownIds`: the application ids of our own (XWayland) windows, which never count as the front one.
    Toplevels(wl_registry* registry, uint32_t name, uint32_t version, QStringList ownIds);
    ~Toplevels();
    Toplevels(const Toplevels&) = delete;
    Toplevels& operator=(const Toplevels&) = delete;

    // Called with the application id of each newly activated window (other than ours), and with none
    // when that window closes: no window is named then rather than a gone one.
    std::function<void(const std::optional<QString>& appId)> onFront;

    static bool isManager(const char* interface);

    // One window's record, and what to do when the compositor has said all about a change of it.
    struct Handle;
    static void handleDone(Handle* handle);
    static void handleClosed(Handle* handle);

private:
    zwlr_foreign_toplevel_manager_v1* m_manager = nullptr;
    QSet<Handle*> m_handles;
    Handle* m_front = nullptr;
    QStringList m_ownIds;
};

} // namespace zarvo::wayland
