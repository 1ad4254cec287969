#include "sources/WebSearch.h"
#include "fakes/FakePlatform.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace zarvo;

namespace {
QString encodedURL(const QString& query) {
    auto match = WebSearch::parse(query);
    if (!match) return QStringLiteral("<no match>");
    auto item = match->engine.item(match->text, ResultItem::Source::web);
    return item ? item->url.toString(QUrl::FullyEncoded) : QStringLiteral("<no item>");
}
} // namespace

TEST(WebSearch, ParseFindsTheEngineByItsPrefix) {
    auto upper = WebSearch::parse(QStringLiteral("G: Cats"));
    ASSERT_TRUE(upper);
    EXPECT_EQ(upper->engine.name, QStringLiteral("Google"));
    EXPECT_EQ(upper->text, QStringLiteral("Cats"));
    auto lower = WebSearch::parse(QStringLiteral("g:\t cats \t"));
    ASSERT_TRUE(lower);
    EXPECT_EQ(lower->engine, upper->engine);
    EXPECT_EQ(lower->text, QStringLiteral("cats"));

    EXPECT_EQ(WebSearch::parse(QStringLiteral("yt:lofi"))->engine.name, QStringLiteral("YouTube"));
    EXPECT_EQ(WebSearch::parse(QStringLiteral("map: Oslo"))->engine.name, QStringLiteral("Google Maps"));
    EXPECT_EQ(WebSearch::parse(QStringLiteral("PIP: requests"))->engine.name, QStringLiteral("PyPI"));
    // Only the first colon splits.
    EXPECT_EQ(WebSearch::parse(QStringLiteral("g: a:b"))->text, QStringLiteral("a:b"));
    EXPECT_EQ(WebSearch::parse(QStringLiteral("so: ::"))->text, QStringLiteral("::"));

    for (const char* text : {"", "cats", "zz: cats", " g: cats", "g :cats", "g:", "g:  \t ",
                             "https://example.com", ":cats", "gg: cats"})
        EXPECT_FALSE(WebSearch::parse(QString::fromUtf8(text))) << text;
}

TEST(WebSearch, TableHasTwelveEnginesWithDistinctLowerCasePrefixes) {
    const auto& engines = WebSearch::engines();
    ASSERT_EQ(engines.size(), 12);
    EXPECT_EQ(engines.first().name, QStringLiteral("Google"));
    EXPECT_EQ(engines.last().name, QStringLiteral("Google Translate"));
    QSet<QString> seen;
    for (const auto& engine : engines) {
        EXPECT_TRUE(engine.urlTemplate.startsWith(QLatin1String("https://"))) << engine.name.toStdString();
        for (const auto& prefix : engine.prefixes) {
            EXPECT_EQ(prefix, prefix.toLower());
            EXPECT_FALSE(seen.contains(prefix)) << prefix.toStdString();
            seen.insert(prefix);
            // Every prefix reaches its own engine.
            EXPECT_EQ(WebSearch::parse(prefix + QStringLiteral(": x"))->engine, engine);
        }
        auto url = engine.url(QStringLiteral("x"));
        ASSERT_TRUE(url) << engine.name.toStdString();
        EXPECT_FALSE(url->host().isEmpty());
    }
    EXPECT_EQ(engines[7].url(QStringLiteral("x"))->host(), engines[0].url(QStringLiteral("x"))->host());
}

TEST(WebSearch, ItemEncodesTheTextAsOneQueryValue) {
    EXPECT_TRUE(encodedURL(QStringLiteral("tr: hello world")).endsWith(QLatin1String("text=hello%20world")));
    EXPECT_EQ(encodedURL(QStringLiteral("g: a&b=c/d+e?f#g")),
              QStringLiteral("https://www.google.com/search?q=a%26b%3Dc%2Fd%2Be%3Ff%23g"));
    // Characters that stay readable in a query are left alone; non-ASCII travels as UTF-8.
    EXPECT_EQ(encodedURL(QStringLiteral("ddg: it's (1),$:;@!*~")),
              QStringLiteral("https://duckduckgo.com/?q=it's%20(1),$:;@!*~"));
    EXPECT_EQ(encodedURL(QStringLiteral("wiki: Ærø 🐱")),
              QStringLiteral("https://en.wikipedia.org/w/index.php?search=%C3%86r%C3%B8%20%F0%9F%90%B1"));
    // A "%s" or percent sign in the text is data, never part of the template.
    EXPECT_EQ(encodedURL(QStringLiteral("amz: 50%s off %41")),
              QStringLiteral("https://www.amazon.com/s?k=50%25s%20off%20%2541"));
    // In a path template a slash must not open a new path segment.
    EXPECT_EQ(encodedURL(QStringLiteral("maps: a/b\\c")),
              QStringLiteral("https://www.google.com/maps/search/a%2Fb%5Cc"));
    EXPECT_EQ(encodedURL(QStringLiteral("g: line\nbreak\ttab")),
              QStringLiteral("https://www.google.com/search?q=line%0Abreak%09tab"));
}

