#include "search/Fuzzy.h"
#include "search/Text.h"

#include <gtest/gtest.h>

using namespace zarvo;

TEST(Fuzzy, WordScoresRewardStartsBoundariesAndRuns) {
    EXPECT_EQ(Fuzzy::wordScore("rep", "Report.pdf"), 31);
    EXPECT_EQ(Fuzzy::wordScore("rp", "Report.pdf"), 15);
    EXPECT_EQ(Fuzzy::wordScore("pdf", "Report.pdf"), 25);
    EXPECT_EQ(Fuzzy::wordScore("bar", "fooBar"), 26);
    EXPECT_EQ(Fuzzy::wordScore("", "anything"), 0);
    EXPECT_EQ(Fuzzy::wordScore("abc", "ab"), std::nullopt);
    EXPECT_EQ(Fuzzy::wordScore("x", "Report"), std::nullopt);
    // A digit run starts a word: "2" in "file2" gets the boundary bonus.
    EXPECT_EQ(Fuzzy::wordScore("2", "file2"), 2 + 8 - 1);
    // Scattered letters in a long name can score below zero and still match.
    auto scattered = Fuzzy::wordScore("sm", "qwertyuiopasdfghjklzxcvbnm");
    ASSERT_TRUE(scattered.has_value());
    EXPECT_EQ(*scattered, 2 + 2 - 4 - 6);
}

TEST(Fuzzy, AsciiFastPathAgreesWithGraphemePath) {
    // The same names with one non-ASCII character appended far away take the general path; the
    // score differs only by the slack that one extra character may add.
    const char* names[] = {"Report.pdf", "fooBarBaz", "my-file_2024.txt", "DownloadsFolder", "a1b2c3"};
    const char* words[] = {"rep", "fbb", "2024", "dwnl", "abc", "f", "zz"};
    for (const char* n : names) {
        for (const char* w : words) {
            const QString ascii = QString::fromLatin1(n);
            const QString wide = ascii + QString(3, QChar(' ')) + QChar(0x00E9);
            auto a = Fuzzy::wordScore(QString::fromLatin1(w), ascii);
            auto b = Fuzzy::wordScore(QString::fromLatin1(w), wide);
            ASSERT_EQ(a.has_value(), b.has_value()) << n << " " << w;
            if (a) {
                const auto wl = QString::fromLatin1(w).size();
                EXPECT_EQ(*a - *b, (ascii.size() + 4 - wl) / 4 - (ascii.size() - wl) / 4) << n << " " << w;
            }
        }
    }
}

TEST(Fuzzy, UnicodeNamesAndQueries) {
    // Graphemes, not code units: a decomposed é is one character.
    const QString decomposed = QString::fromUtf8("Cafe\u0301 menu.txt");
    EXPECT_TRUE(Fuzzy::wordScore(QString::fromUtf8("cafe\u0301"), decomposed).has_value());
    EXPECT_TRUE(Fuzzy::wordScore(QString::fromUtf8("ÉT"), QString::fromUtf8("Été 2024")).has_value());
    // İ lower-cases to i + combining dot: still one character, so positions line up.
    EXPECT_EQ(Fuzzy::wordScore("stan", QString::fromUtf8("İstanbul")), 2 + 8 + 8 + 8 - 1);
    EXPECT_EQ(Fuzzy::wordScore("xyz", QString::fromUtf8("İstanbul")), std::nullopt);
}

TEST(Fuzzy, QueryScoreSumsWords) {
    EXPECT_EQ(Fuzzy::score("", "Report.pdf"), 0);
    EXPECT_EQ(Fuzzy::score("   ", "Report.pdf"), 0);
    EXPECT_EQ(Fuzzy::score("rep pdf", "Report.pdf"), 31 + 25);
    EXPECT_EQ(Fuzzy::score("rep zzz", "Report.pdf"), std::nullopt);
}

TEST(Text, WordsSplitAtAnyWhitespaceAndTrimOnlySpacesAndTabs) {
    EXPECT_EQ(Text::words(QStringLiteral("  report\tsummary\u00A0final\u2003x\n")),
              (QStringList{"report", "summary", "final", "x"}));
    EXPECT_TRUE(Text::words(QStringLiteral(" \t\u3000 ")).isEmpty());
    EXPECT_EQ(Text::words(QStringLiteral("a  b")),
              Text::words(QStringLiteral("a").append(QChar(0x2028)).append("b")));
    EXPECT_EQ(Text::trimSpacesAndTabs(QStringLiteral(" \t a b \t")), QStringLiteral("a b"));
    EXPECT_EQ(Text::trimSpacesAndTabs(QStringLiteral("\na\n")), QStringLiteral("\na\n"));
}
