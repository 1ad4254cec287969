#include "platform/linux/LinuxPanelWindowing.h"

#include "platform/linux/LinuxHotKeys.h"
#include "platform/linux/X11Connection.h"

#include <QDateTime>
#include <QRegularExpression>
#include <algorithm>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace zarvo::linux_ {

namespace {
// A press older than this did not ask for the window being shown now.
constexpr qint64 kPressFreshMs = 2000;
// _NET_ACTIVE_WINDOW source indication of a pager: the request stands for a user's explicit choice.
constexpr long kSourcePager = 2;
} // namespace

LinuxPanelWindowing::LinuxPanelWindowing(X11Connection* x11, const LinuxHotKeys* hotKeys)
    : m_x11(x11), m_hotKeys(hotKeys) {
    if (!m_x11) return;
    Display* display = m_x11->display();
    XSetWindowAttributes attributes{};
    attributes.event_mask = PropertyChangeMask;
    m_timeWindow = XCreateWindow(display, m_x11->rootWindow(), -10, -10, 1, 1, 0, CopyFromParent, InputOnly,
                                 CopyFromParent, CWEventMask, &attributes);
    m_compositing = isCompositing();
    // A compositing manager announces itself with a MANAGER message on the root window (ICCCM).
    const unsigned long manager = m_x11->atom("MANAGER");
    const unsigned long trayColors = m_x11->atom("_NET_SYSTEM_TRAY_COLORS");
    m_x11->addEventHandler([this, manager, trayColors](XEvent& event) {
        if (event.type == ClientMessage && event.xclient.message_type == manager) {
            const bool now = isCompositing();
            if (now != m_compositing) emit compositingChanged(now);
            // A tray that starts (or restarts) announces itself the same way.
            watchTray();
            emit trayForegroundChanged();
        } else if (event.type == PropertyNotify && event.xproperty.window == m_tray &&
                   event.xproperty.atom == trayColors) {
            emit trayForegroundChanged();
        }
    });
    watchTray();
}

void LinuxPanelWindowing::watchTray() {
    // The system tray protocol's manager window carries the colours it wants icons drawn in.
    Display* display = m_x11->display();
    const QByteArray name = "_NET_SYSTEM_TRAY_S" + QByteArray::number(DefaultScreen(display));
    const Window owner = XGetSelectionOwner(display, m_x11->atom(name.constData()));
    if (owner == m_tray) return;
    m_tray = owner;
    if (owner != None) m_x11->trapErrors([&] { XSelectInput(display, owner, PropertyChangeMask); });
}

bool LinuxPanelWindowing::blurBehind(quintptr window) {
    if (!m_x11 || !window) return false;
    // KWin's blur effect, while loaded, announces itself with this property on the root window.
    Display* display = m_x11->display();
    const Atom blur = m_x11->atom("_KDE_NET_WM_BLUR_BEHIND_REGION");
    int count = 0;
    Atom* properties = XListProperties(display, m_x11->rootWindow(), &count);
    const bool offered = properties && std::find(properties, properties + count, blur) != properties + count;
    if (properties) XFree(properties);
    if (!offered) return false;
    // An empty region asks for the whole window.
    return m_x11->trapErrors([&] {
        XChangeProperty(display, window, blur, XA_CARDINAL, 32, PropModeReplace, nullptr, 0);
    }) == 0;
}

std::optional<unsigned> LinuxPanelWindowing::trayForeground() const {
    if (!m_x11 || m_tray == None) return std::nullopt;
    Display* display = m_x11->display();
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::optional<unsigned> color;
    // CARDINAL[12]: foreground, error, warning, success, each as 16-bit red, green, blue.
    m_x11->trapErrors([&] {
        if (XGetWindowProperty(display, m_tray, m_x11->atom("_NET_SYSTEM_TRAY_COLORS"), 0, 12, False,
                               XA_CARDINAL, &type, &format, &count, &after, &data) != Success)
            data = nullptr;
    });
    if (data && format == 32 && count >= 3) {
        const auto* values = reinterpret_cast<const unsigned long*>(data);
        color = ((values[0] >> 8 & 0xFF) << 16) | ((values[1] >> 8 & 0xFF) << 8) | (values[2] >> 8 & 0xFF);
    }
    if (data) XFree(data);
    return color;
}

LinuxPanelWindowing::~LinuxPanelWindowing() {
    if (m_x11 && m_timeWindow) XDestroyWindow(m_x11->display(), m_timeWindow);
}

unsigned long LinuxPanelWindowing::startupIdTime(const QString& id) {
    static const QRegularExpression pattern(QStringLiteral("_TIME(\\d+)$"));
    const auto match = pattern.match(id);
    return match.hasMatch() ? match.captured(1).toULong() : 0;
}

void LinuxPanelWindowing::setStartupId(const QString& id) {
    m_startupTime = startupIdTime(id);
}

