#pragma once

#include <QObject>
#include <functional>
#include <memory>

typedef struct _XDisplay Display;
union _XEvent;

class QSocketNotifier;

namespace zarvo::linux_ {

// Our own Xlib connection to the X server, separate from Qt's, so key grabs, XTest and root-window
// watches never disturb the toolkit. Its events are read on the main thread when the socket is readable.
class X11Connection : public QObject {
    Q_OBJECT
public:
    // None when no X server can be reached (no DISPLAY, Wayland without XWayland …).
    static std::unique_ptr<X11Connection> open();
    ~X11Connection() override;

    Display* display() const { return m_display; }
    unsigned long rootWindow() const;

    // Handlers see every event read from the connection, in the order they were added.
    using EventHandler = std::function<void(_XEvent&)>;
    void addEventHandler(EventHandler handler) { m_handlers.push_back(std::move(handler)); }

    // Runs requests and waits for the server's answer; returns the first X error code they caused (0: none).
    // Errors are caught here so that a refused request never ends the process.
    int trapErrors(const std::function<void()>& requests);

    // Reads whatever events are queued; also called after our own round trips, which may have read some.
    void processEvents();

    unsigned long atom(const char* name) const;

private:
    explicit X11Connection(Display* display);
    Display* m_display = nullptr;
    QSocketNotifier* m_notifier = nullptr;
    std::vector<EventHandler> m_handlers;
};

} // namespace zarvo::linux_
