#include "platform/Environment.h"
#include "platform/linux/DesktopApps.h"
#include "platform/linux/DesktopEntries.h"

#include <QDir>
#include <QFileInfo>

// Where the desktop entries lie, apart from reading them: QtCore only, so that a headless process can
// tell whether what it read before still stands without loading GIO.

namespace zarvo::linux_ {

namespace DesktopApps {

QStringList currentDesktops(const QString& xdgCurrentDesktop) {
    QStringList out;
    for (const QString& part : xdgCurrentDesktop.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        QString name = part.trimmed().toUpper();
        if (name == QLatin1String("UNITY") || name == QLatin1String("GNOME-FLASHBACK") ||
            name == QLatin1String("GNOME-CLASSIC") || name == QLatin1String("BUDGIE"))
            name = QStringLiteral("GNOME");
        if (name == QLatin1String("PLASMA") || name == QLatin1String("KDE-PLASMA"))
            name = QStringLiteral("KDE");
        if (!name.isEmpty() && !out.contains(name)) out << name;
    }
    return out;
}

} // namespace DesktopApps

DesktopEntrySource::Options DesktopEntrySource::fromEnvironment(const Environment& environment) {
    Options options;
    options.dataHome = environment.dataHome();
    const QString dirs = environment.variable(QStringLiteral("XDG_DATA_DIRS")).value_or(QString());
    options.dataDirs = dirs.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    if (options.dataDirs.isEmpty())
        options.dataDirs = {QStringLiteral("/usr/local/share"), QStringLiteral("/usr/share")};
    // Flatpak's and Snap's exports are usually on XDG_DATA_DIRS through their profile scripts; a session
    // started without them still has their applications.
    for (const QString& extra :
         {options.dataHome + QStringLiteral("/flatpak/exports/share"),
          QStringLiteral("/var/lib/flatpak/exports/share"), QStringLiteral("/var/lib/snapd/desktop")})
        if (!options.dataDirs.contains(extra) && QFileInfo(extra + QStringLiteral("/applications")).isDir())
            options.dataDirs << extra;
    options.desktops = DesktopApps::currentDesktops(
        environment.variable(QStringLiteral("XDG_CURRENT_DESKTOP")).value_or(QString()));
    return options;
}

QStringList DesktopEntrySource::applicationFolders(const Options& options) {
    QStringList out;
    QStringList roots;
    if (!options.dataHome.isEmpty()) roots << options.dataHome;
    roots << options.dataDirs;
    for (const QString& root : roots) {
        if (!QDir::isAbsolutePath(root)) continue; // relative entries are invalid in the XDG lists
        const QString folder = QDir::cleanPath(root + QStringLiteral("/applications"));
        if (!out.contains(folder)) out << folder;
    }
    return out;
}

bool isInstalledEntry(const QString& path, const DesktopEntrySource::Options& options) {
    if (!path.endsWith(QLatin1String(".desktop"))) return false;
    const QString clean = QDir::cleanPath(path);
    for (const QString& folder : DesktopEntrySource::applicationFolders(options))
        if (clean.startsWith(folder + QLatin1Char('/'))) return true;
    return false;
}

} // namespace zarvo::linux_
