#include "index/Snapshot.h"

#include "index/SnapshotFormat.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zarvo::index::Snapshot {

using namespace SnapshotFormat;

bool load(IndexTable& table, const QString& path, const QString& fingerprint, QString* error) {
    // The version decides the reader; the first format cannot be mapped.
    {
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        if (fd < 0) {
            if (error) *error = QStringLiteral("no snapshot");
            return false;
        }
        char head[12] = {};
        const bool privateFile = checkPrivate(fd, path, error);
        const bool read = ::pread(fd, head, sizeof head, 0) == ssize_t(sizeof head);
        ::close(fd);
        if (!privateFile) return false;
        quint32 version = 0;
        std::memcpy(&version, head + 8, 4);
        if (read && std::memcmp(head, kMagic, sizeof kMagic) == 0 && version == 1)
            return loadVersion1(table, path, fingerprint, error);
    }
    const auto mapped = MappedSnapshot::open(path, fingerprint, error);
    return mapped && mapped->copyInto(table, error);
}

bool checkTable(IndexTable& t, const std::vector<ContentTypes::TypeId>& typeMap, QString* error) {
    auto fail = [error] {
        if (error) *error = QStringLiteral("snapshot is corrupt");
        return false;
    };
    const auto n = quint32(t.entries.size());
    const auto names = quint64(t.names.size()), folded = quint64(t.folded.size());
    for (auto& e : t.entries) {
        if ((e.parent != kNoEntry && e.parent >= n) || quint64(e.nameOff) + e.nameLen >= names ||
            e.foldOff >= folded || e.type >= typeMap.size())
            return fail();
        if (e.parent == kNoEntry && !(e.flags & Entry::Root)) return fail();
        if ((e.flags & Entry::Dir) && quint64(e.firstChild()) + e.childCount() > n) return fail();
        e.type = typeMap[e.type];
    }
    if (!t.folded.isEmpty() && t.folded.back() != '\0') return fail();
    for (auto it = t.extraChildren.cbegin(); it != t.extraChildren.cend(); ++it)
        for (auto child : *it)
            if (it.key() >= n || child >= n) return fail();
    for (auto it = t.lastUsed.cbegin(); it != t.lastUsed.cend(); ++it)
        if (it.key() >= n) return fail();
    // A parent chain that loops would hang path building: colour the chains (0 unseen, 1 on the
    // current walk, 2 reaches a root).
    std::vector<quint8> state(n, 0);
    std::vector<quint32> walk;
    for (quint32 i = 0; i < n; ++i) {
        walk.clear();
        quint32 k = i;
        while (k != kNoEntry && state[k] == 0) {
            state[k] = 1;
            walk.push_back(k);
            k = t.entries[k].parent;
        }
        if (k != kNoEntry && state[k] == 1) return fail();
        for (auto w : walk)
            state[w] = 2;
    }
    t.deletedCount = std::min<quint32>(t.deletedCount, n);
    return true;
}

bool checkRecords(const FoldRecord* records, quint64 count, const IndexTable& t, QString* error) {
    quint32 prev = 0;
    for (quint64 i = 0; i < count; ++i) {
        const FoldRecord& rec = records[i];
        if (rec.off >= quint64(t.folded.size()) || (i > 0 && rec.off <= prev) ||
            (rec.entry != kNoEntry && rec.entry >= t.entries.size())) {
            if (error) *error = QStringLiteral("snapshot is corrupt");
            return false;
        }
        prev = rec.off;
    }
    return true;
}

} // namespace zarvo::index::Snapshot
