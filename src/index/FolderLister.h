#pragma once
// Internal to the index: lists a tree of folders on worker threads, ahead of the one thread (the
// owner) that appends the listings to the table in its own order (Crawler) and lists too whenever the
// folder it needs next is not ready. Only the system calls and name copies run here; everything that
// gives the table its shape stays with the owner, so the table comes out the same as from a walk on
// one thread.

#include <QByteArray>
#include <QSet>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace zarvo::index {

class FolderLister {
public:
    // The entries of one folder as read, and the listings of its subfolders to come.
    struct Listing {
        struct Item {
            quint32 nameOff; // into `names`, NUL-terminated
            quint16 nameLen;
            quint16 flags; // Entry::Dir or Entry::Symlink
            quint32 mtime;
            qint32 subfolder; // into `subfolders`, or -1 (a file, or a folder not descended into)
            quint64 size;
        };
        bool opened = false; // false: unreadable, or never listed because the walk stopped
        int depth = 0;       // descents by openat since the last open by path
        bool watched = true; // false: the watch asked for could not be added
        int watch = -1;      // the watch added before listing, or -1
        std::vector<Item> items;
        QByteArray names;
        std::vector<std::unique_ptr<Listing>> subfolders;
        std::atomic<bool> ready{false};
    };

    // `excluded` folders are not descended into; `watch` (may be empty) is called for each folder before
    // it is listed, from the listing threads; `cancel` (may be null) stops the walk from outside.
    // `threads` list in all, the owner among them, so threads - 1 workers are started: more threads
    // than cores only cost, each wake-up of a sleeping one being a context switch.
    using Watch = std::function<int(const QByteArray& path, int fd)>;
    FolderLister(const QSet<QByteArray>& excluded, Watch watch, const std::atomic<bool>* cancel, int threads);
    ~FolderLister() { stop(); }
    FolderLister(const FolderLister&) = delete;
    FolderLister& operator=(const FolderLister&) = delete;

    // Starts listing the tree at `path`; its listing is filled as the workers go.
    std::unique_ptr<Listing> start(const QByteArray& path);
    // Blocks until `listing` is filled (or the walk stopped).
    void wait(const Listing& listing);
    // Stops and joins the workers: after it no listing is written to, and any may be freed.
    void stop();
    // The owner took `count` entries off the listings: the workers may run that much further ahead.
    void consumed(qint64 count);

    // Folders opened by descent at most this deep before one is opened by its path, so that a deep
    // tree does not hold a descriptor per level.
    static constexpr int kMaxOpenDepth = 32;

private:
    struct Dir; // an open folder, closed when its last subfolder has been opened
    struct Job {
        Listing* listing;
        std::shared_ptr<Dir> parent; // null: opened by `path`
        QByteArray path;
        const char* name; // in the parent's listing
    };
    void run();
    void list(Job& job);
    void read(int fd, Listing& out);
    void finished(Listing& listing);

    const QSet<QByteArray>& m_excluded;
    const Watch m_watch;
    const std::atomic<bool>* m_cancel;
    std::mutex m_mutex;
    std::condition_variable m_work;  // workers: a job was pushed, the owner caught up, or stop
    std::condition_variable m_owner; // the owner: a listing it waits for is ready
    std::vector<Job> m_jobs;         // a stack: the next folder in walk order on top
    bool m_stop = false;
    std::atomic<bool> m_ownerWaiting{false};
    std::atomic<bool> m_paused{false}; // workers wait for the owner to catch up
    std::atomic<qint64> m_ahead{0};    // entries listed and not yet consumed
    std::vector<std::thread> m_threads;
};

} // namespace zarvo::index
