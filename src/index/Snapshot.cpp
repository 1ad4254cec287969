#include "index/Snapshot.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
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

class Writer {
public:
    explicit Writer(QFile& f) : m_file(f) {}
    void write(const void* data, size_t n) {
        m_sum.add(data, n);
        if (n && m_file.write(static_cast<const char*>(data), qint64(n)) != qint64(n)) m_ok = false;
    }
    bool ok() const { return m_ok; }
    quint64 sum() const { return m_sum.h; }

private:
    QFile& m_file;
    Checksum m_sum;
    bool m_ok = true;
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

bool save(const IndexTable& table, const QString& path, const QString& fingerprint, QString* error) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    // A temporary file renamed over the old one: readers see the old or the new snapshot, never a mix.
    // No fsync (QSaveFile would): this is a cache, and a torn file fails its checksum and is rebuilt.
    const QString temporary =
        path + QStringLiteral(".tmp-") + QString::number(QCoreApplication::applicationPid());
    QFile file(temporary);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        if (error) *error = file.errorString();
        return false;
    }
    // Type ids are per process: the snapshot names them by MIME type.
    std::vector<QByteArray> types;
    quint32 typeCount = 0;
    {
        ContentTypes::TypeId maxId = 0;
        for (const auto& e : table.entries)
            maxId = std::max(maxId, e.type);
        for (quint32 id = 0; id <= maxId; ++id) {
            types.push_back(ContentTypes::mimeName(ContentTypes::TypeId(id)).toUtf8());
        }
        typeCount = quint32(maxId) + 1;
    }
    QByteArray extras;
    quint64 extraCount = 0;
    for (auto it = table.extraChildren.constBegin(); it != table.extraChildren.constEnd(); ++it)
        for (auto child : *it) {
            const quint32 pair[2] = {it.key(), child};
            extras.append(reinterpret_cast<const char*>(pair), sizeof pair);
            ++extraCount;
        }
    QByteArray used;
    for (auto it = table.lastUsed.constBegin(); it != table.lastUsed.constEnd(); ++it) {
        const quint32 pair[2] = {it.key(), it.value()};
        used.append(reinterpret_cast<const char*>(pair), sizeof pair);
    }
    const QByteArray fp = fingerprint.toUtf8();

    Header h{};
    std::memcpy(h.magic, kMagic, sizeof kMagic);
    h.version = kVersion;
    h.entrySize = sizeof(Entry);
    h.created = QDateTime::currentSecsSinceEpoch();
    h.entries = table.entries.size();
    h.names = quint64(table.names.size());
    h.folded = quint64(table.folded.size());
    h.records = table.foldRecords.size();
    h.extras = extraCount;
    h.lastUsed = quint64(table.lastUsed.size());
    h.types = typeCount;
    h.fingerprint = quint64(fp.size());
    h.deleted = table.deletedCount;

    Writer w(file);
    w.write(&h, sizeof h);
    w.write(fp.constData(), size_t(fp.size()));
    // Piece by piece, as load() reads it: the checksum depends on the pieces.
    for (const auto& mime : types) {
        const auto len = quint16(mime.size());
        w.write(&len, 2);
        w.write(mime.constData(), len);
    }
    w.write(table.entries.data(), table.entries.size() * sizeof(Entry));
    w.write(table.names.constData(), size_t(table.names.size()));
    w.write(table.folded.constData(), size_t(table.folded.size()));
    w.write(table.foldRecords.data(), table.foldRecords.size() * sizeof(FoldRecord));
    w.write(extras.constData(), size_t(extras.size()));
    w.write(used.constData(), size_t(used.size()));
    const quint64 sum = w.sum();
    const bool written = w.ok() && file.write(reinterpret_cast<const char*>(&sum), 8) == 8 && file.flush();
    const QString why = file.errorString();
    file.close();
    if (!written ||
        ::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(path).constData()) != 0) {
        if (error) *error = written ? QString::fromLocal8Bit(std::strerror(errno)) : why;
        QFile::remove(temporary);
        return false;
    }
    return true;
}

bool load(IndexTable& out, const QString& path, const QString& fingerprint, QString* error) {
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
    if (h.version != kVersion || h.entrySize != sizeof(Entry))
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
    t.foldRecords.resize(h.records);
    std::vector<quint32> extras(h.extras * 2), used(h.lastUsed * 2);
    if (!r.read(t.entries.data(), h.entries * sizeof(Entry)) || !r.read(t.names.data(), h.names) ||
        !r.read(t.folded.data(), h.folded) || !r.read(t.foldRecords.data(), h.records * sizeof(FoldRecord)) ||
        !r.read(extras.data(), extras.size() * 4) || !r.read(used.data(), used.size() * 4))
        return fail(QStringLiteral("snapshot is truncated"));
    const quint64 sum = r.sum();
    quint64 stored = 0;
    if (file.read(reinterpret_cast<char*>(&stored), 8) != 8 || stored != sum)
        return fail(QStringLiteral("snapshot checksum mismatch"));

    // Structure: every index and offset in range, so a table that passed can be used unchecked.
    const auto n = quint32(h.entries);
    for (auto& e : t.entries) {
        if ((e.parent != kNoEntry && e.parent >= n) || quint64(e.nameOff) + e.nameLen >= h.names ||
            e.foldOff >= h.folded || e.type >= typeMap.size())
            return fail(QStringLiteral("snapshot is corrupt"));
        if (e.parent == kNoEntry && !(e.flags & Entry::Root))
            return fail(QStringLiteral("snapshot is corrupt"));
        e.type = typeMap[e.type];
    }
    if (!t.folded.isEmpty() && t.folded.back() != '\0') return fail(QStringLiteral("snapshot is corrupt"));
    quint32 prev = 0;
    for (size_t i = 0; i < t.foldRecords.size(); ++i) {
        const auto& rec = t.foldRecords[i];
        if (rec.off >= h.folded || (i > 0 && rec.off <= prev) || (rec.entry != kNoEntry && rec.entry >= n))
            return fail(QStringLiteral("snapshot is corrupt"));
        prev = rec.off;
    }
    for (size_t i = 0; i + 1 < extras.size(); i += 2) {
        if (extras[i] >= n || extras[i + 1] >= n) return fail(QStringLiteral("snapshot is corrupt"));
        t.extraChildren[extras[i]].append(extras[i + 1]);
    }
    for (size_t i = 0; i + 1 < used.size(); i += 2) {
        if (used[i] >= n) return fail(QStringLiteral("snapshot is corrupt"));
        t.lastUsed.insert(used[i], used[i + 1]);
    }
    t.deletedCount = std::min<quint32>(h.deleted, n);
    // A parent chain that loops would hang path building: colour the chains (0 unseen, 1 on the
    // current walk, 2 reaches a root).
    std::vector<quint8> state(n, 0);
    std::vector<quint32> walk;
    for (quint32 i = 0; i < n; ++i) {
        walk.clear();
        quint32 k = i;
        while (k != kNoEntry && state[k] == 0) {
            state[k] = 1;
            walk.push_back(k);
            k = t.entries[k].parent;
        }
        if (k != kNoEntry && state[k] == 1) return fail(QStringLiteral("snapshot is corrupt"));
        for (auto w : walk)
            state[w] = 2;
    }
    out = std::move(t);
    return true;
}

} // namespace zarvo::index::Snapshot
