#include "index/NamePattern.h"
#include "index/ContentTypes.h"
#include "index/FindBytes.h"

#include <QMimeDatabase>

#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>
#include <random>

using namespace zarvo::index;

namespace {
bool like(const char* pattern, const QString& name) {
    return NamePattern(QString::fromUtf8(pattern)).matches(Fold::fold(name));
}
} // namespace

TEST(NamePattern, WildcardsCaseAndDiacritics) {
    EXPECT_TRUE(like("*report*", QStringLiteral("Q3 Report final.PDF")));
    EXPECT_FALSE(like("*report*", QStringLiteral("repo rt.txt")));
    EXPECT_TRUE(like("*resume*", QStringLiteral("Résumé 2024.docx")));
    EXPECT_TRUE(like("*RÉSUMÉ*", QStringLiteral("old resume.txt")));
    EXPECT_TRUE(like("*über*", QStringLiteral("Ueber-UBER-Über")));
    // Subsequence: the letters in order, anything between.
    EXPECT_TRUE(like("*d*w*n*l*", QStringLiteral("Downloads")));
    EXPECT_TRUE(like("*d*w*n*l*", QStringLiteral("dark-wine-label")));
    EXPECT_FALSE(like("*d*w*n*l*", QStringLiteral("lnwd")));
    // Anchors: no leading or trailing star means the name starts or ends there.
    EXPECT_TRUE(like("rep*", QStringLiteral("report.txt")));
    EXPECT_FALSE(like("rep*", QStringLiteral("a report")));
    EXPECT_TRUE(like("*.txt", QStringLiteral("notes.TXT")));
    EXPECT_FALSE(like("*.txt", QStringLiteral("notes.txt.bak")));
    EXPECT_TRUE(like("a*a", QStringLiteral("aa")));
    EXPECT_FALSE(like("a*a", QStringLiteral("a")));
    EXPECT_TRUE(like("notes", QStringLiteral("NOTES")));
    EXPECT_FALSE(like("notes", QStringLiteral("notes2")));
    // ? is one character, also a multi-byte one.
    EXPECT_TRUE(like("n?te", QStringLiteral("note")));
    EXPECT_TRUE(like("*n?te*", QStringLiteral("x nøte y")));
    EXPECT_FALSE(like("n?te", QStringLiteral("nte")));
    EXPECT_TRUE(like("*", QStringLiteral("")));
    EXPECT_TRUE(like("", QStringLiteral("")));
    EXPECT_FALSE(like("", QStringLiteral("a")));
    // A backslash makes the next character literal (quotes escaped by the caller still match).
    EXPECT_TRUE(like("*it\\'s*", QStringLiteral("It's here")));
    EXPECT_TRUE(like("*100\\%*", QStringLiteral("100% done")));
    EXPECT_TRUE(like("*a\\*b*", QStringLiteral("xa*by")));
    EXPECT_FALSE(like("*a\\*b*", QStringLiteral("xaZby")));
    EXPECT_EQ(NamePattern(QStringLiteral("*d*w*n*l*")).requiredLiteral().size(), 1);
    EXPECT_EQ(NamePattern(QStringLiteral("*Report*")).requiredLiteral(), QByteArray("report"));
}

// Names fold character by character through a table filled as characters are met; names the table
// cannot take (longer foldings, characters beyond the first plane, invalid UTF-8) fold whole.
TEST(Fold, NamesFoldAsTheirCharactersDo) {
    const std::pair<const char*, const char*> cases[] = {
        {"R\u00e9sum\u00e9 DRAFT", "resume draft"},
        {"STRA\u00dfE", "stra\u00dfe"}, // simple case folding, as Qt folds
        {"\u00c5NGSTR\u00d6M", "angstrom"},
        {"\ufb01le", "file"},
        {"e\u0301cole", "ecole"},
        {"\u0130stanbul", "istanbul"},
        {"\u65e5\u672c\u8a9e", "\u65e5\u672c\u8a9e"},
        {"\u03a9mega", "\u03c9mega"},
        {"\ud55c", "\u1112\u1161\u11ab"},
        {"\U0001f600 Caf\u00e9", "\U0001f600 cafe"},
        {"\xff"
         "Caf\u00e9",
         "\ufffdcafe"},
        {"\xc3", "\ufffd"},
    };
    for (int round = 0; round < 2; ++round) // filling the table, then reading it
        for (const auto& [name, folded] : cases)
            EXPECT_EQ(Fold::fold(QByteArrayView(name)), QByteArray(folded)) << name;
}

