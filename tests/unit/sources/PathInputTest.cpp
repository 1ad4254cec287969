#include "sources/PathInput.h"
#include "fakes/FakePlatform.h"
#include "fakes/Printers.h"

#include <QFile>
#include <QThread>
#include <gtest/gtest.h>

using namespace zarvo;
using zarvo::fakes::FakePlatform;

namespace {

QStringList names(const QList<ResultItem>& rows) {
    QStringList out;
    for (const auto& row : rows)
        out << row.url.fileName();
    return out;
}

} // namespace

TEST(PathInput, ExpandsVariablesTildeQuotesAndFileURLs) {
    FakePlatform fake;
    const QString home = fake.home();
    fake.environment.vars.insert("MixedCase", "/mixed");
    fake.environment.vars.insert("PCT", "%HOME%");
    // %NAME% upper-cased, $NAME as written; \ becomes / once replaced; no re-expansion; ${} braces optional.
    const std::pair<QString, QString> variables[] = {{"%userprofile%\\Desktop", home + "/Desktop"},
                                                     {"%MixedCase%\\x", "/mixed/x"},
                                                     {"%MIXEDCASE%\\x", "%MIXEDCASE%\\x"},
                                                     {"%NOPE%\\Desktop", "%NOPE%\\Desktop"},
                                                     {"%HOME%\\%NOPE%\\%USERNAME%", home + "/%NOPE%/tester"},
                                                     {"%PCT%", "%HOME%"},
                                                     {"${HOME/x", home + "/x"},
                                                     {"$HOME}/x", home + "/x"}};
    for (const auto& [text, expected] : variables)
        EXPECT_EQ(PathInput::expandVariables(fake.platform, text), expected) << text.toStdString();

    const std::pair<QString, QString> expanded[] = {{"%SYSTEMDRIVE%\\Users", "/Users"},
                                                    {"%TEMP%", fake.root.path() + "/tmp"},
                                                    {"${HOME}/x", home + "/x"},
                                                    {"~", home},
                                                    {"~/", home + "/"},
                                                    {"~tester/Music", home + "/Music"},
                                                    {"/tmp//", "/tmp/"},
                                                    {"  \"/Volumes/My Disk/a b\"  ", "/Volumes/My Disk/a b"},
                                                    {"'/tmp/x'", "/tmp/x"},
                                                    {"file:///tmp/a%20b", "/tmp/a b"},
                                                    {"/tmp/a\\ b\\ c", "/tmp/a b c"},
                                                    {"\"~/Documents\"", home + "/Documents"}};
    for (const auto& [text, expected] : expanded)
        EXPECT_EQ(PathInput::expand(fake.platform, text), expected) << text.toStdString();
    // Unknown names, other users, lone or unmatched quotes stay; $ names are case-sensitive, never Windows'.
    for (const char* text :
         {"$nope/x", "$USERPROFILE", "$home", "~no-such-user-zq/x", "/", "\"", "\"/tmp/x'"})
        EXPECT_EQ(PathInput::expand(fake.platform, text), text) << text;
}

TEST(PathInput, WhatLooksLikeAPathAFileNameOrAWebAddress) {
    for (const char* yes :
         {"/", "  /usr", "~", "~/x", "file:///tmp", "\"/a b\"", "'/a'", "%TEMP%", "%a%b", "$HOME", "\t~/"})
        EXPECT_TRUE(PathInput::looksLikePath(QString::fromUtf8(yes))) << yes;
    for (const char* no : {"", "   ", "report.pdf", "%", "%TEMP", "\"x/\"", "http://x.com", "a/b", "?"})
        EXPECT_FALSE(PathInput::looksLikePath(QString::fromUtf8(no))) << no;

    for (const char* yes : {"report.pdf", "archive.tar.gz", "My Notes.md", "v1.x2"})
        EXPECT_TRUE(PathInput::looksLikeFileName(QString::fromUtf8(yes))) << yes;
    for (const char* no : {"1.2", "name.", "noext", ".bashrc", "a/b.txt", "a\nb.txt", "a .txt", " .txt",
                           "one two three four five six seven eight.txt", "x.abcdefghijk", "x.p-f"})
        EXPECT_FALSE(PathInput::looksLikeFileName(QString::fromUtf8(no))) << no;
    EXPECT_FALSE(PathInput::looksLikeFileName(QString(300, u'a') + ".txt"));

    // The typed path and query keep their case; the host is case-insensitive and comes back lower-cased.
    const std::pair<const char*, const char*> web[] = {
        {"Example.com/Path?q=A", "https://example.com/Path?q=A"},
        {"  github.io  ", "https://github.io"},
        {"www.example.museum", "https://www.example.museum"},
        {"HTTP://x.y/z", "http://x.y/z"},
        {"localhost:3000/app", "http://localhost:3000/app"},
        {"example.com:8080", "https://example.com:8080"}};
    for (const auto& [text, expected] : web)
        EXPECT_EQ(PathInput::webURL(QString::fromUtf8(text)).value_or(QUrl()).toString(), expected) << text;
    for (const char* none : {"", "localhost", "example.museum", "192.168.1.1", "www.", "a b.com", "~/x.com",
                             "/x.com", "report.pdf", "hello"})
        EXPECT_FALSE(PathInput::webURL(QString::fromUtf8(none))) << none;
}

