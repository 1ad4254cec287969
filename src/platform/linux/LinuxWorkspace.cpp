#include "platform/linux/LinuxWorkspace.h"

#include "platform/Environment.h"
#include "platform/linux/DesktopApps.h"
#include "platform/linux/DesktopEntries.h"
#include "platform/linux/SettingsPanes.h"
#include "platform/linux/TerminalLauncher.h"
#include "platform/linux/WindowIdentity.h"
#include "platform/linux/X11Connection.h"
#include "platform/linux/XdgPlaces.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <QThreadPool>
#include <QTimer>
#include <future>

#include "platform/linux/GioIncludes.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <unistd.h>

namespace zarvo::linux_ {

// ---------------------------------------------------------------------------------------------------
// Workspace

LinuxWorkspace::LinuxWorkspace(const Environment& environment, X11Connection* x11)
    : m_environment(environment), m_x11(x11) {
    if (!m_x11) return;
    XSelectInput(m_x11->display(), m_x11->rootWindow(), PropertyChangeMask);
    XFlush(m_x11->display());
    if (const unsigned long window = activeWindow())
        m_lastActiveKey = readWindowIdentity(*m_x11, window).cacheKey(window);
    QPointer<LinuxWorkspace> self(this);
    m_x11->addEventHandler([self](XEvent& event) {
        if (self) self->handleX11Event(event);
    });
}

QStringList LinuxWorkspace::desktops() const {
    return DesktopApps::currentDesktops(
        m_environment.variable(QStringLiteral("XDG_CURRENT_DESKTOP")).value_or(QString()));
}

bool LinuxWorkspace::openURL(const QUrl& url) {
    if (!url.isValid() || url.isEmpty()) return false;
    if (url.scheme() == QLatin1String(SettingsPanes::scheme)) return openSettingsPane(url);
    // The Trash's own folder shows raw names without Restore or Empty; the file manager's Trash view has
    // them.
    if (url.isLocalFile() &&
        QDir::cleanPath(url.toLocalFile()) ==
            QDir::cleanPath(m_environment.dataHome() + QLatin1String("/Trash/files")) &&
        openTrashView())
        return true;
    // An installed application's entry starts the application, as opening an application bundle does;
    // an entry anywhere else (a download, the desktop) goes to its default handler like any file.
    if (url.isLocalFile() &&
        isInstalledEntry(url.toLocalFile(), DesktopEntrySource::fromEnvironment(m_environment))) {
        if (const auto failure = DesktopApps::launchWithUris(url.toLocalFile(), {})) {
            qWarning("Zarvo: could not open %s: %s", url.toEncoded().constData(), qPrintable(*failure));
            return false;
        }
        return true;
    }
    GErrorHolder error;
    if (!g_app_info_launch_default_for_uri(url.toEncoded().constData(), nullptr, error.out())) {
        qWarning("Zarvo: could not open %s: %s", url.toEncoded().constData(), qPrintable(error.message()));
        return false;
    }
    return true;
}

bool LinuxWorkspace::openTrashView() {
    // The folder handler is the file manager; one that takes only paths cannot show trash:///.
    GRef<GAppInfo> manager(DesktopApps::counted(g_app_info_get_default_for_type("inode/directory", FALSE)));
    if (!manager || !g_app_info_supports_uris(manager.get())) return false;
    char uri[] = "trash:///";
    GList list = {uri, nullptr, nullptr};
    GErrorHolder error;
    if (!g_app_info_launch_uris(manager.get(), &list, nullptr, error.out())) {
        qWarning("Zarvo: could not open the Trash: %s", qPrintable(error.message()));
        return false;
    }
    return true;
}

bool LinuxWorkspace::openSettingsPane(const QUrl& url) {
    const QString pane = url.path() + (url.hasQuery() ? QLatin1Char('?') + url.query() : QString());
    if (auto command = SettingsPanes::command(pane, desktops())) {
        QString program = QStandardPaths::findExecutable(command->first());
        // Plasma 5 names its settings program with the version.
        if (program.isEmpty() && command->first() == QLatin1String("systemsettings"))
            program = QStandardPaths::findExecutable(QStringLiteral("systemsettings5"));
        if (!program.isEmpty() && !DesktopApps::launchWithArguments(program, command->mid(1))) return true;
    }
    // Unknown panes, and desktops without that panel, open the settings application itself.
    const auto settingsApp = urlForApplication(QStringLiteral("com.apple.systempreferences"));
    if (!settingsApp) return false;
    return !DesktopApps::launchWithUris(*settingsApp, {});
}

void LinuxWorkspace::finish(Completion done, std::optional<QString> error) {
    if (!done) return;
    // Completions arrive on the main queue, as a later turn of the event loop.
    QTimer::singleShot(0, this, [done = std::move(done), error] { done(error); });
}

void LinuxWorkspace::openURLWithApplication(const QUrl& url, const QString& appLocation, Completion done) {
    // Terminals take no folder argument (xfce4-terminal refuses one, others ignore it): the folder is
    // the new window's working directory and the value of the terminal's own option.
    if (url.isLocalFile() && QFileInfo(url.toLocalFile()).isDir() &&
        TerminalLauncher::isTerminal(appLocation)) {
        const auto launch = TerminalLauncher::folderLaunch(appLocation, url.toLocalFile());
        std::optional<QString> error;
        if (!launch)
            //: %1 is an application's name.
            error = QCoreApplication::translate("LinuxWorkspace", "“%1” is not installed")
                        .arg(applicationName(appLocation));
        else if (!QProcess::startDetached(launch->program, launch->arguments, launch->workingDirectory))
            //: %1 is a program.
            error =
                QCoreApplication::translate("LinuxWorkspace", "could not start “%1”").arg(launch->program);
        finish(std::move(done), error);
        return;
    }
    finish(std::move(done), DesktopApps::launchWithUris(appLocation, {QString::fromUtf8(url.toEncoded())}));
}

void LinuxWorkspace::openTerminalScript(const QString& scriptPath, const std::optional<QString>& terminal,
                                        Completion done) {
    // The script carries its own interpreter line; the terminal only has to run it.
    const auto command = TerminalLauncher::terminalCommand(
        terminal ? terminal : urlForApplication(QStringLiteral("com.apple.Terminal")), std::nullopt,
        {scriptPath});
    std::optional<QString> error;
    if (!command || command->isEmpty())
        error = QCoreApplication::translate("LinuxWorkspace", "No terminal app found");
    else if (!QProcess::startDetached(command->first(), command->mid(1), QDir::homePath()))
        //: %1 is a program.
        error = QCoreApplication::translate("LinuxWorkspace", "Could not start %1").arg(command->first());
    finish(std::move(done), error);
}

void LinuxWorkspace::openApplication(const QString& appLocation, const QStringList& arguments,
                                     Completion done) {
    std::optional<QString> error;
    if (arguments.isEmpty())
        error = DesktopApps::launchWithUris(appLocation, {});
    else
        error = DesktopApps::launchWithArguments(appLocation, arguments);
    finish(std::move(done), error);
}

void LinuxWorkspace::callFileManager(const char* method, const QList<QUrl>& files,
                                     std::function<void()> fallback) {
    QStringList uris;
    for (const QUrl& url : files)
        uris << QString::fromUtf8(url.toEncoded());
    if (uris.isEmpty()) return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        if (fallback) fallback();
        return;
    }
    auto message = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QString::fromLatin1(method));
    message << uris << QString();
    // The file manager may have to be started first: the answer is awaited without blocking.
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(message, 10000), this);
    const QString name = QString::fromLatin1(method);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [watcher, fallback = std::move(fallback), name](QDBusPendingCallWatcher*) {
                watcher->deleteLater();
                if (!watcher->isError()) return;
                qWarning("Zarvo: file manager %s failed: %s", qPrintable(name),
                         qPrintable(watcher->error().message()));
                if (fallback) fallback();
            });
}

