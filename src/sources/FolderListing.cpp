#include "sources/FolderListing.h"

#include <QFile>
#include <dirent.h>
#include <sys/stat.h>
#include <time.h>

namespace zarvo {

namespace {

// A change to a folder moves its modification time, but only by the file system's clock tick: a
// change in the same tick as the listing would leave it as it was. A listing is therefore kept only
// when the folder had last changed more than a tick before it was read: the kernel's clock tick (10 ms
// at most) where times have nanoseconds, two seconds where they are whole seconds (FAT counts in twos).
constexpr qint64 kFineSettledNs = 20'000'000;
constexpr qint64 kCoarseSettledNs = 2'000'000'000;

bool settledBefore(qint64 timeNs, qint64 readAt) {
    const qint64 margin = timeNs % 1'000'000'000 == 0 ? kCoarseSettledNs : kFineSettledNs;
    return timeNs < readAt - margin;
}

struct Identity {
    dev_t device = 0;
    ino_t inode = 0;
    qint64 modifiedNs = 0;
    qint64 changedNs = 0;
    bool operator==(const Identity&) const = default;
};

std::optional<Identity> identify(const QByteArray& folder) {
    struct stat st;
    if (::stat(folder.constData(), &st) != 0 || !S_ISDIR(st.st_mode)) return std::nullopt;
    return Identity{st.st_dev, st.st_ino, qint64(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec,
                    qint64(st.st_ctim.tv_sec) * 1'000'000'000 + st.st_ctim.tv_nsec};
}

qint64 nowNs() {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    return qint64(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
}

// Plain readdir rather than QDirIterator: QDirIterator builds file information for each of possibly
// thousands of entries (more than twice the cost); nothing else is needed before the list is cut.
void read(const QByteArray& folder, bool includeHidden, FolderListing& out) {
    DIR* dir = opendir(folder.constData());
    if (!dir) return;
    while (const dirent* entry = readdir(dir)) {
        const char* name = entry->d_name;
        if (name[0] == '.' && (!includeHidden || name[1] == '\0' || (name[1] == '.' && name[2] == '\0')))
            continue;
        out.names << QFile::decodeName(name);
    }
    closedir(dir);
}

struct Kept {
    QByteArray folder;
    bool includeHidden = false;
    Identity identity;
    std::shared_ptr<const FolderListing> listing;
};

} // namespace

std::shared_ptr<const FolderListing> FolderListing::of(const QString& folder, bool includeHidden) {
    static std::mutex mutex;
    static Kept kept;
    const QByteArray path = QFile::encodeName(folder);
    const std::optional<Identity> before = identify(path);
    {
        std::lock_guard lock(mutex);
        if (before && kept.listing && kept.folder == path && kept.includeHidden == includeHidden &&
            kept.identity == *before)
            return kept.listing;
    }
    const qint64 readAt = nowNs();
    auto listing = std::make_shared<FolderListing>();
    read(path, includeHidden, *listing);
    const std::optional<Identity> after = identify(path);
    std::lock_guard lock(mutex);
    if (before && after && *before == *after && settledBefore(after->modifiedNs, readAt) &&
        settledBefore(after->changedNs, readAt))
        kept = Kept{path, includeHidden, *after, listing};
    else
        kept = Kept{};
    return listing;
}

} // namespace zarvo
