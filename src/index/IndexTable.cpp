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
    v.records = foldRecords.data();
    v.recordCount = foldRecords.size();
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
    if (compactGrowth && foldRecords.size() == foldRecords.capacity())
        foldRecords.reserve(foldRecords.size() + foldRecords.size() / 8 + 64);
    Entry e{};
    e.parent = parent;
    storeName(e, name, !(flags & Entry::Root)); // roots are found by path, never by name
    e.flags = flags;
    e.type = type;
    e.size = (flags & Entry::Dir) ? 0 : size;
    e.mtime = mtime;
    const auto index = quint32(entries.size());
    entries.push_back(e);
    foldRecords.push_back({e.foldOff, index});
    return index;
}

void IndexTable::storeName(Entry& e, QByteArrayView name, bool searchable) {
    e.nameOff = quint32(names.size());
    e.nameLen = quint16(std::min<qsizetype>(name.size(), 0xffff));
    reserveFor(names, e.nameLen + 1);
    names.append(name.first(e.nameLen));
    names.append('\0');
    e.foldOff = quint32(folded.size());
    reserveFor(folded, name.size() * 2 + 1);
    if (searchable) Fold::append(name, folded);
    folded.append('\0');
}

qsizetype IndexTable::recordOf(quint32 i) const {
    const quint32 off = entries[i].foldOff;
    auto it = std::lower_bound(foldRecords.begin(), foldRecords.end(), off,
                               [](const FoldRecord& r, quint32 o) { return r.off < o; });
    if (it == foldRecords.end() || it->off != off) return -1;
    return it - foldRecords.begin();
}

void IndexTable::rename(quint32 i, quint32 newParent, QByteArrayView name, ContentTypes::TypeId type) {
    Entry& e = entries[i];
    if (auto r = recordOf(i); r >= 0) foldRecords[size_t(r)].entry = kNoEntry;
    const quint32 oldParent = e.parent;
    storeName(e, name, true);
    e.type = type;
    foldRecords.push_back({e.foldOff, i});
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
        if (auto r = recordOf(k); r >= 0) foldRecords[size_t(r)].entry = kNoEntry;
        lastUsed.remove(k);
    }
}

quint64 IndexTable::memoryBytes() const {
    quint64 bytes = entries.capacity() * sizeof(Entry) + foldRecords.capacity() * sizeof(FoldRecord) +
                    quint64(names.capacity()) + quint64(folded.capacity());
    bytes += quint64(extraChildren.size()) * 48 + quint64(lastUsed.size()) * 16;
    return bytes;
}

void IndexTable::shrink() {
    entries.shrink_to_fit();
    foldRecords.shrink_to_fit();
    names.squeeze();
    folded.squeeze();
}

} // namespace zarvo::index
