#include "platform/linux/LinuxInstallation.h"

#include "platform/Environment.h"
#include "platform/linux/GioIncludes.h"
#include "platform/linux/InstanceChannel.h"
#include "platform/linux/InstanceFolder.h"
#include "platform/linux/LinuxEnvironment.h"
#include "platform/linux/LinuxLoginItems.h"
#include "platform/linux/LinuxWorkspace.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalSocket>
#include <QProcess>
#include <QRegularExpression>
#include <QSaveFile>
#include <QThread>
#include <QUrl>
#include <QUuid>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zarvo::linux_ {

namespace {

const QString kFormerIdentifier = QStringLiteral("com.velorin.quenlark");
const QString kDesktopEntry = QStringLiteral("com.velorin.zarvo.desktop");

// `format` names the path as %1 and the system's reason as %2; errno is read before anything else runs.
QString errnoText(const char* format, const QString& path) {
    const QString reason = QString::fromLocal8Bit(std::strerror(errno));
    return QCoreApplication::translate("LinuxInstallation", format).arg(path, reason);
}

bool isPermissionError(int error) {
    return error == EACCES || error == EPERM || error == EROFS;
}

// The program a running process executes; empty when it cannot be read.
QString executableOf(pid_t pid) {
    return QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget();
}

bool isAlive(pid_t pid) {
    return ::kill(pid, 0) == 0 || errno == EPERM;
}

// Turns the event loop in 0.1 s slices until `pid` is gone or `deadline` passes.
bool waitForExit(pid_t pid, const QDeadlineTimer& deadline) {
    while (isAlive(pid)) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 100);
        QThread::msleep(20);
    }
    return true;
}

// Copies a tree, keeping modes and links; the first error stops it.
std::optional<Installation::Failure> copyTree(const QString& from, const QString& to) {
    struct stat info {};
    if (::lstat(QFile::encodeName(from).constData(), &info) != 0)
        return Installation::Failure{
            errnoText(QT_TRANSLATE_NOOP("LinuxInstallation", "Cannot read “%1”: %2"), from), false};
    const QByteArray target = QFile::encodeName(to);
    if (S_ISLNK(info.st_mode)) {
        char buffer[4096];
        const ssize_t size = ::readlink(QFile::encodeName(from).constData(), buffer, sizeof buffer - 1);
        if (size < 0)
            return Installation::Failure{
                errnoText(QT_TRANSLATE_NOOP("LinuxInstallation", "Cannot read “%1”: %2"), from), false};
        buffer[size] = 0;
        if (::symlink(buffer, target.constData()) != 0)
            return Installation::Failure{
                errnoText(QT_TRANSLATE_NOOP("LinuxInstallation", "Cannot create “%1”: %2"), to),
                isPermissionError(errno)};
        return std::nullopt;
    }
    if (S_ISDIR(info.st_mode)) {
        if (::mkdir(target.constData(), 0700) != 0)
            return Installation::Failure{
                errnoText(QT_TRANSLATE_NOOP("LinuxInstallation", "Cannot create “%1”: %2"), to),
                isPermissionError(errno)};
        QDir dir(from);
        for (const QString& name :
             dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
            if (auto failure = copyTree(dir.filePath(name), to + QLatin1Char('/') + name)) return failure;
        }
        ::chmod(target.constData(), info.st_mode & 07777);
        return std::nullopt;
    }
    if (!S_ISREG(info.st_mode)) return std::nullopt; // sockets, devices: nothing a copy needs
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return Installation::Failure{QCoreApplication::translate("LinuxInstallation", "Cannot read “%1”: %2")
                                         .arg(from, source.errorString()),
                                     false};
    const int out = ::open(target.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, info.st_mode & 0777);
    if (out < 0)
        return Installation::Failure{
            errnoText(QT_TRANSLATE_NOOP("LinuxInstallation", "Cannot create “%1”: %2"), to),
            isPermissionError(errno)};
    QFile sink;
    sink.open(out, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle);
    while (!source.atEnd()) {
        const QByteArray chunk = source.read(1 << 20);
        if (chunk.isEmpty() && source.error() != QFileDevice::NoError)
            return Installation::Failure{
                QCoreApplication::translate("LinuxInstallation", "Cannot read “%1”: %2")
                    .arg(from, source.errorString()),
                false};
        if (sink.write(chunk) != chunk.size())
            return Installation::Failure{
                QCoreApplication::translate("LinuxInstallation", "Cannot write “%1”: %2")
                    .arg(to, sink.errorString()),
                false};
    }
    if (!sink.flush() || ::fsync(out) != 0)
        return Installation::Failure{
            errnoText(QT_TRANSLATE_NOOP("LinuxInstallation", "Cannot write “%1”: %2"), to), false};
    return std::nullopt;
}

