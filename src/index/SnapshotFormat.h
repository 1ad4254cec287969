#pragma once

// The snapshot file, shared by its writer, its full reader and its mapped reader.
//
//   Header | sections, each at an offset aligned to 8 | Trailer
//
// Sections hold the table's arrays as they are in memory (the folded names in ranking order, see
// kFoldedNewestFirst), so a mapped file is used where it lies. The
// header is checked whole (its own hash, every section inside the file, sizes that agree with the
// counts); the trailer repeats the header's random nonce, so a file cut short or pieced together from
// two writes is refused without reading the body. The body hash is checked by the full reader, which
// reads every byte anyway.

#include <QString>
#include <QtGlobal>
#include <cstddef>

namespace zarvo::index::SnapshotFormat {

inline constexpr char kMagic[8] = {'Z', 'R', 'V', 'O', 'I', 'D', 'X', '\n'};
inline constexpr char kEndMagic[8] = {'Z', 'R', 'V', 'O', 'E', 'N', 'D', '\n'};
inline constexpr quint32 kVersion = 4;
// The versions before are still read: 2 (no Keys section, never cut short, see below) and 3 (no Grams,
// Folders or Spelled: every name is read, paths are spelled through the entries). Each added sections
// at the end of the header's list.
inline constexpr quint32 kVersion2 = 2;
inline constexpr quint32 kVersion3 = 3;
inline constexpr quint32 kByteOrder = 0x01020304;

enum Section : int {
    Fingerprint,
    Types,
    Entries,
    Names,
    Folded,
    Records,
    Extras,
    LastUsed,
    Keys,
    Grams,
    Folders,
    Spelled,
    kSectionCount
};

struct Range {
    quint64 offset;
    quint64 size;
};

struct Header {
    char magic[8];
    quint32 version;
    quint32 headerSize;
    quint32 entrySize;
    quint32 byteOrder;
    qint64 created;
    quint64 fileSize;
    quint64 nonce;
    quint64 bodyHash; // over the sections' bytes in order (not the padding between them)
    quint32 entryCount;
    quint32 deletedCount;
    quint32 typeCount;
    quint32 flags; // kFoldedNewestFirst
    Range sections[kSectionCount];
    quint64 headerHash; // over every byte above
};

// The folded names and their records are in ranking order (newest modification first, ties in entry
// order, deleted entries last) and the Keys section holds a RecordKey per record, so a scan that wants
// the newest matches reads in order and stops early. Files without it are read the same, to the end.
inline constexpr quint32 kFoldedNewestFirst = 1;

// With that order, the Grams section tells which blocks of kGramBlockRecords records may hold a
// piece of a name: a name sets a bit (of kGramBits) for every pair and every triple of adjacent bytes
// in it, and the section keeps a row per bit, a bitset over the blocks (64 to a word). A name holding
// a literal holds its pairs and triples, so only the blocks in every row of the literal's bits can
// hold it: a search for a rare piece reads a few rows and a few blocks rather than every name.
inline constexpr quint32 kGramBlockRecords = 512;
inline constexpr quint32 kGramBits = 8192;

// The words of a row, for a snapshot of `records` records.
inline quint64 gramRowWords(quint64 records) {
    const quint64 blocks = (records + kGramBlockRecords - 1) / kGramBlockRecords;
    return (blocks + 63) / 64;
}

// The bits of every pair and triple of name[0, n), set in `bits` (kGramBits / 8 bytes).
void addGrams(unsigned char* bits, const char* name, size_t n);

// Spelling out a result's path through its entry and each of its folders' touches a page of entries
// and one of names per folder, far apart: a few hundred results cost thousands of page faults. So
// the Folders section holds every folder that holds a record, each as its parent's offset there (a
// quint32, kNoFolder for a root) and its NUL-terminated name, in the order the records (ranking
// order) first need them, a folder after its parent; and the Spelled section holds a RecordPath per
// record, with the names themselves in ranking order. The newest results' paths are then read from
// the first pages of three sections.

struct Trailer {
    char magic[8];
    quint64 nonce;
};

// A 64-bit mix over whole words in four independent lanes (so the multiplies overlap). The same bytes
// give the same value however they are split between add() calls. Catches truncation and bit rot;
// hostile contents are caught by the structural checks, not by this.
class Hash {
public:
    void add(const void* data, size_t n);
    quint64 value() const;

private:
    void block(const unsigned char* p);
    quint64 m_lane[4] = {0x9e3779b97f4a7c15ull, 0x9e3779b97f4a7c14ull, 0x9e3779b97f4a7c17ull,
                         0x9e3779b97f4a7c16ull};
    unsigned char m_carry[32] = {};
    size_t m_carried = 0;
    quint64 m_total = 0;
};

// The header's size in a version: the sections it lists, then its hash.
quint64 headerSize(quint32 version);
quint64 headerHash(const Header& h);
// The bytes of `h` as its version lays them out (earlier versions list fewer sections), with
// headerSize and headerHash set.
QByteArray encodeHeader(Header h);
// Reads the header at the start of `data`, a whole file of `fileSize` bytes, in this version or one
// before (given as this version's, the sections it lacks empty), and checks that it describes a
// well-formed file.
bool readHeader(const char* data, quint64 fileSize, Header* h, QString* why);

// The snapshot must be this user's, readable by nobody else: an open snapshot (or its folder) with
// wider permissions is narrowed; one owned by another user is refused.
bool checkPrivate(int fd, const QString& path, QString* why);
// Creates the snapshot's folder (0700), or narrows an existing one. False when it cannot be made or
// belongs to another user.
bool makePrivateFolder(const QString& folder, QString* why);

} // namespace zarvo::index::SnapshotFormat
