#include "search/Fuzzy.h"
#include "search/Text.h"

#include <QRegularExpression>
#include <QTextBoundaryFinder>
#include <QVarLengthArray>

namespace zarvo::Fuzzy {

namespace {

// The greedy scan over any sequence of "characters". Eq compares a lowered name character with a
// word character; Boundary tells whether name position k starts a word.
template <typename Eq, typename Boundary>
std::optional<int> scan(int wordLength, int nameLength, Eq eq, Boundary boundary) {
    if (nameLength < wordLength) return std::nullopt;
    const int slack = (nameLength - wordLength) / 4;
    std::optional<int> best;
    for (int s = 0; s < nameLength; ++s) {
        if (!eq(s, 0)) continue;
        int score = 0;
        int prev = -2;
        int pos = s;
        for (int i = 0; i < wordLength; ++i) {
            int k = pos;
            while (k < nameLength && !eq(k, i))
                ++k;
            // A later start can only find fewer letters, so the whole scan ends here.
            if (k >= nameLength) return best;
            score += 2;
            if (k == prev + 1) score += 6;
            if (k == 0)
                score += 14;
            else if (boundary(k))
                score += 8;
            if (prev >= 0) score -= std::min(k - prev - 1, 4);
            prev = k;
            pos = k + 1;
        }
        const int total = score - slack;
        if (!best || total > *best) best = total;
    }
    return best;
}

inline bool asciiLower(char16_t c) {
    return c >= 'a' && c <= 'z';
}
inline bool asciiUpper(char16_t c) {
    return c >= 'A' && c <= 'Z';
}
inline bool asciiDigit(char16_t c) {
    return c >= '0' && c <= '9';
}
inline bool asciiAlnum(char16_t c) {
    return asciiLower(c) || asciiUpper(c) || asciiDigit(c);
}
inline char16_t asciiFold(char16_t c) {
    return asciiUpper(c) ? char16_t(c + 32) : c;
}

// ASCII where every unit is its own character: CR LF is one grapheme cluster, so CR goes the long way.
bool isAscii(const QString& s) {
    const char16_t* p = reinterpret_cast<const char16_t*>(s.utf16());
    for (qsizetype i = 0, n = s.size(); i < n; ++i)
        if (p[i] >= 0x80 || p[i] == '\r') return false;
    return true;
}

// Code points that always form a grapheme cluster of their own, whatever their neighbours (when those
// are from this set too): no combining or spacing marks, joiners, variation selectors, surrogates,
// Hangul jamo, prepended concatenation marks or CR. Latin, Greek, Cyrillic, general punctuation and
// symbols, kana, CJK ideographs, precomposed Hangul and full-width forms: what names in European and
// East Asian home folders are made of.
bool isSingleUnitCharacter(char16_t c) {
    if (c < 0x80) return c != '\r';
    if (c < 0x300) return true;
    if (c < 0x370) return false;
    if (c < 0x483) return true;
    if (c < 0x48a) return false;
    if (c < 0x530) return true;
    if (c < 0x1e00) return false;
    if (c < 0x2000) return true;
    if (c < 0x2010) return false;
    if (c < 0x2028) return true;
    if (c < 0x2030) return false;
    if (c < 0x205f) return true;
    if (c < 0x2070) return false;
    if (c < 0x20d0) return true;
    if (c < 0x2100) return false;
    if (c < 0x2c00) return true;
    if (c < 0x3000) return false;
    if (c < 0x302a) return true;
    if (c < 0x3030) return false;
    if (c < 0x3099) return true;
    if (c < 0x309b) return false;
    if (c < 0x3100) return true;
    if (c < 0x3400) return false;
    if (c < 0x4dc0) return true;
    if (c < 0x4e00) return false;
    if (c < 0xa000) return true;
    if (c < 0xac00) return false;
    if (c < 0xd7a4) return true;
    if (c < 0xff00) return false;
    return c < 0xff9e;
}

// The lowered form of a character outside ASCII, when both are single-unit characters and lowering
// the whole text would give it (QString::toLower maps U+0130 to two units); else 0.
char16_t lowerSingleUnit(char16_t c) {
    if (c == 0x130 || !isSingleUnitCharacter(c)) return 0;
    const char32_t lower = QChar::toLower(char32_t(c));
    return lower <= 0xffff && isSingleUnitCharacter(char16_t(lower)) ? char16_t(lower) : 0;
}

bool isSingleUnitText(const QString& s) {
    const char16_t* p = reinterpret_cast<const char16_t*>(s.utf16());
    for (qsizetype i = 0, n = s.size(); i < n; ++i)
        if (!isSingleUnitCharacter(p[i])) return false;
    return true;
}

// Whether ASCII name position k starts a word (the general rule, startsWord, on ASCII).
inline bool asciiBoundary(const char16_t* n, int k) {
    const char16_t before = n[k - 1], here = n[k];
    return !asciiAlnum(before) || (asciiUpper(here) && asciiLower(before)) ||
           (asciiDigit(here) && !asciiDigit(before));
}

// The scan over a name already lowered into `l` (`n` as given: its case marks word starts), for a
// lowered word `w`. The same steps as `scan`, on plain arrays: this runs for every name on every
// keystroke.
template <typename Boundary>
std::optional<int> unitScan(const char16_t* w, int wn, const char16_t* l, const char16_t* n, int nn,
                            Boundary boundary) {
    if (nn < wn) return std::nullopt;
    const int slack = (nn - wn) / 4;
    int best = 0;
    bool found = false;
    const char16_t first = w[0];
    for (int s = 0; s < nn; ++s) {
        if (l[s] != first) continue;
        int score = 0;
        int prev = -2;
        int k = s;
        for (int i = 0; i < wn; ++i, ++k) {
            const char16_t c = w[i];
            while (k < nn && l[k] != c)
                ++k;
            // A later start can only find fewer letters, so the whole scan ends here.
            if (k >= nn) return found ? std::optional<int>(best) : std::nullopt;
            score += 2;
            if (k == prev + 1) score += 6;
            if (k == 0)
                score += 14;
            else if (boundary(n, k))
                score += 8;
            if (prev >= 0) score -= std::min(k - prev - 1, 4);
            prev = k;
        }
        const int total = score - slack;
        if (!found || total > best) best = total;
        found = true;
    }
    return found ? std::optional<int>(best) : std::nullopt;
}

// The lowered form of the last word scored on this thread: a search scores one word against many names.
struct LoweredWord {
    QString word;
    QString lower;
    bool ascii = false;
    // Each character one unit before and after lowering (ASCII included): singleUnitWordScore applies.
    bool singleUnit = false;
};

const LoweredWord& lowered(const QString& word) {
    thread_local LoweredWord last;
    // The same string is usually passed again (shared data): no need to compare its characters.
    const bool same = !last.word.isNull() && last.word.size() == word.size() &&
                      (last.word.constData() == word.constData() || last.word == word);
    if (!same) {
        last.word = word;
        last.ascii = isAscii(word);
        if (last.ascii) {
            last.lower = word;
            char16_t* p = reinterpret_cast<char16_t*>(last.lower.data());
            for (qsizetype i = 0, n = last.lower.size(); i < n; ++i)
                p[i] = asciiFold(p[i]);
        } else {
            last.lower = word.toLower();
        }
        last.singleUnit = last.ascii || (isSingleUnitText(word) && isSingleUnitText(last.lower));
    }
    return last;
}

// Whether a character starts a word after `before`: after a non-alphanumeric, at a lower-to-upper case
// change, or where a number run begins.
bool startsWord(char32_t before, char32_t here) {
    return !QChar::isLetterOrNumber(before) || (QChar::isUpper(here) && QChar::isLower(before)) ||
           (QChar::isNumber(here) && !QChar::isNumber(before));
}

// Text outside ASCII whose characters are each one UTF-16 unit, before and after lowering: the same
// scan as the grapheme path, by unit, without segmenting (which costs several times the scan itself).
// `lowerWord` and `lowerName` are the lowered texts, `name` as given (its case marks word starts).
std::optional<int> singleUnitWordScore(const QString& lowerWord, const QString& lowerName,
                                       const QString& name) {
    const char16_t* w = reinterpret_cast<const char16_t*>(lowerWord.utf16());
    const char16_t* l = reinterpret_cast<const char16_t*>(lowerName.utf16());
    const char16_t* n = reinterpret_cast<const char16_t*>(name.utf16());
    return scan(
        int(lowerWord.size()), int(lowerName.size()), [&](int k, int i) { return l[k] == w[i]; },
        [&](int k) { return startsWord(n[k - 1], n[k]); });
}

QStringList graphemes(const QString& text) {
    QStringList out;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype start = 0;
    while (finder.toNextBoundary() != -1) {
        const qsizetype end = finder.position();
        if (end > start) out << text.mid(start, end - start);
        start = end;
    }
    return out;
}

// Character classes of a grapheme are those of its first code point (the base character).
char32_t base(const QString& g) {
    if (g.isEmpty()) return 0;
    if (g.size() > 1 && g.at(0).isHighSurrogate() && g.at(1).isLowSurrogate())
        return QChar::surrogateToUcs4(g.at(0), g.at(1));
    return g.at(0).unicode();
}

} // namespace

std::optional<int> detail::graphemeWordScore(const QString& word, const QString& name) {
    const QStringList w = graphemes(word.toLower());
    if (w.isEmpty()) return 0;
    const QStringList n = graphemes(name);
    const QStringList l = graphemes(name.toLower());
    if (l.size() != n.size()) {
        if (name.contains(word, Qt::CaseInsensitive)) return 6 * int(w.size());
        return std::nullopt;
    }
    return scan(
        int(w.size()), int(l.size()), [&](int k, int i) { return l[k] == w[i]; },
        [&](int k) { return startsWord(base(n[k - 1]), base(n[k])); });
}

std::optional<int> wordScore(const QString& word, const QString& name) {
    if (word.isEmpty()) return 0;
    const LoweredWord& w = lowered(word);
    const char16_t* w16 = reinterpret_cast<const char16_t*>(w.lower.utf16());
    // Most names are ASCII, nearly all the rest single-unit text: lowered in one pass that also tells,
    // then scanned by unit (what asciiWordScore and singleUnitWordScore do, without their copies).
    if (w.singleUnit) {
        const qsizetype nn = name.size();
        const char16_t* n = reinterpret_cast<const char16_t*>(name.utf16());
        QVarLengthArray<char16_t, 256> l(nn);
        bool ascii = true, single = true;
        for (qsizetype i = 0; i < nn && single; ++i) {
            const char16_t c = n[i];
            if (c < 0x80 && c != '\r') {
                l[i] = asciiFold(c);
                continue;
            }
            ascii = false;
            l[i] = lowerSingleUnit(c);
            single = l[i] != 0;
        }
        const int wn = int(w.lower.size());
        if (ascii && w.ascii) return unitScan(w16, wn, l.data(), n, int(nn), asciiBoundary);
        if (single)
            return unitScan(w16, wn, l.data(), n, int(nn),
                            [](const char16_t* text, int k) { return startsWord(text[k - 1], text[k]); });
    }
    if (isSingleUnitText(word) && isSingleUnitText(name)) {
        const QString& lowerWord = w.lower;
        const QString lowerName = name.toLower();
        // Lowering can lengthen a character (İ → i̇) or leave the set; then characters and units part.
        if (lowerName.size() == name.size() && isSingleUnitText(lowerWord) && isSingleUnitText(lowerName))
            return singleUnitWordScore(lowerWord, lowerName, name);
    }
    return detail::graphemeWordScore(word, name);
}

std::optional<int> score(const QString& query, const QString& name) {
    int total = 0;
    const QStringList words = Text::words(query);
    for (const QString& word : words) {
        auto s = wordScore(word, name);
        if (!s) return std::nullopt;
        total += *s;
    }
    return total;
}

std::optional<int> wordStartScore(const QString& query, const QString& name) {
    int total = 0;
    const QStringList words = Text::words(query);
    for (const QString& word : words) {
        bool atStart = false;
        for (qsizetype at = name.indexOf(word, 0, Qt::CaseInsensitive); at >= 0 && !atStart;
             at = name.indexOf(word, at + 1, Qt::CaseInsensitive))
            atStart = at == 0 || startsWord(name.at(at - 1).unicode(), name.at(at).unicode());
        if (!atStart) return std::nullopt;
        // Scored as any name, so keywords and names weigh alike.
        const auto s = wordScore(word, name);
        if (!s) return std::nullopt;
        total += *s;
    }
    return total;
}

} // namespace zarvo::Fuzzy
