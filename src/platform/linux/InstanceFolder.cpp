#include "platform/linux/InstanceFolder.h"

#include "platform/Environment.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zarvo::linux_ {

namespace {

QString modeText(mode_t mode) {
    return QStringLiteral("mode 0%1").arg(uint(mode & 07777), 3, 8, QLatin1Char('0'));
}

QString errorText() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Where others may create entries, only the sticky bit keeps them from renaming our folder away and
// putting their own in its place.
bool keepsOurEntries(const QString& path, QString* why) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) {
        *why = errorText();
        return false;
    }
    if ((info.st_mode & (S_IWGRP | S_IWOTH)) && !(info.st_mode & S_ISVTX)) {
        *why = QStringLiteral("others may replace what is in it: %1 without the sticky bit")
                   .arg(modeText(info.st_mode));
        return false;
    }
    return true;
}

// The first folder of ours for this name under `temp`, by name: the plain name sorts first.
std::optional<QString> firstOfOurs(const QString& temp, const QString& base) {
    QStringList names =
        QDir(temp).entryList({base, base + QStringLiteral(".*")},
                             QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    std::sort(names.begin(), names.end()); // by code unit: the same in every process whatever the locale
    for (const QString& name : names) {
        const QString path = QDir(temp).filePath(name);
        if (InstanceFolder::isPrivateFolder(path, false)) return path;
    }
    return std::nullopt;
}

} // namespace

namespace InstanceFolder {

QString socketName(const Environment& environment) {
    return QStringLiteral("%1-%2").arg(environment.appIdentifier()).arg(::getuid());
}

bool isPrivateFolder(const QString& path, bool followLink, QString* why) {
    QString ignored;
    if (!why) why = &ignored;
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if ((followLink ? ::stat(name.constData(), &info) : ::lstat(name.constData(), &info)) != 0) {
        *why = errorText();
        return false;
    }
    if (S_ISLNK(info.st_mode)) {
        *why = QStringLiteral("a symbolic link");
        return false;
    }
    if (!S_ISDIR(info.st_mode)) {
        *why = QStringLiteral("not a folder");
        return false;
    }
    if (info.st_uid != ::geteuid()) {
        *why = QStringLiteral("owned by user %1").arg(info.st_uid);
        return false;
    }
    if (info.st_mode & (S_IRWXG | S_IRWXO)) {
        *why = QStringLiteral("open to others, %1").arg(modeText(info.st_mode));
        return false;
    }
    return true;
}

std::optional<QString> locate(const Environment& environment, bool create) {
    const QString runtime = environment.variable(QStringLiteral("XDG_RUNTIME_DIR")).value_or(QString());
    if (!runtime.isEmpty()) {
        QString why = QStringLiteral("not an absolute path");
        if (QDir::isAbsolutePath(runtime) && isPrivateFolder(runtime, true, &why))
            return QDir::cleanPath(runtime);
        if (create)
            qWarning("Zarvo: XDG_RUNTIME_DIR %s is not used for the instance socket (%s)",
                     qPrintable(runtime), qPrintable(why));
    }

    const QString temp = QDir::cleanPath(environment.tempPath());
    const QString base = socketName(environment);
    QString why;
    if (!keepsOurEntries(temp, &why)) {
        if (create)
            qWarning("Zarvo: the temporary folder %s cannot hold the instance socket (%s)", qPrintable(temp),
                     qPrintable(why));
        return std::nullopt;
    }
    if (auto ours = firstOfOurs(temp, base)) return ours;
    if (!create) return std::nullopt;

    // mkdir makes the folder ours or fails; lstat then tells whether what stands at the name is ours,
    // without following a link someone planted there.
    const QString plain = QDir(temp).filePath(base);
    if (::mkdir(QFile::encodeName(plain).constData(), 0700) == 0 || errno == EEXIST) {
        if (isPrivateFolder(plain, false, &why)) return plain;
    } else {
        why = errorText();
    }
    QByteArray fresh = QFile::encodeName(plain + QStringLiteral(".XXXXXX"));
    if (!::mkdtemp(fresh.data())) {
        qWarning("Zarvo: no private folder for the instance socket in %s: %s is unusable (%s), and a fresh "
                 "one could not be made (%s)",
                 qPrintable(temp), qPrintable(plain), qPrintable(why), qPrintable(errorText()));
        return std::nullopt;
    }
    qWarning("Zarvo: %s is not a private folder of this user (%s); the instance socket lives in %s instead",
             qPrintable(plain), qPrintable(why), fresh.constData());
    // Two starts racing past a squatted name each make a fresh folder: both settle on the first by name.
    return firstOfOurs(temp, base);
}

} // namespace InstanceFolder

std::optional<uid_t> peerUser(int socketDescriptor) {
    if (socketDescriptor < 0) return std::nullopt;
    struct ucred credentials {};
    socklen_t length = sizeof(credentials);
    if (::getsockopt(socketDescriptor, SOL_SOCKET, SO_PEERCRED, &credentials, &length) != 0 ||
        length != sizeof(credentials))
        return std::nullopt;
    return credentials.uid;
}

std::optional<pid_t> peerProcess(int socketDescriptor) {
    if (socketDescriptor < 0) return std::nullopt;
    struct ucred credentials {};
    socklen_t length = sizeof(credentials);
    if (::getsockopt(socketDescriptor, SOL_SOCKET, SO_PEERCRED, &credentials, &length) != 0 ||
        length != sizeof(credentials) || credentials.pid <= 0)
        return std::nullopt;
    return credentials.pid;
}

} // namespace zarvo::linux_
