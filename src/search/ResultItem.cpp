#include "search/ResultItem.h"

#include "platform/Workspace.h"
#include "sources/ShellCommand.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>

namespace zarvo {

QString ResultItem::historyKey() const {
    if (keyword) return QStringLiteral("shortcut:") + *keyword;
    if (command) return QStringLiteral("run:") + *command;
    if (clipID) return QStringLiteral("clip:") + clipID->toString(QUuid::WithoutBraces).toUpper();
    if (url.isLocalFile()) return url.toLocalFile();
    return url.toString(QUrl::FullyEncoded);
}

QString ResultItem::name() const {
    if (title) return *title;
    if (url.isLocalFile()) {
        const QString path = url.toLocalFile();
        // What QFileInfo(path).fileName() gives, without building file information for every row.
        QString name = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
        if (name.isEmpty()) // the root folder, or a path ending in a slash
            name = path == QLatin1String("/") ? path : QFileInfo(QFileInfo(path).absolutePath()).fileName();
        return name.isEmpty() ? path : name;
    }
    return url.toString(QUrl::FullyEncoded);
}

namespace {
ResultItem fileRow(const Workspace* workspace, const QString& path, ResultItem::Source source,
                   const QFileInfo& info) {
    ResultItem item;
    item.url = QUrl::fromLocalFile(path);
    item.source = source;
    item.isDirectory = info.isDir() && !(workspace && workspace->isFilePackage(path));
    return item;
}
} // namespace

ResultItem ResultItem::file(const Workspace* workspace, const QString& path, Source source) {
    return fileRow(workspace, path, source, QFileInfo(path));
}

std::optional<ResultItem> ResultItem::existingFile(const Workspace* workspace, const QString& path,
                                                   Source source) {
    const QFileInfo info(path);
    if (!info.exists()) return std::nullopt;
    return fileRow(workspace, path, source, info);
}

ResultItem ResultItem::commandItem(const Workspace* workspace, const QString& command, Source source) {
    ResultItem item;
    item.url = ShellCommand::url(command);
    item.source = source;
    item.title = command;
    item.subtitle = QCoreApplication::translate("ResultItem", "Run in Terminal");
    if (workspace) item.iconPath = workspace->urlForApplication(QStringLiteral("com.apple.Terminal"));
    item.command = command;
    return item;
}

ResultItem ResultItem::network(const QUrl& url, Source source) {
    ResultItem item;
    item.url = url;
    item.source = source;
    const QString host = url.host();
    item.title = host.isEmpty() ? QCoreApplication::translate("ResultItem", "Connect to server")
                                : QCoreApplication::translate("ResultItem", "Connect to %1").arg(host);
    const QString encoded = url.toString(QUrl::FullyEncoded);
    const QString decoded = QUrl::fromPercentEncoding(encoded.toUtf8());
    // fromPercentEncoding cannot fail outright; an undecodable sequence shows up as U+FFFD.
    item.subtitle = decoded.contains(QChar(0xFFFD)) ? encoded : decoded;
    item.symbol = QStringLiteral("server.rack");
    return item;
}

const QUrl& ResultItem::clipsURL() {
    static const QUrl url(QStringLiteral("zarvo:clips"));
    return url;
}

namespace {
const char* const kSourceNames[] = {"path",      "history", "spotlight", "web",  "shortcut", "favorite",
                                    "clipboard", "command", "network",   "help", "clip"};
}

QString ResultItem::sourceName(Source source) {
    return QString::fromLatin1(kSourceNames[static_cast<int>(source)]);
}

namespace {
template <typename T> void mix(size_t& seed, const std::optional<T>& value) {
    if (!value) {
        seed = qHashMulti(seed, 0);
        return;
    }
    seed = qHashMulti(seed, 1, *value);
}
} // namespace

size_t qHash(const ResultItem& item, size_t seed) {
    seed = qHashMulti(seed, item.url, int(item.source), item.isDirectory);
    mix(seed, item.title);
    mix(seed, item.subtitle);
    mix(seed, item.iconPath);
    mix(seed, item.symbol);
    mix(seed, item.keyword);
    mix(seed, item.systemAction ? std::optional<QString>(SystemActions::rawValue(*item.systemAction))
                                : std::nullopt);
    mix(seed, item.command);
    mix(seed, item.example);
    mix(seed, item.clipID);
    return qHashMulti(seed, item.isPinned);
}

} // namespace zarvo
