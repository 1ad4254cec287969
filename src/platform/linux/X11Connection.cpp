#include "platform/linux/X11Connection.h"

#include <QSocketNotifier>

#include <X11/Xlib.h>

namespace zarvo::linux_ {

namespace {
int g_trappedError = 0;

int trapHandler(Display*, XErrorEvent* event) {
    if (g_trappedError == 0) g_trappedError = event->error_code;
    return 0;
}

// Outside a trap an error is logged, never fatal: Xlib's default handler would exit the process.
int quietHandler(Display*, XErrorEvent* event) {
    qWarning("Zarvo: X error %d (request %d)", int(event->error_code), int(event->request_code));
    return 0;
}
} // namespace

std::unique_ptr<X11Connection> X11Connection::open() {
    if (qEnvironmentVariableIsEmpty("DISPLAY")) return nullptr;
    Display* display = XOpenDisplay(nullptr);
    if (!display) return nullptr;
    XSetErrorHandler(quietHandler);
    return std::unique_ptr<X11Connection>(new X11Connection(display));
}

X11Connection::X11Connection(Display* display) : m_display(display) {
    m_notifier = new QSocketNotifier(ConnectionNumber(display), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] { processEvents(); });
}

X11Connection::~X11Connection() {
    delete m_notifier;
    XCloseDisplay(m_display);
}

unsigned long X11Connection::rootWindow() const {
    return DefaultRootWindow(m_display);
}

unsigned long X11Connection::atom(const char* name) const {
    return XInternAtom(m_display, name, False);
}

int X11Connection::trapErrors(const std::function<void()>& requests) {
    XSync(m_display, False);
    g_trappedError = 0;
    auto previous = XSetErrorHandler(trapHandler);
    requests();
    XSync(m_display, False);
    XSetErrorHandler(previous);
    const int error = g_trappedError;
    g_trappedError = 0;
    // The round trip may have queued events the socket notifier will not announce again.
    if (XQLength(m_display) > 0)
        QMetaObject::invokeMethod(this, &X11Connection::processEvents, Qt::QueuedConnection);
    return error;
}

void X11Connection::processEvents() {
    while (XPending(m_display) > 0) {
        XEvent event;
        XNextEvent(m_display, &event);
        for (const auto& handler : m_handlers)
            handler(event);
    }
}

} // namespace zarvo::linux_
