#include "index/FileIndex.h"

#include "index/Crawler.h"
#include "index/NamePattern.h"
#include "index/Snapshot.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <QXmlStreamReader>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zarvo::index {

namespace {

constexpr quint32 kWatchMask = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_CLOSE_WRITE |
                               IN_ATTRIB | IN_DONT_FOLLOW | IN_ONLYDIR | IN_EXCL_UNLINK;
constexpr int kSaveIntervalMs = 10 * 60 * 1000;

QByteArray cleanFolder(const QString& path) {
    QString clean = QDir::cleanPath(path);
    return clean.toUtf8();
}

} // namespace

QString IndexConfig::fingerprint() const {
    return QStringLiteral("roots=") + roots.join(QLatin1Char('\n')) + QStringLiteral("\nexcluded=") +
           excluded.join(QLatin1Char('\n'));
}

// The inotify side, touched only by the index thread (and by crawls it runs).
struct FileIndex::Watcher {
    int fd = -1;
    int wakeFd = -1;
    QHash<int, quint32> live;     // watch descriptor → folder entry of the current table
    QHash<int, quint32> building; // the same for a table being crawled
    QHash<int, quint32>* target = &live;
    bool limitReached = false;
    QHash<quint32, quint32> pendingMoves; // cookie → entry moved away, waiting for its arrival
    std::atomic<int> watchCount{0};

    Watcher() {
        fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        wakeFd = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    }
    ~Watcher() {
        if (fd >= 0) ::close(fd);
        if (wakeFd >= 0) ::close(wakeFd);
    }
    void wake() const {
        const quint64 one = 1;
        if (wakeFd >= 0) [[maybe_unused]]
            auto n = ::write(wakeFd, &one, sizeof one);
    }
};

FileIndex::FileIndex(IndexConfig config) : m_config(std::move(config)) {
    for (auto& root : m_config.roots)
        root = QString::fromUtf8(cleanFolder(root));
    for (auto& ex : m_config.excluded)
        ex = QString::fromUtf8(cleanFolder(ex));
    // Our own snapshot folder changes whenever the snapshot is written; indexing it would only echo.
    if (!m_config.snapshotPath.isEmpty()) {
        const QString own = QFileInfo(m_config.snapshotPath).absolutePath();
        if (!m_config.excluded.contains(own)) m_config.excluded << own;
    }
    m_pool.setMaxThreadCount(2);
}

FileIndex::~FileIndex() {
    {
        std::lock_guard lock(m_jobsMutex);
        for (auto& weak : m_jobs)
            if (auto job = weak.lock()) job->cancel();
    }
    m_stop = true;
    if (m_watcher) m_watcher->wake();
    if (m_thread.joinable()) m_thread.join();
    m_pool.waitForDone();
    if (m_dirty && m_table) saveSnapshot();
}

bool FileIndex::loadSnapshot() {
    if (m_config.snapshotPath.isEmpty()) return false;
    auto table = std::make_shared<IndexTable>();
    QString error;
    if (!Snapshot::load(*table, m_config.snapshotPath, m_config.fingerprint(), &error)) {
        if (QFile::exists(m_config.snapshotPath))
            qWarning("Zarvo: file index snapshot not used (%s); crawling again", qPrintable(error));
        return false;
    }
    makeCurrent(std::move(table));
    applyRecentlyUsed();
    return true;
}

bool FileIndex::saveSnapshot() {
    if (m_config.snapshotPath.isEmpty()) return false;
    QReadLocker lock(&m_lock);
    if (!m_table) return false;
    QString error;
    if (!Snapshot::save(*m_table, m_config.snapshotPath, m_config.fingerprint(), &error)) {
        qWarning("Zarvo: could not write the file index snapshot: %s", qPrintable(error));
        return false;
    }
    m_dirty = false;
    return true;
}

void FileIndex::makeCurrent(std::shared_ptr<IndexTable> table) {
    table->compactGrowth = true;
    {
        QWriteLocker lock(&m_lock);
        m_table = std::move(table);
        m_mapped.reset();
    }
    std::lock_guard state(m_stateMutex);
    m_ready = true;
    m_stateChanged.notify_all();
}

