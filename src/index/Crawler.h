#pragma once

#include "index/FolderLister.h"
#include "index/IndexTable.h"

#include <QByteArray>
#include <QReadWriteLock>
#include <QSet>
#include <atomic>
#include <functional>
#include <unordered_map>

namespace zarvo::index {

// Walks folders into an IndexTable: getdents64 and fstatat directly, because this walk must keep pace
// with find(1) over a million files and QDirIterator costs several times more per entry.
class Crawler {
public:
    struct Options {
        QSet<QByteArray> excluded; // absolute folder paths not descended into
        // Called before a folder is listed (so no change after the listing is missed); returns false
        // when the folder could not be watched.
        // `fd` is the folder opened for listing (or -1), so the watch need not walk the path again.
        std::function<bool(const QByteArray& path, quint32 entry, int fd)> watch;
        // The same for folders listed on other threads, before their entries exist (thread-safe):
        // returns the watch or -1, and `bindWatch` then gives the watch its entry. Without them a
        // walk with `watch` stays on one thread.
        std::function<int(const QByteArray& path, int fd)> watchAhead;
        std::function<void(int wd, quint32 entry)> bindWatch;
        std::function<void(qint64 entries)> progress;
        const std::atomic<bool>* cancel = nullptr;
        qint64 limit = -1; // stop after this many entries (scope crawls outside the roots)
        // Threads listing folders, the calling one among them; 0: two where the machine has two cores
        // or more.
        int threads = 0;
        // When set, children are appended under this lock (crawling into the live table).
        QReadWriteLock* lock = nullptr;
    };

    explicit Crawler(Options options) : m_options(std::move(options)) {}

    // Adds a root entry for `path` and everything under it. False when cancelled or over the limit.
    bool crawlRoot(IndexTable& table, const QByteArray& path);
    // Lists folder entry `dir` (at `path`, not yet listed) and everything under it.
    bool crawlFolder(IndexTable& table, quint32 dir, const QByteArray& path);

    struct Item {
        QByteArray name;
        quint16 flags = 0;
        ContentTypes::TypeId type = 0;
        quint64 size = 0;
        quint32 mtime = 0;
    };
    // Reads one folder. False (with errno set) when it cannot be opened.
    bool list(const QByteArray& path, std::vector<Item>& out);
    // Reads an open folder (the descriptor stays open).
    void list(int fd, std::vector<Item>& out);
    // The entry data of one path (lstat), or false when it is gone.
    bool statPath(const QByteArray& path, Item& out);

    qint64 added() const { return m_added; }

private:
    struct Pending {
        quint32 entry;
        QByteArray path;
    };
    ContentTypes::TypeId typeFor(QByteArrayView name, bool isDir);
    // Lists `fd` (closing it) and descends with openat while the depth allows: opening by relative
    // name spares the kernel a walk of the whole path for every folder.
    bool crawlAt(IndexTable& table, quint32 dir, int fd, const QByteArray& path, int depth,
                 std::vector<Pending>& deferred);
    // The same walk with the folders listed on `threads` threads (this one among them): the entries are
    // appended here, in the order crawlAt appends them, so the table is the same.
    bool crawlListed(IndexTable& table, quint32 dir, const QByteArray& path, int threads);
    using Listed = std::pair<quint32, std::unique_ptr<FolderLister::Listing>>;
    bool appendListed(IndexTable& table, quint32 dir, FolderLister::Listing& listing, FolderLister& lister,
                      std::vector<Listed>& deferred);
    void counted(qint64 items);

    Options m_options;
    QHash<QByteArray, ContentTypes::TypeId> m_typeCache;
    std::unordered_map<quint64, ContentTypes::TypeId> m_extensionTypes; // up to 8 bytes, packed
    qint64 m_added = 0;
    qint64 m_lastProgress = 0;
};

quint32 clampTime(qint64 seconds);

} // namespace zarvo::index
