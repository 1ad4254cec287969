#include "index/Snapshot.h"
#include "index/SnapshotFormat.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zarvo::index {

using namespace SnapshotFormat;

std::unique_ptr<MappedSnapshot> MappedSnapshot::open(const QString& path, const QString& fingerprint,
                                                     QString* error) {
    auto fail = [error](const QString& why) {
        if (error) *error = why;
        return nullptr;
    };
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) return fail(QStringLiteral("no snapshot"));
    QString why;
    struct stat st {};
    if (!checkPrivate(fd, path, &why) || ::fstat(fd, &st) != 0) {
        ::close(fd);
        return fail(why);
    }
    const auto size = quint64(st.st_size);
    if (size < headerSize(kVersion2) + sizeof(Trailer)) {
        ::close(fd);
        return fail(QStringLiteral("snapshot is truncated"));
    }
    void* map = ::mmap(nullptr, size_t(size), PROT_READ, MAP_SHARED, fd, 0);
    if (map == MAP_FAILED) {
        ::close(fd);
        return fail(QString::fromLocal8Bit(std::strerror(errno)));
    }
    std::unique_ptr<MappedSnapshot> s(new MappedSnapshot);
    s->m_fd = fd;
    s->m_base = static_cast<const char*>(map);
    s->m_size = size;

    Header& h = s->m_header;
    if (!readHeader(s->m_base, size, &h, &why)) return fail(why);
    Trailer trailer;
    std::memcpy(&trailer, s->m_base + size - sizeof trailer, sizeof trailer);
    if (std::memcmp(trailer.magic, kEndMagic, sizeof kEndMagic) != 0 || trailer.nonce != h.nonce)
        return fail(QStringLiteral("snapshot is torn"));
    auto bytes = [&](Section section) {
        const Range& r = h.sections[section];
        return QByteArrayView(s->m_base + r.offset, qsizetype(r.size));
    };
    if (bytes(Fingerprint) != fingerprint.toUtf8()) return fail(QStringLiteral("snapshot of other folders"));
    const QByteArrayView folded = bytes(Folded);
    if (!folded.isEmpty() && folded.back() != '\0') return fail(QStringLiteral("snapshot names are corrupt"));
    const QByteArrayView folders = bytes(Folders);
    if (!folders.isEmpty() && folders.back() != '\0')
        return fail(QStringLiteral("snapshot folders are corrupt"));
    const QByteArrayView types = bytes(Types);
    if (!types.isEmpty() && types.back() != '\0') return fail(QStringLiteral("snapshot types are corrupt"));
    for (qsizetype at = 0; at < types.size();) {
        const qsizetype end = types.indexOf('\0', at);
        s->m_typeNames << types.sliced(at, end - at).toByteArray();
        at = end + 1;
    }
    if (quint32(s->m_typeNames.size()) != h.typeCount)
        return fail(QStringLiteral("snapshot types are corrupt"));

    // The small sections are read now; an index out of range is a damaged file.
    const quint32 n = h.entryCount;
    const QByteArrayView extras = bytes(Extras), used = bytes(LastUsed);
    for (qsizetype at = 0; at < extras.size(); at += 8) {
        quint32 pair[2];
        std::memcpy(pair, extras.data() + at, 8);
        if (pair[0] >= n || pair[1] >= n) return fail(QStringLiteral("snapshot is corrupt"));
        s->m_extraChildren[pair[0]].append(pair[1]);
    }
    for (qsizetype at = 0; at < used.size(); at += 8) {
        quint32 pair[2];
        std::memcpy(pair, used.data() + at, 8);
        if (pair[0] >= n) return fail(QStringLiteral("snapshot is corrupt"));
        s->m_lastUsed.insert(pair[0], pair[1]);
    }
    s->m_deleted = h.deletedCount;
    s->m_newestFirst = h.flags & kFoldedNewestFirst;

    IndexView& v = s->m_view;
    v.entries = reinterpret_cast<const Entry*>(s->m_base + h.sections[Entries].offset);
    v.entryCount = n;
    v.names = bytes(Names).data();
    v.namesSize = h.sections[Names].size;
    v.folded = folded.data();
    v.foldedSize = quint64(folded.size());
    v.records = reinterpret_cast<const FoldRecord*>(s->m_base + h.sections[Records].offset);
    v.recordCount = h.sections[Records].size / sizeof(FoldRecord);
    if (s->m_newestFirst)
        v.recordKeys = reinterpret_cast<const RecordKey*>(s->m_base + h.sections[Keys].offset);
    if (h.sections[Grams].size > 0) {
        v.grams = reinterpret_cast<const quint64*>(s->m_base + h.sections[Grams].offset);
        v.gramWords = gramRowWords(v.recordCount);
    }
    if (h.sections[Spelled].size > 0) {
        v.folders = folders.data();
        v.foldersSize = quint64(folders.size());
        v.recordPaths = reinterpret_cast<const RecordPath*>(s->m_base + h.sections[Spelled].offset);
    }
    v.extraChildren = &s->m_extraChildren;
    v.lastUsed = &s->m_lastUsed;
    // Names are read only to spell out the paths of results: a page each, never their neighbours.
    s->advise(v.names, v.names + v.namesSize, MADV_RANDOM);
    // In ranking order, the entries of the names a scan meets lie anywhere in the array.
    if (s->m_newestFirst) s->advise(v.entries, v.entries + v.entryCount, MADV_RANDOM);
    return s;
}

