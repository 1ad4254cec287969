#include "index/Crawler.h"

#include <QWriteLocker>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace zarvo::index {

namespace {

struct LinuxDirent64 {
    ino64_t d_ino;
    off64_t d_off;
    unsigned short d_reclen;
    unsigned char d_type;
    char d_name[];
};

} // namespace

quint32 clampTime(qint64 seconds) {
    if (seconds < 0)
        return 0;
    if (seconds > 0xffffffffLL)
        return 0xffffffffu;
    return quint32(seconds);
}

ContentTypes::TypeId Crawler::typeFor(QByteArrayView name, bool isDir) {
    if (isDir)
        return ContentTypes::forFileName(name, true);
    const QByteArray key = ContentTypes::cacheKey(name);
    if (!key.isEmpty())
        if (auto it = m_typeCache.constFind(key); it != m_typeCache.constEnd())
            return *it;
    const auto id = ContentTypes::forFileName(name, false);
    if (!key.isEmpty() && m_typeCache.size() < 65536)
        m_typeCache.insert(key, id);
    return id;
}

bool Crawler::statPath(const QByteArray& path, Item& out) {
    struct stat st;
    if (::lstat(path.constData(), &st) != 0)
        return false;
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
    if (fd < 0)
        return false;
    alignas(8) char buffer[32768];
    for (;;) {
        const long n = ::syscall(SYS_getdents64, fd, buffer, sizeof buffer);
        if (n <= 0)
            break;
        for (long off = 0; off < n;) {
            auto* d = reinterpret_cast<LinuxDirent64*>(buffer + off);
            off += d->d_reclen;
            const char* nm = d->d_name;
            if (nm[0] == '.' && (nm[1] == 0 || (nm[1] == '.' && nm[2] == 0)))
                continue;
            struct stat st;
            if (::fstatat(fd, nm, &st, AT_SYMLINK_NOFOLLOW) != 0)
                continue; // vanished between listing and stat
            Item item;
            item.name = QByteArray(nm);
            const bool dir = S_ISDIR(st.st_mode);
            item.flags = dir ? Entry::Dir : (S_ISLNK(st.st_mode) ? Entry::Symlink : 0);
            item.type = typeFor(item.name, dir);
            item.size = dir ? 0 : quint64(st.st_size);
            item.mtime = clampTime(st.st_mtim.tv_sec);
            out.push_back(std::move(item));
        }
    }
    ::close(fd);
    return true;
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
    struct Pending {
        quint32 entry;
        QByteArray path;
    };
    std::vector<Pending> stack{{dir, path}};
    std::vector<Item> items;
    while (!stack.empty()) {
        if (m_options.cancel && m_options.cancel->load(std::memory_order_relaxed))
            return false;
        Pending job = std::move(stack.back());
        stack.pop_back();
        const bool watched = !m_options.watch || m_options.watch(job.path, job.entry);
        const bool readable = list(job.path, items);
        QWriteLocker lock(m_options.lock);
        Entry& e = table.entries[job.entry];
        if (!watched)
            e.flags |= Entry::Unwatched;
        if (!readable) {
            e.flags |= Entry::Unreadable;
            continue;
        }
        e.flags &= quint16(~Entry::Unreadable);
        const auto first = quint32(table.entries.size());
        for (const auto& item : items)
            table.add(job.entry, item.name, item.flags, item.type, item.size, item.mtime);
        table.entries[job.entry].setChildren(first, quint32(items.size()));
        lock.unlock();
        m_added += qint64(items.size());
        for (size_t k = 0; k < items.size(); ++k) {
            if (!(items[k].flags & Entry::Dir))
                continue;
            QByteArray child = job.path;
            if (!child.endsWith('/'))
                child.append('/');
            child.append(items[k].name);
            if (m_options.excluded.contains(child))
                continue;
            stack.push_back({first + quint32(k), std::move(child)});
        }
        if (m_options.progress && m_added - m_lastProgress >= 10000) {
            m_lastProgress = m_added;
            m_options.progress(m_added);
        }
        if (m_options.limit >= 0 && m_added > m_options.limit)
            return false;
    }
    return true;
}

} // namespace zarvo::index
