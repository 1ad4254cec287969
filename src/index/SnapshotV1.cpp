// The first snapshot format: a header, the arrays one after the other, a checksum at the end; read
// whole. Only read now, so that an upgrade keeps its index until the next save writes the current one.
#include "index/Snapshot.h"

#include <QFile>
#include <cstring>

namespace zarvo::index::Snapshot {

namespace {

constexpr char kMagic[8] = {'Z', 'R', 'V', 'O', 'I', 'D', 'X', '\n'};

struct Header {
    char magic[8];
    quint32 version;
    quint32 entrySize;
    qint64 created;
    quint64 entries, names, folded, records, extras, lastUsed, types, fingerprint;
    quint32 deleted;
    quint32 reserved;
};

// A fast 64-bit mix over whole words in four independent lanes (so the multiplies overlap); catches
// truncation and bit rot, not an adversary.
struct Checksum {
    quint64 h = 0x9e3779b97f4a7c15ull;
    void add(const void* data, size_t n) {
        if (n == 0) return;
        const auto* p = static_cast<const unsigned char*>(data);
        size_t i = 0;
        quint64 lane[4] = {h, h ^ 1, h ^ 2, h ^ 3};
        for (; i + 32 <= n; i += 32)
            for (int k = 0; k < 4; ++k) {
                quint64 w;
                std::memcpy(&w, p + i + 8 * k, 8);
                lane[k] = (lane[k] ^ w) * 0xff51afd7ed558ccdull;
                lane[k] ^= lane[k] >> 29;
            }
        h = lane[0] ^ (lane[1] * 3) ^ (lane[2] * 5) ^ (lane[3] * 7);
        for (; i < n; ++i)
            h = (h ^ p[i]) * 0x100000001b3ull;
        h ^= n;
    }
};

class Reader {
public:
    explicit Reader(QFile& f) : m_file(f) {}
    bool read(void* data, size_t n) {
        if (n == 0) return true;
        if (m_file.read(static_cast<char*>(data), qint64(n)) != qint64(n)) return false;
        m_sum.add(data, n);
        return true;
    }
    quint64 sum() const { return m_sum.h; }

private:
    QFile& m_file;
    Checksum m_sum;
};

} // namespace

bool loadVersion1(IndexTable& out, const QString& path, const QString& fingerprint, QString* error) {
    auto fail = [error](const QString& why) {
        if (error) *error = why;
        return false;
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return fail(QStringLiteral("no snapshot"));
    const quint64 fileSize = quint64(file.size());
    Reader r(file);
    Header h{};
    if (!r.read(&h, sizeof h) || std::memcmp(h.magic, kMagic, sizeof kMagic) != 0)
        return fail(QStringLiteral("not an index snapshot"));
    if (h.version != 1 || h.entrySize != sizeof(Entry))
        return fail(QStringLiteral("snapshot of another version"));
    // Sizes must fit the file before anything is allocated.
    const quint64 needed = sizeof h + h.fingerprint + h.entries * sizeof(Entry) + h.names + h.folded +
                           h.records * sizeof(FoldRecord) + h.extras * 8 + h.lastUsed * 8 + 8;
    if (h.entries > 0xfffffff0ull || h.names > 0xffffffffull || h.folded > 0xffffffffull ||
        h.records > 0xfffffff0ull || h.types > 0x10000 || h.fingerprint > 1u << 20 || needed > fileSize ||
        h.extras > fileSize || h.lastUsed > fileSize)
        return fail(QStringLiteral("snapshot is truncated or corrupt"));
    QByteArray fp(qsizetype(h.fingerprint), Qt::Uninitialized);
    if (!r.read(fp.data(), size_t(fp.size()))) return fail(QStringLiteral("snapshot is truncated"));
    if (QString::fromUtf8(fp) != fingerprint) return fail(QStringLiteral("snapshot of other folders"));
    std::vector<ContentTypes::TypeId> typeMap;
    typeMap.reserve(h.types);
    for (quint64 i = 0; i < h.types; ++i) {
        quint16 len = 0;
        QByteArray mime;
        if (!r.read(&len, 2)) return fail(QStringLiteral("snapshot is truncated"));
        mime.resize(len);
        if (!r.read(mime.data(), len)) return fail(QStringLiteral("snapshot is truncated"));
        typeMap.push_back(ContentTypes::forMimeName(QString::fromUtf8(mime)));
    }
    IndexTable t;
    t.entries.resize(h.entries);
    // Exact allocations (resize() would leave growth room).
    t.names = QByteArray(qsizetype(h.names), Qt::Uninitialized);
    t.folded = QByteArray(qsizetype(h.folded), Qt::Uninitialized);
    std::vector<FoldRecord> records(h.records);
    std::vector<quint32> extras(h.extras * 2), used(h.lastUsed * 2);
    if (!r.read(t.entries.data(), h.entries * sizeof(Entry)) || !r.read(t.names.data(), h.names) ||
        !r.read(t.folded.data(), h.folded) || !r.read(records.data(), h.records * sizeof(FoldRecord)) ||
        !r.read(extras.data(), extras.size() * 4) || !r.read(used.data(), used.size() * 4))
        return fail(QStringLiteral("snapshot is truncated"));
    const quint64 sum = r.sum();
    quint64 stored = 0;
    if (file.read(reinterpret_cast<char*>(&stored), 8) != 8 || stored != sum)
        return fail(QStringLiteral("snapshot checksum mismatch"));

    const auto n = quint32(h.entries);
    for (size_t i = 0; i + 1 < extras.size(); i += 2) {
        if (extras[i] >= n || extras[i + 1] >= n) return fail(QStringLiteral("snapshot is corrupt"));
        t.extraChildren[extras[i]].append(extras[i + 1]);
    }
    for (size_t i = 0; i + 1 < used.size(); i += 2) {
        if (used[i] >= n) return fail(QStringLiteral("snapshot is corrupt"));
        t.lastUsed.insert(used[i], used[i + 1]);
    }
    t.deletedCount = std::min<quint32>(h.deleted, n);
    if (!checkTable(t, typeMap, error) || !checkRecords(records.data(), records.size(), t, error))
        return false;
    if (!t.putNamesInEntryOrder()) {
        if (error) *error = QStringLiteral("snapshot is corrupt");
        return false;
    }
    t.shareFoldedNames();
    out = std::move(t);
    return true;
}

} // namespace zarvo::index::Snapshot
