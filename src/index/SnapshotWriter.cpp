// Snapshot::save: the table written section by section in the layout of SnapshotFormat.h.
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
#include <memory>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <utility>

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
    std::vector<quint64> keys; // inverted time, then index
    keys.reserve(n);
    for (quint32 i = 0; i < n; ++i)
        if (!(table.entries[i].flags & Entry::Deleted))
            keys.push_back((quint64(quint32(~table.entries[i].mtime)) << 32) | i);
    // A stable radix sort on the time, 16 bits a pass: the keys come in entry order, so ties stay in it
    // (several times faster than a comparison sort of a million keys).
    std::vector<quint64> sorted(keys.size());
    std::vector<quint32> at(65536);
    for (const int shift : {32, 48}) {
        std::fill(at.begin(), at.end(), 0);
        for (const quint64 k : keys)
            ++at[(k >> shift) & 0xffff];
        quint32 sum = 0;
        for (auto& bucket : at)
            sum += std::exchange(bucket, sum);
        for (const quint64 k : keys)
            sorted[at[(k >> shift) & 0xffff]++] = k;
        keys.swap(sorted);
    }
    std::vector<quint32> order;
    order.reserve(n);
    for (const quint64 k : keys)
        order.push_back(quint32(k));
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
    explicit Pieces(Writer& w) : m_w(w), m_buffer(new char[kSize]) {}
    ~Pieces() { flush(); }
    void add(const void* data, size_t n) {
        if (m_used + n > kSize) {
            flush();
            if (n > kSize) return m_w.append(data, n);
        }
        std::memcpy(m_buffer.get() + m_used, data, n);
        m_used += n;
    }
    void flush() {
        if (m_used) m_w.append(m_buffer.get(), m_used);
        m_used = 0;
    }

private:
    static constexpr size_t kSize = 1 << 20;
    Writer& m_w;
    std::unique_ptr<char[]> m_buffer;
    size_t m_used = 0;
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

// One snapshot being written: each section by its own step, in file order.
class SectionWriter {
public:
    SectionWriter(const IndexTable& table, int fd) : m_table(table), m_fd(fd), m_w(fd) {}
    // Everything but the header; false with `why` set when the names do not fit one snapshot.
    bool writeBody(const QString& fingerprint, QString* why);
    // The trailer, then the header over the blank one; false with `why` set when a write failed.
    bool finish(QString* why);

private:
    void writeIdentity(const QString& fingerprint);
    bool layOut();
    void writeEntries();
    void writeNames();
    void writeFolded();
    std::vector<quint64> gramRows() const;
    void writeRecords();
    void writeUse();
    void writeKeys();
    void writeFolders();
    void writeSpelled();
    const char* foldedOf(quint32 i) const { return m_table.folded.constData() + m_table.entries[i].foldOff; }

    const IndexTable& m_table;
    int m_fd;
    Writer m_w;
    Header m_h{};
    // Ranking order (newestFirst); the deleted entries come last, after `m_live` records.
    std::vector<quint32> m_order;
    size_t m_live = 0;
    // The new offsets of each entry's names, and of the folded names in ranking order.
    std::vector<quint32> m_foldOff, m_nameOff, m_recordOff;
    std::vector<quint32> m_folderOff; // each folder's offset in the Folders section, or kNoFolder
};

bool SectionWriter::writeBody(const QString& fingerprint, QString* why) {
    writeIdentity(fingerprint);
    // The folded names are rewritten newest first (names no entry uses any more are left out), so the
    // entries are written with their new offsets.
    m_order = newestFirst(m_table);
    // The grams of the names are gathered on a thread of their own while the sections before theirs
    // are written: they read the table alone.
    std::vector<quint64> grams;
    std::thread gathering([&] { grams = gramRows(); });
    if (!layOut()) {
        gathering.join();
        *why = QStringLiteral("too many names for one snapshot");
        return false;
    }
    m_h.flags = kFoldedNewestFirst;
    writeEntries();
    writeNames();
    writeFolded();
    writeRecords();
    writeUse();
    writeKeys();
    gathering.join();
    m_h.sections[Grams] = m_w.section(grams.data(), grams.size() * sizeof(quint64));
    writeFolders();
    writeSpelled();
    return true;
}