TEST(PathInput, CompletionsListPrefixMatchesInFinderOrderThenFuzzy) {
    FakePlatform fake;
    const QString home = fake.home();
    fake.makeFile(".hidden");
    fake.makeFile("file10.txt");
    fake.makeFile("File2.txt");
    fake.makeFile("file1.txt");
    const auto listed = [&](const QString& text, bool hidden = false) {
        return PathInput::completions(fake.platform, text, hidden);
    };

    // ~/ lists the home folder itself first, then its entries; dot files stay hidden.
    auto rows = listed("~/");
    ASSERT_FALSE(rows.isEmpty());
    EXPECT_EQ(rows.first().url.toLocalFile(), home);
    EXPECT_TRUE(rows.first().isDirectory);
    EXPECT_EQ(rows.first().source, ResultItem::Source::path);
    EXPECT_FALSE(names(rows).contains(".hidden"));
    EXPECT_TRUE(names(rows).contains("Downloads"));
    EXPECT_TRUE(names(listed("~/", true)).contains(".hidden"));
    EXPECT_EQ(names(listed("~/.hid")), QStringList{".hidden"});

    // Prefix matches are case-insensitive and numbers sort by value.
    rows = listed("~/fi");
    EXPECT_EQ(names(rows), (QStringList{"file1.txt", "File2.txt", "file10.txt"}));
    for (const auto& row : rows)
        EXPECT_FALSE(row.isDirectory || row.title || row.subtitle || row.iconPath || row.symbol ||
                     row.keyword);

    // No entry starts with dwnl: the fuzzy list offers Downloads.
    EXPECT_EQ(names(listed("~/dwnl")).value(0), "Downloads");
    // An existing exact path comes first and is not repeated by the listing.
    EXPECT_EQ(names(listed("~/Music")), QStringList{"Music"});
    EXPECT_EQ(names(listed("$HOME/Docu")), QStringList{"Documents"});

    // A lone slash: the root row, then the root folder's entries.
    rows = listed("/");
    ASSERT_GT(rows.size(), 1);
    EXPECT_EQ(rows.first().url.toLocalFile(), "/");
    EXPECT_EQ(rows[1].url.toLocalFile().count(u'/'), 1);

    // A large folder is cut to 150 listed rows, plus the folder itself.
    const QString big = fake.makeDir("big");
    for (int i = 0; i < 400; ++i)
        QFile(big + QStringLiteral("/entry%1").arg(i)).open(QIODevice::WriteOnly);
    rows = listed("~/big/");
    EXPECT_EQ(rows.size(), 151);
    EXPECT_EQ(names(rows).mid(1, 3), (QStringList{"entry0", "entry1", "entry2"}));

    // A missing folder yields nothing; a file that is not a folder yields only its own row.
    EXPECT_TRUE(listed("~/nowhere/x").isEmpty());
    fake.makeFile("plain.txt");
    EXPECT_EQ(names(listed("~/plain.txt/")), QStringList{"plain.txt"});

    // An application bundle is a file, not a folder to open.
    fake.makeDir("Apps/Tool.app/Contents");
    rows = listed("~/Apps/");
    ASSERT_EQ(rows.size(), 2);
    EXPECT_TRUE(rows[0].isDirectory);
    EXPECT_FALSE(rows[1].isDirectory);
}

// A folder's listing is kept between keystrokes, never past an entry added, removed or renamed.
TEST(PathInput, KeptListingFollowsChangesToTheFolder) {
    FakePlatform fake;
    fake.makeFile("kept/alpha.txt");
    QThread::msleep(50); // the folder has settled: its listing is kept
    // The folder's own row first, then its entries.
    const auto listed = [&] { return names(PathInput::completions(fake.platform, "~/kept/", false)).mid(1); };
    EXPECT_EQ(listed(), QStringList{"alpha.txt"});
    fake.makeFile("kept/beta.txt");
    EXPECT_EQ(listed(), (QStringList{"alpha.txt", "beta.txt"}));
    QThread::msleep(50);
    EXPECT_EQ(listed(), (QStringList{"alpha.txt", "beta.txt"}));
    ASSERT_TRUE(QFile::rename(fake.home() + "/kept/alpha.txt", fake.home() + "/kept/gamma.txt"));
    EXPECT_EQ(listed(), (QStringList{"beta.txt", "gamma.txt"}));
}