TEST(WebSearch, ItemFields) {
    const WebSearch& google = WebSearch::engines().first();
    auto item = google.item(QStringLiteral("Cats"), ResultItem::Source::web);
    ASSERT_TRUE(item);
    EXPECT_EQ(item->title, QStringLiteral("Search Google for \u201CCats\u201D"));
    EXPECT_EQ(item->subtitle, QStringLiteral("www.google.com"));
    EXPECT_EQ(item->symbol, QStringLiteral("magnifyingglass"));
    EXPECT_EQ(item->source, ResultItem::Source::web);
    EXPECT_FALSE(item->isDirectory);
    EXPECT_FALSE(item->iconPath || item->keyword || item->systemAction || item->command || item->example ||
                 item->clipID || item->isPinned);
    EXPECT_EQ(google.item(QStringLiteral("Cats"), ResultItem::Source::history)->source,
              ResultItem::Source::history);

    // A template without a host shows the engine name.
    WebSearch local{QStringLiteral("Local"), {QStringLiteral("l")}, QStringLiteral("file:///search/%s")};
    EXPECT_EQ(local.item(QStringLiteral("x"), ResultItem::Source::web)->subtitle, QStringLiteral("Local"));
    // Text that is not valid UTF-16 cannot be encoded: no row rather than a mangled search.
    const QString loneSurrogate = QStringLiteral("a") + QChar(0xD800) + QStringLiteral("b");
    EXPECT_FALSE(google.item(loneSurrogate, ResultItem::Source::web));
    EXPECT_FALSE(google.item(QString(QChar(0xDC00)), ResultItem::Source::web));
    // A template that does not form a URL gives no row.
    WebSearch broken{
        QStringLiteral("Broken"), {QStringLiteral("b")}, QStringLiteral("https://exa mple.com/%s")};
    EXPECT_FALSE(broken.item(QStringLiteral("x"), ResultItem::Source::web));
}

TEST(AppChoice, BrowsersPutTheDefaultFirstOnceAndKeepNine) {
    fakes::FakePlatform p;
    const QUrl page(QStringLiteral("https://example.com/"));
    EXPECT_TRUE(AppChoice::browsers(page).isEmpty());

    // The fake reports the first handler as the default, so it is listed twice by the workspace.
    p.workspace.handlers[QStringLiteral("https")] = {QStringLiteral("/apps/firefox.desktop"),
                                                     QStringLiteral("/apps/chromium.desktop")};
    EXPECT_EQ(AppChoice::browsers(page), (QList<AppChoice>{{QStringLiteral("/apps/firefox.desktop")},
                                                           {QStringLiteral("/apps/chromium.desktop")}}));
    EXPECT_EQ(AppChoice::browsers(QUrl(QStringLiteral("HTTPS://example.com"))).size(), 2);

    QStringList many;
    for (int i = 0; i < 12; ++i)
        many << QStringLiteral("/apps/browser%1.desktop").arg(i);
    p.workspace.handlers[QStringLiteral("https")] = many;
    const auto nine = AppChoice::browsers(page);
    ASSERT_EQ(nine.size(), 9);
    EXPECT_EQ(nine.first().url, many.first());
    EXPECT_EQ(nine.last().url, many[8]);
}

TEST(AppChoice, UniqueKnowsAnApplicationByItsIdentifierElseItsLocation) {
    fakes::FakePlatform p;
    p.workspace.applications[QStringLiteral("org.mozilla.firefox")] = QStringLiteral("/apps/firefox.desktop");
    const QStringList list = {QStringLiteral("/apps/firefox.desktop"), QStringLiteral("/opt/a.desktop"),
                              QStringLiteral("/apps/firefox.desktop"), QStringLiteral("/opt/b.desktop"),
                              QStringLiteral("/opt/a.desktop")};
    EXPECT_EQ(AppChoice::unique(list),
              (QStringList{QStringLiteral("/apps/firefox.desktop"), QStringLiteral("/opt/a.desktop"),
                           QStringLiteral("/opt/b.desktop")}));
    EXPECT_TRUE(AppChoice::unique({}).isEmpty());
}

TEST(AppChoice, CandidatesForFoldersAndFiles) {
    fakes::FakePlatform p;
    p.workspace.applications[QStringLiteral("com.apple.Terminal")] = QStringLiteral("/apps/terminal.desktop");
    p.workspace.applications[QStringLiteral("com.apple.finder")] = QStringLiteral("/apps/files.desktop");
    const QString folder = p.makeDir(QStringLiteral("Projects"));
    const auto folderItem = ResultItem::file(folder, ResultItem::Source::path);
    ASSERT_TRUE(folderItem.isDirectory);
    EXPECT_EQ(AppChoice::candidates(folderItem),
              (QList<AppChoice>{{QStringLiteral("/apps/files.desktop")},
                                {QStringLiteral("/apps/terminal.desktop")}}));
    // Editors come after the file manager and terminals, whatever order they were installed in.
    p.workspace.applications[QStringLiteral("com.microsoft.VSCode")] = QStringLiteral("/apps/code.desktop");
    p.workspace.applications[QStringLiteral("dev.warp.Warp-Stable")] = QStringLiteral("/apps/warp.desktop");
    EXPECT_EQ(AppChoice::candidates(folderItem), (QList<AppChoice>{{QStringLiteral("/apps/files.desktop")},
                                                                   {QStringLiteral("/apps/terminal.desktop")},
                                                                   {QStringLiteral("/apps/warp.desktop")},
                                                                   {QStringLiteral("/apps/code.desktop")}}));

    const QString file = p.makeFile(QStringLiteral("notes.txt"), "hi");
    const auto fileItem = ResultItem::file(file, ResultItem::Source::path);
    EXPECT_TRUE(AppChoice::candidates(fileItem).isEmpty());
    p.workspace.handlers[QStringLiteral("file:txt")] = {QStringLiteral("/apps/editor.desktop"),
                                                        QStringLiteral("/apps/code.desktop")};
    EXPECT_EQ(AppChoice::candidates(fileItem), (QList<AppChoice>{{QStringLiteral("/apps/editor.desktop")},
                                                                 {QStringLiteral("/apps/code.desktop")}}));
}