unsigned long LinuxPanelWindowing::serverTime() {
    // Changing a property of our own window makes the server report its current time.
    Display* display = m_x11->display();
    const Atom atom = m_x11->atom("_ZARVO_TIME");
    XChangeProperty(display, m_timeWindow, atom, XA_CARDINAL, 32, PropModeAppend, nullptr, 0);
    XEvent event;
    XWindowEvent(display, m_timeWindow, PropertyChangeMask, &event);
    return event.xproperty.time;
}

unsigned long LinuxPanelWindowing::requestTime() {
    if (m_startupTime) return std::exchange(m_startupTime, 0);
    if (m_hotKeys && m_hotKeys->lastPressTime() != m_usedPressTime &&
        QDateTime::currentMSecsSinceEpoch() - m_hotKeys->lastPressReceivedMs() < kPressFreshMs) {
        m_usedPressTime = m_hotKeys->lastPressTime();
        return m_usedPressTime;
    }
    return serverTime();
}

quintptr LinuxPanelWindowing::activeWindow() const {
    if (!m_x11) return 0;
    Display* display = m_x11->display();
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    unsigned long window = 0;
    if (XGetWindowProperty(display, m_x11->rootWindow(), m_x11->atom("_NET_ACTIVE_WINDOW"), 0, 1, False,
                           XA_WINDOW, &type, &format, &count, &after, &data) == Success &&
        data && count == 1 && format == 32)
        window = *reinterpret_cast<unsigned long*>(data);
    if (data) XFree(data);
    if (window == 0) {
        // Without an EWMH window manager the focus itself tells.
        Window focus = None;
        int revert = 0;
        XGetInputFocus(display, &focus, &revert);
        if (focus != PointerRoot) window = focus;
    }
    return window;
}

void LinuxPanelWindowing::prepareToShow(quintptr window) {
    if (!m_x11 || !m_normalType || !window || m_retyped == window) return;
    Display* display = m_x11->display();
    const Atom normal = m_x11->atom("_NET_WM_WINDOW_TYPE_NORMAL");
    XChangeProperty(display, window, m_x11->atom("_NET_WM_WINDOW_TYPE"), XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&normal), 1);
    // Qt maps the window on its own connection: the type must be there before the map request.
    XSync(display, False);
    m_retyped = window;
}

void LinuxPanelWindowing::rememberActiveWindow(quintptr ownWindow) {
    const quintptr active = activeWindow();
    if (active && active != ownWindow && active != m_x11->rootWindow()) m_previous = active;
}

bool LinuxPanelWindowing::hasWindowManager() const {
    // An EWMH window manager names its check window on the root window.
    Display* display = m_x11->display();
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    const bool found =
        XGetWindowProperty(display, m_x11->rootWindow(), m_x11->atom("_NET_SUPPORTING_WM_CHECK"), 0, 1, False,
                           XA_WINDOW, &type, &format, &count, &after, &data) == Success &&
        data && count == 1;
    if (data) XFree(data);
    return found;
}

bool LinuxPanelWindowing::isViewable(unsigned long window) const {
    XWindowAttributes attributes{};
    bool viewable = false;
    m_x11->trapErrors([&] {
        viewable =
            XGetWindowAttributes(m_x11->display(), window, &attributes) && attributes.map_state == IsViewable;
    });
    return viewable;
}

void LinuxPanelWindowing::sendActiveWindow(unsigned long window, unsigned long time) {
    Display* display = m_x11->display();
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = m_x11->atom("_NET_ACTIVE_WINDOW");
    event.xclient.format = 32;
    event.xclient.data.l[0] = kSourcePager;
    event.xclient.data.l[1] = long(time);
    event.xclient.data.l[2] = 0;
    XSendEvent(display, m_x11->rootWindow(), False, SubstructureRedirectMask | SubstructureNotifyMask,
               &event);
}

void LinuxPanelWindowing::activate(quintptr window) {
    if (!m_x11 || !window) return;
    const unsigned long time = requestTime();
    Display* display = m_x11->display();
    // Also tell the window manager when the user last asked for this window, so that focus-stealing
    // prevention compares the right times when it maps it.
    const long userTime = long(time);
    XChangeProperty(display, window, m_x11->atom("_NET_WM_USER_TIME"), XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&userTime), 1);
    sendActiveWindow(window, time);
    // Without a window manager nobody answers the request: take the focus directly. Never beside one:
    // the focus would go back to the root window when it reparents ours, and it falls back elsewhere.
    if (!hasWindowManager())
        m_x11->trapErrors([&] { XSetInputFocus(display, window, RevertToParent, time); });
    XFlush(display);
}

void LinuxPanelWindowing::restoreActiveWindow() {
    if (!m_x11) return;
    const unsigned long previous = std::exchange(m_previous, 0);
    if (!previous || !isViewable(previous)) return;
    sendActiveWindow(previous, serverTime());
    XFlush(m_x11->display());
}

bool LinuxPanelWindowing::isCompositing() const {
    if (!m_x11) return false;
    Display* display = m_x11->display();
    const QByteArray name = "_NET_WM_CM_S" + QByteArray::number(DefaultScreen(display));
    m_compositing = XGetSelectionOwner(display, m_x11->atom(name.constData())) != None;
    return m_compositing;
}

} // namespace zarvo::linux_