// A shell that unmounts `volume`: GIO first (a udisks mount of the desktop), then umount; it retries
// while copies still run from the image, after `waitFor` (a process id) has ended when one is given.
void startUnmounter(const QString& volume, qint64 waitFor) {
    static const QString script =
        QStringLiteral("[ \"$2\" -gt 0 ] && while kill -0 \"$2\" 2>/dev/null; do sleep 0.2; done; sleep 1; "
                       "for i in 1 2 3 4 5; do gio mount -u \"$1\" 2>/dev/null && exit 0; umount \"$1\" "
                       "2>/dev/null && exit 0; "
                       "sleep 2; done; exit 1");
    QProcess::startDetached(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), script, QStringLiteral("sh"),
                                                        volume, QString::number(waitFor)});
}

} // namespace

LinuxInstallation::LinuxInstallation(const Environment& environment) : m_environment(environment) {}

LinuxInstallation::~LinuxInstallation() {
    if (m_lockFile >= 0) ::close(m_lockFile);
}

QString LinuxInstallation::runningFolder() const {
    return QCoreApplication::applicationDirPath();
}

QStringList LinuxInstallation::arguments() const {
    return QCoreApplication::arguments();
}

QString LinuxInstallation::destination() const {
    return m_environment.homePath() + QLatin1String("/.local/opt/Zarvo");
}

QString LinuxInstallation::downloadsFolder() const {
    const QString folder = xdgUserDir(m_environment, QStringLiteral("DOWNLOAD"), QStringLiteral("Downloads"));
    return folder.isEmpty() ? folder : resolved(folder);
}

QString LinuxInstallation::tempFolder() const {
    return m_environment.tempPath();
}

QString LinuxInstallation::resolved(const QString& path) const {
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(path) : canonical;
}

QList<LinuxInstallation::Mount> LinuxInstallation::mounts() const {
    QFile file(QStringLiteral("/proc/self/mountinfo"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return parseMountInfo(file.readAll());
}

QStringList LinuxInstallation::mountPoints() const {
    QStringList points;
    for (const Mount& mount : mounts())
        points << mount.mountPoint;
    return points;
}

bool LinuxInstallation::isImage(const QString& mountPoint) const {
    // The last mount at a place is the one seen there.
    const QList<Mount> all = mounts();
    for (auto it = all.rbegin(); it != all.rend(); ++it)
        if (it->mountPoint == mountPoint) return isImageMount(*it);
    return false;
}

std::optional<Installation::Info> LinuxInstallation::info(const QString& folder) const {
    QFile file(folder + QLatin1String("/Info.json"));
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QJsonObject object = QJsonDocument::fromJson(file.read(64 * 1024)).object();
    if (object.isEmpty()) return std::nullopt;
    Info info;
    info.identifier = object.value(QLatin1String("CFBundleIdentifier")).toString();
    const QJsonValue build = object.value(QLatin1String("CFBundleVersion"));
    if (build.isString()) info.build = build.toString();
    const QJsonValue version = object.value(QLatin1String("CFBundleShortVersionString"));
    if (version.isString()) info.version = version.toString();
    return info;
}

bool LinuxInstallation::exists(const QString& path) const {
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0;
}

std::optional<Installation::Failure> LinuxInstallation::copyFolder(const QString& from, const QString& to) {
    const QString parent = QFileInfo(to).path();
    if (!QDir().mkpath(parent))
        return Failure{QCoreApplication::translate("LinuxInstallation", "Cannot create “%1”").arg(parent),
                       !QFileInfo(QFileInfo(parent).path()).isWritable()};
    return copyTree(from, to);
}

std::optional<QString> LinuxInstallation::swap(const QString& staging, const QString& destination) {
    const QByteArray from = QFile::encodeName(staging), to = QFile::encodeName(destination);
    if (!exists(destination)) {
        if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
            return std::nullopt;
        if (errno != EINVAL && errno != ENOSYS)
            return errnoText(QT_TRANSLATE_NOOP("LinuxInstallation", "Cannot move into place “%1”: %2"),
                             destination);
        if (::rename(from.constData(), to.constData()) == 0) return std::nullopt;
        return errnoText(QT_TRANSLATE_NOOP("LinuxInstallation", "Cannot move into place “%1”: %2"),
                         destination);
    }
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_EXCHANGE) == 0)
        return std::nullopt;
    if (errno != EINVAL && errno != ENOSYS)
        return errnoText(QT_TRANSLATE_NOOP("LinuxInstallation", "Cannot swap in “%1”: %2"), destination);
    // A file system without the exchange: two renames, the old copy first out of the way.
    const QByteArray aside = from + "-old";
    if (::rename(to.constData(), aside.constData()) != 0)
        return errnoText(QT_TRANSLATE_NOOP("LinuxInstallation", "Cannot move aside “%1”: %2"), destination);
    if (::rename(from.constData(), to.constData()) != 0) {
        const QString error =
            errnoText(QT_TRANSLATE_NOOP("LinuxInstallation", "Cannot move into place “%1”: %2"), destination);
        ::rename(aside.constData(), to.constData());
        return error;
    }
    ::rename(aside.constData(), from.constData());
    return std::nullopt;
}