// The header's own fields, then the configuration's fingerprint and the content types.
void SectionWriter::writeIdentity(const QString& fingerprint) {
    // Type ids are per process: the snapshot names them by MIME type.
    QByteArray types;
    ContentTypes::TypeId maxId = ContentTypes::kFolder;
    for (const auto& e : m_table.entries)
        maxId = std::max(maxId, e.type);
    for (quint32 id = 0; id <= maxId; ++id) {
        types += ContentTypes::mimeName(ContentTypes::TypeId(id)).toUtf8();
        types += '\0';
    }
    const QByteArray fp = fingerprint.toUtf8();
    Header& h = m_h;
    std::memcpy(h.magic, kMagic, sizeof kMagic);
    h.version = kVersion;
    h.entrySize = sizeof(Entry);
    h.byteOrder = kByteOrder;
    h.created = QDateTime::currentSecsSinceEpoch();
    h.nonce = QRandomGenerator::system()->generate64();
    h.entryCount = quint32(m_table.entries.size());
    h.deletedCount = std::min<quint32>(m_table.deletedCount, h.entryCount);
    h.typeCount = quint32(maxId) + 1;
    const QByteArray blank(qsizetype(headerSize(kVersion)), '\0');
    m_w.put(blank.constData(), size_t(blank.size())); // written for real once the sections are known
    h.sections[Fingerprint] = m_w.section(fp.constData(), size_t(fp.size()));
    h.sections[Types] = m_w.section(types.constData(), size_t(types.size()));
}

// Where each name goes: the names too are in ranking order, so that the newest results' names lie
// together (see RecordPath). False when they would not fit 32-bit offsets.
bool SectionWriter::layOut() {
    const IndexTable& table = m_table;
    m_foldOff.assign(table.entries.size(), 0);
    m_nameOff.assign(table.entries.size(), 0);
    m_recordOff.assign(m_order.size(), 0); // foldOff in ranking order, read in that order
    quint64 foldedSize = 0, namesSize = 0;
    m_live = 0;
    inRankingOrder(
        table, m_order, [&](quint32 i) { return foldedOf(i); },
        [&](size_t r, quint32 i) {
            if (!(table.entries[i].flags & Entry::Deleted)) ++m_live;
            m_foldOff[i] = m_recordOff[r] = quint32(foldedSize);
            foldedSize += std::strlen(foldedOf(i)) + 1;
            m_nameOff[i] = quint32(namesSize);
            namesSize += quint64(table.entries[i].nameLen) + 1;
        });
    return foldedSize <= 0xffffffffull && namesSize <= 0xffffffffull;
}

void SectionWriter::writeEntries() {
    m_w.begin();
    {
        Pieces entries(m_w);
        for (size_t i = 0; i < m_table.entries.size(); ++i) {
            Entry e = m_table.entries[i];
            e.foldOff = m_foldOff[i];
            e.nameOff = m_nameOff[i];
            entries.add(&e, sizeof e);
        }
    }
    m_h.sections[Entries] = m_w.end();
}

void SectionWriter::writeNames() {
    const IndexTable& table = m_table;
    m_w.begin();
    {
        Pieces names(m_w);
        static const char terminator = '\0';
        auto nameOf = [&](quint32 i) { return table.name(i).data(); };
        inRankingOrder(table, m_order, nameOf, [&](size_t, quint32 i) {
            names.add(nameOf(i), table.entries[i].nameLen);
            names.add(&terminator, 1);
        });
    }
    m_h.sections[Names] = m_w.end();
}

void SectionWriter::writeFolded() {
    m_w.begin();
    {
        Pieces folded(m_w);
        inRankingOrder(
            m_table, m_order, [&](quint32 i) { return foldedOf(i); },
            [&](size_t, quint32 i) {
                const char* name = foldedOf(i);
                folded.add(name, std::strlen(name) + 1);
            });
    }
    m_h.sections[Folded] = m_w.end();
}

// Which blocks of records hold each gram of the folded names: each block's grams are gathered in a
// small bitmap, then spread over the rows.
std::vector<quint64> SectionWriter::gramRows() const {
    const quint64 gramWords = gramRowWords(m_order.size());
    std::vector<quint64> grams(size_t(gramWords) * kGramBits);
    unsigned char blockBits[kGramBits / 8];
    auto spreadBlock = [&](size_t block) {
        for (quint32 byte = 0; byte < kGramBits / 8; ++byte)
            for (unsigned bits = blockBits[byte]; bits; bits &= bits - 1) {
                const quint32 b = byte * 8 + quint32(__builtin_ctz(bits));
                grams[b * gramWords + block / 64] |= quint64(1) << (block % 64);
            }
    };
    inRankingOrder(
        m_table, m_order, [&](quint32 i) { return foldedOf(i); },
        [&](size_t r, quint32 i) {
            if (r % kGramBlockRecords == 0) std::memset(blockBits, 0, sizeof blockBits);
            const char* name = foldedOf(i);
            addGrams(blockBits, name, std::strlen(name));
            if ((r + 1) % kGramBlockRecords == 0 || r + 1 == m_order.size())
                spreadBlock(r / kGramBlockRecords);
        });
    return grams;
}

void SectionWriter::writeRecords() {
    m_w.begin();
    {
        Pieces records(m_w);
        for (size_t r = 0; r < m_order.size(); ++r) {
            const FoldRecord record{m_recordOff[r], r < m_live ? m_order[r] : kNoEntry};
            records.add(&record, sizeof record);
        }
    }
    m_h.sections[Records] = m_w.end();
}

