#include "search/Fuzzy.h"
#include "search/Text.h"

#include <gtest/gtest.h>

using namespace zarvo;

TEST(Fuzzy, WordScoresRewardStartsBoundariesAndRuns) {
    // A digit run starts a word: "2" in "file2" gets the boundary bonus; scattered letters in a long name can
    // score below zero and still match. Characters are graphemes: a decomposed é is one, and so is İ, which
    // lower-cases to i and a combining dot; the shortcuts for accents and kana score what they take.
    const struct {
        const char *word, *name;
        std::optional<int> score;
    } rows[] = {{"rep", "Report.pdf", 31},
                {"rp", "Report.pdf", 15},
                {"pdf", "Report.pdf", 25},
                {"bar", "fooBar", 26},
                {"", "anything", 0},
                {"abc", "ab", std::nullopt},
                {"x", "Report", std::nullopt},
                {"2", "file2", 2 + 8 - 1},
                {"sm", "qwertyuiopasdfghjklzxcvbnm", 2 + 2 - 4 - 6},
                {"cafe\u0301", "Cafe\u0301 menu.txt", 38},
                {"ÉT", "Été 2024", 23},
                {"stan", "İstanbul", 2 + 8 + 8 + 8 - 1},
                {"rés", "Résumé.pdf", 2 + 14 + 2 + 6 + 2 + 6 - 1},
                {"レポ", "日本語のレポート", 9}};
    for (const auto& row : rows)
        EXPECT_EQ(Fuzzy::wordScore(row.word, row.name), row.score) << row.word << " / " << row.name;
    EXPECT_EQ(Fuzzy::score("   ", "Report.pdf"), 0);
    EXPECT_EQ(Fuzzy::score("rep pdf", "Report.pdf"), 31 + 25);
    EXPECT_EQ(Fuzzy::score("rep zzz", "Report.pdf"), std::nullopt);
}

TEST(Fuzzy, ShortcutsForSimpleTextAgreeWithTheGraphemePath) {
    // Names where UTF-16 units and characters agree, then names where they part (CR LF, combining marks …).
    const QString names[] = {"Report.pdf",
                             "fooBarBaz",
                             "my-file_2024.txt",
                             "a\r\nb report",
                             "r\re\np",
                             "Résumé final.docx",
                             "Größe_Übersicht 2.pdf",
                             "ΣΙΣΥΦΟΣ σημειώσεις",
                             "Отчёт Итог.txt",
                             "日本語のレポート.txt",
                             "ﾚﾎﾟｰﾄ ﾃﾞｰﾀ",
                             "한국어 보고서",
                             "\u1100\u1161\u11a8 jamo",
                             "Cafe\u0301 Re\u0301sume\u0301",
                             "İstanbul Rapor",
                             "が\u3099ぎ rep",
                             "👩\u200d💻 rep\ufe0f",
                             "\U0001D4E1ep 𝓻"};
    const QString words[] = {"rep",     "r",   "fbb",  "2024", "ré", "RÉS",  "grö",     "σι",
                             "ΣΗΜ",     "отч", "итог", "レポ", "ﾚﾎ", "보고", "e\u0301", "ist",
                             "i\u0307", "が",  "💻",    "\r\n", "\n", "𝓻"};
    for (const QString& name : names)
        for (const QString& word : words)
            EXPECT_EQ(Fuzzy::wordScore(word, name), Fuzzy::detail::graphemeWordScore(word, name))
                << name.toStdString() << " / " << word.toStdString();
}

TEST(Text, WordsSplitAtAnyWhitespaceAndTrimOnlySpacesAndTabs) {
    EXPECT_EQ(Text::words("  report\tsummary\u00A0final\u2003x\n"),
              (QStringList{"report", "summary", "final", "x"}));
    EXPECT_TRUE(Text::words(" \t\u3000 ").isEmpty());
    EXPECT_EQ(Text::words("a  b"), Text::words(QStringLiteral("a").append(QChar(0x2028)).append("b")));
    EXPECT_EQ(Text::trimSpacesAndTabs(u" \t a b \t"), "a b");
    EXPECT_EQ(Text::trimSpacesAndTabs(u"\na\n"), "\na\n");
}
