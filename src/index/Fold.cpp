// Fold: names lower-cased, decomposed and stripped of their marks, as the index searches them.
#include "index/NamePattern.h"

#include <QString>
#include <atomic>

namespace zarvo::index::Fold {

namespace {

// Unicode's own path: compatibility decomposition, marks dropped, case folded.
QByteArray foldByUnicode(const QString& text) {
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString kept;
    kept.reserve(decomposed.size());
    for (QChar ch : decomposed) {
        const auto cat = ch.category();
        if (cat == QChar::Mark_NonSpacing || cat == QChar::Mark_SpacingCombining ||
            cat == QChar::Mark_Enclosing)
            continue;
        kept.append(ch);
    }
    return kept.toCaseFolded().toUtf8();
}

// Each step of that path works character by character (the reordering of marks included, every
// reordered character being a mark), so a name folds as its characters do. The folded UTF-8 of each
// character of the Basic Multilingual Plane met so far, packed: up to 7 bytes, and the length with
// kKnown in the top byte; 0 while not computed. Untouched pages of the table cost no memory.
constexpr quint64 kKnown = 0x80;
constexpr quint64 kTooLong = quint64(0xff) << 56;
std::atomic<quint64> s_folded[0x10000];

quint64 foldedCodePoint(char16_t cp) {
    std::atomic<quint64>& slot = s_folded[cp];
    quint64 packed = slot.load(std::memory_order_relaxed);
    if (packed) return packed;
    const QByteArray bytes = foldByUnicode(QString(QChar(cp)));
    if (bytes.size() > 7) {
        packed = kTooLong;
    } else {
        packed = (kKnown | quint64(bytes.size())) << 56;
        for (qsizetype i = 0; i < bytes.size(); ++i)
            packed |= quint64(uchar(bytes[i])) << (8 * i);
    }
    slot.store(packed, std::memory_order_relaxed); // racing threads store the same value
    return packed;
}

bool isContinuation(uchar c) {
    return (c & 0xc0) == 0x80;
}

// The characters of two and three bytes through the table; false (with nothing appended) for a
// name holding anything else: invalid UTF-8, characters beyond the plane, or a longer folding.
bool appendByCharacter(QByteArrayView utf8, QByteArray& out) {
    const auto start = out.size();
    auto fail = [&] {
        out.truncate(start);
        return false;
    };
    const auto n = utf8.size();
    for (qsizetype i = 0; i < n; ++i) {
        const auto c = uchar(utf8[i]);
        if (c < 0x80) {
            out.append((c >= 'A' && c <= 'Z') ? char(c + 32) : char(c));
            continue;
        }
        char16_t cp = 0;
        if ((c >> 5) == 0x6 && i + 1 < n && isContinuation(uchar(utf8[i + 1]))) {
            cp = char16_t(((c & 0x1f) << 6) | (uchar(utf8[i + 1]) & 0x3f));
            i += 1;
            if (cp < 0x80) return fail();
        } else if ((c >> 4) == 0xe && i + 2 < n && isContinuation(uchar(utf8[i + 1])) &&
                   isContinuation(uchar(utf8[i + 2]))) {
            cp = char16_t(((c & 0x0f) << 12) | ((uchar(utf8[i + 1]) & 0x3f) << 6) |
                          (uchar(utf8[i + 2]) & 0x3f));
            i += 2;
            if (cp < 0x800 || (cp >= 0xd800 && cp <= 0xdfff)) return fail();
        } else {
            return fail();
        }
        const quint64 packed = foldedCodePoint(cp);
        if (packed == kTooLong) return fail();
        for (quint64 k = 0, len = (packed >> 56) & 0x7f; k < len; ++k)
            out.append(char(uchar(packed >> (8 * k))));
    }
    return true;
}

} // namespace

void append(QByteArrayView utf8, QByteArray& out) {
    bool ascii = true;
    for (char c : utf8)
        if (uchar(c) >= 0x80) {
            ascii = false;
            break;
        }
    if (ascii) {
        const auto start = out.size();
        out.resize(start + utf8.size());
        char* dst = out.data() + start;
        for (qsizetype i = 0; i < utf8.size(); ++i) {
            const char c = utf8[i];
            dst[i] = (c >= 'A' && c <= 'Z') ? char(c + 32) : c;
        }
        return;
    }
    if (appendByCharacter(utf8, out)) return;
    out.append(foldByUnicode(QString::fromUtf8(utf8)));
}

QByteArray fold(QByteArrayView utf8) {
    QByteArray out;
    out.reserve(utf8.size());
    append(utf8, out);
    return out;
}

QByteArray fold(const QString& text) {
    return fold(QByteArrayView(text.toUtf8()));
}

} // namespace zarvo::index::Fold
