#include "index/IndexView.h"

#include "index/IndexTable.h"

#include <cstring>

namespace zarvo::index {

namespace {
// Deeper than any real tree; a longer parent chain is a loop in a damaged file.
constexpr int kMaxDepth = 4096;
} // namespace

QByteArrayView IndexView::name(quint32 i) const {
    if (!has(i)) return {};
    const Entry& e = entries[i];
    if (e.nameOff == kNameInFolded) {
        if (quint64(e.foldOff) + e.nameLen > foldedSize) return {};
        return QByteArrayView(folded + e.foldOff, e.nameLen);
    }
    if (quint64(e.nameOff) + e.nameLen > namesSize) return {};
    return QByteArrayView(names + e.nameOff, e.nameLen);
}

QByteArrayView IndexView::foldedName(quint32 i) const {
    if (!has(i) || entries[i].foldOff >= foldedSize) return {};
    const char* p = folded + entries[i].foldOff;
    return QByteArrayView(p, qsizetype(strnlen(p, size_t(foldedSize - entries[i].foldOff))));
}

bool IndexView::recordName(quint64 r, const char** name, size_t* length) const {
    if (r >= recordCount) return false;
    if (!records) { // names in entry order, each NUL-terminated; a renamed entry's next may follow
        const quint64 off = recordOff(r);
        if (off >= foldedSize) return false;
        *name = folded + off;
        const quint64 next = r + 1 < recordCount ? recordOff(r + 1) : foldedSize;
        if (vacated->isEmpty() && next > off && next <= foldedSize)
            *length = size_t(next - off - 1); // back to back
        else
            *length = strnlen(*name, size_t(foldedSize - off));
        return true;
    }
    const quint64 off = records[r].off;
    const quint64 next = r + 1 < recordCount ? records[r + 1].off : foldedSize;
    if (off >= next || next > foldedSize) return false;
    *name = folded + off;
    *length = size_t(next - off - 1);
    return true;
}

ContentTypes::TypeId IndexView::type(quint32 i) const {
    const ContentTypes::TypeId t = entries[i].type;
    if (!typeMap) return t;
    return t < typeMap->size() ? (*typeMap)[t] : ContentTypes::kUnknown;
}

ContentTypes::TypeId IndexView::recordType(quint64 r) const {
    const ContentTypes::TypeId t = recordKeys[r].type;
    if (!typeMap) return t;
    return t < typeMap->size() ? (*typeMap)[t] : ContentTypes::kUnknown;
}

QByteArray IndexView::pathBytes(quint32 i) const {
    QVarLengthArray<quint32, 32> chain;
    for (quint32 k = i; has(k) && chain.size() < kMaxDepth; k = entries[k].parent)
        chain.append(k);
    QByteArray out;
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        appendPathName(out, name(*it));
    }
    return out;
}

QByteArray IndexView::pathBytes(quint32 i, QHash<quint32, QByteArray>& known) const {
    QVarLengthArray<quint32, 32> chain;
    QByteArray out;
    for (quint32 k = i; has(k) && chain.size() < kMaxDepth; k = entries[k].parent) {
        if (auto it = known.constFind(k); it != known.constEnd()) {
            out = *it;
            break;
        }
        chain.append(k);
    }
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        appendPathName(out, name(*it));
        known.insert(*it, out);
    }
    return out;
}

bool IndexView::recordPath(quint64 r, QByteArray* out) const {
    if (!recordPaths || r >= recordCount) return false;
    const RecordPath& p = recordPaths[r];
    if (p.folder == kNoFolder || p.name >= namesSize) return false;
    // The names from the record up, as pathBytes walks the entries (and as deep at most).
    QVarLengthArray<QByteArrayView, 32> chain;
    chain.append(
        QByteArrayView(names + p.name, qsizetype(strnlen(names + p.name, size_t(namesSize - p.name)))));
    for (quint32 at = p.folder; at != kNoFolder;) {
        if (chain.size() >= kMaxDepth || at >= foldersSize || foldersSize - at <= sizeof(quint32))
            return false;
        quint32 parent;
        std::memcpy(&parent, folders + at, sizeof parent);
        const char* name = folders + at + sizeof parent;
        chain.append(
            QByteArrayView(name, qsizetype(strnlen(name, size_t(foldersSize - at - sizeof parent)))));
        at = parent;
    }
    QByteArray path;
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        appendPathName(path, *it);
    }
    *out = std::move(path);
    return true;
}

std::vector<quint32> IndexView::roots() const {
    std::vector<quint32> out;
    for (quint32 i = 0; i < entryCount; ++i)
        if (entries[i].is(Entry::Root) && !entries[i].is(Entry::Deleted))
            out.push_back(i);
        else if (!entries[i].is(Entry::Root))
            break; // roots come first in a crawled table
    return out;
}

std::vector<quint32> IndexView::children(quint32 dir) const {
    std::vector<quint32> out;
    if (!has(dir)) return out;
    const Entry& d = entries[dir];
    const quint64 first = d.firstChild(), end = std::min<quint64>(first + d.childCount(), entryCount);
    for (quint64 k = first; k < end; ++k)
        if (entries[k].parent == dir && !entries[k].is(Entry::Deleted)) out.push_back(quint32(k));
    if (extraChildren)
        if (auto it = extraChildren->constFind(dir); it != extraChildren->constEnd())
            for (auto k : *it)
                if (has(k) && entries[k].parent == dir && !entries[k].is(Entry::Deleted)) out.push_back(k);
    return out;
}

quint32 IndexView::child(quint32 dir, QByteArrayView nm) const {
    if (!has(dir)) return kNoEntry;
    const Entry& d = entries[dir];
    const quint64 first = d.firstChild(), end = std::min<quint64>(first + d.childCount(), entryCount);
    for (quint64 k = first; k < end; ++k)
        if (entries[k].parent == dir && !entries[k].is(Entry::Deleted) && name(quint32(k)) == nm)
            return quint32(k);
    if (extraChildren)
        if (auto it = extraChildren->constFind(dir); it != extraChildren->constEnd())
            for (auto k : *it)
                if (has(k) && entries[k].parent == dir && !entries[k].is(Entry::Deleted) && name(k) == nm)
                    return k;
    return kNoEntry;
}

quint32 IndexView::find(const QString& absolutePath) const {
    QByteArray path = absolutePath.toUtf8();
    while (path.size() > 1 && path.endsWith('/'))
        path.chop(1);
    quint32 best = kNoEntry;
    qsizetype bestLen = -1;
    for (auto r : roots()) {
        const QByteArrayView rp = name(r);
        if (rp.isEmpty()) continue;
        const bool under =
            path == rp || (path.startsWith(rp) && (rp.endsWith('/') || path.at(rp.size()) == '/'));
        if (under && rp.size() > bestLen) {
            best = r;
            bestLen = rp.size();
        }
    }
    if (best == kNoEntry) return kNoEntry;
    quint32 cur = best;
    const QByteArray rest = path.mid(bestLen);
    for (const auto& part : rest.split('/')) {
        if (part.isEmpty()) continue;
        cur = child(cur, part);
        if (cur == kNoEntry) return kNoEntry;
    }
    return cur;
}

quint32 IndexView::lastUsedOrModified(quint32 i) const {
    if (lastUsed && !lastUsed->isEmpty())
        if (auto it = lastUsed->constFind(i); it != lastUsed->constEnd()) return *it;
    return entries[i].mtime;
}

} // namespace zarvo::index
