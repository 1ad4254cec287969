#include "index/FolderLister.h"

#include "index/Crawler.h"
#include "index/Dirent64.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace zarvo::index {

namespace {

// Entries listed ahead of the owner at most (unless it waits): bounds the memory of a walk whose
// owner is slower than its workers.
constexpr qint64 kAhead = 1 << 16;

} // namespace

struct FolderLister::Dir {
    explicit Dir(int descriptor) : fd(descriptor) {}
    ~Dir() { ::close(fd); }
    Dir(const Dir&) = delete;
    Dir& operator=(const Dir&) = delete;
    const int fd;
};

FolderLister::FolderLister(const QSet<QByteArray>& excluded, Watch watch, const std::atomic<bool>* cancel,
                           int threads)
    : m_excluded(excluded), m_watch(std::move(watch)), m_cancel(cancel) {
    for (int i = 1; i < threads; ++i)
        m_threads.emplace_back([this] { run(); });
}

void FolderLister::stop() {
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_work.notify_all();
    for (auto& thread : m_threads)
        thread.join();
    m_threads.clear();
    m_jobs.clear(); // closes the folders still open for them
}

std::unique_ptr<FolderLister::Listing> FolderLister::start(const QByteArray& path) {
    auto root = std::make_unique<Listing>();
    {
        std::lock_guard lock(m_mutex);
        m_jobs.push_back({root.get(), nullptr, path, nullptr});
    }
    m_work.notify_one();
    return root;
}

void FolderLister::wait(const Listing& listing) {
    auto stopped = [this] { return m_stop || (m_cancel && m_cancel->load(std::memory_order_relaxed)); };
    std::unique_lock lock(m_mutex);
    if (!listing.ready.load() && m_paused) {
        // What it needs is not listed yet: the workers are not far enough ahead after all.
        m_paused = false;
        m_work.notify_all();
    }
    while (!listing.ready.load() && !stopped()) {
        // Lists a folder itself rather than sleep while others are to be listed.
        if (!m_jobs.empty()) {
            Job job = std::move(m_jobs.back());
            m_jobs.pop_back();
            lock.unlock();
            list(job);
            lock.lock();
            continue;
        }
        m_ownerWaiting = true;
        // Set after the flag is seen, the listing notifies (under the lock). The cancel flag is set
        // from outside without a notification: looked at now and then.
        if (!listing.ready.load()) m_owner.wait_for(lock, std::chrono::milliseconds(50));
        m_ownerWaiting = false;
    }
}

void FolderLister::consumed(qint64 count) {
    const qint64 ahead = m_ahead.fetch_sub(count, std::memory_order_relaxed) - count;
    if (ahead < kAhead / 2 && m_paused.load(std::memory_order_relaxed)) {
        std::lock_guard lock(m_mutex);
        m_paused = false;
        m_work.notify_all();
    }
}

void FolderLister::run() {
    std::unique_lock lock(m_mutex);
    for (;;) {
        // Far enough ahead of the owner: wait until it has taken half of that.
        if (m_ahead.load(std::memory_order_relaxed) >= kAhead) m_paused = true;
        m_work.wait(lock, [this] { return m_stop || (!m_jobs.empty() && !m_paused); });
        if (m_stop || (m_cancel && m_cancel->load(std::memory_order_relaxed))) return;
        Job job = std::move(m_jobs.back());
        m_jobs.pop_back();
        lock.unlock();
        list(job);
        lock.lock();
    }
}

