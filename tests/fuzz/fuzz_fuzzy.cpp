// Word scoring over arbitrary words and names: the ASCII fast path and the grapheme path must agree
// with each other's rules, and ranking must only drop or reorder what it was given.
#include "FuzzSupport.h"
#include "search/Fuzzy.h"

#include <QSet>

using namespace zarvo;

namespace {

void check(const QString& text) {
    // The first line is the word, the rest are names.
    const QStringList lines = text.split(QLatin1Char('\n'));
    const QString word = lines.value(0);
    const QStringList names = lines.mid(1);
    for (const QString& name : names) {
        const auto score = Fuzzy::wordScore(word, name);
        if (word.isEmpty())
            fuzz::require(score == 0, "an empty word scores 0", text);
        // A word matches a name whose characters it is a case-insensitive prefix of.
        if (!word.isEmpty() && name.startsWith(word, Qt::CaseInsensitive) && word.toLower().size() == word.size())
            fuzz::require(score.has_value() || name.toLower().size() != name.size(), "a prefix matches", text);
        const auto query = Fuzzy::score(word + QLatin1Char(' ') + word, name);
        fuzz::require(query.has_value() == score.has_value() || word.trimmed() != word,
                      "a repeated word matches as the word does", text);
    }
    const QStringList ranked = Ranking::rank(names, word, [](const QString& path) { return int(path.size() % 7); });
    const QSet<QString> given(names.begin(), names.end());
    for (const QString& path : ranked)
        fuzz::require(given.contains(path), "ranking returns only given paths", text);
    fuzz::require(ranked.size() <= names.size(), "ranking adds nothing", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 8192) return 0;
    for (const QString& text : fuzz::texts(data, size))
        check(text);
    return 0;
}
