#include "ui/ResultRow.h"

#include "platform/PlatformWords.h"
#include "store/Settings.h"

#include <QDir>

namespace zarvo::ui::ResultRow {

std::optional<QString> tag(const ResultItem& item, const Settings& settings) {
    using S = ResultItem::Source;
    switch (item.source) {
    case S::history:
        return QStringLiteral("Recent");
    case S::web:
        return item.symbol ? QStringLiteral("Web") : QStringLiteral("URL");
    case S::shortcut:
        return item.keyword;
    case S::favorite:
        return QStringLiteral("Favorite");
    case S::clipboard:
        return QStringLiteral("Clipboard");
    case S::command:
        return QStringLiteral("Run");
    case S::network:
        return QStringLiteral("Server");
    case S::help:
        if (item.example) return QStringLiteral("\u21A9 Try");
        return std::nullopt;
    case S::clip:
        if (item.clipID) return std::nullopt;
        return PlatformWords::current().hotKey(settings.clipHotKeyModifiers(), settings.clipHotKeyLabel());
    case S::path:
    case S::spotlight:
        if (item.isDirectory) return QStringLiteral("Folder");
        return std::nullopt;
    }
    return std::nullopt;
}

QString subtitle(const ResultItem& item, const QString& homePath) {
    if (item.subtitle) return *item.subtitle;
    if (item.url.isLocalFile()) {
        const QString path = item.url.toLocalFile();
        const QString home = QDir::cleanPath(homePath);
        if (!home.isEmpty() && home != QLatin1String("/") &&
            (path == home || path.startsWith(home + QLatin1Char('/'))))
            return QLatin1Char('~') + path.mid(home.size());
        return path;
    }
    return QStringLiteral("Open in browser");
}

int subtitleLines(const ResultItem& item) {
    return item.source == ResultItem::Source::help ? 2 : 1;
}

bool hasCopyButton(const ResultItem& item) {
    if (item.clipID) return true;
    const QString scheme = item.url.scheme().toLower();
    return item.url.isLocalFile() || scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
           item.command.has_value() || item.source == ResultItem::Source::network;
}

QString copyHelp(const ResultItem& item) {
    if (item.clipID) return QStringLiteral("Copy to the clipboard");
    if (item.command) return QStringLiteral("Copy command");
    if (item.url.isLocalFile()) return QStringLiteral("Copy path");
    return QStringLiteral("Copy URL");
}

bool hasRevealButton(const ResultItem& item) {
    return item.url.isLocalFile() && !item.clipID;
}

QString revealHelp() {
    return PlatformWords::current().text(QStringLiteral("Show in Finder (\u2318\u21A9)"));
}

QString kind(const ResultItem& item) {
    using S = ResultItem::Source;
    if (item.clipID) return QStringLiteral("clip");
    switch (item.source) {
    case S::help:
        return QStringLiteral("help");
    case S::command:
        return QStringLiteral("command");
    case S::network:
        return QStringLiteral("server");
    case S::clip:
        return QStringLiteral("clipboard history");
    case S::web:
        return item.symbol ? QStringLiteral("web search") : QStringLiteral("web address");
    default:
        break;
    }
    if (item.systemAction) return QStringLiteral("action");
    if (item.url.isLocalFile()) {
        const QString path = item.url.toLocalFile();
        if (path.endsWith(QLatin1String(".desktop")) || path.endsWith(QLatin1String(".app")))
            return QStringLiteral("application");
        return item.isDirectory ? QStringLiteral("folder") : QStringLiteral("file");
    }
    if (item.url.scheme() == QLatin1String("x-apple.systempreferences")) return QStringLiteral("settings");
    return QStringLiteral("link");
}

QString spokenDetails(const ResultItem& item, const QString& homePath, bool favorite) {
    const QString what = kind(item);
    QStringList parts{what};
    const QString second = PlatformWords::current().text(subtitle(item, homePath)).simplified();
    if (!second.isEmpty() && second.compare(what, Qt::CaseInsensitive) != 0) parts << second;
    if (favorite) parts << QStringLiteral("favorite");
    if (item.isPinned) parts << QStringLiteral("pinned");
    return parts.join(QStringLiteral(", "));
}

IconKind iconKind(const ResultItem& item, bool hasThumbnail) {
    if (item.clipID && !item.symbol && !item.iconPath && hasThumbnail) return IconKind::thumbnail;
    if (item.symbol) return IconKind::symbol;
    if (item.iconPath) return IconKind::iconPath;
    if (item.url.isLocalFile()) return IconKind::fileIcon;
    return IconKind::globe;
}

} // namespace zarvo::ui::ResultRow
