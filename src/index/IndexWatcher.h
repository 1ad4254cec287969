#pragma once
// Internal to the index: the inotify side of FileIndex, touched only by the index thread (and by
// the crawls it runs).

#include <QByteArray>
#include <QHash>
#include <QList>
#include <atomic>
#include <functional>
#include <mutex>

struct inotify_event;

namespace zarvo::index {

class IndexWatcher {
public:
    // `limit`: folders watched at most, -1 for the system's; `fallbackIntervalMs` is only said in the
    // warning when the limit is reached.
    IndexWatcher(int limit, int fallbackIntervalMs);
    ~IndexWatcher();
    IndexWatcher(const IndexWatcher&) = delete;
    IndexWatcher& operator=(const IndexWatcher&) = delete;

    // Wakes a wait() from another thread.
    void wake() const;
    // Watches folder `entry` (through its open descriptor `fd` when not -1). False when it could not
    // be watched (the limit, or the folder is gone).
    bool add(const QByteArray& path, quint32 entry, int fd);
    // The same from a thread listing folders ahead of the table: the folder has no entry yet, and
    // bind() gives it one. Returns the watch, or -1.
    int addAhead(const QByteArray& path, int fd);
    void bind(int wd, quint32 entry);
    // New watches go to a set for the table being crawled until adoptBuilding() makes it the live one.
    void startBuilding();
    // Watches these folders before a crawl spends the budget (a person's own folders first): when the
    // crawl reaches one, add() gets the same watch back. Within the limit, in the order given.
    void reserve(const QList<QByteArray>& folders);
    // Drops the reserved watches the crawl did not reach, then makes the new set the live one.
    void adoptBuilding();
    // Waits up to `timeoutMs` (-1: no limit) for events or a wake; true when events are to be read.
    bool wait(int timeoutMs);
    // Reads every pending event, handing each to `onEvent`; false when there was none.
    bool drain(const std::function<void(const inotify_event&)>& onEvent);
    // Forgets a watch the system dropped.
    void dropped(int wd);
    // The folder entry a watch descriptor stands for in the live table, or kNoEntry.
    quint32 folderOf(int wd) const;

    bool limitReached() const { return m_limitReached; }
    int watchCount() const { return m_watchCount; }
    // Moves whose arrival has not been seen yet: cookie → entry moved away.
    QHash<quint32, quint32> pendingMoves;

private:
    // Caller holds m_mutex.
    int watchFolder(const QByteArray& path, int fd);
    std::mutex m_mutex; // add, addAhead and bind may come from the crawl's threads
    int m_unbound = 0;  // watches from addAhead not bound yet
    int m_fd = -1;
    int m_wakeFd = -1;
    int m_limit;
    int m_fallbackIntervalMs;
    QHash<int, quint32> m_live;     // watch descriptor → folder entry of the current table
    QHash<int, quint32> m_building; // the same for a table being crawled
    QHash<int, quint32>* m_target = &m_live;
    QHash<QByteArray, int> m_reserved; // folder → its watch, until the crawl reaches it
    bool m_limitReached = false;
    std::atomic<int> m_watchCount{0};
};

} // namespace zarvo::index
