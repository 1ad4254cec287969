#include "sources/PathInput.h"
#include "fakes/FakePlatform.h"
#include "fakes/Printers.h"
#include "store/Settings.h"

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
    fake.environment.vars.insert("PATH", "/usr/bin");
    fake.environment.vars.insert("MixedCase", "/mixed");

    // The Windows name is looked up upper-cased; the backslash becomes a slash once something was replaced.
    EXPECT_EQ(PathInput::expandVariables(fake.platform, "%userprofile%\\Desktop"), home + "/Desktop");
    EXPECT_EQ(PathInput::expand(fake.platform, "%USERPROFILE%\\Desktop"), home + "/Desktop");
    EXPECT_EQ(PathInput::expand(fake.platform, "%SYSTEMDRIVE%\\Users"), "/Users");
    EXPECT_EQ(PathInput::expand(fake.platform, "%TEMP%"), fake.root.path() + "/tmp");
    EXPECT_EQ(PathInput::expandVariables(fake.platform, "%USERNAME%"), "tester");
    // Not a Windows name: taken from the environment, exactly as written.
    EXPECT_EQ(PathInput::expandVariables(fake.platform, "%PATH%"), "/usr/bin");
    EXPECT_EQ(PathInput::expandVariables(fake.platform, "%MixedCase%\\x"), "/mixed/x");
    EXPECT_EQ(PathInput::expandVariables(fake.platform, "%MIXEDCASE%\\x"), "%MIXEDCASE%\\x");
    // Unknown names stay, and then backslashes are left alone.
    EXPECT_EQ(PathInput::expandVariables(fake.platform, "%NOPE%\\Desktop"), "%NOPE%\\Desktop");
    // Several matches are replaced from the last back without disturbing the earlier ones.
    EXPECT_EQ(PathInput::expandVariables(fake.platform, "%HOME%\\%NOPE%\\%USERNAME%"),
              home + "/%NOPE%/tester");
    // A value containing percent signs is not expanded again.
    fake.environment.vars.insert("PCT", "%HOME%");
    EXPECT_EQ(PathInput::expandVariables(fake.platform, "%PCT%"), "%HOME%");
}

TEST(PathInput, UnixVariablesAndTilde) {
    FakePlatform fake;
    const QString home = fake.home();
    EXPECT_EQ(PathInput::expand(fake.platform, "$HOME/x"), home + "/x");
    EXPECT_EQ(PathInput::expand(fake.platform, "${HOME}/x"), home + "/x");
    // Each brace is optional on its own.
    EXPECT_EQ(PathInput::expandVariables(fake.platform, "${HOME/x"), home + "/x");
    EXPECT_EQ(PathInput::expandVariables(fake.platform, "$HOME}/x"), home + "/x");
    EXPECT_EQ(PathInput::expand(fake.platform, "$nope/x"), "$nope/x");
    // Windows names are not consulted for $ names, and $ names are case-sensitive.
    EXPECT_EQ(PathInput::expand(fake.platform, "$USERPROFILE"), "$USERPROFILE");
    EXPECT_EQ(PathInput::expand(fake.platform, "$home"), "$home");

    EXPECT_EQ(PathInput::expand(fake.platform, "~"), home);
    EXPECT_EQ(PathInput::expand(fake.platform, "~/"), home + "/");
    EXPECT_EQ(PathInput::expand(fake.platform, "~/Documents/"), home + "/Documents/");
    EXPECT_EQ(PathInput::expand(fake.platform, "~tester/Music"), home + "/Music");
    EXPECT_EQ(PathInput::expand(fake.platform, "~no-such-user-zq/x"), "~no-such-user-zq/x");
    // Doubled trailing slashes collapse to the one that means "list this folder".
    EXPECT_EQ(PathInput::expand(fake.platform, "/tmp//"), "/tmp/");
    EXPECT_EQ(PathInput::expand(fake.platform, "/"), "/");
}

