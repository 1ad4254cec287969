#pragma once

// Helpers shared by the fuzz targets.

#include <QList>
#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace zarvo::fuzz {

// The texts an input stands for: its bytes read as UTF-8 (what users type and paste) and as raw
// UTF-16 (which reaches lone surrogates and other strings UTF-8 decoding never makes).
inline QList<QString> texts(const uint8_t* data, size_t size) {
    QList<QString> out;
    out << QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    out << QString::fromUtf16(reinterpret_cast<const char16_t*>(data), qsizetype(size / 2));
    return out;
}

// Runs the check on each text of an input; longer inputs than maxSize are skipped (they slow the
// search down without reaching new code). Returns what libFuzzer expects of a target.
template <typename Check> int checkTexts(const uint8_t* data, size_t size, size_t maxSize, Check check) {
    if (size > maxSize) return 0;
    for (const QString& text : texts(data, size))
        check(text);
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
