#include "index/NamePattern.h"

#include "index/FindBytes.h"

#include <algorithm>

#include <QString>
#include <cstring>

namespace zarvo::index {

NamePattern::NamePattern(const QString& pattern) {
    // Split at unescaped '*'; fold each literal run on its own so escapes survive.
    Segment current;
    QString literal;
    auto flush = [&] {
        if (!literal.isEmpty()) {
            const QByteArray f = Fold::fold(literal);
            current.bytes.append(f);
            current.any.insert(current.any.end(), size_t(f.size()), false);
            literal.clear();
        }
    };
    bool first = true;
    bool lastWasStar = false;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c == QLatin1Char('\\') && i + 1 < pattern.size()) {
            literal.append(pattern[++i]);
            lastWasStar = false;
        } else if (c == QLatin1Char('*')) {
            flush();
            if (first)
                m_anchorStart = false;
            else if (!current.bytes.isEmpty())
                m_segments.push_back(std::move(current));
            current = Segment{};
            lastWasStar = true;
        } else if (c == QLatin1Char('?')) {
            flush();
            current.bytes.append('?');
            current.any.push_back(true);
            current.hasAny = true;
            lastWasStar = false;
        } else {
            literal.append(c);
            lastWasStar = false;
        }
        first = false;
    }
    flush();
    if (lastWasStar) m_anchorEnd = false;
    if (!current.bytes.isEmpty() || (m_anchorStart && m_anchorEnd && m_segments.empty()))
        m_segments.push_back(std::move(current));
    m_all = m_segments.empty() && !m_anchorStart && !m_anchorEnd;
    if (m_segments.empty() && !m_anchorStart) m_all = true;

    if (!m_anchorStart && !m_anchorEnd && m_segments.size() >= 2 &&
        std::all_of(m_segments.begin(), m_segments.end(),
                    [](const Segment& seg) { return seg.bytes.size() == 1 && !seg.hasAny; }))
        for (const auto& seg : m_segments)
            m_subsequence += seg.bytes;
    for (const auto& seg : m_segments) {
        qsizetype runStart = 0;
        for (qsizetype i = 0; i <= seg.bytes.size(); ++i) {
            if (i == seg.bytes.size() || seg.any[size_t(i)]) {
                if (i - runStart > m_required.size()) m_required = seg.bytes.mid(runStart, i - runStart);
                runStart = i + 1;
            }
        }
    }
}

static inline size_t codePointLength(uchar lead) {
    if (lead < 0x80) return 1;
    if ((lead >> 5) == 0x6) return 2;
    if ((lead >> 4) == 0xe) return 3;
    if ((lead >> 3) == 0x1e) return 4;
    return 1;
}

long NamePattern::matchAt(const Segment& seg, const char* s, size_t n, size_t pos) const {
    size_t p = pos;
    const auto len = size_t(seg.bytes.size());
    for (size_t k = 0; k < len; ++k) {
        if (p >= n) return -1;
        if (seg.any[k]) {
            p += codePointLength(uchar(s[p]));
            if (p > n) return -1;
        } else {
            if (s[p] != seg.bytes[qsizetype(k)]) return -1;
            ++p;
        }
    }
    return long(p);
}

long NamePattern::findFrom(const Segment& seg, const char* s, size_t n, size_t pos, size_t* start) const {
    if (!seg.hasAny) {
        const auto len = size_t(seg.bytes.size());
        if (pos + len > n) return -1;
        const char* hit = findBytes(s + pos, n - pos, seg.bytes.constData(), len);
        if (!hit) return -1;
        *start = size_t(hit - s);
        return long(*start + len);
    }
    for (size_t p = pos; p < n; ++p) {
        if ((uchar(s[p]) & 0xc0) == 0x80) continue; // not a character boundary
        const long end = matchAt(seg, s, n, p);
        if (end >= 0) {
            *start = p;
            return end;
        }
    }
    return -1;
}

bool NamePattern::matches(const char* s, size_t n) const {
    if (m_all) return true;
    if (!m_subsequence.isEmpty()) {
        // A byte loop: names are short, and a call per character costs more than the comparisons.
        const char* want = m_subsequence.constData();
        const auto m = size_t(m_subsequence.size());
        size_t k = 0;
        for (size_t i = 0; i < n; ++i)
            if (s[i] == want[k] && ++k == m) return true;
        return false;
    }
    if (m_segments.empty()) return n == 0; // the empty pattern
    size_t pos = 0;
    size_t first = 0, last = m_segments.size();
    if (m_anchorStart) {
        const long end = matchAt(m_segments[0], s, n, 0);
        if (end < 0) return false;
        if (m_segments.size() == 1 && m_anchorEnd) return size_t(end) == n;
        pos = size_t(end);
        first = 1;
    }
    if (m_anchorEnd && last > first) --last;
    for (size_t i = first; i < last; ++i) {
        size_t start = 0;
        const long end = findFrom(m_segments[i], s, n, pos, &start);
        if (end < 0) return false;
        pos = size_t(end);
    }
    if (m_anchorEnd && last < m_segments.size()) {
        // The last piece must end exactly at the end of the name.
        const auto& seg = m_segments.back();
        for (size_t p = pos; p <= n; ++p) {
            if (p < n && (uchar(s[p]) & 0xc0) == 0x80) continue;
            if (matchAt(seg, s, n, p) == long(n)) return true;
        }
        return false;
    }
    return true;
}

} // namespace zarvo::index
