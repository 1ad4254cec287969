#pragma once

#include "platform/wayland/ClipboardTypes.h"
#include "platform/wayland/WaylandSession.h"

#include <QMutex>
#include <QStringList>
#include <deque>
#include <memory>
#include <optional>
#include <thread>

struct wl_display;
struct wl_registry;
struct wl_seat;
struct wl_keyboard;

namespace zarvo::wayland {

class DataControl;
class FakeInputKeys;
class PlasmaWindows;
class Toplevels;
class VirtualKeys;

// Our own Wayland connection and the thread that turns it: the globals are listed when it is opened
// (on the caller's thread, before anything runs on the worker), then every Wayland object lives on
// the worker, which runs posted tasks between dispatching the compositor's events.
class Worker {
public:
    static std::unique_ptr<Worker> open(const QStringList& ownAppIds);
    ~Worker();
    Worker(const Worker&) = delete;
    Worker& operator=(const Worker&) = delete;

    const WaylandSession& session() const { return m_session; }
    // Starts the thread; `deliver` is called on it with each new selection once read, `lost` once when
    // the connection breaks (the compositor went away, or ended it over a protocol error), with why.
    void start(std::function<void(const ClipboardRead&)> deliver, std::function<void(const QString&)> lost);
    // Runs `task` on the worker thread.
    void post(std::function<void()> task);

    void setReadPolicy(const ReadPolicy& policy);
    std::optional<QString> frontAppId() const;

    // Worker-thread only.
    DataControl* clipboard() { return m_clipboard.get(); }
    // Counts a selection of ours as set (worker thread).
    void countOwnSet() { ++m_ownSets; }
    // Presses the keys (X keysyms) through whichever the compositor offers (worker thread).
    bool pressKeys(const QList<uint32_t>& keysyms);

    // A global of the compositor's registry.
    struct Global {
        uint32_t name = 0;
        QByteArray interface;
        uint32_t version = 0;
    };

private:
    Worker() = default;
    void run();
    // Turns the connection until asked to stop (true) or until it breaks (false).
    bool turn();
    // Why the connection broke, as the log says it.
    QString failure() const;
    void bindServices();
    void setFront(const std::optional<QString>& appId);
    void readSelection(const QStringList& offered,
                       const std::function<void(const QByteArray&, int)>& receive);

    wl_display* m_display = nullptr;
    wl_registry* m_registry = nullptr;
    wl_seat* m_seat = nullptr;
    wl_keyboard* m_keyboard = nullptr;
    QList<Global> m_globals;
    QStringList m_ownAppIds;
    WaylandSession m_session;
    QByteArray m_seatKeymap;

    std::unique_ptr<DataControl> m_clipboard;
    std::unique_ptr<Toplevels> m_toplevels;
    std::unique_ptr<PlasmaWindows> m_plasmaWindows;
    std::unique_ptr<VirtualKeys> m_keys;
    std::unique_ptr<FakeInputKeys> m_fakeKeys;
    std::function<void(const ClipboardRead&)> m_deliver;
    std::function<void(const QString&)> m_lost;
    bool m_sawSelection = false;
    quint64 m_ownSets = 0;
    std::function<void()> m_initial; // the read of the selection found at start

    int m_wake = -1; // an eventfd: tasks are waiting, or the thread is to stop
    std::thread m_thread;
    mutable QMutex m_lock; // guards what follows
    std::deque<std::function<void()>> m_tasks;
    bool m_stop = false;
    ReadPolicy m_policy;
    std::optional<QString> m_frontAppId;
};

} // namespace zarvo::wayland
