// FileIndex's index thread: the crawl at start, then changes followed through inotify, and folders
// past the watch limit listed again now and then.
#include "index/FileIndex.h"

#include "index/Crawler.h"
#include "index/IndexWatcher.h"

#include <QElapsedTimer>
#include <QSet>
#include <algorithm>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zarvo::index {

namespace {

constexpr int kSaveIntervalMs = 10 * 60 * 1000;
// Folders without a watch checked or re-listed between two looks at the watches' events: a few
// milliseconds' work.
constexpr quint32 kFoldersBetweenEvents = 256;

} // namespace

void FileIndex::threadMain() {
    bool haveTable;
    {
        QReadLocker lock(&m_lock);
        haveTable = bool(m_table);
    }
    if (!haveTable) loadSnapshot();
    QElapsedTimer sinceSave, sinceRescan, sinceCheck;
    sinceSave.start();
    sinceRescan.start();
    sinceCheck.start();
    bool crawlNeeded = true;
    while (!m_stop) {
        if (crawlNeeded || m_rebuildRequested.exchange(false)) {
            crawlNeeded = false;
            if (!crawlAndPublish()) break;
            sinceSave.restart();
            sinceRescan.restart();
        }
        if (!m_watcher) {
            // Without watching, the thread's work is done after the crawl unless asked again.
            std::unique_lock state(m_stateMutex);
            m_stateChanged.wait_for(state, std::chrono::milliseconds(200));
            continue;
        }
        if (!followChanges(sinceRescan.elapsed(), sinceCheck.elapsed())) break;
        if (m_overflowed.exchange(false)) crawlNeeded = true;
        if (m_watcher->limitReached() && sinceRescan.elapsed() >= m_config.fallbackIntervalMs) {
            rescanUnwatched();
            sinceRescan.restart();
        } else if (m_watcher->limitReached() && sinceCheck.elapsed() >= m_config.changedCheckIntervalMs) {
            relistChangedUnwatched();
            sinceCheck.restart();
        }
        if (m_dirty && sinceSave.elapsed() >= kSaveIntervalMs) {
            saveSnapshot();
            sinceSave.restart();
        }
    }
    std::lock_guard state(m_stateMutex);
    m_idle = true;
    m_stateChanged.notify_all();
}

bool FileIndex::crawlAndPublish() {
    {
        std::lock_guard state(m_stateMutex);
        m_idle = false;
    }
    m_crawling = true;
    auto table = crawlAll({}, m_watcher != nullptr);
    m_crawling = false;
    if (m_stop) return false;
    makeCurrent(std::move(table));
    applyRecentlyUsed();
    saveSnapshot();
    {
        std::lock_guard state(m_stateMutex);
        m_idle = true;
    }
    m_stateChanged.notify_all();
    return true;
}

bool FileIndex::followChanges(qint64 sinceRescanMs, qint64 sinceCheckMs) {
    IndexWatcher& w = *m_watcher;
    int timeout = -1;
    if (w.limitReached())
        timeout = std::max(0, std::min(m_config.fallbackIntervalMs - int(sinceRescanMs),
                                       m_config.changedCheckIntervalMs - int(sinceCheckMs)));
    if (m_dirty) timeout = timeout < 0 ? kSaveIntervalMs : std::min(timeout, kSaveIntervalMs);
    if (!w.pendingMoves.isEmpty()) timeout = 50; // a move's second half comes right after its first
    const bool readable = w.wait(timeout);
    if (m_stop) return false;
    const bool gotEvents = readable && w.drain([this](const inotify_event& ev) { handleEvent(ev); });
    if (!gotEvents && !w.pendingMoves.isEmpty()) {
        // Moved out of the indexed folders: gone.
        QWriteLocker lock(&m_lock);
        for (auto entry : std::as_const(w.pendingMoves))
            m_table->remove(entry);
        w.pendingMoves.clear();
        m_dirty = true;
    }
    return true;
}

void FileIndex::handleEvent(const inotify_event& ev) {
    IndexWatcher& w = *m_watcher;
    if (ev.mask & IN_Q_OVERFLOW) {
        m_overflowed = true;
        return;
    }
    if (ev.mask & IN_IGNORED) {
        w.dropped(ev.wd);
        return;
    }
    const quint32 dir = w.folderOf(ev.wd);
    if (dir == kNoEntry || ev.len == 0 || !m_table || dir >= m_table->entries.size() ||
        m_table->entries[dir].is(Entry::Deleted))
        return;
    const QByteArray name(ev.name);
    IndexTable& t = *m_table; // only this thread writes, so reading here needs no lock
    if (ev.mask & IN_MOVED_FROM) {
        const quint32 entry = t.child(dir, name);
        if (entry != kNoEntry) w.pendingMoves.insert(ev.cookie, entry);
    } else if (ev.mask & IN_MOVED_TO) {
        const quint32 moved = w.pendingMoves.value(ev.cookie, kNoEntry);
        w.pendingMoves.remove(ev.cookie);
        if (moved != kNoEntry && !t.entries[moved].is(Entry::Deleted)) {
            QWriteLocker lock(&m_lock);
            const quint32 existing = t.child(dir, name);
            if (existing != kNoEntry && existing != moved) t.remove(existing);
            t.rename(moved, dir, name, ContentTypes::forFileName(name, t.entries[moved].is(Entry::Dir)));
            m_dirty = true;
        }
        upsert(dir, name);
    } else if (ev.mask & IN_DELETE) {
        const quint32 entry = t.child(dir, name);
        if (entry != kNoEntry) {
            QWriteLocker lock(&m_lock);
            t.remove(entry);
            m_dirty = true;
        }
    } else {
        upsert(dir, name);
    }
}