std::optional<QString> LinuxInstallation::moveToTrash(const QString& path) {
    GRef<GFile> file(g_file_new_for_path(QFile::encodeName(path).constData()));
    GErrorHolder error;
    if (!g_file_trash(file.get(), nullptr, error.out())) return error.message();
    return std::nullopt;
}

void LinuxInstallation::removeFolder(const QString& path) {
    struct stat info {};
    const QByteArray name = QFile::encodeName(path);
    if (::lstat(name.constData(), &info) != 0) return;
    // A link goes, never what it leads to.
    if (!S_ISDIR(info.st_mode))
        ::unlink(name.constData());
    else
        QDir(path).removeRecursively();
}

std::optional<QString> LinuxInstallation::rename(const QString& from, const QString& to) {
    const QByteArray source = QFile::encodeName(from), target = QFile::encodeName(to);
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return std::nullopt;
    if (errno != EINVAL && errno != ENOSYS)
        return errnoText(QT_TRANSLATE_NOOP("LinuxInstallation", "Cannot move “%1”: %2"), from);
    if (exists(to))
        return QCoreApplication::translate("LinuxInstallation", "Cannot move “%1”: “%2” is in the way")
            .arg(from, to);
    if (::rename(source.constData(), target.constData()) == 0) return std::nullopt;
    return errnoText(QT_TRANSLATE_NOOP("LinuxInstallation", "Cannot move “%1”: %2"), from);
}

QStringList LinuxInstallation::stagingFolders() const {
    QStringList folders;
    const QDir parent(QFileInfo(destination()).path());
    const QFileInfoList entries =
        parent.entryInfoList({QStringLiteral(".Zarvo-*")}, QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot |
                                                               QDir::NoSymLinks | QDir::CaseSensitive);
    for (const QFileInfo& entry : entries)
        folders << entry.filePath();
    return folders;
}

bool LinuxInstallation::lockInstall(bool wait) {
    if (m_lockDepth > 0) {
        ++m_lockDepth;
        return true;
    }
    const QString parent = QFileInfo(destination()).path();
    QDir().mkpath(parent);
    const QByteArray path = QFile::encodeName(parent + QLatin1String("/.zarvo-install.lock"));
    int file = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (file < 0 && isPermissionError(errno))
        file = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (file < 0) {
        // A place this user cannot write: only the administrator path installs there, and no staging
        // folder of this user's can be in it.
        if (!isPermissionError(errno) && errno != ENOENT) return false;
        ++m_lockDepth;
        return true;
    }
    // Installs take a second or two; a holder that takes much longer is stuck, and this one gives up.
    const QDeadlineTimer deadline(10000);
    while (::flock(file, LOCK_EX | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) || !wait || deadline.hasExpired()) {
            ::close(file);
            return false;
        }
        QThread::msleep(50);
    }
    m_lockFile = file;
    m_lockDepth = 1;
    return true;
}

void LinuxInstallation::unlockInstall() {
    if (m_lockDepth == 0 || --m_lockDepth > 0) return;
    // The file stays: removing it would let two processes lock two different files of one name.
    if (m_lockFile >= 0) ::close(m_lockFile);
    m_lockFile = -1;
}

bool LinuxInstallation::leadsToZarvo(const QString& link, const QString& folder) const {
    const QString target = QFileInfo(link).symLinkTarget();
    if (target.isEmpty()) return false;
    const QString targetFolder = QFileInfo(target).path();
    if (resolved(targetFolder) == resolved(folder)) return true;
    // A link to nothing whose whole folder is gone was left by a removed copy.
    if (!exists(targetFolder)) return true;
    const auto copy = info(targetFolder);
    return copy && copy->identifier == QLatin1String(kAppIdentifier);
}