void LinuxWorkspace::revealInFileManager(const QList<QUrl>& files) {
    QPointer<LinuxWorkspace> self(this);
    // Without the file-manager service, the folder of the first file is opened instead.
    callFileManager("ShowItems", files, [self, files] {
        if (self && !files.isEmpty() && files.first().isLocalFile())
            self->openURL(QUrl::fromLocalFile(QFileInfo(files.first().toLocalFile()).absolutePath()));
    });
}

void LinuxWorkspace::showInfo(const QUrl& file) {
    callFileManager("ShowItemProperties", {file}, nullptr);
}

void LinuxWorkspace::recycle(const QUrl& file, Completion done) {
    if (!file.isLocalFile()) {
        finish(std::move(done),
               QCoreApplication::translate("LinuxWorkspace", "only local files can be moved to the Trash"));
        return;
    }
    const QByteArray path = QFile::encodeName(file.toLocalFile());
    QPointer<LinuxWorkspace> self(this);
    // Trashing a large folder across file systems copies it: it runs off the main thread.
    QThreadPool::globalInstance()->start([self, path, done = std::move(done)]() mutable {
        GRef<GFile> gfile(g_file_new_for_path(path.constData()));
        GErrorHolder error;
        std::optional<QString> result;
        if (!g_file_trash(gfile.get(), nullptr, error.out())) result = error.message();
        QMetaObject::invokeMethod(
            qApp,
            [self, done = std::move(done), result] {
                if (self && done) done(result);
            },
            Qt::QueuedConnection);
    });
}