std::shared_ptr<IndexTable> FileIndex::crawlAll(const std::function<void(qint64)>& progress, bool watch) {
    auto table = std::make_shared<IndexTable>();
    Crawler::Options options;
    for (const auto& ex : m_config.excluded)
        options.excluded.insert(ex.toUtf8());
    options.progress = progress;
    options.cancel = &m_stop;
    if (watch && m_watcher) {
        m_watcher->building.clear();
        m_watcher->target = &m_watcher->building;
        options.watch = [this](const QByteArray& path, quint32 entry, int fd) {
            return addWatch(path, entry, fd);
        };
    }
    Crawler crawler(options);
    // Roots first, so IndexTable::roots() finds them at the front.
    std::vector<std::pair<quint32, QByteArray>> roots;
    for (const auto& root : m_config.roots) {
        const QByteArray path = root.toUtf8();
        struct stat st;
        if (::stat(path.constData(), &st) != 0 || !S_ISDIR(st.st_mode)) continue;
        roots.emplace_back(table->add(kNoEntry, path, Entry::Dir | Entry::Root, ContentTypes::kFolder, 0,
                                      clampTime(st.st_mtim.tv_sec)),
                           path);
    }
    for (const auto& [entry, path] : roots)
        if (!crawler.crawlFolder(*table, entry, path)) break;
    table->shrink();
    if (watch && m_watcher) {
        m_watcher->live = std::move(m_watcher->building);
        m_watcher->building.clear();
        m_watcher->target = &m_watcher->live;
        m_watcher->watchCount = int(m_watcher->live.size());
    }
    return table;
}

bool FileIndex::addWatch(const QByteArray& path, quint32 entry, int fd) {
    Watcher& w = *m_watcher;
    if (w.fd < 0) return false;
    int wd = -1;
    int error = 0;
    if (m_config.watchLimit >= 0 && w.target->size() >= m_config.watchLimit) {
        error = ENOSPC;
    } else {
        // Through the open descriptor when there is one: no walk of the full path.
        const QByteArray target = fd >= 0 ? "/proc/self/fd/" + QByteArray::number(fd) : path;
        // The descriptor's /proc link must be followed.
        wd = inotify_add_watch(w.fd, target.constData(),
                               fd >= 0 ? (kWatchMask & ~IN_DONT_FOLLOW) : kWatchMask);
        if (wd < 0 && fd >= 0 && errno == ENOENT)
            wd = inotify_add_watch(w.fd, path.constData(), kWatchMask); // no /proc

        error = wd < 0 ? errno : 0;
    }
    if (wd < 0) {
        if (error == ENOSPC && !w.limitReached) {
            w.limitReached = true;
            qWarning("Zarvo: inotify watch limit reached at %d folders; the others are re-crawled every %d s",
                     int(w.target->size()), std::max(1, m_config.fallbackIntervalMs / 1000));
        }
        return false;
    }
    w.target->insert(wd, entry);
    w.watchCount = int(w.target->size());
    return true;
}

void FileIndex::rebuild(const std::function<void(qint64)>& progress) {
    if (m_thread.joinable()) {
        // The index thread owns the watches: let it crawl.
        {
            std::lock_guard state(m_stateMutex);
            m_idle = false;
        }
        m_rebuildRequested = true;
        if (m_watcher) m_watcher->wake();
        m_stateChanged.notify_all();
        waitIdle(-1);
        return;
    }
    m_crawling = true;
    auto table = crawlAll(progress, false);
    m_crawling = false;
    makeCurrent(std::move(table));
    applyRecentlyUsed();
    m_dirty = true;
}

void FileIndex::start() {
    if (m_thread.joinable()) return;
    if (m_config.watch) m_watcher = std::make_unique<Watcher>();
    {
        std::lock_guard state(m_stateMutex);
        m_idle = false;
    }
    m_thread = std::thread([this] { threadMain(); });
}

