#include "sources/PathInput.h"
#include "fakes/FakePlatform.h"
#include "fakes/Printers.h"
#include "store/Settings.h"

#include <QDir>
#include <QFile>
#include <QThread>
#include <gtest/gtest.h>

using namespace zarvo;
using zarvo::fakes::FakePlatform;

namespace {

QStringList paths(const QList<ResultItem>& rows) {
    QStringList out;
    for (const auto& row : rows)
        out << row.url.toLocalFile();
    return out;
}

QStringList names(const QList<ResultItem>& rows) {
    QStringList out;
    for (const auto& row : rows)
        out << row.url.fileName();
    return out;
}

} // namespace

TEST(PathInput, WindowsVariablesMapToLocalPlacesAndEnvironment) {
    FakePlatform fake;
    const QString home = fake.home();
    fake.environment.vars.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin"));
    fake.environment.vars.insert(QStringLiteral("MixedCase"), QStringLiteral("/mixed"));

    // The Windows name is looked up upper-cased; the backslash becomes a slash once something was replaced.
    EXPECT_EQ(PathInput::expandVariables(QStringLiteral("%userprofile%\\Desktop")), home + "/Desktop");
    EXPECT_EQ(PathInput::expand(QStringLiteral("%USERPROFILE%\\Desktop")), home + "/Desktop");
    EXPECT_EQ(PathInput::expand(QStringLiteral("%SYSTEMDRIVE%\\Users")), QStringLiteral("/Users"));
    EXPECT_EQ(PathInput::expand(QStringLiteral("%TEMP%")), fake.root.path() + "/tmp");
    EXPECT_EQ(PathInput::expandVariables(QStringLiteral("%USERNAME%")), QStringLiteral("tester"));
    // Not a Windows name: taken from the environment, exactly as written.
    EXPECT_EQ(PathInput::expandVariables(QStringLiteral("%PATH%")), QStringLiteral("/usr/bin"));
    EXPECT_EQ(PathInput::expandVariables(QStringLiteral("%MixedCase%\\x")), QStringLiteral("/mixed/x"));
    EXPECT_EQ(PathInput::expandVariables(QStringLiteral("%MIXEDCASE%\\x")), QStringLiteral("%MIXEDCASE%\\x"));
    // Unknown names stay, and then backslashes are left alone.
    EXPECT_EQ(PathInput::expandVariables(QStringLiteral("%NOPE%\\Desktop")),
              QStringLiteral("%NOPE%\\Desktop"));
    // Several matches are replaced from the last back without disturbing the earlier ones.
    EXPECT_EQ(PathInput::expandVariables(QStringLiteral("%HOME%\\%NOPE%\\%USERNAME%")),
              home + "/%NOPE%/tester");
    // A value containing percent signs is not expanded again.
    fake.environment.vars.insert(QStringLiteral("PCT"), QStringLiteral("%HOME%"));
    EXPECT_EQ(PathInput::expandVariables(QStringLiteral("%PCT%")), QStringLiteral("%HOME%"));
}

TEST(PathInput, UnixVariablesAndTilde) {
    FakePlatform fake;
    const QString home = fake.home();
    EXPECT_EQ(PathInput::expand(QStringLiteral("$HOME/x")), home + "/x");
    EXPECT_EQ(PathInput::expand(QStringLiteral("${HOME}/x")), home + "/x");
    // Each brace is optional on its own.
    EXPECT_EQ(PathInput::expandVariables(QStringLiteral("${HOME/x")), home + "/x");
    EXPECT_EQ(PathInput::expandVariables(QStringLiteral("$HOME}/x")), home + "/x");
    EXPECT_EQ(PathInput::expand(QStringLiteral("$nope/x")), QStringLiteral("$nope/x"));
    // Windows names are not consulted for $ names, and $ names are case-sensitive.
    EXPECT_EQ(PathInput::expand(QStringLiteral("$USERPROFILE")), QStringLiteral("$USERPROFILE"));
    EXPECT_EQ(PathInput::expand(QStringLiteral("$home")), QStringLiteral("$home"));

    EXPECT_EQ(PathInput::expand(QStringLiteral("~")), home);
    EXPECT_EQ(PathInput::expand(QStringLiteral("~/")), home + "/");
    EXPECT_EQ(PathInput::expand(QStringLiteral("~/Documents/")), home + "/Documents/");
    EXPECT_EQ(PathInput::expand(QStringLiteral("~tester/Music")), home + "/Music");
    EXPECT_EQ(PathInput::expand(QStringLiteral("~no-such-user-zq/x")), QStringLiteral("~no-such-user-zq/x"));
    // Doubled trailing slashes collapse to the one that means "list this folder".
    EXPECT_EQ(PathInput::expand(QStringLiteral("/tmp//")), QStringLiteral("/tmp/"));
    EXPECT_EQ(PathInput::expand(QStringLiteral("/")), QStringLiteral("/"));
}