QString LinuxWorkspace::iconNameForFile(const QString& path) const {
    return iconNamesForFile(path).value(0, QStringLiteral("text-x-generic"));
}

void LinuxWorkspace::requestThumbnails(const QStringList& paths,
                                       std::function<void(const QStringList&)> ready) {
    if (!m_thumbnailer) m_thumbnailer = std::make_unique<LinuxThumbnailer>();
    m_thumbnailer->request(paths, std::move(ready));
}

QStringList LinuxWorkspace::iconNamesForFile(const QString& path) const {
    // A terminal's program is named by the table; looking at the file each time is what costs.
    const QString terminalIcon =
        m_cache->value(&DesktopAppCache::icons, QStringLiteral("program:") + path, [&] {
            const auto known = TerminalLauncher::programNameAndIcon(path);
            return known ? known->second : QString();
        });
    if (!terminalIcon.isEmpty()) return {terminalIcon};
    // The icon naming spec's own name; GIO's first answer for folders is a MIME-type name few themes draw.
    const QFileInfo fileInfo(path);
    if (fileInfo.isDir() && !path.endsWith(QLatin1String(".app"))) return {QStringLiteral("folder")};
    if (path.endsWith(QLatin1String(".desktop"))) {
        const QString icon = entryIcon(path);
        if (!icon.isEmpty()) return {icon, QStringLiteral("application-x-executable")};
    }
    QStringList names;
    GRef<GFile> file(g_file_new_for_path(QFile::encodeName(path).constData()));
    GRef<GFileInfo> info(g_file_query_info(
        file.get(), G_FILE_ATTRIBUTE_STANDARD_ICON "," G_FILE_ATTRIBUTE_STANDARD_CONTENT_TYPE,
        G_FILE_QUERY_INFO_NONE, nullptr, nullptr));
    if (info) {
        GIcon* icon = g_file_info_get_icon(info.get());
        if (icon && G_IS_THEMED_ICON(icon)) {
            const gchar* const* list = g_themed_icon_get_names(G_THEMED_ICON(icon));
            for (int i = 0; list && list[i]; ++i) {
                const QString name = QString::fromUtf8(list[i]);
                // Symbolic names are one-colour glyphs; a file row wants the full-colour picture.
                if (!name.endsWith(QLatin1String("-symbolic")) && !names.contains(name)) names << name;
            }
        }
        if (const char* type = g_file_info_get_content_type(info.get())) {
            GString_ generic(g_content_type_get_generic_icon_name(type));
            if (generic && !names.contains(QString::fromUtf8(generic.get())))
                names << QString::fromUtf8(generic.get());
        }
    }
    const QString last = fileInfo.isDir() ? QStringLiteral("folder") : QStringLiteral("text-x-generic");
    if (!names.contains(last)) names << last;
    return names;
}

bool LinuxWorkspace::wouldRunCode(const QString& path) const {
    return DesktopApps::runsCode(path);
}

bool LinuxWorkspace::isFilePackage(const QString& path) const {
    return isApplicationBundle(path);
}

QStringList LinuxWorkspace::ejectableVolumes() const {
    QStringList out;
    GRef<GVolumeMonitor> monitor(g_volume_monitor_get());
    GList* mounts = g_volume_monitor_get_mounts(monitor.get());
    for (GList* l = mounts; l; l = l->next) {
        GMount* mount = G_MOUNT(l->data);
        if (g_mount_is_shadowed(mount) || !(g_mount_can_eject(mount) || g_mount_can_unmount(mount))) continue;
        GRef<GFile> root(g_mount_get_root(mount));
        GString_ path(g_file_get_path(root.get()));
        if (path && QString::fromUtf8(path.get()) != QLatin1String("/")) out << QString::fromUtf8(path.get());
    }
    g_list_free_full(mounts, g_object_unref);
    return out;
}