TEST(ContentTypes, EveryKindWordIsAnswerable) {
    using namespace ContentTypes;
    auto of = [](const char* name) { return forFileName(QByteArrayView(name), false); };
    EXPECT_TRUE(conformsTo(of("a.PNG"), QStringLiteral("public.image")));
    EXPECT_TRUE(conformsTo(of("a.heic"), QStringLiteral("public.image")));
    EXPECT_EQ(identifier(of("x.pdf")), QStringLiteral("com.adobe.pdf"));
    EXPECT_TRUE(conformsTo(of("clip.mkv"), QStringLiteral("public.movie")));
    EXPECT_TRUE(conformsTo(of("song.flac"), QStringLiteral("public.audio")));
    EXPECT_FALSE(conformsTo(of("song.flac"), QStringLiteral("public.movie")));
    EXPECT_TRUE(conformsTo(of("a.docx"), QStringLiteral("org.openxmlformats.wordprocessingml.document")));
    // Office files are zip inside but are not archives to the user.
    EXPECT_FALSE(conformsTo(of("a.docx"), QStringLiteral("public.archive")));
    EXPECT_TRUE(conformsTo(of("notes.md"), QStringLiteral("net.daringfireball.markdown")));
    EXPECT_TRUE(conformsTo(of("data.csv"), QStringLiteral("public.comma-separated-values-text")));
    EXPECT_TRUE(conformsTo(of("t.xlsx"), QStringLiteral("org.openxmlformats.spreadsheetml.sheet")));
    EXPECT_TRUE(
        conformsTo(of("deck.pptx"), QStringLiteral("org.openxmlformats.presentationml.presentation")));
    EXPECT_TRUE(conformsTo(forFileName("Photos", true), QStringLiteral("public.folder")));
    EXPECT_TRUE(conformsTo(of("firefox.desktop"), QStringLiteral("com.apple.application-bundle")));
    EXPECT_TRUE(conformsTo(of("Tool.AppImage"), QStringLiteral("com.apple.application-bundle")));
    EXPECT_TRUE(conformsTo(forFileName("Calc.app", true), QStringLiteral("com.apple.application-bundle")));
    EXPECT_TRUE(conformsTo(of("main.cpp"), QStringLiteral("public.source-code")));
    EXPECT_TRUE(conformsTo(of("run.sh"), QStringLiteral("public.script")));
    EXPECT_TRUE(conformsTo(of("tool.py"), QStringLiteral("public.script")));
    EXPECT_TRUE(conformsTo(of("lib.rs"), QStringLiteral("public.source-code")));
    EXPECT_TRUE(conformsTo(of("a.zip"), QStringLiteral("public.zip-archive")));
    EXPECT_TRUE(conformsTo(of("a.tar.gz"), QStringLiteral("public.archive")));
    EXPECT_TRUE(conformsTo(of("a.7z"), QStringLiteral("public.archive")));
    EXPECT_FALSE(conformsTo(of("a.png"), QStringLiteral("public.folder")));
    // The MIME name round-trips (the snapshot stores it).
    EXPECT_EQ(forMimeName(mimeName(of("a.png"))), of("a.png"));
}

// Names without a dot are answered without the database when no glob can match them.
TEST(ContentTypes, NamesWithoutADotAgreeWithTheMimeDatabase) {
    const QMimeDatabase db;
    for (const char* name :
         {"Makefile", "GNUmakefile", "README", "README_for_the_whole_project_2024", "readme-first", "COPYING",
          "core", "notes~", "draft,v", "Résumé 2015 notes", "report_- final 12", "日本語", "Makefilex"}) {
        const auto expected = db.mimeTypeForFile(QString::fromUtf8(name), QMimeDatabase::MatchExtension);
        EXPECT_EQ(ContentTypes::mimeName(ContentTypes::forFileName(QByteArrayView(name), false)),
                  expected.name())
            << name;
    }
}

// The buffer-wide scans against plain loops, on names that straddle and fill the 64-byte blocks.
TEST(FindBytes, BufferScansAgreeWithPlainLoops) {
    std::mt19937 rng(7);
    const char alphabet[] = "reportxyz";
    for (int round = 0; round < 300; ++round) {
        QByteArray buf;
        while (buf.size() < 400) {
            const int len = int(rng() % (round % 3 == 0 ? 90 : 12));
            for (int i = 0; i < len; ++i)
                buf += alphabet[rng() % 9];
            buf += '\0';
        }
        const QByteArray sets[] = {"t", "rep", "report", "zyxoptre"};
        for (const QByteArray& want : sets) {
            QByteArray letters;
            for (char c : want)
                if (!letters.contains(c)) letters += c;
            // Every name holding all the letters, in order, from the first one.
            std::vector<size_t> expected, got;
            for (qsizetype start = 0; start < buf.size();) {
                const qsizetype end = buf.indexOf('\0', start);
                const QByteArray name = buf.mid(start, end - start);
                if (std::all_of(letters.begin(), letters.end(), [&](char c) { return name.contains(c); }))
                    expected.push_back(size_t(start));
                start = end + 1;
            }
            for (size_t pos = 0; pos < size_t(buf.size());) {
                const size_t hit = findNameHolding(buf.constData(), pos, size_t(buf.size()),
                                                   letters.constData(), size_t(letters.size()));
                if (hit >= size_t(buf.size())) break;
                got.push_back(hit);
                pos = size_t(buf.indexOf('\0', qsizetype(hit))) + 1;
            }
            EXPECT_EQ(got, expected) << "round " << round << " letters " << letters.constData();
        }
        // Every occurrence, from every start (long stretches take the wide scan, the rest the narrow).
        for (const char* needle : {"port", "t", "re", "eport", "zzz"})
            for (qsizetype from = 0; from < buf.size(); from += 37) {
                const char* hit =
                    findBytes(buf.constData() + from, size_t(buf.size() - from), needle, std::strlen(needle));
                EXPECT_EQ(hit ? qsizetype(hit - buf.constData()) : -1, buf.indexOf(needle, from))
                    << "round " << round << " " << needle << " from " << from;
            }
    }
}
