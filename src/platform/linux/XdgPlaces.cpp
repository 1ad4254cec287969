#include "platform/linux/XdgPlaces.h"

#include "platform/Environment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>

namespace zarvo::linux_ {

QString xdgUserDir(const Environment& environment, const QString& key, const QString& fallback) {
    const QString home = environment.homePath();
    QFile file(environment.configHome() + QLatin1String("/user-dirs.dirs"));
    if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        const QString wanted = QLatin1String("XDG_") + key + QLatin1String("_DIR");
        while (!file.atEnd()) {
            const QString line = QString::fromUtf8(file.readLine()).trimmed();
            if (line.startsWith(QLatin1Char('#')) || !line.startsWith(wanted + QLatin1Char('='))) continue;
            QString value = line.mid(wanted.size() + 1).trimmed();
            if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
                value = value.mid(1, value.size() - 2);
            value.replace(QLatin1String("\\\""), QLatin1String("\""));
            if (value.startsWith(QLatin1String("$HOME")))
                value = home + value.mid(5);
            else if (!value.startsWith(QLatin1Char('/')))
                continue; // only $HOME-relative or absolute paths are valid
            value = QDir::cleanPath(value);
            // A directory set to the home folder itself means "not used".
            if (value == QDir::cleanPath(home)) break;
            return value;
        }
    }
    return home + QLatin1Char('/') + fallback;
}

QString xdgPlaceForTablePath(const QString& tablePath, const Environment& environment) {
    const QString home = QDir::cleanPath(environment.homePath());
    // Both spellings of a home path are accepted: "~/Downloads" and "/home/me/Downloads".
    QString path = tablePath;
    if (path == home)
        path = QStringLiteral("~");
    else if (path.startsWith(home + QLatin1Char('/')))
        path = QLatin1Char('~') + path.mid(home.size());

    struct Place {
        const char* table;
        std::function<QString()> linux_;
    };
    const QString dataHome = environment.dataHome();
    // Longest table paths first, so "~/Library/Application Support" wins over "~/Library".
    const Place places[] = {
        {"~/Library/Application Support", [&] { return dataHome; }},
        {"~/Library", [&] { return home + QLatin1String("/.local"); }},
        {"~/Desktop",
         [&] { return xdgUserDir(environment, QStringLiteral("DESKTOP"), QStringLiteral("Desktop")); }},
        {"~/Documents",
         [&] { return xdgUserDir(environment, QStringLiteral("DOCUMENTS"), QStringLiteral("Documents")); }},
        {"~/Downloads",
         [&] { return xdgUserDir(environment, QStringLiteral("DOWNLOAD"), QStringLiteral("Downloads")); }},
        {"~/Pictures",
         [&] { return xdgUserDir(environment, QStringLiteral("PICTURES"), QStringLiteral("Pictures")); }},
        {"~/Music",
         [&] { return xdgUserDir(environment, QStringLiteral("MUSIC"), QStringLiteral("Music")); }},
        {"~/Movies",
         [&] { return xdgUserDir(environment, QStringLiteral("VIDEOS"), QStringLiteral("Videos")); }},
        {"~/.Trash", [&] { return dataHome + QLatin1String("/Trash/files"); }},
        {"/Applications", [] { return QStringLiteral("/usr/share/applications"); }},
    };
    for (const Place& place : places) {
        const QString table = QString::fromLatin1(place.table);
        if (path == table) return place.linux_();
        if (path.startsWith(table + QLatin1Char('/'))) {
            // /Applications/Utilities has no counterpart: it stays as it is and resolves to nothing.
            if (table == QLatin1String("/Applications")) return tablePath;
            return place.linux_() + path.mid(table.size());
        }
    }
    if (path == QLatin1String("~")) return home;
    if (path.startsWith(QLatin1String("~/"))) return home + path.mid(1);
    return tablePath;
}

bool isApplicationBundle(const QString& path) {
    // The name first: this runs for every folder row, and most are not packages.
    return path.endsWith(QLatin1String(".app")) && QFileInfo(path).isDir() &&
           QFileInfo(path + QLatin1String("/Contents")).isDir();
}

} // namespace zarvo::linux_
