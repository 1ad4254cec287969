#include "sources/WebSearch.h"
#include "fakes/FakePlatform.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace zarvo;

namespace {
QString encodedURL(const QString& query) {
    auto match = WebSearch::parse(query);
    if (!match) return "<no match>";
    auto item = match->engine.item(match->text, ResultItem::Source::web);
    return item ? item->url.toString(QUrl::FullyEncoded) : "<no item>";
}
} // namespace

TEST(WebSearch, ParseFindsTheEngineByItsPrefix) {
    auto upper = WebSearch::parse("G: Cats");
    ASSERT_TRUE(upper);
    EXPECT_EQ(upper->engine.name, "Google");
    EXPECT_EQ(upper->text, "Cats");
    auto lower = WebSearch::parse("g:\t cats \t");
    ASSERT_TRUE(lower);
    EXPECT_EQ(lower->engine, upper->engine);
    EXPECT_EQ(lower->text, "cats");

    EXPECT_EQ(WebSearch::parse("yt:lofi")->engine.name, "YouTube");
    EXPECT_EQ(WebSearch::parse("map: Oslo")->engine.name, "Google Maps");
    EXPECT_EQ(WebSearch::parse("PIP: requests")->engine.name, "PyPI");
    // Only the first colon splits.
    EXPECT_EQ(WebSearch::parse("g: a:b")->text, "a:b");
    EXPECT_EQ(WebSearch::parse("so: ::")->text, "::");

    for (const char* text : {"", "cats", "zz: cats", " g: cats", "g :cats", "g:", "g:  \t ",
                             "https://example.com", ":cats", "gg: cats"})
        EXPECT_FALSE(WebSearch::parse(QString::fromUtf8(text))) << text;
}

TEST(WebSearch, TableHasTwelveEnginesWithDistinctLowerCasePrefixes) {
    const auto& engines = WebSearch::engines();
    ASSERT_EQ(engines.size(), 12);
    QSet<QString> seen;
    for (const auto& engine : engines) {
        EXPECT_TRUE(engine.urlTemplate.startsWith(QLatin1String("https://"))) << engine.name.toStdString();
        for (const auto& prefix : engine.prefixes) {
            EXPECT_EQ(prefix, prefix.toLower());
            EXPECT_FALSE(seen.contains(prefix)) << prefix.toStdString();
            seen.insert(prefix);
            // Every prefix reaches its own engine.
            EXPECT_EQ(WebSearch::parse(prefix + ": x")->engine, engine);
        }
        auto url = engine.url("x");
        ASSERT_TRUE(url) << engine.name.toStdString();
        EXPECT_FALSE(url->host().isEmpty());
    }
}

TEST(WebSearch, ItemEncodesTheTextAsOneQueryValue) {
    EXPECT_TRUE(encodedURL("tr: hello world").endsWith(QLatin1String("text=hello%20world")));
    EXPECT_EQ(encodedURL("g: a&b=c/d+e?f#g"), "https://www.google.com/search?q=a%26b%3Dc%2Fd%2Be%3Ff%23g");
    // Characters that stay readable in a query are left alone; non-ASCII travels as UTF-8.
    EXPECT_EQ(encodedURL("ddg: it's (1),$:;@!*~"), "https://duckduckgo.com/?q=it's%20(1),$:;@!*~");
    EXPECT_EQ(encodedURL("wiki: Ærø 🐱"),
              "https://en.wikipedia.org/w/index.php?search=%C3%86r%C3%B8%20%F0%9F%90%B1");
    // A "%s" or percent sign in the text is data, never part of the template.
    EXPECT_EQ(encodedURL("amz: 50%s off %41"), "https://www.amazon.com/s?k=50%25s%20off%20%2541");
    // In a path template a slash must not open a new path segment.
    EXPECT_EQ(encodedURL("maps: a/b\\c"), "https://www.google.com/maps/search/a%2Fb%5Cc");
    EXPECT_EQ(encodedURL("g: line\nbreak\ttab"), "https://www.google.com/search?q=line%0Abreak%09tab");
}

