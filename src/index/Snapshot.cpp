#include "index/Snapshot.h"

#include "index/SnapshotFormat.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zarvo::index::Snapshot {

using namespace SnapshotFormat;

namespace {

QString systemError() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Writes sections one after the other, each aligned to 8, hashing their bytes.
class Writer {
public:
    explicit Writer(int fd) : m_fd(fd) {}
    Range section(const void* data, size_t n) {
        begin();
        append(data, n);
        return end();
    }
    // A section written in pieces: begin(), append() as often as needed, end().
    void begin() {
        static const char zeros[8] = {};
        if (m_offset % 8) put(zeros, size_t(8 - m_offset % 8));
        m_start = m_offset;
    }
    void append(const void* data, size_t n) {
        m_hash.add(data, n);
        put(data, n);
    }
    Range end() const { return Range{m_start, m_offset - m_start}; }
    void put(const void* data, size_t n) {
        const auto* p = static_cast<const char*>(data);
        while (n > 0 && m_ok) {
            const ssize_t w = ::write(m_fd, p, std::min<size_t>(n, 1u << 30));
            if (w < 0 && errno == EINTR) continue;
            if (w <= 0) {
                m_ok = false;
                m_error = systemError();
                break;
            }
            p += w;
            n -= size_t(w);
            m_offset += quint64(w);
        }
    }
    bool ok() const { return m_ok; }
    const QString& error() const { return m_error; }
    quint64 offset() const { return m_offset; }
    quint64 hash() const { return m_hash.value(); }

private:
    int m_fd;
    quint64 m_offset = 0;
    quint64 m_start = 0;
    Hash m_hash;
    bool m_ok = true;
    QString m_error;
};

// The order folded names are written in: live entries newest first, ties in entry order (the order
// queries rank them in), deleted entries last. A query reading the file in place then meets the best
// candidates first and stops once nothing after them can rank.
std::vector<quint32> newestFirst(const IndexTable& table) {
    const auto n = quint32(table.entries.size());
    std::vector<quint32> order;
    order.reserve(n);
    {
        std::vector<quint64> keys; // inverted time, then index: ascending order is the wanted one
        keys.reserve(n);
        for (quint32 i = 0; i < n; ++i)
            if (!(table.entries[i].flags & Entry::Deleted))
                keys.push_back((quint64(quint32(~table.entries[i].mtime)) << 32) | i);
        std::sort(keys.begin(), keys.end());
        for (const quint64 k : keys)
            order.push_back(quint32(k));
    }
    for (quint32 i = 0; i < n; ++i)
        if (table.entries[i].flags & Entry::Deleted) order.push_back(i);
    return order;
}

// The records' entries lie anywhere in the table, and so do their names: a pass over them in ranking
// order asks for each entry some records ahead, and for what the pass reads through it (`ahead`) a
// few records nearer, rather than waiting on memory at every record.
template <typename Ahead, typename Visit>
void inRankingOrder(const IndexTable& table, const std::vector<quint32>& order, Ahead ahead, Visit visit) {
    constexpr size_t kFar = 16, kNear = 8;
    const size_t n = order.size();
    for (size_t r = 0; r < n; ++r) {
        if (r + kFar < n) __builtin_prefetch(&table.entries[order[r + kFar]]);
        if (r + kNear < n) __builtin_prefetch(ahead(order[r + kNear]));
        visit(r, order[r]);
    }
}

// Buffers small appends into large writes.
class Pieces {
public:
    explicit Pieces(Writer& w) : m_w(w) { m_buffer.reserve(kSize); }
    ~Pieces() { flush(); }
    void add(const void* data, size_t n) {
        if (m_buffer.size() + n > kSize) flush();
        const auto* p = static_cast<const char*>(data);
        m_buffer.insert(m_buffer.end(), p, p + n);
    }
    void flush() {
        if (!m_buffer.empty()) m_w.append(m_buffer.data(), m_buffer.size());
        m_buffer.clear();
    }

private:
    static constexpr size_t kSize = 1 << 20;
    Writer& m_w;
    std::vector<char> m_buffer;
};

// Opens a new file readable by its owner only from the first instant (umask can only narrow 0600).
int createPrivate(const QByteArray& path) {
    for (int attempt = 0; attempt < 2; ++attempt) {
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd >= 0 || errno != EEXIST) return fd;
        ::unlink(path.constData()); // left by a process of the same id that did not finish
    }
    return -1;
}

} // namespace