TEST(PathInput, QuotesFileURLsAndEscapedSpaces) {
    FakePlatform fake;
    EXPECT_EQ(PathInput::expand(fake.platform, "  \"/Volumes/My Disk/a b\"  "), "/Volumes/My Disk/a b");
    EXPECT_EQ(PathInput::expand(fake.platform, "'/tmp/x'"), "/tmp/x");
    EXPECT_EQ(PathInput::expand(fake.platform, "\""), "\"");
    EXPECT_EQ(PathInput::expand(fake.platform, "\"/tmp/x'"), "\"/tmp/x'");
    EXPECT_EQ(PathInput::expand(fake.platform, "file:///tmp/a%20b"), "/tmp/a b");
    EXPECT_EQ(PathInput::expand(fake.platform, "/tmp/a\\ b\\ c"), "/tmp/a b c");
    EXPECT_EQ(PathInput::expand(fake.platform, "\"~/Documents\""), fake.home() + "/Documents");
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
    fake.makeFile(".hidden");
    fake.makeFile("file10.txt");
    fake.makeFile("File2.txt");
    fake.makeFile("file1.txt");

    // ~/ lists the home folder itself first, then its entries; dot files stay hidden.
    auto rows = PathInput::completions(fake.platform, "~/", false);
    ASSERT_FALSE(rows.isEmpty());
    EXPECT_EQ(rows.first().url.toLocalFile(), home);
    EXPECT_TRUE(rows.first().isDirectory);
    EXPECT_EQ(rows.first().source, ResultItem::Source::path);
    EXPECT_FALSE(names(rows).contains(".hidden"));
    EXPECT_TRUE(names(rows).contains("Downloads"));
    EXPECT_TRUE(PathInput::completions(fake.platform, "~/", true).size() > rows.size());
    // Without a word from the caller the setting decides.
    Settings::resetShared();
    EXPECT_FALSE(names(PathInput::completions(fake.platform, "~/")).contains(".hidden"));
    Settings::shared().setShowHiddenFiles(true);
    EXPECT_TRUE(names(PathInput::completions(fake.platform, "~/")).contains(".hidden"));
    Settings::resetShared();
    EXPECT_EQ(names(PathInput::completions(fake.platform, "~/.hid", false)), QStringList{".hidden"});

    // Prefix matches are case-insensitive and numbers sort by value.
    rows = PathInput::completions(fake.platform, "~/fi", false);
    EXPECT_EQ(names(rows), (QStringList{"file1.txt", "File2.txt", "file10.txt"}));
    for (const auto& row : rows) {
        EXPECT_FALSE(row.isDirectory);
        EXPECT_FALSE(row.title || row.subtitle || row.iconPath || row.symbol || row.keyword);
    }

    // No entry starts with dwnl: the fuzzy list offers Downloads.
    rows = PathInput::completions(fake.platform, "~/dwnl", false);
    ASSERT_FALSE(rows.isEmpty());
    EXPECT_EQ(rows.first().url.toLocalFile(), home + "/Downloads");
    EXPECT_TRUE(rows.first().isDirectory);

    // An existing exact path comes first and is not repeated by the listing.
    rows = PathInput::completions(fake.platform, "~/Music", false);
    EXPECT_EQ(paths(rows), QStringList{home + "/Music"});
    rows = PathInput::completions(fake.platform, "$HOME/Docu", false);
    EXPECT_EQ(paths(rows), QStringList{home + "/Documents"});
}

TEST(PathInput, CompletionsEdgeFolders) {
    FakePlatform fake;
    // A lone slash: the root row, then the root folder's entries.
    auto rows = PathInput::completions(fake.platform, "/", false);
    ASSERT_GT(rows.size(), 1);
    EXPECT_EQ(rows.first().url.toLocalFile(), "/");
    EXPECT_EQ(rows[1].url.toLocalFile().count(u'/'), 1);

    // A large folder is cut to 150 listed rows, plus the folder itself.
    const QString big = fake.makeDir("big");
    for (int i = 0; i < 400; ++i)
        QFile(big + QStringLiteral("/entry%1").arg(i)).open(QIODevice::WriteOnly);
    rows = PathInput::completions(fake.platform, "~/big/", false);
    EXPECT_EQ(rows.size(), 151);
    EXPECT_EQ(rows[1].url.fileName(), "entry0");
    EXPECT_EQ(rows[2].url.fileName(), "entry1");
    EXPECT_EQ(rows[3].url.fileName(), "entry2");

    // A missing folder yields nothing; a file that is not a folder yields only its own row.
    EXPECT_TRUE(PathInput::completions(fake.platform, "~/nowhere/x", false).isEmpty());
    const QString file = fake.makeFile("plain.txt");
    EXPECT_EQ(paths(PathInput::completions(fake.platform, "~/plain.txt/", false)), QStringList{file});

    // An application bundle is a file, not a folder to open.
    fake.makeDir("Apps/Tool.app/Contents");
    rows = PathInput::completions(fake.platform, "~/Apps/", false);
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
        return url ? url->toString() : "none";
    };
    // The typed path and query keep their case; the host is case-insensitive and comes back lower-cased.
    EXPECT_EQ(web("Example.com/Path?q=A"), "https://example.com/Path?q=A");
    EXPECT_EQ(web("  github.io  "), "https://github.io");
    EXPECT_EQ(web("www.example.museum"), "https://www.example.museum");
    EXPECT_EQ(web("HTTP://x.y/z"), "http://x.y/z");
    EXPECT_EQ(web("localhost:3000/app"), "http://localhost:3000/app");
    EXPECT_EQ(web("example.com:8080"), "https://example.com:8080");
    for (const char* none : {"", "localhost", "example.museum", "192.168.1.1", "www.", "a b.com", "~/x.com",
                             "/x.com", "report.pdf", "hello"})
        EXPECT_EQ(web(none), "none") << none;
}

// A folder's listing is kept between keystrokes, but never past a change: an entry added, removed or
// renamed after it was read is seen on the next completion.
TEST(PathInput, KeptListingFollowsChangesToTheFolder) {
    FakePlatform fake;
    fake.makeFile("kept/alpha.txt");
    QThread::msleep(50); // the folder has settled: its listing is kept
    // The folder's own row first, then its entries.
    const auto listed = [&] { return names(PathInput::completions(fake.platform, "~/kept/", false)).mid(1); };
    EXPECT_EQ(listed(), QStringList{"alpha.txt"});
    EXPECT_EQ(listed(), QStringList{"alpha.txt"});
    fake.makeFile("kept/beta.txt");
    EXPECT_EQ(listed(), (QStringList{"alpha.txt", "beta.txt"}));
    QThread::msleep(50);
    EXPECT_EQ(listed(), (QStringList{"alpha.txt", "beta.txt"}));
    ASSERT_TRUE(QFile::rename(fake.home() + "/kept/alpha.txt", fake.home() + "/kept/gamma.txt"));
    EXPECT_EQ(listed(), (QStringList{"beta.txt", "gamma.txt"}));
}
