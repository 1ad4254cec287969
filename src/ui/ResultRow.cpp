#include "ui/ResultRow.h"

#include "platform/PlatformWords.h"
#include "store/Settings.h"

#include <QCoreApplication>
#include <QDir>

namespace zarvo::ui::ResultRow {

std::optional<QString> tag(const ResultItem& item, const Settings& settings) {
    using S = ResultItem::Source;
    switch (item.source) {
    case S::history:
        return QCoreApplication::translate("ResultRow", "Recent", "row tag");
    case S::web:
        return item.symbol ? QCoreApplication::translate("ResultRow", "Web", "row tag")
                           : QCoreApplication::translate("ResultRow", "URL", "row tag");
    case S::shortcut:
        return item.keyword;
    case S::favorite:
        return QCoreApplication::translate("ResultRow", "Favorite", "row tag");
    case S::clipboard:
        return QCoreApplication::translate("ResultRow", "Clipboard", "row tag");
    case S::command:
        return QCoreApplication::translate("ResultRow", "Run", "row tag: a shell command");
    case S::network:
        return QCoreApplication::translate("ResultRow", "Server", "row tag");
    case S::help:
        if (item.example) return QCoreApplication::translate("ResultRow", "\u21A9 Try");
        return std::nullopt;
    case S::clip:
        if (item.clipID) return std::nullopt;
        return PlatformWords::current().hotKey(settings.clipHotKeyModifiers(), settings.clipHotKeyLabel());
    case S::path:
    case S::spotlight:
        if (item.isDirectory) return QCoreApplication::translate("ResultRow", "Folder", "row tag");
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
    return QCoreApplication::translate("ResultRow", "Open in browser");
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
    if (item.clipID) return QCoreApplication::translate("ResultRow", "Copy to the clipboard");
    if (item.command) return QCoreApplication::translate("ResultRow", "Copy command");
    if (item.url.isLocalFile()) return QCoreApplication::translate("ResultRow", "Copy path");
    return QCoreApplication::translate("ResultRow", "Copy URL");
}

bool hasRevealButton(const ResultItem& item) {
    return item.url.isLocalFile() && !item.clipID;
}

QString revealHelp() {
    return PlatformWords::current().text(
        QCoreApplication::translate("ResultRow", "Show in Finder (\u2318\u21A9)"));
}

QString kind(const ResultItem& item) {
    using S = ResultItem::Source;
    if (item.clipID) return QCoreApplication::translate("ResultRow", "clip", "spoken kind");
    switch (item.source) {
    case S::help:
        return QCoreApplication::translate("ResultRow", "help", "spoken kind");
    case S::command:
        return QCoreApplication::translate("ResultRow", "command", "spoken kind");
    case S::network:
        return QCoreApplication::translate("ResultRow", "server", "spoken kind");
    case S::clip:
        return QCoreApplication::translate("ResultRow", "clipboard history", "spoken kind");
    case S::web:
        return item.symbol ? QCoreApplication::translate("ResultRow", "web search", "spoken kind")
                           : QCoreApplication::translate("ResultRow", "web address", "spoken kind");
    default:
        break;
    }
    if (item.systemAction) return QCoreApplication::translate("ResultRow", "action", "spoken kind");
    if (item.url.isLocalFile()) {
        const QString path = item.url.toLocalFile();
        if (path.endsWith(QLatin1String(".desktop")) || path.endsWith(QLatin1String(".app")))
            return QCoreApplication::translate("ResultRow", "application", "spoken kind");
        return item.isDirectory ? QCoreApplication::translate("ResultRow", "folder", "spoken kind")
                                : QCoreApplication::translate("ResultRow", "file", "spoken kind");
    }
    if (item.url.scheme() == QLatin1String("x-apple.systempreferences"))
        return QCoreApplication::translate("ResultRow", "settings", "spoken kind");
    return QCoreApplication::translate("ResultRow", "link", "spoken kind");
}

QString spokenDetails(const ResultItem& item, const QString& homePath, bool favorite) {
    const QString what = kind(item);
    QStringList parts{what};
    const QString second = PlatformWords::current().text(subtitle(item, homePath)).simplified();
    if (!second.isEmpty() && second.compare(what, Qt::CaseInsensitive) != 0) parts << second;
    if (favorite) parts << QCoreApplication::translate("ResultRow", "favorite");
    if (item.isPinned) parts << QCoreApplication::translate("ResultRow", "pinned");
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