bool save(const IndexTable& table, const QString& path, const QString& fingerprint, QString* error) {
    auto fail = [error](const QString& why) {
        if (error) *error = why;
        return false;
    };
    QString why;
    if (!makePrivateFolder(QFileInfo(path).absolutePath(), &why)) return fail(why);
    // A temporary file renamed over the old one: readers see the old or the new snapshot, never a mix.
    // No fsync: this is a cache, and a torn file fails its checks and is rebuilt.
    const QByteArray target = QFile::encodeName(path);
    const QByteArray temporary = target + ".tmp-" + QByteArray::number(QCoreApplication::applicationPid());
    const int fd = createPrivate(temporary);
    if (fd < 0) return fail(systemError());

    // Type ids are per process: the snapshot names them by MIME type.
    QByteArray types;
    ContentTypes::TypeId maxId = ContentTypes::kFolder;
    for (const auto& e : table.entries)
        maxId = std::max(maxId, e.type);
    for (quint32 id = 0; id <= maxId; ++id) {
        types += ContentTypes::mimeName(ContentTypes::TypeId(id)).toUtf8();
        types += '\0';
    }
    std::vector<quint32> extras;
    for (auto it = table.extraChildren.constBegin(); it != table.extraChildren.constEnd(); ++it)
        for (auto child : *it) {
            extras.push_back(it.key());
            extras.push_back(child);
        }
    std::vector<quint32> used;
    for (auto it = table.lastUsed.constBegin(); it != table.lastUsed.constEnd(); ++it) {
        used.push_back(it.key());
        used.push_back(it.value());
    }
    const QByteArray fp = fingerprint.toUtf8();

    Header h{};
    std::memcpy(h.magic, kMagic, sizeof kMagic);
    h.version = kVersion;
    h.entrySize = sizeof(Entry);
    h.byteOrder = kByteOrder;
    h.created = QDateTime::currentSecsSinceEpoch();
    h.nonce = QRandomGenerator::system()->generate64();
    h.entryCount = quint32(table.entries.size());
    h.deletedCount = std::min<quint32>(table.deletedCount, h.entryCount);
    h.typeCount = quint32(maxId) + 1;

    Writer w(fd);
    const QByteArray blank(qsizetype(headerSize(kVersion)), '\0');
    w.put(blank.constData(), size_t(blank.size())); // written for real once the sections are known
    h.sections[Fingerprint] = w.section(fp.constData(), size_t(fp.size()));
    h.sections[Types] = w.section(types.constData(), size_t(types.size()));
    // The folded names are rewritten newest first (names no entry uses any more are left out), so the
    // entries are written with their new offsets.
    const std::vector<quint32> order = newestFirst(table);
    auto foldedOf = [&](quint32 i) { return table.folded.constData() + table.entries[i].foldOff; };
    // The names too, so that the newest results' names lie together (see RecordPath).
    std::vector<quint32> foldOff(table.entries.size()), nameOff(table.entries.size());
    std::vector<quint32> recordOff(order.size()); // foldOff in ranking order, read in that order
    quint64 foldedSize = 0, namesSize = 0;
    size_t live = 0; // the deleted entries come last
    inRankingOrder(table, order, foldedOf, [&](size_t r, quint32 i) {
        if (!(table.entries[i].flags & Entry::Deleted)) ++live;
        foldOff[i] = recordOff[r] = quint32(foldedSize);
        foldedSize += std::strlen(foldedOf(i)) + 1;
        nameOff[i] = quint32(namesSize);
        namesSize += quint64(table.entries[i].nameLen) + 1;
    });
    if (foldedSize > 0xffffffffull || namesSize > 0xffffffffull) {
        ::close(fd);
        ::unlink(temporary.constData());
        return fail(QStringLiteral("too many names for one snapshot"));
    }
    h.flags = kFoldedNewestFirst;
    w.begin();
    {
        Pieces entries(w);
        for (size_t i = 0; i < table.entries.size(); ++i) {
            Entry e = table.entries[i];
            e.foldOff = foldOff[i];
            e.nameOff = nameOff[i];
            entries.add(&e, sizeof e);
        }
    }
    h.sections[Entries] = w.end();
    w.begin();
    {
        Pieces names(w);
        static const char terminator = '\0';
        auto nameOf = [&](quint32 i) { return table.names.constData() + table.entries[i].nameOff; };
        inRankingOrder(table, order, nameOf, [&](size_t, quint32 i) {
            names.add(nameOf(i), table.entries[i].nameLen);
            names.add(&terminator, 1);
        });
    }
    h.sections[Names] = w.end();
    // Each block's grams are gathered in a small bitmap, then spread over the rows.
    const quint64 gramWords = gramRowWords(order.size());
    std::vector<quint64> grams(size_t(gramWords) * kGramBits);
    unsigned char blockBits[kGramBits / 8];
    auto spreadBlock = [&](size_t block) {
        for (quint32 byte = 0; byte < kGramBits / 8; ++byte)
            for (unsigned bits = blockBits[byte]; bits; bits &= bits - 1) {
                const quint32 b = byte * 8 + quint32(__builtin_ctz(bits));
                grams[b * gramWords + block / 64] |= quint64(1) << (block % 64);
            }
    };
    w.begin();
    {
        Pieces folded(w);
        inRankingOrder(table, order, foldedOf, [&](size_t r, quint32 i) {
            if (r % kGramBlockRecords == 0) std::memset(blockBits, 0, sizeof blockBits);
            const char* name = foldedOf(i);
            const size_t length = std::strlen(name);
            folded.add(name, length + 1);
            addGrams(blockBits, name, length);
            if ((r + 1) % kGramBlockRecords == 0 || r + 1 == order.size()) spreadBlock(r / kGramBlockRecords);
        });
    }
    h.sections[Folded] = w.end();
    w.begin();
    {
        Pieces records(w);
        for (size_t r = 0; r < order.size(); ++r) {
            const FoldRecord record{recordOff[r], r < live ? order[r] : kNoEntry};
            records.add(&record, sizeof record);
        }
    }
    h.sections[Records] = w.end();
    h.sections[Extras] = w.section(extras.data(), extras.size() * 4);
    h.sections[LastUsed] = w.section(used.data(), used.size() * 4);
    w.begin();
    {
        Pieces keys(w);
        auto entryOf = [&](quint32 i) { return &table.entries[i]; };
        inRankingOrder(table, order, entryOf, [&](size_t, quint32 i) {
            const Entry& e = table.entries[i];
            const RecordKey k{e.mtime, e.flags, e.type};
            keys.add(&k, sizeof k);
        });
    }
    h.sections[Keys] = w.end();
    h.sections[Grams] = w.section(grams.data(), grams.size() * sizeof(quint64));
    // Each folder holding a record, in the order the records first need them (the newest results'
    // folders lie together), after its parent: its name and where its parent lies, as the entries
    // give them, so a path read from here is the one the entries spell.
    std::vector<quint32> folderOff(table.entries.size(), kNoFolder);
    auto parentsOffset = [&](quint32 i) {
        const quint32 parent = table.entries[i].parent;
        return &folderOff[parent < folderOff.size() ? parent : 0];
    };
    w.begin();
    {
        Pieces folders(w);
        const IndexView v = table.view();
        quint64 at = 0;
        static const char terminator = '\0';
        QVarLengthArray<quint32, 32> chain; // a folder and its ancestors not written yet
        inRankingOrder(table, order, parentsOffset, [&](size_t, quint32 i) {
            chain.clear();
            for (quint32 k = table.entries[i].parent;
                 v.has(k) && folderOff[k] == kNoFolder && chain.size() < 4096; k = table.entries[k].parent)
                chain.append(k);
            for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
                const quint32 parent = table.entries[*it].parent;
                const quint32 parentAt = v.has(parent) ? folderOff[parent] : kNoFolder;
                const QByteArrayView name = v.name(*it);
                // Its parent could not be written (a loop, or a full section): the entries spell it.
                if ((v.has(parent) && parentAt == kNoFolder) || at + 5 + quint64(name.size()) >= kNoFolder)
                    break;
                folderOff[*it] = quint32(at);
                folders.add(&parentAt, sizeof parentAt);
                folders.add(name.data(), size_t(name.size()));
                folders.add(&terminator, 1);
                at += sizeof parentAt + quint64(name.size()) + 1;
            }
        });
    }
    h.sections[Folders] = w.end();
    w.begin();
    {
        Pieces spelled(w);
        quint32 nameAt = 0; // the names lie in this order
        inRankingOrder(table, order, parentsOffset, [&](size_t, quint32 i) {
            const Entry& e = table.entries[i];
            const RecordPath p{e.parent < folderOff.size() ? folderOff[e.parent] : kNoFolder, nameAt};
            nameAt += quint32(e.nameLen) + 1;
            spelled.add(&p, sizeof p);
        });
    }
    h.sections[Spelled] = w.end();
    h.bodyHash = w.hash();
    Trailer trailer{};
    std::memcpy(trailer.magic, kEndMagic, sizeof kEndMagic);
    trailer.nonce = h.nonce;
    w.put(&trailer, sizeof trailer);
    h.fileSize = w.offset();
    const QByteArray head = encodeHeader(h);
    bool written = w.ok() && ::pwrite(fd, head.constData(), size_t(head.size()), 0) == ssize_t(head.size());
    why = w.ok() ? systemError() : w.error();
    if (::close(fd) != 0 && written) {
        written = false;
        why = systemError();
    }
    if (!written || ::rename(temporary.constData(), target.constData()) != 0) {
        if (written) why = systemError();
        ::unlink(temporary.constData());
        return fail(why);
    }
    return true;
}

