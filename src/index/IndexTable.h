#pragma once

#include "index/ContentTypes.h"
#include "index/IndexView.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVarLengthArray>
#include <memory>
#include <optional>
#include <type_traits>
#include <vector>

namespace zarvo::index {

inline constexpr quint32 kNoEntry = 0xffffffffu;
// An entry's nameOff when its name is spelled as its folded name (most names are lower case): the
// name is then read from IndexTable::folded and not stored twice. Only in memory; a snapshot always
// holds both.
inline constexpr quint32 kNameInFolded = 0xffffffffu;

// Leaves elements uninitialised on resize: a snapshot load overwrites them at once, and zeroing a
// hundred megabytes first costs as much as reading them.
template <typename T> struct UninitialisedAllocator : std::allocator<T> {
    template <typename U> struct rebind { using other = UninitialisedAllocator<U>; };
    UninitialisedAllocator() = default;
    template <typename U> UninitialisedAllocator(const UninitialisedAllocator<U>&) noexcept {}
    template <typename U> void construct(U* p) noexcept { ::new (static_cast<void*>(p)) U; }
    template <typename U, typename... Args> void construct(U* p, Args&&... args) {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
};

// One file or folder. 32 bytes: with two name copies a million entries stay well under 100 MB.
struct Entry {
    enum Flag : quint16 {
        Dir = 1,
        Root = 2,       // name holds the root's absolute path
        Deleted = 4,    // gone; space reclaimed at the next crawl
        Unreadable = 8, // a folder that could not be listed
        Unwatched = 16, // a folder without an inotify watch (re-crawled periodically)
        Symlink = 32,
    };
    // No member initialisers: the type stays trivial for UninitialisedAllocator; write Entry{}.
    quint32 parent;
    quint32 nameOff; // into IndexTable::names, or kNameInFolded
    quint32 foldOff; // into IndexTable::folded
    quint16 nameLen;
    ContentTypes::TypeId type;
    quint16 flags;
    quint16 reserved;
    quint32 mtime; // seconds since the epoch
    // Files: the size in bytes. Folders: first child index (high half) and count of the children
    // listed together by the crawler (low half); later arrivals are in IndexTable::extraChildren.
    quint64 size;

    bool is(Flag f) const { return flags & f; }
    quint32 firstChild() const { return quint32(size >> 32); }
    quint32 childCount() const { return quint32(size); }
    void setChildren(quint32 first, quint32 count) { size = (quint64(first) << 32) | count; }
};
static_assert(sizeof(Entry) == 32 && std::is_trivially_default_constructible_v<Entry>);

// A folded name in buffer order: lets a hit found by scanning the whole folded buffer be mapped back
// to its entry (binary search on `off`). A snapshot holds them; a table in memory needs none, its
// folded names lying in entry order (IndexView::records).
struct FoldRecord {
    quint32 off;
    quint32 entry; // kNoEntry when the name is no longer in use
};

// What a scan tests of a record's entry (the entry's own fields), kept beside the records in a
// snapshot in ranking order so that scanning it reads one array in order.
struct RecordKey {
    quint32 mtime;
    quint16 flags;
    ContentTypes::TypeId type;
};
static_assert(sizeof(RecordKey) == 8);

// Where a record's path is spelled out from in a snapshot (SnapshotFormat.h, the Spelled section).
struct RecordPath {
    quint32 folder; // offset of the parent folder in the Folders section, or kNoFolder
    quint32 name;   // offset of the entry's NUL-terminated name in the Names section
};
inline constexpr quint32 kNoFolder = 0xffffffffu;

// The table of the index: plain arrays so a snapshot is a few large reads. Not synchronised itself;
// FileIndex guards it.
class IndexTable {
public:
    std::vector<Entry, UninitialisedAllocator<Entry>> entries;
    // The names not spelled as their folded names, back to back: an entry's nameLen ends its name.
    QByteArray names;
    QByteArray folded; // every folded name, NUL-terminated, in entry order but for renamed entries'
    // Entries renamed since they were added → where their first folded name lies (a dead slot now).
    QHash<quint32, quint32> vacated;
    QHash<quint32, QVarLengthArray<quint32, 2>> extraChildren;
    QHash<quint32, quint32> lastUsed; // entry → seconds since the epoch (sparse)
    quint32 deletedCount = 0;
    // A live table grows its arrays by an eighth; a table being crawled doubles (then shrinks once).
    bool compactGrowth = false;

    qsizetype liveCount() const { return qsizetype(entries.size()) - deletedCount; }

    QByteArrayView name(quint32 i) const {
        const Entry& e = entries[i];
        return QByteArrayView(
            (e.nameOff == kNameInFolded ? folded.constData() + e.foldOff : names.constData() + e.nameOff),
            e.nameLen);
    }
    QByteArrayView foldedName(quint32 i) const { return view().foldedName(i); }
    QString path(quint32 i) const { return view().path(i); }
    QByteArray pathBytes(quint32 i) const { return view().pathBytes(i); }
    // Roots in the order they were added.
    std::vector<quint32> roots() const { return view().roots(); }
    // The arrays as they are now; valid until the table changes.
    IndexView view() const;

    // Appends an entry (its names included); returns its index.
    quint32 add(quint32 parent, QByteArrayView name, quint16 flags, ContentTypes::TypeId type, quint64 size,
                quint32 mtime);
    // Gives an entry a new name and parent (a rename or move); children follow.
    void rename(quint32 i, quint32 newParent, QByteArrayView name, ContentTypes::TypeId type);
    // Marks an entry and everything under it deleted.
    void remove(quint32 i);
    // The live child of folder `dir` with this name, or kNoEntry.
    quint32 child(quint32 dir, QByteArrayView name) const { return view().child(dir, name); }
    // Every live child of `dir`.
    std::vector<quint32> children(quint32 dir) const { return view().children(dir); }
    // The entry of an absolute path (a root or under one), or kNoEntry.
    quint32 find(const QString& absolutePath) const { return view().find(absolutePath); }

    // The last-used time of an entry, else its modification time.
    quint32 lastUsedOrModified(quint32 i) const {
        if (!lastUsed.isEmpty())
            if (auto it = lastUsed.constFind(i); it != lastUsed.constEnd()) return *it;
        return entries[i].mtime;
    }
    // Lays the folded names out in entry order (dropping vacated slots); false when an entry's offset is
    // outside the buffer. For a table read from a file, whose names may lie in any order.
    bool putNamesInEntryOrder();
    // Bytes held by the arrays (their used parts), for status and benchmarks.
    quint64 memoryBytes() const;
    void shrink(); // after a crawl: to the size and the room a live table grows by
    // Drops from `names` every name spelled as its folded name (kNameInFolded), and the terminators: a
    // table read from a snapshot holds each name twice, NUL-terminated.
    void shareFoldedNames();
    // Grows arrays by an eighth rather than doubling: a million-entry table should not carry tens of
    // megabytes of slack after one new file.
    void reserveFor(QByteArray& buffer, qsizetype extra) const;
    // Appends the name and its folded form to the buffers and points the entry at them; an entry that
    // is not searchable by name gets an empty folded form.
    void storeName(Entry& e, QByteArrayView name, bool searchable);
};

quint64 IndexView::recordOff(quint64 r) const {
    if (records) return records[r].off;
    if (!vacated->isEmpty())
        if (auto it = vacated->constFind(quint32(r)); it != vacated->constEnd()) return *it;
    return entries[r].foldOff;
}

quint32 IndexView::recordEntry(quint64 r) const {
    if (records) return records[r].entry;
    return !vacated->isEmpty() && vacated->contains(quint32(r)) ? kNoEntry : quint32(r);
}

} // namespace zarvo::index
