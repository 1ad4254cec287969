#include "index/NamePattern.h"
#include "index/ContentTypes.h"
#include "index/FindBytes.h"

#include <QMimeDatabase>

#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>
#include <random>

using namespace zarvo::index;

TEST(NamePattern, WildcardsCaseAndDiacritics) {
    // A pattern, names it matches, names it does not.
    const std::tuple<const char*, QStringList, QStringList> cases[] = {
        {"*report*", {"Q3 Report final.PDF"}, {"repo rt.txt"}},
        {"*resume*", {"Résumé 2024.docx"}, {}},
        {"*RÉSUMÉ*", {"old resume.txt"}, {}},
        // Subsequence: the letters in order, anything between.
        {"*d*w*n*l*", {"Downloads", "dark-wine-label"}, {"lnwd"}},
        // Anchors: no leading or trailing star means the name starts or ends there.
        {"rep*", {"report.txt"}, {"a report"}},
        {"*.txt", {"notes.TXT"}, {"notes.txt.bak"}},
        {"a*a", {"aa"}, {"a"}},
        {"notes", {"NOTES"}, {"notes2"}},
        // ? is one character, also a multi-byte one.
        {"n?te", {"note"}, {"nte"}},
        {"*n?te*", {"x nøte y"}, {}},
        {"*", {""}, {}},
        {"", {""}, {"a"}},
        // A backslash makes the next character literal (quotes escaped by the caller still match).
        {"*it\\'s*", {"It's here"}, {}},
        {"*a\\*b*", {"xa*by"}, {"xaZby"}}};
    for (const auto& [pattern, matching, other] : cases)
        for (const QString& name : matching + other)
            EXPECT_EQ(NamePattern(QString::fromUtf8(pattern)).matches(Fold::fold(name)),
                      matching.contains(name))
                << pattern << " on " << name.toStdString();
    EXPECT_EQ(NamePattern("*d*w*n*l*").requiredLiteral().size(), 1);
    EXPECT_EQ(NamePattern("*Report*").requiredLiteral(), QByteArray("report"));
}

// Names fold through a table filled as characters are met, or whole (long foldings, astral, bad UTF-8).
TEST(Fold, NamesFoldAsTheirCharactersDo) {
    const std::pair<const char*, const char*> cases[] = {
        {"R\u00e9sum\u00e9 DRAFT", "resume draft"},
        {"STRA\u00dfE", "stra\u00dfe"}, // simple case folding, as Qt folds
        {"\u00c5NGSTR\u00d6M", "angstrom"},
        {"\ufb01le", "file"},
        {"e\u0301cole", "ecole"},
        {"\u0130stanbul", "istanbul"},
        {"\u65e5\u672c\u8a9e", "\u65e5\u672c\u8a9e"},
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
    // A type, names (a slash: a folder) that conform and names that do not; office files are no archives.
    const std::tuple<const char*, QStringList, QStringList> cases[] = {
        {"public.image", {"a.PNG", "a.heic"}, {}},
        {"public.movie", {"clip.mkv"}, {"song.flac"}},
        {"public.audio", {"song.flac"}, {}},
        {"org.openxmlformats.wordprocessingml.document", {"a.docx"}, {}},
        {"net.daringfireball.markdown", {"notes.md"}, {}},
        {"public.comma-separated-values-text", {"data.csv"}, {}},
        {"org.openxmlformats.spreadsheetml.sheet", {"t.xlsx"}, {}},
        {"org.openxmlformats.presentationml.presentation", {"deck.pptx"}, {}},
        {"public.folder", {"Photos/"}, {"a.png"}},
        {"com.apple.application-bundle", {"firefox.desktop", "Tool.AppImage", "Calc.app/"}, {}},
        {"public.source-code", {"main.cpp", "lib.rs"}, {}},
        {"public.script", {"run.sh", "tool.py"}, {}},
        {"public.zip-archive", {"a.zip"}, {}},
        {"public.archive", {"a.tar.gz", "a.7z"}, {"a.docx"}}};
    for (const auto& [type, conforming, other] : cases)
        for (const QString& name : conforming + other) {
            const QByteArray bytes = name.toUtf8();
            const bool folder = bytes.endsWith('/');
            EXPECT_EQ(conformance(forFileName(folder ? bytes.chopped(1) : bytes, folder)).contains(type),
                      conforming.contains(name))
                << name.toStdString() << " " << type;
        }
    EXPECT_EQ(identifier(of("x.pdf")), "com.adobe.pdf");
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