bool load(IndexTable& table, const QString& path, const QString& fingerprint, QString* error) {
    // The version decides the reader; the first format cannot be mapped.
    {
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        if (fd < 0) {
            if (error) *error = QStringLiteral("no snapshot");
            return false;
        }
        char head[12] = {};
        const bool privateFile = checkPrivate(fd, path, error);
        const bool read = ::pread(fd, head, sizeof head, 0) == ssize_t(sizeof head);
        ::close(fd);
        if (!privateFile) return false;
        quint32 version = 0;
        std::memcpy(&version, head + 8, 4);
        if (read && std::memcmp(head, kMagic, sizeof kMagic) == 0 && version == 1)
            return loadVersion1(table, path, fingerprint, error);
    }
    const auto mapped = MappedSnapshot::open(path, fingerprint, error);
    return mapped && mapped->copyInto(table, error);
}

bool checkTable(IndexTable& t, const std::vector<ContentTypes::TypeId>& typeMap, QString* error) {
    auto fail = [error] {
        if (error) *error = QStringLiteral("snapshot is corrupt");
        return false;
    };
    const auto n = quint32(t.entries.size());
    const auto names = quint64(t.names.size()), folded = quint64(t.folded.size());
    for (auto& e : t.entries) {
        if ((e.parent != kNoEntry && e.parent >= n) || quint64(e.nameOff) + e.nameLen >= names ||
            e.foldOff >= folded || e.type >= typeMap.size())
            return fail();
        if (e.parent == kNoEntry && !(e.flags & Entry::Root)) return fail();
        if ((e.flags & Entry::Dir) && quint64(e.firstChild()) + e.childCount() > n) return fail();
        e.type = typeMap[e.type];
    }
    if (!t.folded.isEmpty() && t.folded.back() != '\0') return fail();
    quint32 prev = 0;
    for (size_t i = 0; i < t.foldRecords.size(); ++i) {
        const auto& rec = t.foldRecords[i];
        if (rec.off >= folded || (i > 0 && rec.off <= prev) || (rec.entry != kNoEntry && rec.entry >= n))
            return fail();
        prev = rec.off;
    }
    for (auto it = t.extraChildren.cbegin(); it != t.extraChildren.cend(); ++it)
        for (auto child : *it)
            if (it.key() >= n || child >= n) return fail();
    for (auto it = t.lastUsed.cbegin(); it != t.lastUsed.cend(); ++it)
        if (it.key() >= n) return fail();
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
        if (k != kNoEntry && state[k] == 1) return fail();
        for (auto w : walk)
            state[w] = 2;
    }
    t.deletedCount = std::min<quint32>(t.deletedCount, n);
    return true;
}

} // namespace zarvo::index::Snapshot
