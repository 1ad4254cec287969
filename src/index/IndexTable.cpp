#include "index/IndexTable.h"

#include "index/NamePattern.h"

#include <algorithm>
#include <cstring>

namespace zarvo::index {

IndexView IndexTable::view() const {
    IndexView v;
    v.entries = entries.data();
    v.entryCount = quint32(entries.size());
    v.names = names.constData();
    v.namesSize = quint64(names.size());
    v.folded = folded.constData();
    v.foldedSize = quint64(folded.size());
    v.recordCount = entries.size();
    v.vacated = &vacated;
    v.extraChildren = &extraChildren;
    v.lastUsed = &lastUsed;
    return v;
}

void IndexTable::reserveFor(QByteArray& buffer, qsizetype extra) const {
    if (compactGrowth && buffer.size() + extra > buffer.capacity())
        buffer.reserve(buffer.size() + buffer.size() / 8 + extra + 64);
}

quint32 IndexTable::add(quint32 parent, QByteArrayView name, quint16 flags, ContentTypes::TypeId type,
                        quint64 size, quint32 mtime) {
    if (compactGrowth && entries.size() == entries.capacity())
        entries.reserve(entries.size() + entries.size() / 8 + 64);
    Entry e{};
    e.parent = parent;
    storeName(e, name, !(flags & Entry::Root)); // roots are found by path, never by name
    e.flags = flags;
    e.type = type;
    e.size = (flags & Entry::Dir) ? 0 : size;
    e.mtime = mtime;
    const auto index = quint32(entries.size());
    entries.push_back(e);
    return index;
}

void IndexTable::storeName(Entry& e, QByteArrayView name, bool searchable) {
    e.nameLen = quint16(std::min<qsizetype>(name.size(), 0xffff));
    e.foldOff = quint32(folded.size());
    reserveFor(folded, name.size() * 2 + 1);
    if (searchable) Fold::append(name, folded);
    folded.append('\0');
    if (searchable && QByteArrayView(folded).sliced(e.foldOff, folded.size() - 1 - e.foldOff) == name) {
        e.nameOff = kNameInFolded;
        return;
    }
    e.nameOff = quint32(names.size());
    reserveFor(names, e.nameLen);
    names.append(name.first(e.nameLen));
}

void IndexTable::shareFoldedNames() {
    auto spelledAsFolded = [&](const Entry& e) {
        return e.nameOff != kNameInFolded && !(e.flags & Entry::Root) &&
               quint64(e.foldOff) + e.nameLen < quint64(folded.size()) &&
               folded.at(e.foldOff + e.nameLen) == '\0' &&
               std::memcmp(folded.constData() + e.foldOff, names.constData() + e.nameOff, e.nameLen) == 0;
    };
    qsizetype kept = 0;
    for (auto& e : entries) {
        if (spelledAsFolded(e))
            e.nameOff = kNameInFolded;
        else if (e.nameOff != kNameInFolded)
            kept += e.nameLen;
    }
    // A new buffer: a snapshot's names are in ranking order, not entry order.
    QByteArray own(kept, Qt::Uninitialized);
    qsizetype at = 0;
    for (auto& e : entries) {
        if (e.nameOff == kNameInFolded) continue;
        std::memcpy(own.data() + at, names.constData() + e.nameOff, e.nameLen);
        e.nameOff = quint32(at);
        at += e.nameLen;
    }
    names = std::move(own);
}

bool IndexTable::putNamesInEntryOrder() {
    // Each entry's name once, so entry order needs no more room than the buffer has (unless entries
    // shared a name, which a damaged file could make them do).
    const qsizetype room = folded.size();
    QByteArray ordered(room, Qt::Uninitialized);
    qsizetype at = 0;
    for (Entry& e : entries) {
        if (e.foldOff >= quint64(room)) return false;
        const char* name = folded.constData() + e.foldOff;
        const auto length = qsizetype(strnlen(name, size_t(room - e.foldOff)));
        if (length + 1 > room - at || e.foldOff + length >= room) return false;
        std::memcpy(ordered.data() + at, name, size_t(length));
        ordered[at + length] = '\0';
        e.foldOff = quint32(at);
        at += length + 1;
    }
    ordered.truncate(at);
    folded = std::move(ordered);
    vacated.clear();
    return true;
}

void IndexTable::rename(quint32 i, quint32 newParent, QByteArrayView name, ContentTypes::TypeId type) {
    Entry& e = entries[i];
    vacated.insert(i, vacated.value(i, e.foldOff)); // its first slot stays dead; the new name is found by key
    const quint32 oldParent = e.parent;
    storeName(e, name, true);
    e.type = type;
    if (oldParent != newParent) {
        if (auto it = extraChildren.find(oldParent); it != extraChildren.end()) {
            it->removeAll(i);
            if (it->isEmpty()) extraChildren.erase(it);
        }
        e.parent = newParent;
        const Entry& p = entries[newParent];
        if (!(i >= p.firstChild() && i < p.firstChild() + p.childCount())) extraChildren[newParent].append(i);
    }
}

void IndexTable::remove(quint32 i) {
    if (entries[i].is(Entry::Deleted)) return;
    const quint32 parent = entries[i].parent;
    if (parent != kNoEntry)
        if (auto it = extraChildren.find(parent); it != extraChildren.end()) {
            it->removeAll(i);
            if (it->isEmpty()) extraChildren.erase(it);
        }
    std::vector<quint32> stack{i};
    while (!stack.empty()) {
        const quint32 k = stack.back();
        stack.pop_back();
        if (entries[k].is(Entry::Dir)) {
            for (auto c : children(k))
                stack.push_back(c);
            extraChildren.remove(k);
        }
        entries[k].flags |= Entry::Deleted;
        ++deletedCount;
        lastUsed.remove(k);
    }
}

// The arrays' used parts: the room past their ends is never written until used, so it takes no memory.
quint64 IndexTable::memoryBytes() const {
    quint64 bytes = entries.size() * sizeof(Entry) + quint64(names.size()) + quint64(folded.size());
    bytes += quint64(extraChildren.size()) * 48 + quint64(lastUsed.size() + vacated.size()) * 16;
    return bytes;
}

// A crawl doubles its arrays; once it ends they are copied to their size and an eighth, the room a live
// table grows by. Copied to their exact size, the first file created afterwards would copy them all
// again (35 MB of entries for a million files: 20-30 ms before it could be found).
void IndexTable::shrink() {
    const auto room = [](size_t size) { return size + size / 8 + 64; };
    if (entries.capacity() > room(entries.size())) {
        decltype(entries) fitted;
        fitted.reserve(room(entries.size()));
        fitted.insert(fitted.end(), entries.begin(), entries.end());
        entries.swap(fitted);
    }
    for (QByteArray* bytes : {&names, &folded})
        if (size_t(bytes->capacity()) > room(size_t(bytes->size()))) {
            QByteArray fitted;
            fitted.reserve(qsizetype(room(size_t(bytes->size()))));
            fitted.append(bytes->constData(), bytes->size());
            bytes->swap(fitted);
        }
}

} // namespace zarvo::index
