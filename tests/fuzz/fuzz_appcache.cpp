// Feeds arbitrary bytes to the reader of the installed applications' cache file. Whatever the file
// holds, the reader must not crash or reserve room for counts it does not hold; what it accepts comes
// back unchanged through a second encoding.

#include "FuzzSupport.h"
#include "platform/linux/CachedDesktopEntries.h"

using zarvo::fuzz::require;
using zarvo::linux_::CachedDesktopEntrySource;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const auto kept = CachedDesktopEntrySource::decode(bytes);
    if (!kept) return 0;
    const auto again = CachedDesktopEntrySource::decode(CachedDesktopEntrySource::encode(*kept));
    require(again && *again == *kept);
    return 0;
}