namespace {
struct EjectState {
    std::promise<std::optional<QString>> result;
};

void ejectFinished(GObject* source, GAsyncResult* res, gpointer data) {
    std::unique_ptr<EjectState> state(static_cast<EjectState*>(data));
    GErrorHolder error;
    GMount* mount = G_MOUNT(source);
    const bool ok = g_mount_can_eject(mount) ? g_mount_eject_with_operation_finish(mount, res, error.out())
                                             : g_mount_unmount_with_operation_finish(mount, res, error.out());
    state->result.set_value(ok ? std::nullopt : std::optional<QString>(error.message()));
}

// Starts the eject on the main thread's GLib context, where the volume monitor lives.
void startEject(const QString& volumePath, EjectState* state) {
    GRef<GVolumeMonitor> monitor(g_volume_monitor_get());
    GList* mounts = g_volume_monitor_get_mounts(monitor.get());
    GMount* found = nullptr;
    for (GList* l = mounts; l && !found; l = l->next) {
        GRef<GFile> root(g_mount_get_root(G_MOUNT(l->data)));
        GString_ path(g_file_get_path(root.get()));
        if (path && QDir::cleanPath(QString::fromUtf8(path.get())) == QDir::cleanPath(volumePath))
            found = G_MOUNT(g_object_ref(l->data));
    }
    g_list_free_full(mounts, g_object_unref);
    if (!found) {
        //: %1 is a folder.
        state->result.set_value(
            QCoreApplication::translate("LinuxWorkspace", "no volume is mounted at %1").arg(volumePath));
        delete state;
        return;
    }
    if (g_mount_can_eject(found))
        g_mount_eject_with_operation(found, G_MOUNT_UNMOUNT_NONE, nullptr, nullptr, ejectFinished, state);
    else
        g_mount_unmount_with_operation(found, G_MOUNT_UNMOUNT_NONE, nullptr, nullptr, ejectFinished, state);
    g_object_unref(found);
}
} // namespace

std::optional<QString> LinuxWorkspace::unmountAndEject(const QString& volumePath) {
    auto* state = new EjectState;
    auto future = state->result.get_future();
    const auto timeout = std::chrono::seconds(60);
    if (QThread::currentThread() == thread()) {
        startEject(volumePath, state);
        // On the main thread the GIO answer needs the event loop turning.
        QEventLoop loop;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
            if (future.wait_for(std::chrono::seconds(0)) == std::future_status::ready) loop.quit();
        });
        poll.start(20);
        QTimer::singleShot(timeout, &loop, &QEventLoop::quit);
        loop.exec();
    } else {
        QMetaObject::invokeMethod(
            this, [volumePath, state] { startEject(volumePath, state); }, Qt::QueuedConnection);
        future.wait_for(timeout);
    }
    if (future.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
        //: %1 is a volume's folder.
        return QCoreApplication::translate("LinuxWorkspace", "ejecting %1 timed out").arg(volumePath);
    return future.get();
}

// ---------------------------------------------------------------------------------------------------
// The application in front

unsigned long LinuxWorkspace::activeWindow() const {
    if (!m_x11) return 0;
    Display* display = m_x11->display();
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    Window window = 0;
    const int error = m_x11->trapErrors([&] {
        XGetWindowProperty(display, m_x11->rootWindow(), m_x11->atom("_NET_ACTIVE_WINDOW"), 0, 1, False,
                           XA_WINDOW, &type, &format, &count, &after, &data);
    });
    if (error == 0 && data && type == XA_WINDOW && format == 32 && count == 1)
        window = *reinterpret_cast<Window*>(data);
    if (data) XFree(data);
    return window;
}

std::optional<AppInfo> LinuxWorkspace::applicationOfWindow(unsigned long window) const {
    if (!m_x11 || window == 0) return std::nullopt;
    const WindowIdentity identity = readWindowIdentity(*m_x11, window);
    const QString key = identity.cacheKey(window);
    if (auto it = m_windowApps.constFind(key); it != m_windowApps.constEnd()) return *it;
    QString executable;
    if (identity.pid)
        executable =
            QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/%1/exe").arg(identity.pid))).fileName();

    std::optional<AppInfo> app;
    const QString& cls = identity.wmClass;
    QStringList names{identity.wmInstance, cls, executable};
    bool terminalEntry = false;
    if (auto location =
            DesktopApps::locateWindow(identity.desktopHints, identity.wmInstance, cls, executable)) {
        // Known by its desktop-file id, the one form the ignored applications are kept in.
        app = AppInfo{applicationIdentity(*location), applicationName(*location)};
        names << QFileInfo(*location).fileName();
        terminalEntry = TerminalLauncher::isTerminal(*location);
    } else if (!cls.isEmpty() || !executable.isEmpty()) {
        // A program without a desktop entry is known by its window class.
        const QString name = cls.isEmpty() ? executable : cls;
        app = AppInfo{name, name};
    }
    if (app) app->pasteKeys = TerminalLauncher::pasteKeys(names, terminalEntry);
    // Only answers are kept: a new window may not have its class set yet.
    if (m_windowApps.size() > 256) m_windowApps.clear();
    if (app) m_windowApps.insert(key, *app);
    return app;
}

