// The workspace's answers about applications: kept in a DesktopAppCache until the applications folders
// or the mimeapps lists change.
#include "platform/linux/LinuxWorkspace.h"

#include "platform/AppBundle.h"
#include "platform/Environment.h"
#include "platform/linux/DesktopApps.h"
#include "platform/linux/TerminalLauncher.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThreadPool>
#include <QUrl>

#include <sys/stat.h>

namespace zarvo::linux_ {

// The mimeapps lists outside the applications folders (those inside are watched with the entries),
// and a fingerprint of them as stat(2) sees them.
namespace {
QStringList mimeListFolders(const Environment& environment) {
    QStringList out{environment.configHome()};
    const QString dirs = environment.variable(QStringLiteral("XDG_CONFIG_DIRS")).value_or(QString());
    out << (dirs.isEmpty() ? QStringList{QStringLiteral("/etc/xdg")}
                           : dirs.split(QLatin1Char(':'), Qt::SkipEmptyParts));
    return out;
}

QByteArray mimeListState(const QStringList& folders) {
    QByteArray state;
    for (const QString& folder : folders)
        for (const QFileInfo& list :
             QDir(folder).entryInfoList({QStringLiteral("*mimeapps.list")}, QDir::Files)) {
            const QByteArray path = QFile::encodeName(list.filePath());
            struct stat status {};
            if (::stat(path.constData(), &status) != 0) continue;
            // Saving replaces the file (a new inode) or rewrites it (a new time, to the nanosecond).
            state += path + ' ' + QByteArray::number(qulonglong(status.st_ino)) + ' ' +
                     QByteArray::number(qlonglong(status.st_size)) + ' ' +
                     QByteArray::number(qlonglong(status.st_mtim.tv_sec)) + '.' +
                     QByteArray::number(qlonglong(status.st_mtim.tv_nsec)) + '\n';
        }
    return state;
}
} // namespace

void LinuxWorkspace::followChanges(AppBundleSource& entries) {
    m_cache->setMaxAge(-1);
    connect(&entries, &AppBundleSource::changed, this, &LinuxWorkspace::forgetApplications,
            Qt::UniqueConnection);
    const QStringList folders = mimeListFolders(m_environment);
    m_listSettle.setSingleShot(true);
    m_listSettle.setInterval(200);
    auto state = std::make_shared<QByteArray>(mimeListState(folders));
    const auto rewatch = [this, folders] {
        const QStringList watched = m_listWatcher.files() + m_listWatcher.directories();
        if (!watched.isEmpty()) m_listWatcher.removePaths(watched);
        QStringList paths;
        for (const QString& folder : folders) {
            if (!QFileInfo(folder).isDir()) continue;
            paths << folder;
            for (const QFileInfo& list :
                 QDir(folder).entryInfoList({QStringLiteral("*mimeapps.list")}, QDir::Files))
                paths << list.filePath();
        }
        if (!paths.isEmpty()) m_listWatcher.addPaths(paths);
    };
    rewatch();
    // The configuration folder changes for many reasons: only a changed list drops the answers.
    connect(&m_listSettle, &QTimer::timeout, this, [this, folders, state, rewatch] {
        rewatch();
        QByteArray now = mimeListState(folders);
        if (now == *state) return;
        *state = std::move(now);
        forgetApplications();
    });
    connect(&m_listWatcher, &QFileSystemWatcher::directoryChanged, &m_listSettle,
            qOverload<>(&QTimer::start));
    connect(&m_listWatcher, &QFileSystemWatcher::fileChanged, &m_listSettle, qOverload<>(&QTimer::start));
    forgetApplications();
}

// The application answers, each computed once per cache: the workspace's methods and the worker that
// warms the cache both go through these.
namespace {
using Cache = DesktopAppCache;

// Handlers depend on the scheme, or for a file on its kind; the kind is judged from the name here,
// as the content type of most files is.
QString handlerKey(const QUrl& url) {
    if (!url.isLocalFile()) return url.scheme().toLower();
    const QFileInfo info(url.toLocalFile());
    if (info.isDir()) return QStringLiteral("file/");
    const QString suffix = info.suffix().toLower();
    // No suffix: the content decides, so nothing is shared between such files.
    return suffix.isEmpty() ? QStringLiteral("file:") + info.absoluteFilePath()
                            : QStringLiteral("file.") + suffix;
}

std::optional<QString> locate(Cache& cache, const QString& identifier, const QStringList& running) {
    return DesktopApps::locate(identifier, running, [&cache] {
        return cache.value(&Cache::installed, QString(), [] { return DesktopApps::installedIds(); });
    });
}

std::optional<QString> urlFor(Cache& cache, const QString& identifier, const QStringList& running) {
    // Which entry answers depends on the running desktop (its own terminal first).
    const QString key = running.join(QLatin1Char(':')) + QLatin1Char('\n') + identifier;
    return cache.value(&Cache::applications, key, [&]() -> std::optional<QString> {
        auto location = locate(cache, identifier, running);
        // A terminal installed without a desktop entry (an archive, cargo) goes by its program's name.
        if (!location && TerminalLauncher::isKnown(identifier) && !identifier.contains(QLatin1Char('/')))
            if (const QString program = QStandardPaths::findExecutable(identifier); !program.isEmpty())
                location = program;
        if (!location) location = TerminalLauncher::flatpakEntry(identifier);
        return location;
    });
}

std::optional<QString> defaultFor(Cache& cache, const QUrl& url) {
    if (!url.isValid() || url.isEmpty()) return std::nullopt;
    return cache.value(&Cache::defaultHandlers, handlerKey(url), [&] {
        return DesktopApps::defaultHandler(QString::fromUtf8(url.toEncoded()),
                                           url.isLocalFile() ? url.toLocalFile() : QString());
    });
}

QStringList allFor(Cache& cache, const QUrl& url) {
    if (!url.isValid() || url.isEmpty()) return {};
    return cache.value(&Cache::allHandlers, handlerKey(url), [&] {
        return DesktopApps::allHandlers(QString::fromUtf8(url.toEncoded()),
                                        url.isLocalFile() ? url.toLocalFile() : QString());
    });
}

QString nameOf(Cache& cache, const QString& location) {
    return cache.value(&Cache::names, location, [&] {
        if (const auto known = TerminalLauncher::programNameAndIcon(location)) return known->first;
        return DesktopApps::displayName(location);
    });
}

std::optional<QString> identityOf(Cache& cache, const QString& location) {
    return cache.value(&Cache::desktopIds, location, [&] { return DesktopApps::desktopId(location); });
}

std::optional<QString> identifierOf(Cache& cache, const QString& location, const QStringList& running) {
    const QString key = running.join(QLatin1Char(':')) + QLatin1Char('\n') + location;
    return cache.value(&Cache::identifiers, key, [&]() -> std::optional<QString> {
        if (TerminalLauncher::programNameAndIcon(location)) return QFileInfo(location).fileName();
        const auto id = identityOf(cache, location);
        if (!id) return std::nullopt;
        // The well-known identifier only where looking it up leads back here (as DesktopApps::identifier).
        for (const QString& known : DesktopApps::aliasesOf(*id))
            if (locate(cache, known, running) == location) return known;
        return id;
    });
}
QString entryIconOf(Cache& cache, const QString& location) {
    return cache.value(&Cache::icons, location,
                       [&] { return DesktopApps::entryIcon(location).value_or(QString()); });
}
} // namespace

QString LinuxWorkspace::entryIcon(const QString& location) const {
    return entryIconOf(*m_cache, location);
}

void LinuxWorkspace::forgetApplications() {
    m_cache->forget();
    // What every panel asks for is computed again at once, off the main thread: the installed ids, the
    // folder applications (as the Open With bar lists them), web handlers and terminals (the settings
    // window's list), their names and icons.
    const QStringList running = desktops();
    const QString home = m_environment.homePath();
    QThreadPool::globalInstance()->start([running, home, cache = m_cache] {
        cache->value(&Cache::installed, QString(), [] { return DesktopApps::installedIds(); });
        QStringList located;
        for (const char* identifier :
             {"com.apple.finder", "com.apple.Terminal", "com.apple.TextEdit", "com.microsoft.VSCode",
              "dev.zed.Zed", "com.todesktop.230313mzl4w4u92"})
            if (const auto location = urlFor(*cache, QString::fromLatin1(identifier), running))
                located << *location;
        for (const QUrl& url : {QUrl::fromLocalFile(home), QUrl(QStringLiteral("https://example.org")),
                                QUrl(QStringLiteral("http://example.org"))}) {
            defaultFor(*cache, url);
            located << allFor(*cache, url);
        }
        located << cache->value(&Cache::lists, QStringLiteral("terminals"),
                                [] { return TerminalLauncher::installed(); });
        for (const QString& location : std::as_const(located)) {
            nameOf(*cache, location);
            identifierOf(*cache, location, running);
            if (location.endsWith(QLatin1String(".desktop"))) entryIconOf(*cache, location);
        }
    });
}

std::optional<QString> LinuxWorkspace::urlForApplication(const QString& bundleIdentifier) const {
    return urlFor(*m_cache, bundleIdentifier, desktops());
}

std::optional<QString> LinuxWorkspace::applicationToOpen(const QUrl& url) const {
    return defaultFor(*m_cache, url);
}

QList<QString> LinuxWorkspace::applicationsToOpen(const QUrl& url) const {
    return allFor(*m_cache, url);
}

QList<QString> LinuxWorkspace::installedApplications() const {
    return m_cache->value(&Cache::lists, QStringLiteral("menu"),
                          [] { return DesktopApps::menuApplications(); });
}

QList<QString> LinuxWorkspace::terminalApplications() const {
    return m_cache->value(&Cache::lists, QStringLiteral("terminals"),
                          [] { return TerminalLauncher::installed(); });
}

QString LinuxWorkspace::applicationName(const QString& appLocation) const {
    return nameOf(*m_cache, appLocation);
}

std::optional<QString> LinuxWorkspace::applicationIdentifier(const QString& appLocation) const {
    return identifierOf(*m_cache, appLocation, desktops());
}

std::optional<QString> LinuxWorkspace::applicationIdentity(const QString& appLocation) const {
    return identityOf(*m_cache, appLocation);
}

} // namespace zarvo::linux_
