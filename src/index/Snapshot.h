#pragma once

#include "index/IndexTable.h"
#include "index/SnapshotFormat.h"

#include <QString>
#include <memory>
#include <mutex>

namespace zarvo::index {

// The index on disk (layout in SnapshotFormat.h): the table's arrays as they are in memory, so the
// application loads it with a few large reads and a process that only queries maps it and uses it in
// place. Private to its user: the file is 0600 from its creation, its folder 0700.
namespace Snapshot {

// Writes atomically (temporary file + rename). `fingerprint` names the configuration (roots and
// excluded folders) the table was crawled with. False, with `error` set, when it cannot be written.
bool save(const IndexTable& table, const QString& path, const QString& fingerprint, QString* error = nullptr);
// Replaces `table` with the snapshot's, every byte checked (the current format and the one before).
// False, leaving `table` alone, when the file is missing, corrupt, of another version or of another
// configuration; `error` says which.
bool load(IndexTable& table, const QString& path, const QString& fingerprint, QString* error = nullptr);

// The first format (read whole, checksum at the end), still read so an upgrade keeps its index.
bool loadVersion1(IndexTable& table, const QString& path, const QString& fingerprint, QString* error);
// Checks every index and offset of a table read from a file, so that it can then be used unchecked,
// and translates its type ids (`typeMap`: the file's ids to this process's).
bool checkTable(IndexTable& table, const std::vector<ContentTypes::TypeId>& typeMap, QString* error);
// Checks a file's records against the table read with them (in order, inside the names, of entries
// that exist); the table itself keeps none.
bool checkRecords(const FoldRecord* records, quint64 count, const IndexTable& table, QString* error);

} // namespace Snapshot

// A snapshot mapped read-only and queried where it lies: opening checks the header, the trailer and
// the small sections; the arrays are read only as far as a query reads them, through a bounds-checked
// IndexView.
class MappedSnapshot {
public:
    // Null, with `error` set, when the file is missing, not private to this user, malformed, of
    // another version or of another configuration.
    static std::unique_ptr<MappedSnapshot> open(const QString& path, const QString& fingerprint,
                                                QString* error = nullptr);
    ~MappedSnapshot();
    MappedSnapshot(const MappedSnapshot&) = delete;
    MappedSnapshot& operator=(const MappedSnapshot&) = delete;

    // With `types`, entry type ids are translated to this process's (resolving the snapshot's MIME
    // names may load the MIME database, so only a query by kind asks for it).
    IndexView view(bool types = false) const;
    qint64 liveCount() const { return qint64(m_view.entryCount) - m_deleted; }
    // Whether the folded names are in ranking order (SnapshotFormat::kFoldedNewestFirst).
    bool newestFirst() const { return m_newestFirst; }
    // Reads every byte, checks the body hash and the structure, and fills `table` (the application's
    // live table, which changes). False, leaving `table` alone, when anything is wrong.
    bool copyInto(IndexTable& table, QString* error = nullptr) const;
    // Lets go of the whole pages of [from, to) inside the mapping: they leave this process's resident
    // memory and are read again from the page cache when next touched.
    void release(const void* from, const void* to) const;
    // While on, entries are read here and there (the folders of a few hundred paths): a page touched
    // is read alone, without the neighbours the kernel otherwise maps with it for a scan.
    void expectScatteredReads(bool on) const;
    // Lets go of every page of the entries and names (what spelling out paths touched).
    void releaseScatteredReads() const;
    // The blocks of records that may hold a name with every one of the gram `bits` (their rows
    // ANDed). Read rather than mapped: the page cache keeps a file in large pages, and touching a few
    // rows of the mapping would map the whole section into this process.
    std::vector<quint64> gramBlocks(const std::vector<quint32>& bits) const;
    // Reads `count` bytes at `offset` inside `section` into `to`; false when they are not all there.
    // Read rather than mapped: the page cache keeps a file just written in large folios, and a fault
    // maps the whole folio around the byte it needs.
    bool read(SnapshotFormat::Section section, quint64 offset, void* to, quint64 count) const;
    // Record r's path as IndexView::recordPath spells it, read from the file; false where the file
    // has no folders or the record's are not usable.
    bool readRecordPath(quint64 r, QByteArray* out) const;
    // Last-used times (from the file, then whatever the owner adds before sharing it).
    QHash<quint32, quint32>& lastUsed() { return m_lastUsed; }

private:
    MappedSnapshot() = default;
    // These read under m_pathsMutex.
    const QByteArray& head(SnapshotFormat::Section section) const;
    bool readNearHead(SnapshotFormat::Section section, quint64 offset, void* to, quint64 count) const;
    bool readString(SnapshotFormat::Section section, quint64 offset, QByteArray* out) const;
    bool folderPath(quint32 folder, QByteArray* out) const;
    void advise(const void* from, const void* to, int advice) const;
    const char* m_base = nullptr;
    quint64 m_size = 0;
    int m_fd = -1; // the file mapped, for reads beside the mapping
    IndexView m_view;
    quint32 m_deleted = 0;
    bool m_newestFirst = false;
    SnapshotFormat::Header m_header{};
    QList<QByteArray> m_typeNames;
    mutable std::once_flag m_typesOnce;
    mutable std::vector<ContentTypes::TypeId> m_typeMap;
    QHash<quint32, QVarLengthArray<quint32, 2>> m_extraChildren;
    QHash<quint32, quint32> m_lastUsed;
    // Folders spelled out so far, by their offset in the Folders section (paths share them), and the
    // first bytes of the sections paths are read from, once needed.
    mutable std::mutex m_pathsMutex;
    mutable QHash<quint32, QByteArray> m_folderPaths;
    mutable QByteArray m_heads[SnapshotFormat::kSectionCount];
};

} // namespace zarvo::index
