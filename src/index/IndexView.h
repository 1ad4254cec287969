#pragma once

#include "index/ContentTypes.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QVarLengthArray>
#include <vector>

namespace zarvo::index {

struct Entry;
struct FoldRecord;
struct RecordKey;
struct RecordPath;

// A read-only look at a table's arrays: the live table's (valid while its lock is held) or a mapped
// snapshot's. A mapped file is only checked as far as its header, so every index read through a view
// is bounds-checked: a hostile file yields odd names at worst, never a read outside the arrays.
struct IndexView {
    const Entry* entries = nullptr;
    quint32 entryCount = 0;
    const char* names = nullptr;
    quint64 namesSize = 0;
    const char* folded = nullptr; // NUL-terminated names, ending in a NUL when not empty
    quint64 foldedSize = 0;
    // Null in a live table, whose folded names lie in entry order: record r is entry r, at the offset
    // its name had when added (`vacated` keeps that offset for an entry renamed since, whose slot is
    // then dead and whose new name is found through `vacated`'s keys).
    const FoldRecord* records = nullptr;
    quint64 recordCount = 0;
    const QHash<quint32, quint32>* vacated = nullptr;
    // A RecordKey per record: a snapshot in ranking order only.
    const RecordKey* recordKeys = nullptr;
    // Which blocks of records may hold a piece of a name (SnapshotFormat::kGramBits rows of gramWords
    // words); null before the format had them.
    const quint64* grams = nullptr;
    quint64 gramWords = 0;
    // A snapshot's folders and a RecordPath per record; null before the format had them.
    const char* folders = nullptr; // each a parent offset and a NUL-terminated name
    quint64 foldersSize = 0;
    const RecordPath* recordPaths = nullptr;
    const QHash<quint32, QVarLengthArray<quint32, 2>>* extraChildren = nullptr;
    const QHash<quint32, quint32>* lastUsed = nullptr;
    // Snapshot type ids → this process's ids; null when the entries hold this process's ids.
    const std::vector<ContentTypes::TypeId>* typeMap = nullptr;

    bool has(quint32 i) const { return i < entryCount; }
    QByteArrayView name(quint32 i) const;
    QByteArrayView foldedName(quint32 i) const;
    // The folded name of record r, bounded by the next record (false when the offsets are out of order).
    bool recordName(quint64 r, const char** name, size_t* length) const;
    // Where record r's name starts in `folded`, and its entry (kNoEntry for a dead slot); r below
    // recordCount. Defined in IndexTable.h, beside the records.
    inline quint64 recordOff(quint64 r) const;
    inline quint32 recordEntry(quint64 r) const;
    ContentTypes::TypeId type(quint32 i) const;
    // The type in record r's key (with recordKeys).
    ContentTypes::TypeId recordType(quint64 r) const;
    QByteArray pathBytes(quint32 i) const;
    // The same, spelling each folder once: `known` keeps every path spelled out (for one view that
    // does not change).
    QByteArray pathBytes(quint32 i, QHash<quint32, QByteArray>& known) const;
    QString path(quint32 i) const { return QString::fromUtf8(pathBytes(i)); }
    // Record r's path from the snapshot's folders and its name, as pathBytes spells it; false (and
    // `out` left alone) where the view has no folders or the record's are not usable.
    bool recordPath(quint64 r, QByteArray* out) const;
    // Roots in the order they were added.
    std::vector<quint32> roots() const;
    quint32 child(quint32 dir, QByteArrayView name) const;
    std::vector<quint32> children(quint32 dir) const;
    // The entry of an absolute path (a root or under one), or kNoEntry.
    quint32 find(const QString& absolutePath) const;
    // The last-used time of an entry, else its modification time.
    quint32 lastUsedOrModified(quint32 i) const;
};

// One more name of a path: every way of spelling a path joins its names so, to give the same bytes.
inline void appendPathName(QByteArray& path, QByteArrayView name) {
    if (!path.isEmpty() && !path.endsWith('/')) path.append('/');
    path.append(name);
}

} // namespace zarvo::index
