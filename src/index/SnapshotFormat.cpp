#include "index/SnapshotFormat.h"

#include "index/IndexTable.h"

#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace zarvo::index::SnapshotFormat {

namespace {

// Files are mapped whole: keep well inside what a 64-bit process maps without thinking twice.
constexpr quint64 kMaxFileSize = 1ull << 40;

QString systemError() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

void Hash::block(const unsigned char* p) {
    for (int k = 0; k < 4; ++k) {
        quint64 w;
        std::memcpy(&w, p + 8 * k, 8);
        m_lane[k] = (m_lane[k] ^ w) * 0xff51afd7ed558ccdull;
        m_lane[k] ^= m_lane[k] >> 29;
    }
}

void Hash::add(const void* data, size_t n) {
    if (n == 0) return;
    const auto* p = static_cast<const unsigned char*>(data);
    m_total += n;
    if (m_carried) {
        const size_t take = std::min(n, sizeof m_carry - m_carried);
        std::memcpy(m_carry + m_carried, p, take);
        m_carried += take;
        p += take;
        n -= take;
        if (m_carried < sizeof m_carry) return;
        block(m_carry);
        m_carried = 0;
    }
    for (; n >= 32; p += 32, n -= 32)
        block(p);
    std::memcpy(m_carry, p, n);
    m_carried = n;
}

quint64 Hash::value() const {
    quint64 h = m_lane[0] ^ (m_lane[1] * 3) ^ (m_lane[2] * 5) ^ (m_lane[3] * 7);
    for (size_t i = 0; i < m_carried; ++i)
        h = (h ^ m_carry[i]) * 0x100000001b3ull;
    return h ^ m_total;
}

namespace {

constexpr quint64 kSectionsAt = offsetof(Header, sections);

bool knownVersion(quint32 version) {
    return version >= kVersion2 && version <= kVersion;
}

// Each version added sections at the end of the list.
size_t sectionsIn(quint32 version) {
    switch (version) {
    case kVersion2:
        return Keys;
    case kVersion3:
        return Grams;
    default:
        return kSectionCount;
    }
}

// The header's bytes in its version's layout, up to its hash.
QByteArray hashedBytes(const Header& h) {
    QByteArray bytes(reinterpret_cast<const char*>(&h), qsizetype(kSectionsAt));
    bytes.append(reinterpret_cast<const char*>(h.sections),
                 qsizetype(sectionsIn(h.version)) * qsizetype(sizeof(Range)));
    return bytes;
}

// A gram's bit: two rounds of multiply and shift (one alone leaves the close-together codes of short
// grams in clusters, and those blocks then seem to hold pieces they do not).
constexpr quint16 mixedBit(quint32 code) {
    quint64 v = code * 0x9e3779b97f4a7c15ull;
    v ^= v >> 29;
    v *= 0xbf58476d1ce4e5b9ull;
    return quint16(v >> 51); // 13 bits: kGramBits
}

// The bits looked up rather than mixed for every byte of every name a snapshot holds: a pair's, and
// a triple's as its last two bytes' value against its first byte's (two independent random values).
struct GramTables {
    quint16 pair[1 << 16];
    quint16 lastTwo[1 << 16];
    quint16 first[256];
};
constexpr GramTables makeGramTables() {
    GramTables t{};
    for (quint32 p = 0; p < (1u << 16); ++p) {
        t.pair[p] = mixedBit(0x20000u | p);
        t.lastTwo[p] = mixedBit(0x3000000u | p);
    }
    for (quint32 b = 0; b < 256; ++b)
        t.first[b] = mixedBit(0x1000000u | b);
    return t;
}
constexpr GramTables kGramTables = makeGramTables();

} // namespace

void addGrams(unsigned char* bits, const char* name, size_t n) {
    quint32 window = 0;
    for (size_t i = 0; i < n; ++i) {
        window = (window << 8) | quint8(name[i]);
        if (i >= 1) {
            const quint32 b = kGramTables.pair[window & 0xffffu];
            bits[b >> 3] |= quint8(1u << (b & 7));
        }
        if (i >= 2) {
            const quint32 b =
                kGramTables.lastTwo[window & 0xffffu] ^ kGramTables.first[(window >> 16) & 0xffu];
            bits[b >> 3] |= quint8(1u << (b & 7));
        }
    }
}

quint64 headerSize(quint32 version) {
    return kSectionsAt + sectionsIn(version) * sizeof(Range) + sizeof(quint64);
}

quint64 headerHash(const Header& h) {
    if (!knownVersion(h.version)) return 0;
    const QByteArray bytes = hashedBytes(h);
    Hash hash;
    hash.add(bytes.constData(), size_t(bytes.size()));
    return hash.value();
}

QByteArray encodeHeader(Header h) {
    h.headerSize = quint32(headerSize(h.version));
    h.headerHash = headerHash(h);
    QByteArray bytes = hashedBytes(h);
    bytes.append(reinterpret_cast<const char*>(&h.headerHash), sizeof h.headerHash);
    return bytes;
}

bool readHeader(const char* data, quint64 fileSize, Header* out, QString* why) {
    auto fail = [why](const char* text) {
        if (why) *why = QString::fromLatin1(text);
        return false;
    };
    if (fileSize < headerSize(kVersion2) + sizeof(Trailer) || std::memcmp(data, kMagic, sizeof kMagic) != 0)
        return fail("not an index snapshot");
    quint32 version;
    std::memcpy(&version, data + sizeof kMagic, sizeof version);
    if (!knownVersion(version)) return fail("snapshot of another version");
    const quint64 headerBytes = headerSize(version);
    if (fileSize < headerBytes + sizeof(Trailer)) return fail("snapshot is truncated");
    Header& h = *out;
    h = Header{};
    const size_t listed = sectionsIn(version);
    std::memcpy(&h, data, kSectionsAt);
    std::memcpy(h.sections, data + kSectionsAt, listed * sizeof(Range));
    std::memcpy(&h.headerHash, data + headerBytes - sizeof h.headerHash, sizeof h.headerHash);
    if (h.headerSize != headerBytes) return fail("snapshot of another version");
    if (headerHash(h) != h.headerHash) return fail("snapshot header is corrupt");
    if (version == kVersion2) h.flags = 0; // reserved then, always zero
    if (h.entrySize != sizeof(Entry) || h.byteOrder != kByteOrder) return fail("snapshot of another version");
    if (h.fileSize != fileSize || fileSize > kMaxFileSize) return fail("snapshot is truncated or oversized");
    const quint64 bodyEnd = fileSize - sizeof(Trailer);
    quint64 previousEnd = headerBytes;
    for (size_t k = 0; k < listed; ++k) {
        const Range& r = h.sections[k];
        // In order, inside the body, aligned: the arrays are used in place.
        if (r.offset % 8 != 0 || r.offset < previousEnd || r.offset > bodyEnd || r.size > bodyEnd - r.offset)
            return fail("snapshot sections are out of bounds");
        previousEnd = r.offset + r.size;
    }
    for (size_t k = listed; k < size_t(kSectionCount); ++k)
        h.sections[k] = {previousEnd, 0}; // a section the version did not have: empty
    const auto& s = h.sections;
    if (h.entryCount >= kNoEntry || s[Entries].size != quint64(h.entryCount) * sizeof(Entry) ||
        h.deletedCount > h.entryCount)
        return fail("snapshot entry count is wrong");
    if (s[Records].size % sizeof(FoldRecord) != 0 || s[Extras].size % 8 != 0 || s[LastUsed].size % 8 != 0)
        return fail("snapshot array sizes are wrong");
    // Keys come with the ranking order, one per record; so do the grams (a bitmap per block of
    // records) from the version that added them.
    const bool keyed = h.flags & kFoldedNewestFirst;
    const quint64 records = s[Records].size / sizeof(FoldRecord);
    const bool current = keyed && version > kVersion3;
    if (s[Keys].size != (keyed ? records * sizeof(RecordKey) : 0) ||
        s[Grams].size != (current ? gramRowWords(records) * kGramBits * 8 : 0) ||
        s[Spelled].size != (current ? records * sizeof(RecordPath) : 0))
        return fail("snapshot array sizes are wrong");
    // Offsets into the name buffers are 32 bits wide.
    if (s[Names].size > 0xffffffffull || s[Folded].size > 0xffffffffull || s[Folders].size > 0xffffffffull ||
        h.typeCount > 0x10000 || s[Fingerprint].size > (1u << 20) || s[Types].size > (1u << 24))
        return fail("snapshot is oversized");
    return true;
}

bool checkPrivate(int fd, const QString& path, QString* why) {
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        if (why) *why = systemError();
        return false;
    }
    if (st.st_uid != ::geteuid() || !S_ISREG(st.st_mode)) {
        if (why) *why = QStringLiteral("snapshot is not a file of this user");
        return false;
    }
    // Written 0644 by earlier versions: it lists names inside folders other users cannot list.
    if ((st.st_mode & 077) != 0 && ::fchmod(fd, 0600) != 0) {
        if (why) *why = systemError();
        return false;
    }
    return makePrivateFolder(QFileInfo(path).absolutePath(), why);
}

bool makePrivateFolder(const QString& folder, QString* why) {
    const QByteArray path = QFile::encodeName(folder);
    struct stat st {};
    if (::lstat(path.constData(), &st) != 0) {
        QDir().mkpath(QFileInfo(folder).absolutePath());
        if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST) {
            if (why) *why = systemError();
            return false;
        }
        if (::lstat(path.constData(), &st) != 0) {
            if (why) *why = systemError();
            return false;
        }
    }
    // A folder others share by design (the sticky bit: /tmp, /var/tmp) keeps its mode: the snapshot in
    // it is 0600 and created exclusively, never through a link.
    if (S_ISDIR(st.st_mode) && (st.st_mode & S_ISVTX)) return true;
    if (!S_ISDIR(st.st_mode) || st.st_uid != ::geteuid()) {
        if (why) *why = QStringLiteral("snapshot folder is not a folder of this user");
        return false;
    }
    if ((st.st_mode & 077) != 0 && ::chmod(path.constData(), 0700) != 0) {
        if (why) *why = systemError();
        return false;
    }
    return true;
}

} // namespace zarvo::index::SnapshotFormat