std::optional<QString> LinuxInstallation::integrate(const QString& folder) {
    // Links in ~/.local/bin; a file of the user's own there, or a link to a program of theirs (their own
    // build), is left alone.
    const QString bin = m_environment.homePath() + QLatin1String("/.local/bin");
    QDir().mkpath(bin);
    QStringList kept;
    for (const char* program : {"zarvo", "zarvo-cli"}) {
        const QString link = bin + QLatin1Char('/') + QLatin1String(program);
        const QFileInfo existing(link);
        if (existing.exists() && !existing.isSymLink()) continue;
        if (existing.isSymLink() && !leadsToZarvo(link, folder)) {
            //: %1 is a link in ~/.local/bin, %2 where it leads, %3 the folder Zarvo is installed in.
            kept << QCoreApplication::translate(
                        "LinuxInstallation",
                        "“%1” leads to “%2”, not to Zarvo in “%3”, so it was left as it is.")
                        .arg(link, existing.symLinkTarget(), folder);
            qWarning().noquote() << QStringLiteral("Zarvo: ") + kept.last();
            continue;
        }
        QFile::remove(link);
        QFile::link(folder + QLatin1Char('/') + QLatin1String(program), link);
    }
    // The desktop entry, starting the installed program by its absolute path.
    QFile entry(folder + QLatin1Char('/') + kDesktopEntry);
    const std::optional<QString> program = LinuxLoginItems::execLine(folder + QLatin1String("/zarvo"));
    if (!program)
        qWarning().noquote() << QStringLiteral(
                                    "Zarvo: no desktop entry for %1: its path holds a control character")
                                    .arg(folder);
    if (program && entry.open(QIODevice::ReadOnly | QIODevice::Text)) {
        QStringList lines = QString::fromUtf8(entry.readAll()).split(QLatin1Char('\n'));
        for (QString& line : lines) {
            // The packaged entry's program, by name or by its path.
            if (!line.startsWith(QLatin1String("Exec="))) continue;
            const QString packaged = line.mid(5).section(QLatin1Char(' '), 0, 0);
            if (packaged == QLatin1String("zarvo") || packaged.endsWith(QLatin1String("/bin/zarvo")))
                line = QLatin1String("Exec=") + *program + line.mid(5 + packaged.size());
        }
        const QString applications = m_environment.dataHome() + QLatin1String("/applications");
        QDir().mkpath(applications);
        QSaveFile out(applications + QLatin1Char('/') + kDesktopEntry);
        if (out.open(QIODevice::WriteOnly | QIODevice::Text)) {
            out.write(lines.join(QLatin1Char('\n')).toUtf8());
            out.commit();
        }
    }
    // The icons, into the user's hicolor theme.
    const QString icons = folder + QLatin1String("/icons/hicolor");
    const QString theme = m_environment.dataHome() + QLatin1String("/icons/hicolor");
    QDirIterator it(icons, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString target = theme + path.mid(icons.size());
        QDir().mkpath(QFileInfo(target).path());
        QFile::remove(target);
        QFile::copy(path, target);
    }
    // The folder's time stamp tells icon caches to look again.
    ::utimensat(AT_FDCWD, QFile::encodeName(theme).constData(), nullptr, 0);
    if (kept.isEmpty()) return std::nullopt;
    return kept.join(QLatin1Char('\n'));
}

const QString& LinuxInstallation::administratorScript() {
    // Run as root on a copy the user chose, maybe from a stick or an image: set-id bits and device
    // nodes would become root's, so special files are refused and set-id bits dropped; the copy is
    // owned like the folder it lands in. The old copy is removed here: moving it into the user's
    // Trash would leave root's folders in the user's home that the user can neither use nor empty.
    static const QString script = QStringLiteral(
        "umask 022; "
        "if /usr/bin/find \"$1\" ! -type f ! -type d ! -type l -print -quit | /bin/grep -q .; then "
        "echo \"$4\" >&2; exit 1; fi; "
        "/bin/cp -R -P --preserve=mode,timestamps -- \"$1\" \"$2\" && "
        "/bin/chown -R -h --reference=\"${2%/*}\" -- \"$2\" && /bin/chmod -R ug-s,go-w -- \"$2\" && "
        "[ -f \"$2/Info.json\" ] && "
        "{ [ ! -e \"$3\" ] || /bin/mv -- \"$3\" \"$2-old\"; } && "
        "{ /bin/mv -- \"$2\" \"$3\" || { /bin/mv -- \"$2-old\" \"$3\" 2>/dev/null; false; }; } || "
        "{ /bin/rm -rf -- \"$2\"; exit 1; }; /bin/rm -rf -- \"$2-old\"; exit 0");
    return script;
}

