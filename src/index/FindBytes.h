#pragma once

#include <cstddef>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace zarvo::index {

// The first occurrence of needle[0, m) in hay[0, n), or null; m >= 1. Tuned for the two ways the
// index searches: inside one short name (a plain loop beats a library call there), and across the
// whole folded-name buffer (sixteen positions at a time, testing a needle's first and last bytes
// before comparing the rest, which skips far more than memmem does on names).
inline const char* findBytes(const char* hay, size_t n, const char* needle, size_t m) {
    if (m > n) return nullptr;
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

// Where, in the NUL-separated names of buf[from, to), the first name holding want[0, m) as a
// subsequence completes it (the offset of its last byte), or `to`; m >= 1. Jumps from one wanted
// byte or name end to the next sixteen bytes at a time: a byte loop spends its time mispredicting.
inline size_t findSubsequence(const char* buf, size_t from, size_t to, const char* want, size_t m) {
    size_t k = 0;
    size_t i = from;
    while (i < to) {
        const char c = want[k];
#if defined(__SSE2__)
        const __m128i vc = _mm_set1_epi8(c), vz = _mm_setzero_si128();
        for (; i + 16 <= to; i += 16) {
            const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(buf + i));
            const unsigned mask =
                unsigned(_mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(x, vc), _mm_cmpeq_epi8(x, vz))));
            if (mask) {
                i += unsigned(__builtin_ctz(mask));
                break;
            }
        }
#endif
        while (i < to && buf[i] != c && buf[i] != '\0')
            ++i;
        if (i >= to) break;
        if (buf[i] == '\0')
            k = 0;
        else if (++k == m)
            return i;
        ++i;
    }
    return to;
}

} // namespace zarvo::index