void FileIndex::upsert(quint32 dir, const QByteArray& name) {
    IndexTable& t = *m_table;
    QByteArray path = t.pathBytes(dir);
    if (!path.endsWith('/')) path.append('/');
    path.append(name);
    Crawler::Options options;
    for (const auto& ex : m_config.excluded)
        options.excluded.insert(ex.toUtf8());
    options.lock = &m_lock;
    options.cancel = &m_stop;
    if (m_watcher)
        options.watch = [this](const QByteArray& p, quint32 entry, int fd) {
            return m_watcher->add(p, entry, fd);
        };
    Crawler crawler(options);
    Crawler::Item item;
    quint32 entry = t.child(dir, name);
    if (!crawler.statPath(path, item)) {
        if (entry != kNoEntry) {
            QWriteLocker lock(&m_lock);
            t.remove(entry);
            m_dirty = true;
        }
        return;
    }
    const bool isDir = item.flags & Entry::Dir;
    QWriteLocker lock(&m_lock);
    if (entry != kNoEntry && t.entries[entry].is(Entry::Dir) != isDir) {
        t.remove(entry);
        entry = kNoEntry;
    }
    m_dirty = true;
    if (entry != kNoEntry) {
        Entry& e = t.entries[entry];
        e.mtime = item.mtime;
        if (!isDir) e.size = item.size;
        e.flags = quint16((e.flags & ~Entry::Symlink) | (item.flags & Entry::Symlink));
        return;
    }
    entry = t.add(dir, name, item.flags, item.type, item.size, item.mtime);
    t.extraChildren[dir].append(entry);
    lock.unlock();
    if (isDir && !options.excluded.contains(path)) crawler.crawlFolder(t, entry, path);
}

void FileIndex::syncFolder(quint32 dir) {
    IndexTable& t = *m_table;
    const QByteArray path = t.pathBytes(dir);
    Crawler::Options options;
    Crawler lister(options);
    std::vector<Crawler::Item> items;
    if (!lister.list(path, items)) {
        QWriteLocker lock(&m_lock);
        if (t.entries[dir].is(Entry::Root))
            t.entries[dir].flags |= Entry::Unreadable;
        else if (::access(path.constData(), F_OK) != 0)
            t.remove(dir);
        else
            t.entries[dir].flags |= Entry::Unreadable;
        return;
    }
    QSet<QByteArray> present;
    for (const auto& item : items)
        present.insert(item.name);
    for (auto child : t.children(dir))
        if (!present.contains(t.name(child).toByteArray())) {
            QWriteLocker lock(&m_lock);
            t.remove(child);
            m_dirty = true;
        }
    for (const auto& item : items) {
        const quint32 existing = t.child(dir, item.name);
        if (existing != kNoEntry && t.entries[existing].mtime == item.mtime &&
            (t.entries[existing].is(Entry::Dir) || t.entries[existing].size == item.size))
            continue;
        upsert(dir, item.name);
    }
    if (m_watcher && m_watcher->add(path, dir, -1)) {
        QWriteLocker lock(&m_lock);
        t.entries[dir].flags &= quint16(~Entry::Unwatched);
    }
}

void FileIndex::relistChangedUnwatched() {
    // A slice per check keeps each short; a home past the watch limit has tens of thousands of them.
    constexpr quint32 kFoldersPerCheck = 8192;
    IndexTable& t = *m_table; // only this thread writes, so reading here needs no lock
    const auto count = quint32(t.entries.size());
    if (m_checkCursor >= count) m_checkCursor = 0;
    quint32 checked = 0;
    for (quint32 seen = 0; seen < count && checked < kFoldersPerCheck && !m_stop; ++seen) {
        const quint32 dir = m_checkCursor;
        m_checkCursor = m_checkCursor + 1 < count ? m_checkCursor + 1 : 0;
        if (const Entry& e = t.entries[dir];
            !e.is(Entry::Dir) || !e.is(Entry::Unwatched) || e.is(Entry::Deleted))
            continue;
        if (++checked % kFoldersBetweenEvents == 0) applyWaitingEvents();
        // Read after the events: they may have grown the table or removed this folder.
        const Entry& e = t.entries[dir];
        if (e.is(Entry::Deleted)) continue;
        struct stat st;
        const QByteArray path = t.pathBytes(dir);
        if (::stat(path.constData(), &st) != 0 || clampTime(st.st_mtim.tv_sec) == e.mtime) continue;
        syncFolder(dir);
        QWriteLocker lock(&m_lock);
        if (!t.entries[dir].is(Entry::Deleted)) t.entries[dir].mtime = clampTime(st.st_mtim.tv_sec);
    }
}

void FileIndex::rescanUnwatched() {
    std::vector<quint32> folders;
    {
        const IndexTable& t = *m_table;
        for (quint32 i = 0; i < t.entries.size(); ++i) {
            const Entry& e = t.entries[i];
            if (e.is(Entry::Dir) && e.is(Entry::Unwatched) && !e.is(Entry::Deleted)) folders.push_back(i);
        }
    }
    for (size_t i = 0; i < folders.size(); ++i) {
        if (m_stop) return;
        if (i % kFoldersBetweenEvents == 0) applyWaitingEvents();
        if (!m_table->entries[folders[i]].is(Entry::Deleted)) syncFolder(folders[i]);
    }
}

void FileIndex::applyWaitingEvents() {
    if (m_watcher->wait(0)) m_watcher->drain([this](const inotify_event& ev) { handleEvent(ev); });
}

} // namespace zarvo::index
