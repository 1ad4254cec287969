#pragma once

#include "index/IndexTable.h"

#include <QDateTime>
#include <QObject>
#include <QReadWriteLock>
#include <QStringList>
#include <QThreadPool>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

struct inotify_event;

namespace zarvo::index {

class IndexWatcher;
class MappedSnapshot;
class NamePattern;

// What the index covers and where it keeps its snapshot.
struct IndexConfig {
    QStringList roots;
    QStringList excluded;
    QString snapshotPath;     // empty: nothing persisted
    QString recentlyUsedPath; // freedesktop recently-used.xbel; empty: none
    bool watch = true;
    // Folders watched at most; -1 leaves it to the system (fs.inotify.max_user_watches).
    int watchLimit = -1;
    // How often folders without a watch are re-listed.
    int fallbackIntervalMs = 120000;
    // How often a slice of the folders without a watch is checked for a new modification time (an entry
    // added, removed or renamed in it), the changed ones re-listed at once.
    int changedCheckIntervalMs = 1000;

    // Roots and excluded folders, for telling whether a snapshot belongs to this configuration.
    QString fingerprint() const;
    bool operator==(const IndexConfig&) const = default;
};

// A query over the index: every name pattern must match (LIKE[cd]), the type must conform to one of
// `contentTypes` (when any), the modification time must be at or after `changedSince`.
struct IndexQuerySpec {
    QStringList namePatterns;
    QStringList contentTypes;
    std::optional<QDateTime> changedSince;
    QStringList scopes; // folders; empty: the whole index
    enum class Sort { LastUsed, Modified } sort = Sort::LastUsed;
    int limit = 300;
    int batchIntervalMs = 100;
};

struct IndexQueryBatch {
    QStringList paths; // at most `limit`, in sort order
    // Every match seen so far (not capped). A snapshot in ranking order is left once no further name
    // can rank, so there this counts the matches up to that point.
    qint64 matched = 0;
    bool finished = false;
};

// A running query; cancel() may be called from any thread, after which no batch is delivered.
class IndexQueryJob {
public:
    void cancel() {
        std::lock_guard lock(m_deliver);
        m_cancelled = true;
    }
    bool isCancelled() const { return m_cancelled.load(std::memory_order_relaxed); }

private:
    friend class FileIndex;
    friend class QueryPass;
    std::atomic<bool> m_cancelled{false};
    std::mutex m_deliver; // held while a batch is handed over, so cancel() returning means no more
};

struct IndexStatus {
    QStringList roots;
    qint64 entries = 0;
    std::optional<QDateTime> snapshotTime;
    qint64 snapshotBytes = 0;
    int watches = 0;
    bool watchLimitReached = false;
    qint64 unwatchedFolders = 0; // re-listed on a timer instead
    quint64 memoryBytes = 0;
    bool crawling = false;
    QStringList unreadable;
};

// The embedded file index: every file and folder under the roots in an in-memory table, persisted as
// a snapshot, reconciled by a background crawl and kept live with inotify. Thread-safe; queries run on
// its own worker threads.
class FileIndex : public QObject {
    Q_OBJECT
public:
    explicit FileIndex(IndexConfig config);
    ~FileIndex() override;

    const IndexConfig& config() const { return m_config; }

    // Loads the snapshot. False when there is none usable (the reason goes to the log).
    bool loadSnapshot();
    bool saveSnapshot();
    // Crawls every root now, on the calling thread, and makes the result current.
    void rebuild(const std::function<void(qint64 entries)>& progress = {});
    // Live mode: on a background thread, loads the snapshot unless loaded, crawls to reconcile,
    // writes the snapshot, then follows changes (inotify, or periodic re-listing past the watch limit).
    void start();
    // Blocks until a table is available (loaded or crawled), or the time is up.
    bool waitReady(int timeoutMs);
    // Blocks until the background crawl has finished and its changes are current.
    bool waitIdle(int timeoutMs);
    // The index for a one-shot process: the snapshot mapped and queried where it lies; a snapshot of
    // the first format is loaded and written anew; without a usable one, a crawl (then saved).
    static std::shared_ptr<FileIndex> openShared(const IndexConfig& config);
    // Whether queries run on a mapped snapshot (nothing loaded).
    bool isMapped() const;

