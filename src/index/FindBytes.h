#pragma once

#include <QtGlobal>
#include <cstddef>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace zarvo::index {

// findBytes across a long buffer, thirty-two positions at a time where the processor has AVX2 (a
// third faster over the whole folded-name buffer, which a search reads at memory speed); null when
// it has not, and the caller goes on sixteen at a time.
const char* findBytesWide(const char* hay, size_t n, const char* needle, size_t m, bool* done);

// The first occurrence of needle[0, m) in hay[0, n), or null; m >= 1. Tuned for the two ways the
// index searches: inside one short name (a plain loop beats a library call there), and across the
// whole folded-name buffer (many positions at a time, testing a needle's first and last bytes
// before comparing the rest, which skips far more than memmem does on names).
inline const char* findBytes(const char* hay, size_t n, const char* needle, size_t m) {
    if (m > n) return nullptr;
    if (n >= 256) {
        bool done = false;
        const char* hit = findBytesWide(hay, n, needle, m, &done);
        if (done) return hit;
    }
    const char first = needle[0], last = needle[m - 1];
    size_t i = 0;
#if defined(__SSE2__)
    if (n >= 64) {
        const __m128i vf = _mm_set1_epi8(first), vl = _mm_set1_epi8(last);
        for (; i + m - 1 + 16 <= n; i += 16) {
            const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(hay + i));
            const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(hay + i + m - 1));
            unsigned mask =
                unsigned(_mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(a, vf), _mm_cmpeq_epi8(b, vl))));
            while (mask) {
                const unsigned bit = unsigned(__builtin_ctz(mask));
                if (m <= 2 || std::memcmp(hay + i + bit + 1, needle + 1, m - 2) == 0) return hay + i + bit;
                mask &= mask - 1;
            }
        }
    }
#endif
    for (; i + m <= n; ++i)
        if (hay[i] == first && hay[i + m - 1] == last &&
            (m <= 2 || std::memcmp(hay + i + 1, needle + 1, m - 2) == 0))
            return hay + i;
    return nullptr;
}

// The start of the first NUL-terminated name in buf[from, to) that holds every byte of set[0, n)
// (n <= 8, distinct, no NUL), or `to`; `from` is the start of a name. A subsequence scan's prefilter:
// a name holding the letters in order holds each of them. It looks at 64 bytes at a time, so a name
// costs a few mask operations rather than a stop at each of its letters.
inline size_t findNameHolding(const char* buf, size_t from, size_t to, const char* set, size_t n) {
    const unsigned need = (1u << n) - 1;
    unsigned have = 0; // the bytes of the set seen in the current name so far
    size_t nameStart = from;
    size_t i = from;
#if defined(__SSE2__)
    auto mask64 = [](const char* p, char c) {
        const __m128i v = _mm_set1_epi8(c);
        quint64 m = 0;
        for (int k = 0; k < 4; ++k) {
            const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * k));
            m |= quint64(unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(x, v)))) << (16 * k);
        }
        return m;
    };
    for (; i + 64 <= to; i += 64) {
        quint64 nul = mask64(buf + i, '\0');
        quint64 found[8];
        for (size_t k = 0; k < n; ++k)
            found[k] = mask64(buf + i, set[k]);
        unsigned lo = 0; // where the current name starts in this block (0: carried over)
        for (;;) {
            const quint64 below = nul ? (nul & (0 - nul)) - 1 : ~quint64(0);
            const quint64 segment = lo >= 64 ? 0 : below & (~quint64(0) << lo);
            for (size_t k = 0; k < n; ++k)
                have |= unsigned((found[k] & segment) != 0) << k;
            if (!nul) break; // the name goes on in the next block
            if (have == need) return nameStart;
            const unsigned end = unsigned(__builtin_ctzll(nul));
            nameStart = i + end + 1;
            lo = end + 1;
            have = 0;
            nul &= nul - 1;
        }
    }
#endif
    for (; i < to; ++i) {
        const char c = buf[i];
        if (c == '\0') {
            if (have == need) return nameStart;
            have = 0;
            nameStart = i + 1;
            continue;
        }
        for (size_t k = 0; k < n; ++k)
            if (c == set[k]) have |= 1u << k;
    }
    return to;
}

} // namespace zarvo::index
