// Feeds arbitrary bytes to the file index's snapshot readers as a snapshot file. With the first byte
// odd, the header's size, hashes and trailer are made to match the bytes first, so the search reaches
// the arrays behind a well-formed header: a hostile file rather than a damaged one. The mapped reader
// must answer within the file whatever the arrays say; the full reader must accept only tables whose
// every index holds.

#include "FuzzSupport.h"
#include "index/Snapshot.h"
#include "index/SnapshotFormat.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstring>

using namespace zarvo::index;
using zarvo::fuzz::require;
namespace Format = zarvo::index::SnapshotFormat;

namespace {

const QString kFingerprint = QStringLiteral("roots=/r\nexcluded=");

// Hashes, size and trailer made to match, in the layout of the version the bytes claim.
void makeConsistent(QByteArray& bytes) {
    if (bytes.size() < 12) return;
    quint32 version;
    std::memcpy(&version, bytes.constData() + 8, 4);
    if (version < Format::kVersion2 || version > Format::kVersion) return;
    const quint64 headerSize = Format::headerSize(version);
    if (quint64(bytes.size()) < headerSize + sizeof(Format::Trailer)) return;
    constexpr size_t sectionsAt = offsetof(Format::Header, sections);
    Format::Header h{};
    std::memcpy(&h, bytes.constData(), sectionsAt);
    std::memcpy(h.sections, bytes.constData() + sectionsAt, size_t(headerSize) - sectionsAt - 8);
    h.fileSize = quint64(bytes.size());
    Format::Hash body;
    for (const auto& r : h.sections)
        if (r.offset <= h.fileSize && r.size <= h.fileSize - r.offset)
            body.add(bytes.constData() + r.offset, r.size);
    h.bodyHash = body.value();
    const QByteArray head = Format::encodeHeader(h);
    std::memcpy(bytes.data(), head.constData(), size_t(head.size()));
    std::memcpy(bytes.data() + bytes.size() - 8, &h.nonce, 8);
}

// Everything a query or a path lookup reads.
void walk(const IndexView& v) {
    size_t total = 0;
    for (quint64 r = 0; r < v.recordCount; ++r) {
        const char* name;
        size_t length;
        if (v.recordName(r, &name, &length)) total += length + (name[length] == '\0' ? 0 : 1);
    }
    if (v.recordKeys)
        for (quint64 r = 0; r < v.recordCount; ++r)
            total += (v.recordKeys[r].mtime & 1) + (v.recordType(r) & 1);
    QByteArray path;
    for (quint64 r = 0; r < v.recordCount; ++r)
        if (v.recordPath(r, &path)) total += size_t(path.size());
    if (v.grams)
        for (quint64 w = 0; w < v.gramWords * Format::kGramBits; ++w)
            total += v.grams[w] & 1;
    for (quint32 i = 0; i < v.entryCount && i < 4096; ++i) {
        total += size_t(v.pathBytes(i).size()) + size_t(v.foldedName(i).size()) + v.children(i).size();
        total += v.lastUsedOrModified(i) & 1;
        total += v.type(i) & 1;
    }
    total += v.roots().size();
    total += v.find(QStringLiteral("/r/a/b")) & 1;
    require(total < (size_t(1) << 62));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1 || size > (1u << 20)) return 0;
    static QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/cache/index.snapshot");
    QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    if (data[0] & 1) makeConsistent(bytes);
    QFile::remove(path);
    Format::makePrivateFolder(dir.path() + QStringLiteral("/cache"), nullptr);
    {
        QFile f(path);
        require(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    if (auto mapped = MappedSnapshot::open(path, kFingerprint)) {
        walk(mapped->view(false));
        walk(mapped->view(true));
    }
    IndexTable table;
    if (Snapshot::load(table, path, kFingerprint)) {
        // Accepted: used unchecked from here on, so every index must hold.
        for (quint32 i = 0; i < table.entries.size(); ++i) {
            const Entry& e = table.entries[i];
            require(e.parent == kNoEntry || e.parent < table.entries.size());
            // A name spelled as its folded form is read from the folded names (NUL-terminated); the
            // others lie back to back, ended by their length.
            if (e.nameOff == kNameInFolded)
                require(quint64(e.foldOff) + e.nameLen < quint64(table.folded.size()));
            else
                require(quint64(e.nameOff) + e.nameLen <= quint64(table.names.size()));
            (void)table.path(i);
        }
        walk(table.view());
    }
    return 0;
}