bool FileIndex::waitReady(int timeoutMs) {
    std::unique_lock state(m_stateMutex);
    auto ready = [this] { return m_ready; };
    if (timeoutMs < 0) {
        m_stateChanged.wait(state, ready);
        return true;
    }
    return m_stateChanged.wait_for(state, std::chrono::milliseconds(timeoutMs), ready);
}

bool FileIndex::waitIdle(int timeoutMs) {
    std::unique_lock state(m_stateMutex);
    auto idle = [this] { return m_idle; };
    if (timeoutMs < 0) {
        m_stateChanged.wait(state, idle);
        return true;
    }
    return m_stateChanged.wait_for(state, std::chrono::milliseconds(timeoutMs), idle);
}

std::shared_ptr<FileIndex> FileIndex::openShared(const IndexConfig& config) {
    IndexConfig oneShot = config;
    oneShot.watch = false;
    auto index = std::make_shared<FileIndex>(oneShot);
    QString error;
    if (!oneShot.snapshotPath.isEmpty()) {
        std::shared_ptr<MappedSnapshot> mapped =
            MappedSnapshot::open(oneShot.snapshotPath, index->m_config.fingerprint(), &error);
        if (mapped) {
            {
                QWriteLocker lock(&index->m_lock);
                index->m_mapped = std::move(mapped);
            }
            {
                std::lock_guard state(index->m_stateMutex);
                index->m_ready = true;
            }
            index->applyRecentlyUsed();
            return index;
        }
    }
    if (index->loadSnapshot()) {
        // Of the first format (or damaged in its body only): written anew, so the next one maps it.
        index->saveSnapshot();
        return index;
    }
    index->rebuild();
    index->saveSnapshot();
    return index;
}

bool FileIndex::isMapped() const {
    QReadLocker lock(&m_lock);
    return !m_table && m_mapped;
}

IndexView FileIndex::currentView() const {
    if (m_table) return m_table->view();
    if (m_mapped) return m_mapped->view();
    return {};
}

QHash<quint32, quint32>* FileIndex::currentLastUsed() {
    if (m_table) return &m_table->lastUsed;
    if (m_mapped) return &m_mapped->lastUsed();
    return nullptr;
}