Installation::AdminResult LinuxInstallation::installAsAdministrator(const QString& source,
                                                                    const QString& staging,
                                                                    const QString& destination) {
    // pkexec needs a living parent: it is waited for, not left behind.
    QProcess process;
    process.setProgram(QStringLiteral("pkexec"));
    process.setArguments({QStringLiteral("/bin/sh"), QStringLiteral("-c"), administratorScript(),
                          QStringLiteral("sh"), source, staging, destination,
                          QCoreApplication::translate(
                              "LinuxInstallation",
                              "The copy holds a device or other special file, so nothing was installed.")});
    process.start();
    if (!process.waitForStarted(10000))
        return AdminResult{-1,
                           QCoreApplication::translate("LinuxInstallation", "pkexec could not be started")};
    while (!process.waitForFinished(100))
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    if (process.exitStatus() != QProcess::NormalExit)
        return AdminResult{-1, QCoreApplication::translate("LinuxInstallation", "pkexec crashed")};
    return AdminResult{process.exitCode(), QString::fromLocal8Bit(process.readAllStandardError())};
}

std::optional<pid_t> LinuxInstallation::instanceProcess(const QString& identifier) const {
    const LinuxEnvironment environment(identifier);
    const auto folder = InstanceFolder::locate(environment, false);
    if (!folder) return std::nullopt;
    QLocalSocket socket;
    socket.connectToServer(QDir(*folder).filePath(InstanceFolder::socketName(environment)));
    if (!socket.waitForConnected(1000)) return std::nullopt;
    const int descriptor = int(socket.socketDescriptor());
    const auto user = peerUser(descriptor);
    const auto pid = peerProcess(descriptor);
    socket.abort();
    if (!user || *user != ::geteuid()) return std::nullopt;
    return pid;
}

void LinuxInstallation::quitOtherCopies() {
    const QString self = executableOf(::getpid());
    for (const QString& identifier : {QString::fromLatin1(kAppIdentifier), kFormerIdentifier}) {
        const auto pid = instanceProcess(identifier);
        // The same program running already is this copy's own instance, not another copy.
        if (!pid || *pid == ::getpid() || executableOf(*pid) == self) continue;
        const LinuxEnvironment environment(identifier);
        InstanceClient::send(environment, QJsonObject{{QStringLiteral("type"), QStringLiteral("quit")}},
                             2000);
        if (waitForExit(*pid, QDeadlineTimer(5000))) continue;
        ::kill(*pid, SIGTERM);
        if (waitForExit(*pid, QDeadlineTimer(2000))) continue;
        ::kill(*pid, SIGKILL);
        waitForExit(*pid, QDeadlineTimer(1000));
    }
}

bool LinuxInstallation::isRunning(const QString& folder) const {
    const auto pid = instanceProcess(QString::fromLatin1(kAppIdentifier));
    return pid && executableOf(*pid) == resolved(folder + QLatin1String("/zarvo"));
}

std::optional<QString> LinuxInstallation::open(const QString& folder, const QStringList& arguments) {
    if (isRunning(folder)) {
        const InstanceReply reply = InstanceClient::send(
            m_environment, QJsonObject{{QStringLiteral("type"), QStringLiteral("show")}}, 3000);
        if (reply.status == InstanceReply::Status::answered) return std::nullopt;
        return reply.error.isEmpty()
                   ? QCoreApplication::translate("LinuxInstallation", "The running Zarvo did not answer.")
                   : reply.error;
    }
    const QString program = folder + QLatin1String("/zarvo");
    if (!QProcess::startDetached(program, arguments, m_environment.homePath()))
        return QCoreApplication::translate("LinuxInstallation", "“%1” could not be started.").arg(program);
    return std::nullopt;
}

void LinuxInstallation::eject(const QString& volume) {
    startUnmounter(volume, 0);
}

void LinuxInstallation::ejectAfterExit(const QString& volume) {
    startUnmounter(volume, QCoreApplication::applicationPid());
}

void LinuxInstallation::terminate() {
    QCoreApplication::exit(0);
}

QString LinuxInstallation::newUuid() const {
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

qint64 LinuxInstallation::secondsSinceEpoch() const {
    return QDateTime::currentSecsSinceEpoch();
}

} // namespace zarvo::linux_