MappedSnapshot::~MappedSnapshot() {
    if (m_base) ::munmap(const_cast<char*>(m_base), size_t(m_size));
    if (m_fd >= 0) ::close(m_fd);
}

std::vector<quint64> MappedSnapshot::gramBlocks(const std::vector<quint32>& bits) const {
    const quint64 words = m_view.gramWords;
    std::vector<quint64> blocks(size_t(words), ~quint64(0));
    std::vector<quint64> row(blocks.size());
    for (const quint32 bit : bits) {
        const quint64 at = m_header.sections[Grams].offset + quint64(bit) * words * 8;
        if (bit >= kGramBits || ::pread(m_fd, row.data(), size_t(words * 8), off_t(at)) != ssize_t(words * 8))
            continue; // unread: every block stays a candidate
        for (size_t w = 0; w < blocks.size(); ++w)
            blocks[w] &= row[w];
    }
    return blocks;
}

bool MappedSnapshot::read(Section section, quint64 offset, void* to, quint64 count) const {
    const Range& r = m_header.sections[section];
    if (offset > r.size || count > r.size - offset) return false;
    for (quint64 done = 0; done < count;) {
        const ssize_t n = ::pread(m_fd, static_cast<char*>(to) + done, size_t(count - done),
                                  off_t(r.offset + offset + done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += quint64(n);
    }
    return true;
}

bool MappedSnapshot::readString(Section section, quint64 offset, QByteArray* out) const {
    constexpr quint64 kPiece = 256, kLongest = 1u << 16;
    const quint64 size = m_header.sections[section].size;
    out->clear();
    while (offset < size && quint64(out->size()) < kLongest) {
        const quint64 n = std::min(kPiece, size - offset);
        const qsizetype at = out->size();
        out->resize(at + qsizetype(n));
        if (!readNearHead(section, offset, out->data() + at, n)) return false;
        if (const qsizetype end = out->indexOf('\0', at); end >= 0) {
            out->truncate(end);
            return true;
        }
        offset += n;
    }
    return false;
}

// The paths of the newest records lie at the start of the three sections that spell them (the folders
// in the order those records need them): a query's results are mostly read from there, in one read
// per section. Under m_pathsMutex.
const QByteArray& MappedSnapshot::head(Section section) const {
    QByteArray& head = m_heads[section];
    if (head.isNull()) {
        const quint64 bytes = section == Spelled ? 32u << 10 : 128u << 10;
        head = QByteArray(qsizetype(std::min(bytes, m_header.sections[section].size)), Qt::Uninitialized);
        if (!read(section, 0, head.data(), quint64(head.size()))) head = QByteArray("");
    }
    return head;
}

bool MappedSnapshot::readNearHead(Section section, quint64 offset, void* to, quint64 count) const {
    const QByteArray& h = head(section);
    if (offset <= quint64(h.size()) && count <= quint64(h.size()) - offset) {
        std::memcpy(to, h.constData() + offset, size_t(count));
        return true;
    }
    return read(section, offset, to, count);
}

bool MappedSnapshot::folderPath(quint32 folder, QByteArray* out) const {
    constexpr int kMaxDepth = 4096; // as IndexView: a longer chain is a loop in a damaged file
    const QByteArray& folders = head(Folders);
    QVarLengthArray<std::pair<quint32, QByteArray>, 32> chain;
    QByteArray path;
    for (quint32 at = folder; at != kNoFolder;) {
        if (const auto it = m_folderPaths.constFind(at); it != m_folderPaths.constEnd()) {
            path = *it;
            break;
        }
        // Its parent and name from the head of the section, else in one read where the name is short
        // (most are).
        quint32 parent;
        char own[256];
        const char* head = own;
        quint64 n = 0;
        if (quint64(at) < quint64(folders.size())) {
            head = folders.constData() + at;
            n = quint64(folders.size()) - at;
        } else {
            n = std::min<quint64>(sizeof own, m_header.sections[Folders].size -
                                                  std::min<quint64>(at, m_header.sections[Folders].size));
            if (n > sizeof parent && !read(Folders, at, own, n)) return false;
        }
        if (chain.size() >= kMaxDepth || n <= sizeof parent) return false;
        std::memcpy(&parent, head, sizeof parent);
        const char* nameStart = head + sizeof parent;
        const auto* end = static_cast<const char*>(std::memchr(nameStart, '\0', size_t(n - sizeof parent)));
        QByteArray name;
        if (end)
            name = QByteArray(nameStart, end - nameStart);
        else if (!readString(Folders, quint64(at) + sizeof parent, &name))
            return false;
        chain.append({at, std::move(name)});
        at = parent;
    }
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        appendPathName(path, it->second);
        m_folderPaths.insert(it->first, path);
    }
    *out = std::move(path);
    return true;
}

bool MappedSnapshot::readRecordPath(quint64 r, QByteArray* out) const {
    std::lock_guard lock(m_pathsMutex);
    RecordPath p;
    if (!m_view.recordPaths || !readNearHead(Spelled, r * sizeof p, &p, sizeof p) || p.folder == kNoFolder)
        return false;
    QByteArray path, name;
    if (!folderPath(p.folder, &path) || !readString(Names, p.name, &name)) return false;
    appendPathName(path, name);
    *out = std::move(path);
    return true;
}

IndexView MappedSnapshot::view(bool types) const {
    IndexView v = m_view;
    if (types) {
        std::call_once(m_typesOnce, [this] {
            m_typeMap.reserve(size_t(m_typeNames.size()));
            for (const auto& name : m_typeNames)
                m_typeMap.push_back(ContentTypes::forMimeName(QString::fromUtf8(name)));
        });
        v.typeMap = &m_typeMap;
    } else {
        // Ids nobody reads: kUnknown keeps a stray use harmless.
        static const std::vector<ContentTypes::TypeId> none;
        v.typeMap = &none;
    }
    return v;
}

void MappedSnapshot::advise(const void* from, const void* to, int advice) const {
    const auto page = quintptr(::sysconf(_SC_PAGESIZE));
    const auto lo = std::max(quintptr(from), quintptr(m_base));
    const auto hi = std::min(quintptr(to), quintptr(m_base) + quintptr(m_size));
    // Releasing takes whole pages only (a page partly outside may still be needed); a hint may
    // round outwards.
    const quintptr begin = advice == MADV_DONTNEED ? (lo + page - 1) & ~(page - 1) : lo & ~(page - 1);
    const quintptr end = hi & ~(page - 1);
    if (end > begin) ::madvise(reinterpret_cast<void*>(begin), end - begin, advice);
}

void MappedSnapshot::release(const void* from, const void* to) const {
    advise(from, to, MADV_DONTNEED);
}

void MappedSnapshot::releaseScatteredReads() const {
    release(m_view.entries, m_view.entries + m_view.entryCount);
    release(m_view.names, m_view.names + m_view.namesSize);
}

void MappedSnapshot::expectScatteredReads(bool on) const {
    advise(m_view.entries, m_view.entries + m_view.entryCount,
           on || m_newestFirst ? MADV_RANDOM : MADV_NORMAL);
}

bool MappedSnapshot::copyInto(IndexTable& out, QString* error) const {
    const Header& h = m_header;
    Hash hash;
    // In slices, each let go of once copied: the mapping must not double the memory of a load.
    auto copy = [&](Section section, void* to) {
        const Range& r = h.sections[section];
        for (quint64 at = 0; at < r.size;) {
            const quint64 n = std::min<quint64>(r.size - at, 8u << 20);
            const char* from = m_base + r.offset + at;
            hash.add(from, size_t(n));
            if (to) std::memcpy(static_cast<char*>(to) + at, from, size_t(n));
            release(from, from + n);
            at += n;
        }
    };
    IndexTable t;
    t.entries.resize(m_view.entryCount);
    // Exact allocations (resize() would leave growth room).
    t.names = QByteArray(qsizetype(m_view.namesSize), Qt::Uninitialized);
    t.folded = QByteArray(qsizetype(m_view.foldedSize), Qt::Uninitialized);
    copy(Fingerprint, nullptr);
    copy(Types, nullptr);
    copy(Entries, t.entries.data());
    copy(Names, t.names.data());
    copy(Folded, t.folded.data());
    if (!Snapshot::checkRecords(m_view.records, m_view.recordCount, t, error)) return false;
    copy(Records, nullptr);
    copy(Extras, nullptr);
    copy(LastUsed, nullptr);
    copy(Keys, nullptr);
    copy(Grams, nullptr);
    copy(Folders, nullptr);
    copy(Spelled, nullptr);
    if (hash.value() != h.bodyHash) {
        if (error) *error = QStringLiteral("snapshot checksum mismatch");
        return false;
    }
    t.extraChildren = m_extraChildren;
    t.lastUsed = m_lastUsed;
    t.deletedCount = m_deleted;
    std::vector<ContentTypes::TypeId> typeMap;
    for (const auto& name : m_typeNames)
        typeMap.push_back(ContentTypes::forMimeName(QString::fromUtf8(name)));
    if (!Snapshot::checkTable(t, typeMap, error)) return false;
    // The file holds the folded names in ranking order for processes that read it in place; the
    // table keeps them in entry order, so that it needs no records.
    if (!t.putNamesInEntryOrder()) {
        if (error) *error = QStringLiteral("snapshot is corrupt");
        return false;
    }
    t.shareFoldedNames();
    out = std::move(t);
    return true;
}

} // namespace zarvo::index