// Opens and reads one folder, queues its subfolders (the first on top of the stack), then hands the
// listing over.
void FolderLister::list(Job& job) {
    Listing& listing = *job.listing;
    const int fd = job.parent
                       ? ::openat(job.parent->fd, job.name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC)
                       : ::open(job.path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    job.parent.reset();
    if (m_watch) {
        // Before the listing, so that no change after it is missed.
        listing.watch = m_watch(job.path, fd);
        listing.watched = listing.watch >= 0;
    }
    std::vector<Job> children;
    if (fd >= 0) {
        const auto dir = std::make_shared<Dir>(fd);
        listing.opened = true;
        read(fd, listing);
        m_ahead.fetch_add(qint64(listing.items.size()), std::memory_order_relaxed);
        const bool byDescent = listing.depth < kMaxOpenDepth;
        const auto folders =
            size_t(std::count_if(listing.items.begin(), listing.items.end(),
                                 [](const Listing::Item& item) { return item.flags & Entry::Dir; }));
        children.reserve(folders);
        listing.subfolders.reserve(folders);
        const bool slash = job.path.endsWith('/');
        for (auto& item : listing.items) {
            if (!(item.flags & Entry::Dir)) continue;
            const char* name = listing.names.constData() + item.nameOff;
            QByteArray path;
            path.reserve(job.path.size() + 1 + item.nameLen);
            path.append(job.path);
            if (!slash) path.append('/');
            path.append(name, item.nameLen);
            if (m_excluded.contains(path)) continue;
            auto sub = std::make_unique<Listing>();
            sub->depth = byDescent ? listing.depth + 1 : 0;
            children.push_back({sub.get(), byDescent ? dir : nullptr, std::move(path), name});
            item.subfolder = qint32(listing.subfolders.size());
            listing.subfolders.push_back(std::move(sub));
        }
    }
    {
        std::lock_guard lock(m_mutex);
        for (auto it = children.rbegin(); it != children.rend(); ++it)
            m_jobs.push_back(std::move(*it));
    }
    if (children.size() > 1)
        m_work.notify_all();
    else if (!children.empty())
        m_work.notify_one();
    finished(listing);
}

void FolderLister::finished(Listing& listing) {
    // Nothing of the listing is touched after this: the owner may free it at once.
    listing.ready.store(true);
    if (m_ownerWaiting.load()) {
        std::lock_guard lock(m_mutex);
        m_owner.notify_one();
    }
}

void FolderLister::read(int fd, Listing& out) {
    alignas(8) char buffer[32768];
    for (;;) {
        const long n = ::syscall(SYS_getdents64, fd, buffer, sizeof buffer);
        if (n <= 0) break;
        // Room for the whole batch at once: growing by doubling costs more than the listing's copy.
        qsizetype count = 0, bytes = 0;
        for (long off = 0; off < n; off += reinterpret_cast<LinuxDirent64*>(buffer + off)->d_reclen) {
            ++count;
            bytes += qsizetype(reinterpret_cast<LinuxDirent64*>(buffer + off)->d_reclen);
        }
        out.items.reserve(out.items.size() + size_t(count));
        out.names.reserve(out.names.size() + bytes); // a record holds its name and NUL, and more
        for (long off = 0; off < n;) {
            auto* d = reinterpret_cast<LinuxDirent64*>(buffer + off);
            off += d->d_reclen;
            const char* nm = d->d_name;
            if (nm[0] == '.' && (nm[1] == 0 || (nm[1] == '.' && nm[2] == 0))) continue;
            struct stat st;
            if (::fstatat(fd, nm, &st, AT_SYMLINK_NOFOLLOW) != 0) continue; // vanished meanwhile
            const bool dir = S_ISDIR(st.st_mode);
            const size_t length = std::strlen(nm);
            Listing::Item item{};
            item.nameOff = quint32(out.names.size());
            item.nameLen = quint16(length);
            item.flags = dir ? Entry::Dir : (S_ISLNK(st.st_mode) ? Entry::Symlink : 0);
            item.mtime = clampTime(st.st_mtim.tv_sec);
            item.subfolder = -1;
            item.size = dir ? 0 : quint64(st.st_size);
            // With its NUL, for openat. Copied by hand: QByteArray::append is an insert at the end.
            const qsizetype at = out.names.size();
            out.names.resize(at + qsizetype(length) + 1);
            std::memcpy(out.names.data() + at, nm, length + 1);
            out.items.push_back(item);
        }
    }
}

} // namespace zarvo::index