bool LinuxWorkspace::isOwnWindow(unsigned long window) const {
    if (!m_x11 || window == 0) return false;
    unsigned long pid = 0;
    m_x11->trapErrors([&] {
        Atom type = 0;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(m_x11->display(), window, m_x11->atom("_NET_WM_PID"), 0, 1, False, XA_CARDINAL,
                               &type, &format, &count, &after, &data) == Success &&
            data && format == 32 && count == 1)
            pid = *reinterpret_cast<unsigned long*>(data);
        if (data) XFree(data);
    });
    return pid == static_cast<unsigned long>(::getpid());
}

unsigned long LinuxWorkspace::frontWindow() const {
    // Our panel takes the keyboard to be typed into, but the application in front is still the one
    // the user came from: pasting and the copies' sources go there.
    const unsigned long window = activeWindow();
    return isOwnWindow(window) ? m_lastForeignActive : window;
}

bool LinuxWorkspace::isX11InFront() const {
    return frontWindow() != 0;
}

std::optional<AppInfo> LinuxWorkspace::frontmostApplication() const {
    const unsigned long window = frontWindow();
    if (window == 0 && m_waylandFront) {
        // Unknown rather than wrong: without the compositor's word no application is named.
        const auto appId = m_waylandFront();
        return appId ? applicationOfWaylandId(*appId) : std::nullopt;
    }
    return applicationOfWindow(window);
}

std::optional<AppInfo> LinuxWorkspace::applicationOfWaylandId(const QString& appId) const {
    const QString key = QStringLiteral("wayland:") + appId;
    if (auto it = m_windowApps.constFind(key); it != m_windowApps.constEnd()) return *it;
    std::optional<AppInfo> app;
    QStringList names{appId};
    bool terminalEntry = false;
    // An application id is a desktop-file id by convention, else often the program's name.
    if (auto location = DesktopApps::locateWindow({appId}, appId, appId, appId)) {
        app = AppInfo{applicationIdentity(*location), applicationName(*location)};
        names << QFileInfo(*location).fileName();
        terminalEntry = TerminalLauncher::isTerminal(*location);
    } else {
        app = AppInfo{appId, appId};
    }
    app->pasteKeys = TerminalLauncher::pasteKeys(names, terminalEntry);
    if (m_windowApps.size() > 256) m_windowApps.clear();
    m_windowApps.insert(key, *app);
    return app;
}

void LinuxWorkspace::handleX11Event(XEvent& event) {
    if (event.type != PropertyNotify || event.xproperty.window != m_x11->rootWindow() ||
        event.xproperty.atom != m_x11->atom("_NET_ACTIVE_WINDOW"))
        return;
    const unsigned long window = activeWindow();
    // The id alone does not tell: a window made with a destroyed one's id is another application's.
    const QString key = window ? readWindowIdentity(*m_x11, window).cacheKey(window) : QString();
    if (key == m_lastActiveKey) return;
    m_lastActiveKey = key;
    // In a Wayland session the X focus going nowhere means a Wayland window took the keyboard.
    if (window == 0 && m_waylandFront) m_lastForeignActive = 0;
    if (window == 0 || isOwnWindow(window)) return;
    m_lastForeignActive = window;
    const auto app = applicationOfWindow(window);
    if (!app) return;
    QPointer<LinuxWorkspace> self(this);
    QMetaObject::invokeMethod(
        this,
        [self, info = *app] {
            if (self) emit self->applicationActivated(info);
        },
        Qt::QueuedConnection);
}

QString LinuxWorkspace::platformPath(const QString& tablePath) const {
    return xdgPlaceForTablePath(tablePath, m_environment);
}

} // namespace zarvo::linux_
