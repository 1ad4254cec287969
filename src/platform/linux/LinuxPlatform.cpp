#include "platform/linux/LinuxPlatform.h"

#include "platform/linux/GnomePreviewer.h"
#include "platform/linux/LinuxDesktopShortcuts.h"
#include "platform/linux/LinuxEnvironment.h"
#include "platform/linux/LinuxHotKeys.h"
#include "platform/linux/LinuxKeySynth.h"
#include "platform/linux/LinuxLoginItems.h"
#include "platform/linux/LinuxNotifications.h"
#include "platform/linux/LinuxPanelWindowing.h"
#include "platform/linux/LinuxPasteboard.h"
#include "platform/linux/LinuxPlatformWords.h"
#include "platform/linux/LinuxProcesses.h"
#include "platform/linux/LinuxSession.h"
#include "platform/linux/LinuxWorkspace.h"
#include "platform/linux/UnavailablePasteboard.h"
#include "platform/linux/WaylandPasteboard.h"
#include "platform/linux/X11Connection.h"
#include "platform/qt/QtImageCodec.h"
#include "platform/wayland/WaylandServices.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QUrl>

namespace zarvo::linux_ {

namespace {

// The platform's facts, told again when the Wayland connection is lost or back.
class LinuxSessionInfo : public SessionInfo {
public:
    explicit LinuxSessionInfo(std::function<SessionFacts()> facts) : m_facts(std::move(facts)) {}
    SessionFacts facts() const override { return m_facts(); }

private:
    std::function<SessionFacts()> m_facts;
};

} // namespace

bool LinuxPlatform::isWaylandSession() {
    return qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

std::vector<char*> LinuxPlatform::qtArguments(int argc, char** argv) {
    std::vector<char*> arguments(argv, argv + argc);
    static char platformFlag[] = "-platform";
    static char xcb[] = "xcb";
    bool hasPlatform = false;
    for (int i = 1; i < argc; ++i)
        hasPlatform |= qstrcmp(argv[i], "-platform") == 0;
    if (isWaylandSession() && !hasPlatform && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        arguments.insert(arguments.begin() + 1, {platformFlag, xcb});
    arguments.push_back(nullptr);
    return arguments;
}

LinuxPlatform::LinuxPlatform(const QString& identifier)
    : m_environment(std::make_unique<LinuxEnvironment>(identifier)), m_clock(std::make_unique<SystemClock>()),
      m_processes(std::make_unique<LinuxProcesses>()), m_images(std::make_unique<QtImageCodec>()) {
    m_waylandSession = isWaylandSession();
    auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    const QString qpa = gui ? QGuiApplication::platformName() : QString();
    if (qpa == QLatin1String("xcb")) {
        m_x11 = X11Connection::open();
        m_display = m_x11 ? Display::X11 : Display::None;
    } else if (qpa.startsWith(QLatin1String("wayland"))) {
        m_display = Display::Wayland;
    }

    // Beside our (XWayland) windows, the session's own services on a connection of their own.
    if (m_waylandSession && m_display != Display::None)
        m_wayland = wayland::WaylandServices::connect(
            {QStringLiteral("zarvo"), QStringLiteral("Zarvo"), QGuiApplication::desktopFileName()});

    m_workspace = std::make_unique<LinuxWorkspace>(*m_environment, m_x11.get());
    if (m_wayland) {
        wayland::WaylandServices* services = m_wayland.get();
        m_workspace->setWaylandFront([services] { return services->frontAppId(); });
    }
    if (m_wayland && m_wayland->hasClipboard())
        m_pasteboard = std::make_unique<WaylandPasteboard>(*m_wayland);
    else if (m_display != Display::None && gui)
        m_pasteboard = std::make_unique<LinuxPasteboard>(QGuiApplication::clipboard());
    else
        m_pasteboard = std::make_unique<UnavailablePasteboard>();
    m_session = std::make_unique<LinuxSession>(*m_environment, *m_processes, m_x11 != nullptr);
    // On XWayland a grab sees keys only while an X window is focused.
    m_hotKeys = std::make_unique<LinuxHotKeys>(m_x11.get(), m_waylandSession);
    m_keySynth = std::make_unique<LinuxKeySynth>(m_x11.get());
    if (m_wayland)
        m_keySynth->setWayland(m_wayland.get(),
                               [workspace = m_workspace.get()] { return workspace->isX11InFront(); });
    m_loginItems = std::make_unique<LinuxLoginItems>(*m_environment, QCoreApplication::applicationFilePath());
    m_words =
        std::make_unique<LinuxPlatformWords>([workspace = m_workspace.get()]() -> std::optional<QString> {
            // The application that opens folders is the file manager the texts name.
            const auto handler = workspace->applicationToOpen(QUrl::fromLocalFile(QDir::homePath()));
            if (!handler) return std::nullopt;
            return workspace->applicationName(*handler);
        });
    if (m_x11) m_windowing = std::make_unique<LinuxPanelWindowing>(m_x11.get(), m_hotKeys.get());
    if (m_windowing && m_waylandSession) {
        // sway, KWin and mutter focus the panel as a utility window; plainer compositors (weston) do not.
        static const QStringList utilityFocused = {QStringLiteral("sway"), QStringLiteral("KWin"),
                                                   QStringLiteral("GNOME Shell"), QStringLiteral("mutter")};
        const QString compositor = m_wayland ? m_wayland->session().compositor : QString();
        m_windowing->setFocusableType(!compositor.isEmpty() && !utilityFocused.contains(compositor));
    }
    if (m_display != Display::None) m_previewer = std::make_unique<GnomePreviewer>();
    m_desktopShortcuts = std::make_unique<LinuxDesktopShortcuts>(*m_environment);
    if (m_display != Display::None)
        m_notifications = std::make_unique<LinuxNotifications>(QGuiApplication::desktopFileName().isEmpty()
                                                                   ? QStringLiteral("com.velorin.zarvo")
                                                                   : QGuiApplication::desktopFileName());

    m_sessionInfo = std::make_unique<LinuxSessionInfo>([this] { return facts(); });
    if (m_wayland)
        QObject::connect(m_wayland.get(), &wayland::WaylandServices::connectionChanged, m_sessionInfo.get(),
                         &SessionInfo::changed);

    m_platform.workspace = m_workspace.get();
    m_platform.pasteboard = m_pasteboard.get();
    m_platform.environment = m_environment.get();
    m_platform.clock = m_clock.get();
    m_platform.processes = m_processes.get();
    m_platform.session = m_session.get();
    m_platform.hotKeys = m_hotKeys.get();
    m_platform.keySynth = m_keySynth.get();
    m_platform.loginItems = m_loginItems.get();
    m_platform.words = m_words.get();
    m_platform.windowing = m_windowing.get();
    m_platform.previewer = m_previewer.get();
    m_platform.images = m_images.get();
    m_platform.desktopShortcuts = m_desktopShortcuts.get();
    m_platform.notifications = m_notifications.get();
    m_platform.sessionInfo = m_sessionInfo.get();
}

LinuxPlatform::~LinuxPlatform() {
    // The services that watch the X connection go before it.
    m_windowing.reset();
    m_hotKeys.reset();
    m_keySynth.reset();
    m_workspace.reset();
    m_pasteboard.reset();
    m_sessionInfo.reset();
    m_wayland.reset();
    m_x11.reset();
}

QString LinuxPlatform::waylandNotice() {
    return QCoreApplication::translate(
        "LinuxPlatform",
        "This is a Wayland session. Pasting into the front application, capturing copies "
        "while Zarvo is in the background and telling which application made a copy need X11. "
        "To open the panel, bind “zarvo --toggle” (and “zarvo --clipboard” for the clipboard history) "
        "in your desktop's keyboard shortcut settings.");
}

QString LinuxPlatform::noDisplayMessage(const QString& feature) {
    return UnavailablePasteboard::noDisplayMessage(feature);
}

QString LinuxPlatform::whereItRuns() const {
    const SessionFacts parts = facts();
    QStringList line{parts.where};
    if (!parts.clipboard.isEmpty()) line << parts.clipboard;
    return (line + parts.more).join(QStringLiteral(", "));
}

SessionFacts LinuxPlatform::facts() const {
    if (m_display == Display::None)
        return {QCoreApplication::translate("LinuxPlatform",
                                            "No display: the clipboard, hot keys and pasting are off"),
                {},
                {}};
    const QString desktop = qEnvironmentVariable("XDG_CURRENT_DESKTOP").section(QLatin1Char(':'), 0, 0);
    if (!m_waylandSession)
        return {desktop.isEmpty() ? QStringLiteral("X11") : QStringLiteral("X11 (%1)").arg(desktop), {}, {}};
    SessionFacts out;
    QString compositor = m_wayland ? m_wayland->session().compositor : QString();
    if (compositor.isEmpty()) compositor = desktop;
    out.where =
        compositor.isEmpty() ? QStringLiteral("Wayland") : QStringLiteral("Wayland (%1)").arg(compositor);
    // The parts name Wayland's protocols as they are called (data-control, foreign-toplevel).
    const auto tr_ = [](const char* text) { return QCoreApplication::translate("LinuxPlatform", text); };
    if (m_display == Display::X11)
        out.where += QStringLiteral(", ") + tr_(QT_TRANSLATE_NOOP("LinuxPlatform", "panel on XWayland"));
    if (m_wayland && !m_wayland->isConnected()) {
        // Said as it is until the compositor is back: nothing of its services works meanwhile.
        out.clipboard = tr_(
            QT_TRANSLATE_NOOP("LinuxPlatform", "clipboard capture stopped: the Wayland connection was lost"));
        out.more << tr_(QT_TRANSLATE_NOOP("LinuxPlatform", "paste into X windows only"));
        return out;
    }
    if (m_wayland && m_wayland->hasClipboard())
        out.clipboard = tr_(QT_TRANSLATE_NOOP("LinuxPlatform", "clipboard through data-control"));
    else
        out.clipboard = tr_(QT_TRANSLATE_NOOP("LinuxPlatform", "clipboard through XWayland"));
    if (m_wayland && m_wayland->session().foreignToplevels)
        out.more << tr_(QT_TRANSLATE_NOOP("LinuxPlatform", "front application through foreign-toplevel"));
    else if (m_wayland && m_wayland->session().plasmaWindows)
        out.more << tr_(QT_TRANSLATE_NOOP("LinuxPlatform", "front application through KWin's window list"));
    if (m_wayland && m_wayland->canPressKeys() && m_wayland->session().fakeInput)
        out.more << tr_(QT_TRANSLATE_NOOP("LinuxPlatform", "paste through KWin's fake input"));
    else if (m_wayland && m_wayland->canPressKeys())
        out.more << tr_(QT_TRANSLATE_NOOP("LinuxPlatform", "paste through the virtual keyboard"));
    else
        out.more << tr_(QT_TRANSLATE_NOOP("LinuxPlatform", "paste into X windows only"));
    return out;
}

QString LinuxPlatform::waylandKeysNotice() {
    return QCoreApplication::translate(
        "LinuxPlatform",
        "This is a Wayland session: global hot keys work only while an X11 application is in "
        "front. To open the panel, bind “zarvo --toggle” (and “zarvo --clipboard” for the "
        "clipboard history) in your desktop's keyboard shortcut settings.");
}

std::optional<QString> LinuxPlatform::startupNotice() const {
    // With the compositor's clipboard, only the hot key is left to bind (a paste that cannot be made
    // says so when it is asked for).
    if (m_wayland && m_wayland->hasClipboard()) return waylandKeysNotice();
    if (m_display == Display::Wayland || (m_waylandSession && m_display == Display::X11))
        return waylandNotice();
    if (m_display == Display::None)
        //: Begins "… needs a graphical session (no display is available)".
        return noDisplayMessage(
            QCoreApplication::translate("LinuxPlatform", "The clipboard, global hot keys and pasting"));
    return std::nullopt;
}

} // namespace zarvo::linux_
