// Feeds arbitrary bytes to the readers of the clip store's files: the "clips.json" index and the
// binary property list data files. Whatever decodes must survive a write and a second read unchanged,
// and salvaging a damaged index must never yield a clip the bytes do not hold.

#include "FuzzSupport.h"
#include "clipboard/Clip.h"

using zarvo::fuzz::require;

namespace {

// Whether `part` is `whole` with some clips left out, the rest in their order.
bool isSubsequence(const QList<zarvo::Clip>& part, const QList<zarvo::Clip>& whole) {
    qsizetype at = 0;
    for (const zarvo::Clip& clip : part) {
        while (at < whole.size() && !(whole[at] == clip))
            ++at;
        if (at == whole.size()) return false;
        ++at;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zarvo;
    if (size < 1) return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    if (data[0] & 1) {
        if (auto items = ClipData::decode(bytes)) {
            const auto again = ClipData::decode(ClipData::encode(*items));
            require(again && *again == *items);
        }
        return 0;
    }
    // Salvage: every clip it keeps is named in the bytes; a whole index salvages as itself.
    const ClipIndex::Decoded read = ClipIndex::read(bytes);
    const QSet<QString> named = ClipIndex::namedIds(bytes);
    for (const Clip& clip : read.clips) {
        (void)clip.title();
        require(named.contains(Clip::idString(clip.id)));
    }
    if (!read.whole) return 0;
    // What is written back reads whole, with the members this version does not know.
    const QByteArray written = ClipIndex::encode(read.clips, read.extras);
    const ClipIndex::Decoded again = ClipIndex::read(written);
    require(again.whole && again.clips.size() == read.clips.size() && again.extras == read.extras);
    // Cut short where the first byte says, the written index salvages some clips, unaltered, in order.
    const qsizetype cut = written.size() * (data[0] >> 1) / 128;
    require(isSubsequence(ClipIndex::read(written.left(cut)).clips, again.clips));
    return 0;
}
