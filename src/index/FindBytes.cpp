#include "index/FindBytes.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define ZARVO_WIDE_SCAN 1
#endif

namespace zarvo::index {

#if defined(ZARVO_WIDE_SCAN)
namespace {

__attribute__((target("avx2"))) const char* findAvx2(const char* hay, size_t n, const char* needle,
                                                     size_t m) {
    const __m256i vf = _mm256_set1_epi8(needle[0]), vl = _mm256_set1_epi8(needle[m - 1]);
    size_t i = 0;
    for (; i + m - 1 + 32 <= n; i += 32) {
        const __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(hay + i));
        const __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(hay + i + m - 1));
        auto mask = unsigned(
            _mm256_movemask_epi8(_mm256_and_si256(_mm256_cmpeq_epi8(a, vf), _mm256_cmpeq_epi8(b, vl))));
        while (mask) {
            const auto bit = unsigned(__builtin_ctz(mask));
            if (m <= 2 || std::memcmp(hay + i + bit + 1, needle + 1, m - 2) == 0) return hay + i + bit;
            mask &= mask - 1;
        }
    }
    // The tail, shorter than a block: the narrow scan (which never comes back here for it).
    for (; i + m <= n; ++i)
        if (hay[i] == needle[0] && hay[i + m - 1] == needle[m - 1] &&
            (m <= 2 || std::memcmp(hay + i + 1, needle + 1, m - 2) == 0))
            return hay + i;
    return nullptr;
}

bool hasAvx2() {
    static const bool has = [] {
        __builtin_cpu_init(); // may run before the runtime's own initialisation has
        return __builtin_cpu_supports("avx2") != 0;
    }();
    return has;
}

} // namespace
#endif

const char* findBytesWide(const char* hay, size_t n, const char* needle, size_t m, bool* done) {
#if defined(ZARVO_WIDE_SCAN)
    if (hasAvx2()) {
        *done = true;
        return findAvx2(hay, n, needle, m);
    }
#else
    (void)hay, (void)n, (void)needle, (void)m;
#endif
    *done = false;
    return nullptr;
}

} // namespace zarvo::index
