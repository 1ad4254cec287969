#pragma once

// Helpers shared by the fuzz targets.

#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace zarvo::fuzz {

// Runs the check on the input read as UTF-8 (what users type and paste) and as raw UTF-16 (which
// reaches lone surrogates UTF-8 decoding never makes); inputs over maxSize only slow the search down.
template <typename Check> int checkTexts(const uint8_t* data, size_t size, size_t maxSize, Check check) {
    if (size > maxSize) return 0;
    check(QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size)));
    check(QString::fromUtf16(reinterpret_cast<const char16_t*>(data), qsizetype(size / 2)));
    return 0;
}

// A broken property is a crash to the fuzzer, with the text that broke it.
inline void require(bool holds, const char* property, const QString& text) {
    if (holds) return;
    std::fprintf(stderr, "property failed: %s\ninput: %s\n", property, qPrintable(text));
    std::abort();
}
inline void require(bool holds) {
    if (!holds) std::abort();
}

} // namespace zarvo::fuzz