    IndexStatus status() const;
    QStringList unreadableFolders() const;
    qint64 entryCount() const;
    bool contains(const QString& path) const;

    // Zarvo's own history: a path opened at `when` sorts as used then.
    void setLastUsed(const QString& path, const QDateTime& when);
    // Applies the freedesktop recently-used list; returns the number of entries applied.
    int loadRecentlyUsed(const QString& xbelPath);

    // Starts a query on a worker thread. `onBatch` runs on that thread: progress at most every
    // batchIntervalMs, then once with finished set; never after the job is cancelled.
    std::shared_ptr<IndexQueryJob> startQuery(const IndexQuerySpec& spec,
                                              std::function<void(const IndexQueryBatch&)> onBatch);

    // Starts several queries at once, each with its own batches and job (in the order given). Queries
    // that differ only in their name patterns share one scan of the names when one scan finds the
    // candidates of all (a substring query and its subsequence twin).
    std::vector<std::shared_ptr<IndexQueryJob>>
    startQueries(const std::vector<IndexQuerySpec>& specs,
                 std::vector<std::function<void(const IndexQueryBatch&)>> onBatch);

private:
    void threadMain();
    // Crawls every root and makes the result current; false when stopped meanwhile.
    bool crawlAndPublish();
    // Waits for the watches' events (or a re-listing or save being due) and applies them; false when
    // stopped meanwhile.
    bool followChanges(qint64 sinceRescanMs, qint64 sinceCheckMs);
    // Re-lists the next slice of folders without a watch whose modification time moved.
    void relistChangedUnwatched();
    void handleEvent(const inotify_event& event);
    // Applies the watches' events that are waiting, between slices of a long re-listing, so that a file
    // made in a watched folder is found at once even then.
    void applyWaitingEvents();
    // What gets a watch before the crawl: the roots, their Desktop, Documents and Downloads, and the
    // folders of the most recently used files.
    QList<QByteArray> priorityFolders() const;
    std::shared_ptr<IndexTable> crawlAll(const std::function<void(qint64)>& progress, bool watch);
    void makeCurrent(std::shared_ptr<IndexTable> table);
    struct QueryRequest {
        std::shared_ptr<IndexQueryJob> job;
        IndexQuerySpec spec;
        std::function<void(const IndexQueryBatch&)> onBatch;
    };
    // Runs the requests in as few scans of the names as serve them all (QueryPass).
    void runQueries(const std::vector<QueryRequest>& requests);
    friend class QueryPass;
    void upsert(quint32 dir, const QByteArray& name);
    void rescanUnwatched();
    void syncFolder(quint32 dir);
    void applyRecentlyUsed();
    // The table queries read: the live one, else the mapped snapshot. Caller holds m_lock.
    IndexView currentView() const;
    QHash<quint32, quint32>* currentLastUsed();

    IndexConfig m_config;
    mutable QReadWriteLock m_lock; // guards m_table's pointer and contents
    std::shared_ptr<IndexTable> m_table;
    std::shared_ptr<MappedSnapshot> m_mapped; // used until a table is current
    std::unique_ptr<IndexWatcher> m_watcher;
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_crawling{false};
    std::atomic<bool> m_dirty{false};
    std::atomic<bool> m_rebuildRequested{false};
    std::atomic<bool> m_overflowed{false};
    quint32 m_checkCursor = 0;           // where relistChangedUnwatched goes on (index thread only)
    QHash<QString, quint32> m_usedPaths; // last-used times by path, re-applied after every crawl
    mutable std::mutex m_stateMutex;
    std::condition_variable m_stateChanged;
    bool m_ready = false;
    bool m_idle = true;
    QThreadPool m_pool;
    std::mutex m_jobsMutex;
    std::vector<std::weak_ptr<IndexQueryJob>> m_jobs;
};

} // namespace zarvo::index