TEST(PathInput, QuotesFileURLsAndEscapedSpaces) {
    FakePlatform fake;
    EXPECT_EQ(PathInput::expand(QStringLiteral("  \"/Volumes/My Disk/a b\"  ")),
              QStringLiteral("/Volumes/My Disk/a b"));
    EXPECT_EQ(PathInput::expand(QStringLiteral("'/tmp/x'")), QStringLiteral("/tmp/x"));
    EXPECT_EQ(PathInput::expand(QStringLiteral("\"")), QStringLiteral("\""));
    EXPECT_EQ(PathInput::expand(QStringLiteral("\"/tmp/x'")), QStringLiteral("\"/tmp/x'"));
    EXPECT_EQ(PathInput::expand(QStringLiteral("file:///tmp/a%20b")), QStringLiteral("/tmp/a b"));
    EXPECT_EQ(PathInput::expand(QStringLiteral("/tmp/a\\ b\\ c")), QStringLiteral("/tmp/a b c"));
    EXPECT_EQ(PathInput::expand(QStringLiteral("\"~/Documents\"")), fake.home() + "/Documents");
}

TEST(PathInput, LooksLikePath) {
    for (const char* yes :
         {"/", "  /usr", "~", "~/x", "file:///tmp", "\"/a b\"", "'/a'", "%TEMP%", "%a%b", "$HOME", "\t~/"})
        EXPECT_TRUE(PathInput::looksLikePath(QString::fromUtf8(yes))) << yes;
    for (const char* no : {"", "   ", "report.pdf", "%", "%TEMP", "\"x/\"", "http://x.com", "a/b", "?"})
        EXPECT_FALSE(PathInput::looksLikePath(QString::fromUtf8(no))) << no;
}

TEST(PathInput, CompletionsListPrefixMatchesInFinderOrderThenFuzzy) {
    FakePlatform fake;
    const QString home = fake.home();
    fake.makeFile(QStringLiteral(".hidden"));
    fake.makeFile(QStringLiteral("file10.txt"));
    fake.makeFile(QStringLiteral("File2.txt"));
    fake.makeFile(QStringLiteral("file1.txt"));

    // ~/ lists the home folder itself first, then its entries; dot files stay hidden.
    auto rows = PathInput::completions(QStringLiteral("~/"), false);
    ASSERT_FALSE(rows.isEmpty());
    EXPECT_EQ(rows.first().url.toLocalFile(), home);
    EXPECT_TRUE(rows.first().isDirectory);
    EXPECT_EQ(rows.first().source, ResultItem::Source::path);
    EXPECT_FALSE(names(rows).contains(QStringLiteral(".hidden")));
    EXPECT_TRUE(names(rows).contains(QStringLiteral("Downloads")));
    EXPECT_TRUE(PathInput::completions(QStringLiteral("~/"), true).size() > rows.size());
    EXPECT_EQ(names(PathInput::completions(QStringLiteral("~/.hid"), false)),
              QStringList{QStringLiteral(".hidden")});

    // Prefix matches are case-insensitive and numbers sort by value.
    rows = PathInput::completions(QStringLiteral("~/fi"), false);
    EXPECT_EQ(names(rows), (QStringList{"file1.txt", "File2.txt", "file10.txt"}));
    for (const auto& row : rows) {
        EXPECT_FALSE(row.isDirectory);
        EXPECT_FALSE(row.title || row.subtitle || row.iconPath || row.symbol || row.keyword);
    }

    // No entry starts with dwnl: the fuzzy list offers Downloads.
    rows = PathInput::completions(QStringLiteral("~/dwnl"), false);
    ASSERT_FALSE(rows.isEmpty());
    EXPECT_EQ(rows.first().url.toLocalFile(), home + "/Downloads");
    EXPECT_TRUE(rows.first().isDirectory);

    // An existing exact path comes first and is not repeated by the listing.
    rows = PathInput::completions(QStringLiteral("~/Music"), false);
    EXPECT_EQ(paths(rows), QStringList{home + "/Music"});
    rows = PathInput::completions(QStringLiteral("$HOME/Docu"), false);
    EXPECT_EQ(paths(rows), QStringList{home + "/Documents"});
}

