#include "index/FileIndex.h"

#include "index/Crawler.h"
#include "index/IndexWatcher.h"
#include "index/RecentlyUsed.h"
#include "index/Snapshot.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <sys/stat.h>

namespace zarvo::index {

namespace {

QByteArray cleanFolder(const QString& path) {
    QString clean = QDir::cleanPath(path);
    return clean.toUtf8();
}

} // namespace

QString IndexConfig::fingerprint() const {
    return QStringLiteral("roots=") + roots.join(QLatin1Char('\n')) + QStringLiteral("\nexcluded=") +
           excluded.join(QLatin1Char('\n'));
}

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

QList<QByteArray> FileIndex::priorityFolders() const {
    constexpr int kRecentFolders = 64;
    QList<QByteArray> out;
    auto add = [&](const QString& folder) {
        QByteArray path = QDir::cleanPath(folder).toUtf8();
        if (!out.contains(path)) out << std::move(path);
    };
    for (const QString& root : m_config.roots) {
        add(root);
        for (const char* own : {"Desktop", "Documents", "Downloads"})
            add(root + QLatin1Char('/') + QLatin1String(own));
    }
    // The folders of the most recently used files (those under a root), newest first.
    QHash<QString, quint32> used;
    if (!m_config.recentlyUsedPath.isEmpty()) used = RecentlyUsed::read(m_config.recentlyUsedPath);
    {
        std::lock_guard state(m_stateMutex);
        for (auto it = m_usedPaths.cbegin(); it != m_usedPaths.cend(); ++it)
            used.insert(it.key(), std::max(it.value(), used.value(it.key())));
    }
    std::vector<std::pair<quint32, QString>> recent;
    for (auto it = used.cbegin(); it != used.cend(); ++it)
        recent.emplace_back(it.value(), QFileInfo(it.key()).path());
    std::sort(recent.begin(), recent.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    int taken = 0;
    for (const auto& entry : recent) {
        if (taken >= kRecentFolders) break;
        const QString& folder = entry.second; // a plain name: clang 14 lambdas cannot capture bindings
        const bool underRoot =
            std::any_of(m_config.roots.begin(), m_config.roots.end(), [&](const QString& r) {
                return folder == r ||
                       folder.startsWith(r.endsWith(QLatin1Char('/')) ? r : r + QLatin1Char('/'));
            });
        if (!underRoot) continue;
        add(folder);
        ++taken;
    }
    return out;
}

std::shared_ptr<IndexTable> FileIndex::crawlAll(const std::function<void(qint64)>& progress, bool watch) {
    auto table = std::make_shared<IndexTable>();
    Crawler::Options options;
    for (const auto& ex : m_config.excluded)
        options.excluded.insert(ex.toUtf8());
    options.progress = progress;
    options.cancel = &m_stop;
    if (watch && m_watcher) {
        m_watcher->startBuilding();
        m_watcher->reserve(priorityFolders());
        options.watch = [this](const QByteArray& path, quint32 entry, int fd) {
            return m_watcher->add(path, entry, fd);
        };
        options.watchAhead = [this](const QByteArray& path, int fd) { return m_watcher->addAhead(path, fd); };
        options.bindWatch = [this](int wd, quint32 entry) { m_watcher->bind(wd, entry); };
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
    if (watch && m_watcher) m_watcher->adoptBuilding();
    return table;
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
    if (m_config.watch)
        m_watcher = std::make_unique<IndexWatcher>(m_config.watchLimit, m_config.fallbackIntervalMs);
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
        s.watches = m_watcher->watchCount();
        s.watchLimitReached = m_watcher->limitReached();
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
    const QHash<QString, quint32> found = RecentlyUsed::read(xbelPath);
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
