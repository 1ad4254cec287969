// Word scoring over arbitrary words and names: the shortcuts for simple text must give the grapheme
// path's scores, and ranking must only drop or reorder what it was given.
#include "FuzzSupport.h"
#include "search/Fuzzy.h"

#include <QRegularExpression>
#include <QSet>

using namespace zarvo;

namespace {

bool isAscii(const QString& text) {
    for (QChar c : text)
        if (c.unicode() >= 0x80) return false;
    return true;
}

void check(const QString& text) {
    // The first line is the word, the rest are names.
    const QStringList lines = text.split(QLatin1Char('\n'));
    const QString word = lines.value(0);
    const QStringList names = lines.mid(1);
    for (const QString& name : names) {
        const auto score = Fuzzy::wordScore(word, name);
        if (word.isEmpty()) fuzz::require(score == 0, "an empty word scores 0", text);
        fuzz::require(score == Fuzzy::detail::graphemeWordScore(word, name),
                      "the shortcuts for simple text score as the grapheme path does", text);
        // Characters are graphemes, so these two rules are only plain to state for ASCII text.
        if (!isAscii(word) || !isAscii(name)) continue;
        // A word matches a name it is a case-insensitive prefix of.
        if (!word.isEmpty() && name.startsWith(word, Qt::CaseInsensitive))
            fuzz::require(score.has_value(), "a prefix matches", text);
        // A query of the same word twice matches exactly when the word does (a word without spaces).
        if (!word.contains(QRegularExpression(QStringLiteral("\\s")))) {
            const auto query = Fuzzy::score(word + QLatin1Char(' ') + word, name);
            fuzz::require(query.has_value() == score.has_value(), "a repeated word matches as the word does",
                          text);
        }
    }
    const QStringList ranked =
        Ranking::rank(names, word, [](const QString& path) { return int(path.size() % 7); });
    const QSet<QString> given(names.begin(), names.end());
    for (const QString& path : ranked)
        fuzz::require(given.contains(path), "ranking returns only given paths", text);
    fuzz::require(ranked.size() <= names.size(), "ranking adds nothing", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return fuzz::checkTexts(data, size, 8192, check);
}