TEST(WebSearch, ItemFields) {
    const WebSearch& google = WebSearch::engines().first();
    auto item = google.item("Cats", ResultItem::Source::web);
    ASSERT_TRUE(item);
    EXPECT_EQ(item->title, "Search Google for \u201CCats\u201D");
    EXPECT_EQ(item->subtitle, "www.google.com");
    EXPECT_EQ(item->symbol, "magnifyingglass");
    EXPECT_EQ(item->source, ResultItem::Source::web);
    EXPECT_EQ(google.item("Cats", ResultItem::Source::history)->source, ResultItem::Source::history);

    // A template without a host shows the engine name.
    WebSearch local{"Local", {"l"}, "file:///search/%s"};
    EXPECT_EQ(local.item("x", ResultItem::Source::web)->subtitle, "Local");
    // Text that is not valid UTF-16 cannot be encoded: no row rather than a mangled search.
    const QString loneSurrogate = QString("a") + QChar(0xD800) + "b";
    EXPECT_FALSE(google.item(loneSurrogate, ResultItem::Source::web));
    EXPECT_FALSE(google.item(QString(QChar(0xDC00)), ResultItem::Source::web));
    // A template that does not form a URL gives no row.
    WebSearch broken{"Broken", {"b"}, "https://exa mple.com/%s"};
    EXPECT_FALSE(broken.item("x", ResultItem::Source::web));
}

TEST(AppChoice, BrowsersPutTheDefaultFirstOnceAndKeepNine) {
    fakes::FakePlatform p;
    const QUrl page("https://example.com/");
    EXPECT_TRUE(AppChoice::browsers(&p.workspace, page).isEmpty());

    // The fake reports the first handler as the default, so it is listed twice by the workspace.
    p.workspace.handlers["https"] = {"/apps/firefox.desktop", "/apps/chromium.desktop"};
    EXPECT_EQ(AppChoice::browsers(&p.workspace, page),
              (QList<AppChoice>{{"/apps/firefox.desktop"}, {"/apps/chromium.desktop"}}));
    EXPECT_EQ(AppChoice::browsers(&p.workspace, QUrl("HTTPS://example.com")).size(), 2);

    QStringList many;
    for (int i = 0; i < 12; ++i)
        many << QStringLiteral("/apps/browser%1.desktop").arg(i);
    p.workspace.handlers["https"] = many;
    const auto nine = AppChoice::browsers(&p.workspace, page);
    ASSERT_EQ(nine.size(), 9);
    EXPECT_EQ(nine.first().url, many.first());
    EXPECT_EQ(nine.last().url, many[8]);
}

TEST(AppChoice, UniqueKnowsAnApplicationByItsIdentifierElseItsLocation) {
    fakes::FakePlatform p;
    p.workspace.applications["org.mozilla.firefox"] = "/apps/firefox.desktop";
    const QStringList list = {"/apps/firefox.desktop", "/opt/a.desktop", "/apps/firefox.desktop",
                              "/opt/b.desktop", "/opt/a.desktop"};
    EXPECT_EQ(AppChoice::unique(&p.workspace, list),
              (QStringList{"/apps/firefox.desktop", "/opt/a.desktop", "/opt/b.desktop"}));
    EXPECT_TRUE(AppChoice::unique(&p.workspace, {}).isEmpty());
}

TEST(AppChoice, CandidatesForFoldersAndFiles) {
    fakes::FakePlatform p;
    p.workspace.applications["com.apple.Terminal"] = "/apps/terminal.desktop";
    p.workspace.applications["com.apple.finder"] = "/apps/files.desktop";
    const QString folder = p.makeDir("Projects");
    const auto folderItem = ResultItem::file(&p.workspace, folder, ResultItem::Source::path);
    ASSERT_TRUE(folderItem.isDirectory);
    EXPECT_EQ(AppChoice::candidates(&p.workspace, folderItem),
              (QList<AppChoice>{{"/apps/files.desktop"}, {"/apps/terminal.desktop"}}));
    // Editors come after the file manager and terminals, whatever order they were installed in.
    p.workspace.applications["com.microsoft.VSCode"] = "/apps/code.desktop";
    p.workspace.applications["dev.warp.Warp-Stable"] = "/apps/warp.desktop";
    EXPECT_EQ(AppChoice::candidates(&p.workspace, folderItem), (QList<AppChoice>{{"/apps/files.desktop"},
                                                                                 {"/apps/terminal.desktop"},
                                                                                 {"/apps/warp.desktop"},
                                                                                 {"/apps/code.desktop"}}));

    const QString file = p.makeFile("notes.txt", "hi");
    const auto fileItem = ResultItem::file(&p.workspace, file, ResultItem::Source::path);
    EXPECT_TRUE(AppChoice::candidates(&p.workspace, fileItem).isEmpty());
    p.workspace.handlers["file:txt"] = {"/apps/editor.desktop", "/apps/code.desktop"};
    EXPECT_EQ(AppChoice::candidates(&p.workspace, fileItem),
              (QList<AppChoice>{{"/apps/editor.desktop"}, {"/apps/code.desktop"}}));
}
