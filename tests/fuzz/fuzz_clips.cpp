// Feeds arbitrary bytes to the readers of the clip store's files: the "clips.json" index and the
// binary property list data files. Whatever decodes must survive a write and a second read unchanged.

#include "clipboard/Clip.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    if (data[0] & 1) {
        if (auto items = zarvo::ClipData::decode(bytes)) {
            const auto again = zarvo::ClipData::decode(zarvo::ClipData::encode(*items));
            if (!again || *again != *items) std::abort();
        }
    } else {
        if (auto clips = zarvo::ClipIndex::decode(bytes)) {
            for (const zarvo::Clip& clip : *clips)
                (void)clip.title();
            const auto again = zarvo::ClipIndex::decode(zarvo::ClipIndex::encode(*clips));
            if (!again || again->size() != clips->size()) std::abort();
        }
    }
    return 0;
}