void FileIndex::threadMain() {
    bool haveTable;
    {
        QReadLocker lock(&m_lock);
        haveTable = bool(m_table);
    }
    if (!haveTable) loadSnapshot();
    Watcher* w = m_watcher.get();
    QElapsedTimer sinceSave, sinceRescan;
    sinceSave.start();
    sinceRescan.start();
    bool crawlNeeded = true;
    alignas(inotify_event) char buffer[64 * 1024];
    while (!m_stop) {
        if (crawlNeeded || m_rebuildRequested.exchange(false)) {
            crawlNeeded = false;
            {
                std::lock_guard state(m_stateMutex);
                m_idle = false;
            }
            m_crawling = true;
            auto table = crawlAll({}, w != nullptr);
            m_crawling = false;
            if (m_stop) break;
            makeCurrent(std::move(table));
            applyRecentlyUsed();
            saveSnapshot();
            sinceSave.restart();
            sinceRescan.restart();
            emit crawlFinished();
            {
                std::lock_guard state(m_stateMutex);
                m_idle = true;
            }
            m_stateChanged.notify_all();
        }
        if (!w) {
            // Without watching, the thread's work is done after the crawl unless asked again.
            std::unique_lock state(m_stateMutex);
            m_stateChanged.wait_for(state, std::chrono::milliseconds(200));
            continue;
        }
        int timeout = -1;
        if (w->limitReached) timeout = std::max(0, m_config.fallbackIntervalMs - int(sinceRescan.elapsed()));
        if (m_dirty) timeout = timeout < 0 ? kSaveIntervalMs : std::min(timeout, kSaveIntervalMs);
        if (!w->pendingMoves.isEmpty()) timeout = 50; // a move's second half comes right after its first
        pollfd fds[2] = {{w->fd, POLLIN, 0}, {w->wakeFd, POLLIN, 0}};
        const int ready = ::poll(fds, 2, timeout);
        if (m_stop) break;
        if (ready > 0 && (fds[1].revents & POLLIN)) {
            quint64 value;
            [[maybe_unused]] auto n = ::read(w->wakeFd, &value, sizeof value);
        }
        bool gotEvents = false;
        if (ready > 0 && (fds[0].revents & POLLIN)) {
            for (;;) {
                const long n = ::read(w->fd, buffer, sizeof buffer);
                if (n <= 0) break;
                gotEvents = true;
                processEvents(buffer, n);
            }
        }
        if (!gotEvents && !w->pendingMoves.isEmpty()) {
            // Moved out of the indexed folders: gone.
            QWriteLocker lock(&m_lock);
            for (auto entry : std::as_const(w->pendingMoves))
                m_table->remove(entry);
            w->pendingMoves.clear();
            m_dirty = true;
        }
        if (m_overflowed.exchange(false)) crawlNeeded = true;
        if (w->limitReached && sinceRescan.elapsed() >= m_config.fallbackIntervalMs) {
            rescanUnwatched();
            sinceRescan.restart();
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

void FileIndex::processEvents(const char* buffer, long length) {
    Watcher& w = *m_watcher;
    for (long off = 0; off < length;) {
        const auto* ev = reinterpret_cast<const inotify_event*>(buffer + off);
        off += long(sizeof(inotify_event) + ev->len);
        if (ev->mask & IN_Q_OVERFLOW) {
            m_overflowed = true;
            continue;
        }
        if (ev->mask & IN_IGNORED) {
            w.live.remove(ev->wd);
            w.watchCount = int(w.live.size());
            continue;
        }
        const quint32 dir = w.live.value(ev->wd, kNoEntry);
        if (dir == kNoEntry || ev->len == 0 || !m_table || dir >= m_table->entries.size() ||
            m_table->entries[dir].is(Entry::Deleted))
            continue;
        const QByteArray name(ev->name);
        IndexTable& t = *m_table; // only this thread writes, so reading here needs no lock
        if (ev->mask & IN_MOVED_FROM) {
            const quint32 entry = t.child(dir, name);
            if (entry != kNoEntry) w.pendingMoves.insert(ev->cookie, entry);
        } else if (ev->mask & IN_MOVED_TO) {
            const quint32 moved = w.pendingMoves.value(ev->cookie, kNoEntry);
            w.pendingMoves.remove(ev->cookie);
            if (moved != kNoEntry && !t.entries[moved].is(Entry::Deleted)) {
                QWriteLocker lock(&m_lock);
                const quint32 existing = t.child(dir, name);
                if (existing != kNoEntry && existing != moved) t.remove(existing);
                t.rename(moved, dir, name, ContentTypes::forFileName(name, t.entries[moved].is(Entry::Dir)));
                m_dirty = true;
            }
            upsert(dir, name);
        } else if (ev->mask & IN_DELETE) {
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
        options.watch = [this](const QByteArray& p, quint32 entry, int fd) { return addWatch(p, entry, fd); };
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
    if (addWatch(path, dir, -1)) {
        QWriteLocker lock(&m_lock);
        t.entries[dir].flags &= quint16(~Entry::Unwatched);
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
    for (auto dir : folders) {
        if (m_stop) return;
        if (!m_table->entries[dir].is(Entry::Deleted)) syncFolder(dir);
    }
}

qint64 FileIndex::entryCount() const {
    QReadLocker lock(&m_lock);
    if (m_table) return m_table->liveCount();
    return m_mapped ? m_mapped->liveCount() : 0;
}

bool FileIndex::contains(const QString& path) const {
    QReadLocker lock(&m_lock);
    return currentView().find(path) != kNoEntry;
}

QStringList FileIndex::unreadableFolders() const {
    QReadLocker lock(&m_lock);
    QStringList out;
    const IndexView v = currentView();
    for (quint32 i = 0; i < v.entryCount; ++i) {
        const Entry& e = v.entries[i];
        if (e.is(Entry::Unreadable) && !e.is(Entry::Deleted)) out << v.path(i);
    }
    return out;
}

IndexStatus FileIndex::status() const {
    IndexStatus s;
    s.roots = m_config.roots;
    s.crawling = m_crawling;
    {
        QReadLocker lock(&m_lock);
        if (m_table) {
            s.entries = m_table->liveCount();
            s.memoryBytes = m_table->memoryBytes();
        } else if (m_mapped) {
            s.entries = m_mapped->liveCount();
        }
    }
    s.unreadable = unreadableFolders();
    if (m_watcher) {
        s.watches = m_watcher->watchCount;
        s.watchLimitReached = m_watcher->limitReached;
    }
    if (s.watchLimitReached) {
        QReadLocker lock(&m_lock);
        if (m_table)
            for (const Entry& e : m_table->entries)
                s.unwatchedFolders += e.is(Entry::Dir) && e.is(Entry::Unwatched) && !e.is(Entry::Deleted);
    }
    if (!m_config.snapshotPath.isEmpty()) {
        QFileInfo info(m_config.snapshotPath);
        if (info.exists()) {
            s.snapshotTime = info.lastModified();
            s.snapshotBytes = info.size();
        }
    }
    return s;
}

void FileIndex::setLastUsed(const QString& path, const QDateTime& when) {
    const quint32 secs = clampTime(when.toSecsSinceEpoch());
    {
        std::lock_guard state(m_stateMutex);
        m_usedPaths.insert(QDir::cleanPath(path), secs);
    }
    QWriteLocker lock(&m_lock);
    auto* used = currentLastUsed();
    if (!used) return;
    const quint32 entry = currentView().find(path);
    if (entry != kNoEntry) used->insert(entry, secs);
}

int FileIndex::loadRecentlyUsed(const QString& xbelPath) {
    QFile file(xbelPath);
    if (!file.open(QIODevice::ReadOnly)) return 0;
    QXmlStreamReader xml(&file);
    QHash<QString, quint32> found;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != QLatin1String("bookmark"))
            continue;
        const auto attrs = xml.attributes();
        const QUrl url(attrs.value(QLatin1String("href")).toString());
        if (!url.isLocalFile()) continue;
        qint64 best = 0;
        for (const char* key : {"visited", "modified", "added"}) {
            const auto when =
                QDateTime::fromString(attrs.value(QLatin1String(key)).toString(), Qt::ISODateWithMs);
            if (when.isValid()) best = std::max(best, when.toSecsSinceEpoch());
        }
        if (best > 0) found.insert(QDir::cleanPath(url.toLocalFile()), clampTime(best));
    }
    if (xml.hasError())
        qWarning("Zarvo: could not read %s: %s", qPrintable(xbelPath), qPrintable(xml.errorString()));
    {
        std::lock_guard state(m_stateMutex);
        for (auto it = found.constBegin(); it != found.constEnd(); ++it)
            if (it.value() > m_usedPaths.value(it.key())) m_usedPaths.insert(it.key(), it.value());
    }
    int applied = 0;
    QWriteLocker lock(&m_lock);
    auto* lastUsed = currentLastUsed();
    if (!lastUsed) return 0;
    const IndexView v = currentView();
    for (auto it = found.constBegin(); it != found.constEnd(); ++it) {
        const quint32 entry = v.find(it.key());
        if (entry != kNoEntry) {
            lastUsed->insert(entry, std::max(it.value(), lastUsed->value(entry)));
            ++applied;
        }
    }
    return applied;
}

void FileIndex::applyRecentlyUsed() {
    if (!m_config.recentlyUsedPath.isEmpty()) loadRecentlyUsed(m_config.recentlyUsedPath);
    QHash<QString, quint32> used;
    {
        std::lock_guard state(m_stateMutex);
        used = m_usedPaths;
    }
    QWriteLocker lock(&m_lock);
    auto* lastUsed = currentLastUsed();
    if (!lastUsed) return;
    const IndexView v = currentView();
    for (auto it = used.constBegin(); it != used.constEnd(); ++it) {
        const quint32 entry = v.find(it.key());
        if (entry != kNoEntry) lastUsed->insert(entry, std::max(it.value(), lastUsed->value(entry)));
    }
}

} // namespace zarvo::index