// Children that arrived after their folder was listed, and last-used times.
void SectionWriter::writeUse() {
    std::vector<quint32> extras;
    for (auto it = m_table.extraChildren.constBegin(); it != m_table.extraChildren.constEnd(); ++it)
        for (auto child : *it) {
            extras.push_back(it.key());
            extras.push_back(child);
        }
    std::vector<quint32> used;
    for (auto it = m_table.lastUsed.constBegin(); it != m_table.lastUsed.constEnd(); ++it) {
        used.push_back(it.key());
        used.push_back(it.value());
    }
    m_h.sections[Extras] = m_w.section(extras.data(), extras.size() * 4);
    m_h.sections[LastUsed] = m_w.section(used.data(), used.size() * 4);
}

void SectionWriter::writeKeys() {
    const IndexTable& table = m_table;
    m_w.begin();
    {
        Pieces keys(m_w);
        auto entryOf = [&](quint32 i) { return &table.entries[i]; };
        inRankingOrder(table, m_order, entryOf, [&](size_t, quint32 i) {
            const Entry& e = table.entries[i];
            const RecordKey k{e.mtime, e.flags, e.type};
            keys.add(&k, sizeof k);
        });
    }
    m_h.sections[Keys] = m_w.end();
}

// Each folder holding a record, in the order the records first need them (the newest results' folders
// lie together), after its parent: its name and where its parent lies, as the entries give them, so a
// path read from here is the one the entries spell.
void SectionWriter::writeFolders() {
    const IndexTable& table = m_table;
    m_folderOff.assign(table.entries.size(), kNoFolder);
    auto parentsOffset = [&](quint32 i) {
        const quint32 parent = table.entries[i].parent;
        return &m_folderOff[parent < m_folderOff.size() ? parent : 0];
    };
    m_w.begin();
    {
        Pieces folders(m_w);
        const IndexView v = table.view();
        quint64 at = 0;
        static const char terminator = '\0';
        QVarLengthArray<quint32, 32> chain; // a folder and its ancestors not written yet
        inRankingOrder(table, m_order, parentsOffset, [&](size_t, quint32 i) {
            chain.clear();
            for (quint32 k = table.entries[i].parent;
                 v.has(k) && m_folderOff[k] == kNoFolder && chain.size() < 4096; k = table.entries[k].parent)
                chain.append(k);
            for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
                const quint32 parent = table.entries[*it].parent;
                const quint32 parentAt = v.has(parent) ? m_folderOff[parent] : kNoFolder;
                const QByteArrayView name = v.name(*it);
                // Its parent could not be written (a loop, or a full section): the entries spell it.
                if ((v.has(parent) && parentAt == kNoFolder) || at + 5 + quint64(name.size()) >= kNoFolder)
                    break;
                m_folderOff[*it] = quint32(at);
                folders.add(&parentAt, sizeof parentAt);
                folders.add(name.data(), size_t(name.size()));
                folders.add(&terminator, 1);
                at += sizeof parentAt + quint64(name.size()) + 1;
            }
        });
    }
    m_h.sections[Folders] = m_w.end();
}

void SectionWriter::writeSpelled() {
    const IndexTable& table = m_table;
    auto parentsOffset = [&](quint32 i) {
        const quint32 parent = table.entries[i].parent;
        return &m_folderOff[parent < m_folderOff.size() ? parent : 0];
    };
    m_w.begin();
    {
        Pieces spelled(m_w);
        quint32 nameAt = 0; // the names lie in this order
        inRankingOrder(table, m_order, parentsOffset, [&](size_t, quint32 i) {
            const Entry& e = table.entries[i];
            const RecordPath p{e.parent < m_folderOff.size() ? m_folderOff[e.parent] : kNoFolder, nameAt};
            nameAt += quint32(e.nameLen) + 1;
            spelled.add(&p, sizeof p);
        });
    }
    m_h.sections[Spelled] = m_w.end();
}

bool SectionWriter::finish(QString* why) {
    m_h.bodyHash = m_w.hash();
    Trailer trailer{};
    std::memcpy(trailer.magic, kEndMagic, sizeof kEndMagic);
    trailer.nonce = m_h.nonce;
    m_w.put(&trailer, sizeof trailer);
    m_h.fileSize = m_w.offset();
    const QByteArray head = encodeHeader(m_h);
    const bool written =
        m_w.ok() && ::pwrite(m_fd, head.constData(), size_t(head.size()), 0) == ssize_t(head.size());
    *why = m_w.ok() ? systemError() : m_w.error();
    return written;
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
    SectionWriter writer(table, fd);
    if (!writer.writeBody(fingerprint, &why)) {
        ::close(fd);
        ::unlink(temporary.constData());
        return fail(why);
    }
    bool written = writer.finish(&why);
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

} // namespace zarvo::index::Snapshot