TEST(PathInput, CompletionsEdgeFolders) {
    FakePlatform fake;
    // A lone slash: the root row, then the root folder's entries.
    auto rows = PathInput::completions(QStringLiteral("/"), false);
    ASSERT_GT(rows.size(), 1);
    EXPECT_EQ(rows.first().url.toLocalFile(), QStringLiteral("/"));
    EXPECT_EQ(rows[1].url.toLocalFile().count(u'/'), 1);

    // A large folder is cut to 150 listed rows, plus the folder itself.
    const QString big = fake.makeDir(QStringLiteral("big"));
    for (int i = 0; i < 400; ++i)
        QFile(big + QStringLiteral("/entry%1").arg(i)).open(QIODevice::WriteOnly);
    rows = PathInput::completions(QStringLiteral("~/big/"), false);
    EXPECT_EQ(rows.size(), 151);
    EXPECT_EQ(rows[1].url.fileName(), QStringLiteral("entry0"));
    EXPECT_EQ(rows[2].url.fileName(), QStringLiteral("entry1"));
    EXPECT_EQ(rows[3].url.fileName(), QStringLiteral("entry2"));

    // A missing folder yields nothing; a file that is not a folder yields only its own row.
    EXPECT_TRUE(PathInput::completions(QStringLiteral("~/nowhere/x"), false).isEmpty());
    const QString file = fake.makeFile(QStringLiteral("plain.txt"));
    EXPECT_EQ(paths(PathInput::completions(QStringLiteral("~/plain.txt/"), false)), QStringList{file});

    // An application bundle is a file, not a folder to open.
    fake.makeDir(QStringLiteral("Apps/Tool.app/Contents"));
    rows = PathInput::completions(QStringLiteral("~/Apps/"), false);
    ASSERT_EQ(rows.size(), 2);
    EXPECT_TRUE(rows[0].isDirectory);
    EXPECT_FALSE(rows[1].isDirectory);
}

TEST(PathInput, LooksLikeFileName) {
    for (const char* yes : {"report.pdf", "archive.tar.gz", "My Notes.md", "v1.x2"})
        EXPECT_TRUE(PathInput::looksLikeFileName(QString::fromUtf8(yes))) << yes;
    for (const char* no : {"1.2", "name.", "noext", ".bashrc", "a/b.txt", "a\nb.txt", "a .txt", " .txt",
                           "one two three four five six seven eight.txt", "x.abcdefghijk", "x.p-f"})
        EXPECT_FALSE(PathInput::looksLikeFileName(QString::fromUtf8(no))) << no;
    EXPECT_FALSE(PathInput::looksLikeFileName(QString(300, u'a') + ".txt"));
}

TEST(PathInput, WebURL) {
    auto web = [](const char* text) {
        const auto url = PathInput::webURL(QString::fromUtf8(text));
        return url ? url->toString() : QStringLiteral("none");
    };
    // The typed path and query keep their case; the host is case-insensitive and comes back lower-cased.
    EXPECT_EQ(web("Example.com/Path?q=A"), QStringLiteral("https://example.com/Path?q=A"));
    EXPECT_EQ(web("  github.io  "), QStringLiteral("https://github.io"));
    EXPECT_EQ(web("www.example.museum"), QStringLiteral("https://www.example.museum"));
    EXPECT_EQ(web("HTTP://x.y/z"), QStringLiteral("http://x.y/z"));
    EXPECT_EQ(web("localhost:3000/app"), QStringLiteral("http://localhost:3000/app"));
    EXPECT_EQ(web("example.com:8080"), QStringLiteral("https://example.com:8080"));
    for (const char* none : {"", "localhost", "example.museum", "192.168.1.1", "www.", "a b.com", "~/x.com",
                             "/x.com", "report.pdf", "hello"})
        EXPECT_EQ(web(none), QStringLiteral("none")) << none;
}

TEST(PathInput, HiddenFilesFollowTheSetting) {
    FakePlatform fake;
    Settings::resetShared();
    fake.makeFile(QStringLiteral(".profile"));
    EXPECT_FALSE(names(PathInput::completions(QStringLiteral("~/"))).contains(QStringLiteral(".profile")));
    Settings::shared().setShowHiddenFiles(true);
    EXPECT_TRUE(names(PathInput::completions(QStringLiteral("~/"))).contains(QStringLiteral(".profile")));
    Settings::resetShared();
}

// A folder's listing is kept between keystrokes, but never past a change: an entry added, removed or
// renamed after it was read is seen on the next completion.
TEST(PathInput, KeptListingFollowsChangesToTheFolder) {
    FakePlatform fake;
    fake.makeFile(QStringLiteral("kept/alpha.txt"));
    QThread::msleep(50); // the folder has settled: its listing is kept
    // The folder's own row first, then its entries.
    const auto listed = [] { return names(PathInput::completions(QStringLiteral("~/kept/"), false)).mid(1); };
    EXPECT_EQ(listed(), QStringList{QStringLiteral("alpha.txt")});
    EXPECT_EQ(listed(), QStringList{QStringLiteral("alpha.txt")});
    fake.makeFile(QStringLiteral("kept/beta.txt"));
    EXPECT_EQ(listed(), (QStringList{QStringLiteral("alpha.txt"), QStringLiteral("beta.txt")}));
    QThread::msleep(50);
    EXPECT_EQ(listed(), (QStringList{QStringLiteral("alpha.txt"), QStringLiteral("beta.txt")}));
    ASSERT_TRUE(QFile::rename(fake.home() + QStringLiteral("/kept/alpha.txt"),
                              fake.home() + QStringLiteral("/kept/gamma.txt")));
    EXPECT_EQ(listed(), (QStringList{QStringLiteral("beta.txt"), QStringLiteral("gamma.txt")}));
}
