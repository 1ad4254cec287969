#include "index/Crawler.h"
#include "index/Dirent64.h"

#include <QWriteLocker>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <thread>
#include <unistd.h>

namespace zarvo::index {

quint32 clampTime(qint64 seconds) {
    if (seconds < 0) return 0;
    if (seconds > 0xffffffffLL) return 0xffffffffu;
    return quint32(seconds);
}

ContentTypes::TypeId Crawler::typeFor(QByteArrayView name, bool isDir) {
    if (isDir) return ContentTypes::forFileName(name, true);
    // Fast path without allocating or hashing bytes: a plain extension of up to 8 bytes, lower-cased
    // into an integer, already met.
    quint64 extension = 0;
    const auto dot = name.lastIndexOf('.');
    if (dot > 0 && name.size() - dot - 1 <= 8 && name.size() - dot - 1 > 0) {
        char buf[8] = {};
        const auto len = name.size() - dot - 1;
        for (qsizetype i = 0; i < len; ++i) {
            const char c = name[dot + 1 + i];
            buf[i] = (c >= 'A' && c <= 'Z') ? char(c + 32) : c;
        }
        bool plain = true;
        for (auto c : {"gz", "bz2", "xz", "zst", "z", "lz", "lzma", "lz4"})
            if (QByteArrayView(buf, len) == QByteArrayView(c)) plain = false;
        if (plain) {
            std::memcpy(&extension, buf, sizeof extension);
            if (auto it = m_extensionTypes.find(extension); it != m_extensionTypes.end()) return it->second;
        }
    }
    const QByteArray key = ContentTypes::cacheKey(name);
    if (!key.isEmpty())
        if (auto it = m_typeCache.constFind(key); it != m_typeCache.constEnd()) return *it;
    const auto id = ContentTypes::forFileName(name, false);
    if (!key.isEmpty() && m_typeCache.size() < 65536) m_typeCache.insert(key, id);
    // The extension alone is the cache key of such a name (ContentTypes::cacheKey).
    if (extension && m_extensionTypes.size() < 65536) m_extensionTypes.emplace(extension, id);
    return id;
}

bool Crawler::statPath(const QByteArray& path, Item& out) {
    struct stat st;
    if (::lstat(path.constData(), &st) != 0) return false;
    const auto slash = path.lastIndexOf('/');
    out.name = path.mid(slash + 1);
    const bool dir = S_ISDIR(st.st_mode);
    out.flags = dir ? Entry::Dir : (S_ISLNK(st.st_mode) ? Entry::Symlink : 0);
    out.type = typeFor(out.name, dir);
    out.size = dir ? 0 : quint64(st.st_size);
    out.mtime = clampTime(st.st_mtim.tv_sec);
    return true;
}

bool Crawler::list(const QByteArray& path, std::vector<Item>& out) {
    out.clear();
    const int fd = ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    list(fd, out);
    ::close(fd);
    return true;
}

void Crawler::list(int fd, std::vector<Item>& out) {
    out.clear();
    alignas(8) char buffer[32768];
    for (;;) {
        const long n = ::syscall(SYS_getdents64, fd, buffer, sizeof buffer);
        if (n <= 0) break;
        for (long off = 0; off < n;) {
            auto* d = reinterpret_cast<LinuxDirent64*>(buffer + off);
            off += d->d_reclen;
            const char* nm = d->d_name;
            if (nm[0] == '.' && (nm[1] == 0 || (nm[1] == '.' && nm[2] == 0))) continue;
            struct stat st;
            if (::fstatat(fd, nm, &st, AT_SYMLINK_NOFOLLOW) != 0)
                continue; // vanished between listing and stat
            Item item;
            item.name = QByteArray(nm, qsizetype(std::strlen(nm)));
            const bool dir = S_ISDIR(st.st_mode);
            item.flags = dir ? Entry::Dir : (S_ISLNK(st.st_mode) ? Entry::Symlink : 0);
            item.type = typeFor(item.name, dir);
            item.size = dir ? 0 : quint64(st.st_size);
            item.mtime = clampTime(st.st_mtim.tv_sec);
            out.push_back(std::move(item));
        }
    }
}

bool Crawler::crawlRoot(IndexTable& table, const QByteArray& path) {
    struct stat st;
    if (::stat(path.constData(), &st) != 0 || !S_ISDIR(st.st_mode))
        return true; // a missing root indexes nothing
    quint32 root;
    {
        QWriteLocker lock(m_options.lock);
        root = table.add(kNoEntry, path, Entry::Dir | Entry::Root, ContentTypes::kFolder, 0,
                         clampTime(st.st_mtim.tv_sec));
    }
    return crawlFolder(table, root, path);
}

bool Crawler::crawlFolder(IndexTable& table, quint32 dir, const QByteArray& path) {
    // Listing on more threads than one, unless a limit stops the walk midway or the watches need
    // each folder's entry before it is listed.
    const int threads =
        m_options.threads > 0 ? m_options.threads : int(std::min(2u, std::thread::hardware_concurrency()));
    const bool watchAhead = !m_options.watch || (m_options.watchAhead && m_options.bindWatch);
    if (watchAhead && m_options.limit < 0 && threads > 1) return crawlListed(table, dir, path, threads);
    std::vector<Pending> deferred{{dir, path}};
    while (!deferred.empty()) {
        Pending job = std::move(deferred.back());
        deferred.pop_back();
        const int fd = ::open(job.path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (!crawlAt(table, job.entry, fd, job.path, 0, deferred)) return false;
    }
    return true;
}

bool Crawler::crawlAt(IndexTable& table, quint32 dir, int fd, const QByteArray& path, int depth,
                      std::vector<Pending>& deferred) {
    constexpr int kMaxOpenDepth = FolderLister::kMaxOpenDepth;
    if (m_options.cancel && m_options.cancel->load(std::memory_order_relaxed)) {
        if (fd >= 0) ::close(fd);
        return false;
    }
    const bool watched = !m_options.watch || m_options.watch(path, dir, fd);
    std::vector<Item> items;
    if (fd >= 0) list(fd, items);
    quint32 first;
    {
        QWriteLocker lock(m_options.lock);
        Entry& e = table.entries[dir];
        if (!watched) e.flags |= Entry::Unwatched;
        if (fd < 0) {
            e.flags |= Entry::Unreadable;
            return true;
        }
        e.flags &= quint16(~Entry::Unreadable);
        first = quint32(table.entries.size());
        for (const auto& item : items)
            table.add(dir, item.name, item.flags, item.type, item.size, item.mtime);
        table.entries[dir].setChildren(first, quint32(items.size()));
    }
    counted(qint64(items.size()));
    if (m_options.limit >= 0 && m_added > m_options.limit) {
        ::close(fd);
        return false;
    }
    for (size_t k = 0; k < items.size(); ++k) {
        if (!(items[k].flags & Entry::Dir)) continue;
        QByteArray child = path;
        if (!child.endsWith('/')) child.append('/');
        child.append(items[k].name);
        if (m_options.excluded.contains(child)) continue;
        if (depth >= kMaxOpenDepth) {
            deferred.push_back({first + quint32(k), std::move(child)});
            continue;
        }
        const int childFd =
            ::openat(fd, items[k].name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (!crawlAt(table, first + quint32(k), childFd, child, depth + 1, deferred)) {
            ::close(fd);
            return false;
        }
    }
    ::close(fd);
    return true;
}

void Crawler::counted(qint64 items) {
    m_added += items;
    if (m_options.progress && m_added - m_lastProgress >= 10000) {
        m_lastProgress = m_added;
        m_options.progress(m_added);
    }
}

bool Crawler::crawlListed(IndexTable& table, quint32 dir, const QByteArray& path, int threads) {
    FolderLister lister(m_options.excluded, m_options.watch ? m_options.watchAhead : nullptr,
                        m_options.cancel, threads);
    std::vector<Listed> deferred;
    deferred.emplace_back(dir, lister.start(path));
    while (!deferred.empty()) {
        Listed job = std::move(deferred.back());
        deferred.pop_back();
        if (!appendListed(table, job.first, *job.second, lister, deferred)) return false;
    }
    return true;
}

bool Crawler::appendListed(IndexTable& table, quint32 dir, FolderLister::Listing& listing,
                           FolderLister& lister, std::vector<Listed>& deferred) {
    auto cancelled = [&] {
        if (!m_options.cancel || !m_options.cancel->load(std::memory_order_relaxed)) return false;
        lister.stop(); // before the listings are freed on the way out
        return true;
    };
    if (cancelled()) return false;
    lister.wait(listing);
    if (cancelled()) return false;
    quint32 first;
    {
        QWriteLocker lock(m_options.lock);
        Entry& e = table.entries[dir];
        if (listing.watch >= 0) m_options.bindWatch(listing.watch, dir);
        if (!listing.watched) e.flags |= Entry::Unwatched;
        if (!listing.opened) {
            e.flags |= Entry::Unreadable;
            return true;
        }
        e.flags &= quint16(~Entry::Unreadable);
        first = quint32(table.entries.size());
        for (const auto& item : listing.items) {
            const QByteArrayView name(listing.names.constData() + item.nameOff, item.nameLen);
            table.add(dir, name, item.flags, typeFor(name, item.flags & Entry::Dir), item.size, item.mtime);
        }
        table.entries[dir].setChildren(first, quint32(listing.items.size()));
    }
    lister.consumed(qint64(listing.items.size()));
    counted(qint64(listing.items.size()));
    for (size_t k = 0; k < listing.items.size(); ++k) {
        const qint32 sub = listing.items[k].subfolder;
        if (sub < 0) continue;
        auto child = std::move(listing.subfolders[size_t(sub)]);
        if (listing.depth >= FolderLister::kMaxOpenDepth) {
            deferred.emplace_back(first + quint32(k), std::move(child));
            continue;
        }
        if (!appendListed(table, first + quint32(k), *child, lister, deferred)) return false;
    }
    return true;
}

} // namespace zarvo::index
