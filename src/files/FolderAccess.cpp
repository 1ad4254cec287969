#include "files/FolderAccess.h"

#include "platform/Environment.h"
#include "platform/Platform.h"
#include "platform/Workspace.h"

#include <QCoreApplication>
#include <QFile>
#include <dirent.h>

namespace zarvo::FolderAccess {

namespace {
// A folder counts as listable only when it can really be opened and read; a missing folder is
// reported too, since it cannot be searched either.
bool canList(const QString& path) {
    DIR* dir = ::opendir(QFile::encodeName(path).constData());
    if (!dir) return false;
    errno = 0;
    (void)::readdir(dir); // only whether reading fails matters
    const bool ok = errno == 0;
    ::closedir(dir);
    return ok;
}
} // namespace

const QStringList& testedFolders() {
    static const QStringList names = {QStringLiteral("Desktop"), QStringLiteral("Documents"),
                                      QStringLiteral("Downloads")};
    return names;
}

QStringList deniedFolders(const QString& home) {
    QStringList denied;
    for (const auto& name : testedFolders())
        if (!canList(home + QLatin1Char('/') + name)) denied << name;
    return denied;
}

QList<QPair<QString, QString>> places(const Platform& platform) {
    const QString home = platform.environment ? platform.environment->homePath() : QString();
    QList<QPair<QString, QString>> out;
    for (const auto& name : testedFolders()) {
        // The desktop may keep these folders elsewhere (localised XDG user folders): ask the platform where.
        QString path =
            platform.workspace ? platform.workspace->platformPath(QStringLiteral("~/") + name) : QString();
        if (path.isEmpty()) path = home + QLatin1Char('/') + name;
        out.append({name, path});
    }
    return out;
}

QStringList deniedAmong(const QList<QPair<QString, QString>>& places) {
    QStringList denied;
    for (const auto& [name, path] : places)
        if (!canList(path)) denied << name;
    return denied;
}

QStringList deniedFolders(const Platform& platform) {
    return deniedAmong(places(platform));
}

const QUrl& filesAndFoldersPane() {
    static const QUrl url(
        QStringLiteral("x-apple.systempreferences:com.apple.preference.security?Privacy_FilesAndFolders"));
    return url;
}

const QUrl& fullDiskAccessPane() {
    static const QUrl url(
        QStringLiteral("x-apple.systempreferences:com.apple.preference.security?Privacy_AllFiles"));
    return url;
}

QString bannerText(const QStringList& denied) {
    // The folders' names as the user's language has them; the list keeps them as on disk.
    static const char* const shownNames[] = {QT_TRANSLATE_NOOP("FolderAccess", "Desktop"),
                                             QT_TRANSLATE_NOOP("FolderAccess", "Documents"),
                                             QT_TRANSLATE_NOOP("FolderAccess", "Downloads")};
    QStringList names;
    for (const QString& name : denied) {
        QString shown = name;
        for (const char* known : shownNames)
            if (name == QLatin1String(known)) shown = QCoreApplication::translate("FolderAccess", known);
        names << shown;
    }
    //: %1 lists folders. Keep "macOS hasn't granted access" as it is: each desktop replaces it.
    return QCoreApplication::translate("FolderAccess", "Can't search %1 \u2014 macOS hasn't granted access.")
        .arg(names.join(QStringLiteral(", ")));
}

} // namespace zarvo::FolderAccess
