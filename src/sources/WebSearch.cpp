#include "sources/WebSearch.h"
#include "search/Text.h"

#include "platform/Workspace.h"
#include "sources/PathInput.h"

#include <QCoreApplication>
#include <QSet>

namespace zarvo {

namespace {

using Text::trimSpacesAndTabs;

// Applications tried, in order, for a folder row: file manager, terminals, editors.
const char* const kFolderApplications[] = {
    "com.apple.finder",     "com.apple.Terminal",   "dev.warp.Warp-Stable",          "com.googlecode.iterm2",
    "com.draxwell.ghostty", "com.microsoft.VSCode", "com.todesktop.230313mzl4w4u92", "dev.zed.Zed",
    "com.apple.dt.Xcode",
};

constexpr qsizetype kMaxChoices = 9;

QList<AppChoice> choices(const Workspace* workspace, const QList<QString>& applications) {
    QList<AppChoice> out;
    for (const QString& location : AppChoice::unique(workspace, applications)) {
        if (out.size() == kMaxChoices) break;
        out.append(AppChoice{location});
    }
    return out;
}

// The default handler first, then every handler of the URL.
QList<QString> handlers(const Workspace* workspace, const QUrl& url) {
    QList<QString> out;
    if (!workspace) return out;
    if (auto standard = workspace->applicationToOpen(url)) out.append(*standard);
    out.append(workspace->applicationsToOpen(url));
    return out;
}

} // namespace

const QList<WebSearch>& WebSearch::engines() {
    static const QList<WebSearch> table = {
        {QStringLiteral(QT_TRANSLATE_NOOP("WebSearch", "Google")),
         {QStringLiteral("google"), QStringLiteral("g")},
         QStringLiteral("https://www.google.com/search?q=%s")},
        {QStringLiteral(QT_TRANSLATE_NOOP("WebSearch", "YouTube")),
         {QStringLiteral("youtube"), QStringLiteral("yt")},
         QStringLiteral("https://www.youtube.com/results?search_query=%s")},
        {QStringLiteral(QT_TRANSLATE_NOOP("WebSearch", "DuckDuckGo")),
         {QStringLiteral("duckduckgo"), QStringLiteral("ddg")},
         QStringLiteral("https://duckduckgo.com/?q=%s")},
        {QStringLiteral(QT_TRANSLATE_NOOP("WebSearch", "Bing")),
         {QStringLiteral("bing")},
         QStringLiteral("https://www.bing.com/search?q=%s")},
        {QStringLiteral(QT_TRANSLATE_NOOP("WebSearch", "GitHub")),
         {QStringLiteral("github"), QStringLiteral("gh")},
         QStringLiteral("https://github.com/search?q=%s")},
        {QStringLiteral(QT_TRANSLATE_NOOP("WebSearch", "Stack Overflow")),
         {QStringLiteral("stackoverflow"), QStringLiteral("so")},
         QStringLiteral("https://stackoverflow.com/search?q=%s")},
        {QStringLiteral(QT_TRANSLATE_NOOP("WebSearch", "Wikipedia")),
         {QStringLiteral("wikipedia"), QStringLiteral("wiki")},
         QStringLiteral("https://en.wikipedia.org/w/index.php?search=%s")},
        {QStringLiteral(QT_TRANSLATE_NOOP("WebSearch", "Google Maps")),
         {QStringLiteral("maps"), QStringLiteral("map")},
         QStringLiteral("https://www.google.com/maps/search/%s")},
        {QStringLiteral(QT_TRANSLATE_NOOP("WebSearch", "Amazon")),
         {QStringLiteral("amazon"), QStringLiteral("amz")},
         QStringLiteral("https://www.amazon.com/s?k=%s")},
        {QStringLiteral(QT_TRANSLATE_NOOP("WebSearch", "npm")),
         {QStringLiteral("npm")},
         QStringLiteral("https://www.npmjs.com/search?q=%s")},
        {QStringLiteral(QT_TRANSLATE_NOOP("WebSearch", "PyPI")),
         {QStringLiteral("pypi"), QStringLiteral("pip")},
         QStringLiteral("https://pypi.org/search/?q=%s")},
        {QStringLiteral(QT_TRANSLATE_NOOP("WebSearch", "Google Translate")),
         {QStringLiteral("translate"), QStringLiteral("tr")},
         QStringLiteral("https://translate.google.com/?sl=auto&tl=en&text=%s")},
    };
    return table;
}

std::optional<WebSearch::Match> WebSearch::parse(const QString& text) {
    const qsizetype colon = text.indexOf(u':');
    if (colon < 0) return std::nullopt;
    // Not trimmed: " g: cats" is not a search, so a leading space keeps a text out of the engines.
    const QString prefix = text.left(colon).toLower();
    for (const WebSearch& engine : engines()) {
        if (!engine.prefixes.contains(prefix)) continue;
        QString term = trimSpacesAndTabs(QStringView(text).mid(colon + 1));
        if (term.isEmpty()) return std::nullopt;
        return Match{engine, std::move(term)};
    }
    return std::nullopt;
}

std::optional<QByteArray> WebSearch::encodeQueryValue(const QString& text) {
    if (!text.isValidUtf16()) return std::nullopt;
    // The query-safe characters minus the ones a query value must not carry raw (& + = ? # /); letters,
    // digits and "-._~" are always left alone.
    return QUrl::toPercentEncoding(text, QByteArrayLiteral("!$'()*,:;@"));
}

std::optional<QUrl> WebSearch::url(const QString& text) const {
    const auto encoded = encodeQueryValue(text);
    if (!encoded) return std::nullopt;
    QString address = urlTemplate;
    address.replace(QLatin1String("%s"), QString::fromLatin1(*encoded));
    QUrl url(address, QUrl::StrictMode);
    if (!url.isValid() || url.scheme().isEmpty()) return std::nullopt;
    return url;
}

std::optional<ResultItem> WebSearch::item(const QString& text, ResultItem::Source source) const {
    const auto address = url(text);
    if (!address) return std::nullopt;
    ResultItem item;
    item.url = *address;
    item.source = source;
    // The table keeps the names as written; the row shows them in the user's language.
    const QString shownName = QCoreApplication::translate("WebSearch", name.toUtf8().constData());
    //: %1 is the search engine's name, %2 the text searched for.
    item.title =
        QCoreApplication::translate("WebSearch", "Search %1 for \u201C%2\u201D").arg(shownName, text);
    const QString host = address->host();
    item.subtitle = host.isEmpty() ? shownName : host;
    item.symbol = QStringLiteral("magnifyingglass");
    return item;
}

QList<QString> AppChoice::unique(const Workspace* workspace, const QList<QString>& applications) {
    QSet<QString> seen;
    QList<QString> out;
    for (const QString& location : applications) {
        std::optional<QString> identifier =
            workspace ? workspace->applicationIdentifier(location) : std::nullopt;
        // Prefixed so an identifier can never collide with a location.
        const QString identity = identifier && !identifier->isEmpty() ? QStringLiteral("id:") + *identifier
                                                                      : QStringLiteral("path:") + location;
        if (seen.contains(identity)) continue;
        seen.insert(identity);
        out.append(location);
    }
    return out;
}

QList<AppChoice> AppChoice::browsers(const Workspace* workspace, const QUrl& url) {
    return choices(workspace, handlers(workspace, url));
}

QList<AppChoice> AppChoice::candidates(const Workspace* workspace, const ResultItem& item) {
    // An application's entry is run, not opened in something: its handlers are the editors of its
    // text and the desktop's launcher tools ("Create Launcher on the panel").
    if (item.url.isLocalFile()) {
        const QString extension = PathInput::pathExtension(item.url.toLocalFile()).toLower();
        if (extension == QLatin1String("desktop") || extension == QLatin1String("app")) return {};
    }
    if (!item.isDirectory) return choices(workspace, handlers(workspace, item.url));
    QList<QString> installed;
    if (workspace) {
        for (const char* identifier : kFolderApplications)
            if (auto location = workspace->urlForApplication(QString::fromLatin1(identifier)))
                installed.append(*location);
    }
    return choices(workspace, installed);
}

} // namespace zarvo
