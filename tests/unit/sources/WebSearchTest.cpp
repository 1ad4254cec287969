#include "sources/WebSearch.h"
#include "fakes/FakePlatform.h"

#include <gtest/gtest.h>

using namespace zarvo;

namespace {
// "engine name|text" for a parsed query, "none" when it is no web search.
QString parsed(const char* text) {
    const auto match = WebSearch::parse(QString::fromUtf8(text));
    return match ? match->engine.name + "|" + match->text : "none";
}
QString encodedURL(const QString& query) {
    auto match = WebSearch::parse(query);
    if (!match) return "<no match>";
    auto item = match->engine.item(match->text, ResultItem::Source::web);
    return item ? item->url.toString(QUrl::FullyEncoded) : "<no item>";
}
} // namespace

TEST(WebSearch, ParseFindsTheEngineByItsPrefix) {
    // Any case, blanks trimmed, only the first colon splits.
    const std::pair<const char*, const char*> rows[] = {
        {"G: Cats", "Google|Cats"},        {"g:\t cats \t", "Google|cats"},    {"yt:lofi", "YouTube|lofi"},
        {"map: Oslo", "Google Maps|Oslo"}, {"PIP: requests", "PyPI|requests"}, {"g: a:b", "Google|a:b"},
        {"so: ::", "Stack Overflow|::"}};
    for (const auto& [text, expected] : rows)
        EXPECT_EQ(parsed(text), expected) << text;
    for (const char* text : {"", "cats", "zz: cats", " g: cats", "g :cats", "g:", "g:  \t ",
                             "https://example.com", ":cats", "gg: cats"})
        EXPECT_EQ(parsed(text), "none") << text;

    // Every engine's prefixes are lower case and reach it, so no other has them; its address is on the web.
    for (const auto& engine : WebSearch::engines()) {
        for (const auto& prefix : engine.prefixes) {
            EXPECT_EQ(prefix, prefix.toLower());
            EXPECT_EQ(WebSearch::parse(prefix + ": x")->engine, engine) << prefix.toStdString();
        }
        EXPECT_TRUE(engine.urlTemplate.startsWith(QLatin1String("https://"))) << engine.name.toStdString();
        EXPECT_FALSE(engine.url("x").value_or(QUrl()).host().isEmpty()) << engine.name.toStdString();
    }
}

TEST(WebSearch, ItemEncodesTheTextAsOneQueryValue) {
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

    const WebSearch& google = WebSearch::engines().first();
    auto item = google.item("Cats", ResultItem::Source::history);
    ASSERT_TRUE(item);
    EXPECT_EQ(item->title, "Search Google for \u201CCats\u201D");
    EXPECT_EQ(item->subtitle, "www.google.com");
    // A template without a host shows the engine name.
    EXPECT_EQ(WebSearch({"Local", {"l"}, "file:///search/%s"}).item("x", ResultItem::Source::web)->subtitle,
              "Local");
    // Text that is not valid UTF-16, or a template that forms no URL: no row rather than a mangled search.
    EXPECT_FALSE(google.item(QString("a") + QChar(0xD800) + "b", ResultItem::Source::web));
    EXPECT_FALSE(google.item(QString(QChar(0xDC00)), ResultItem::Source::web));
    EXPECT_FALSE(WebSearch({"Broken", {"b"}, "https://exa mple.com/%s"}).item("x", ResultItem::Source::web));
}

TEST(AppChoice, BrowsersAndUniqueApplications) {
    fakes::FakePlatform p;
    const QUrl page("https://example.com/");
    EXPECT_TRUE(AppChoice::browsers(&p.workspace, page).isEmpty());
    // The fake reports the first handler as the default, so it is listed twice by the workspace: once here.
    p.workspace.handlers["https"] = {"/apps/firefox.desktop", "/apps/chromium.desktop"};
    EXPECT_EQ(AppChoice::browsers(&p.workspace, page),
              (QList<AppChoice>{{"/apps/firefox.desktop"}, {"/apps/chromium.desktop"}}));
    // Nine at most, in order.
    QStringList many;
    for (int i = 0; i < 12; ++i)
        many << QStringLiteral("/apps/browser%1.desktop").arg(i);
    p.workspace.handlers["https"] = many;
    QList<AppChoice> nine;
    for (const QString& url : many.mid(0, 9))
        nine << AppChoice{url};
    EXPECT_EQ(AppChoice::browsers(&p.workspace, page), nine);

    // An application is known by its identifier, else its location.
    p.workspace.applications["org.mozilla.firefox"] = "/apps/firefox.desktop";
    EXPECT_EQ(AppChoice::unique(&p.workspace, {"/apps/firefox.desktop", "/opt/a.desktop",
                                               "/apps/firefox.desktop", "/opt/b.desktop", "/opt/a.desktop"}),
              (QStringList{"/apps/firefox.desktop", "/opt/a.desktop", "/opt/b.desktop"}));
}

TEST(AppChoice, CandidatesForFoldersAndFiles) {
    fakes::FakePlatform p;
    p.workspace.applications["com.apple.Terminal"] = "/apps/terminal.desktop";
    p.workspace.applications["com.apple.finder"] = "/apps/files.desktop";
    const auto folder = ResultItem::file(&p.workspace, p.makeDir("Projects"), ResultItem::Source::path);
    EXPECT_EQ(AppChoice::candidates(&p.workspace, folder),
              (QList<AppChoice>{{"/apps/files.desktop"}, {"/apps/terminal.desktop"}}));
    // Editors come after the file manager and terminals, whatever order they were installed in.
    p.workspace.applications["com.microsoft.VSCode"] = "/apps/code.desktop";
    p.workspace.applications["dev.warp.Warp-Stable"] = "/apps/warp.desktop";
    EXPECT_EQ(AppChoice::candidates(&p.workspace, folder), (QList<AppChoice>{{"/apps/files.desktop"},
                                                                             {"/apps/terminal.desktop"},
                                                                             {"/apps/warp.desktop"},
                                                                             {"/apps/code.desktop"}}));

    const auto file = ResultItem::file(&p.workspace, p.makeFile("notes.txt", "hi"), ResultItem::Source::path);
    EXPECT_TRUE(AppChoice::candidates(&p.workspace, file).isEmpty());
    p.workspace.handlers["file:txt"] = {"/apps/editor.desktop", "/apps/code.desktop"};
    EXPECT_EQ(AppChoice::candidates(&p.workspace, file),
              (QList<AppChoice>{{"/apps/editor.desktop"}, {"/apps/code.desktop"}}));
}
