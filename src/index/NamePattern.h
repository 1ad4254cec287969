#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <vector>

namespace zarvo::index {

// Case- and diacritic-folding of names: what LIKE[cd] compares. Names and patterns are folded the
// same way, to UTF-8 bytes.
namespace Fold {
// ASCII names (nearly all) take a byte loop; others go through Unicode decomposition.
void append(QByteArrayView utf8, QByteArray& out);
QByteArray fold(QByteArrayView utf8);
QByteArray fold(const QString& text);
} // namespace Fold

// A LIKE pattern over folded UTF-8 names: `*` any run, `?` one character, `\` makes the next
// character literal. Hand-written rather than QRegularExpression: a query tests up to a million names
// and this matcher runs memmem on the literal pieces.
class NamePattern {
public:
    // `pattern` as typed; it is folded here.
    explicit NamePattern(const QString& pattern);

    bool matches(const char* name, size_t length) const;
    bool matches(QByteArrayView name) const { return matches(name.data(), size_t(name.size())); }
    // True when it matches every name ("*").
    bool matchesAll() const { return m_all; }
    // The longest run of literal bytes every match contains (for a buffer-wide prefilter), may be empty.
    const QByteArray& requiredLiteral() const { return m_required; }
    // For a pattern of single characters between stars (*d*w*n*l*), those bytes in order: a name
    // matches when it holds them as a subsequence. Empty for other patterns.
    const QByteArray& subsequence() const { return m_subsequence; }

private:
    struct Segment {
        QByteArray bytes; // literal bytes, with '?' positions flagged in `any`
        std::vector<bool> any;
        bool hasAny = false;
    };
    // The end of a match of `seg` starting at `pos`, or -1.
    long matchAt(const Segment& seg, const char* s, size_t n, size_t pos) const;
    long findFrom(const Segment& seg, const char* s, size_t n, size_t pos, size_t* start) const;

    std::vector<Segment> m_segments;
    bool m_anchorStart = true;
    bool m_anchorEnd = true;
    bool m_all = false;
    QByteArray m_required;
    QByteArray m_subsequence;
};

} // namespace zarvo::index
