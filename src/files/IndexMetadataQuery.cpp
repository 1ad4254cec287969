#include "files/IndexMetadataQuery.h"

#include "files/AppCatalog.h"
#include "platform/Environment.h"
#include "platform/Platform.h"
#include "store/UserDefaults.h"

#include <QDir>
#include <QMetaObject>
#include <QSet>
#include <algorithm>

namespace zarvo {

IndexMetadataQuery::IndexMetadataQuery(std::shared_ptr<index::FileIndex> index,
                                       const AppCatalog* applications)
    : m_index(std::move(index)), m_applications(applications) {}

IndexMetadataQuery::~IndexMetadataQuery() {
    stopQuery();
}

bool IndexMetadataQuery::startQuery() {
    const auto spec = prepare();
    if (!spec) return false;
    m_job = m_index->startQuery(*spec, batchHandler());
    return true;
}

std::optional<index::IndexQuerySpec> IndexMetadataQuery::prepare() {
    if (m_job || m_predicate.isEmpty() || !m_index) return std::nullopt;
    index::IndexQuerySpec spec;
    spec.namePatterns = m_predicate.namePatterns;
    if (m_predicate.matchAll) spec.namePatterns << QStringLiteral("*");
    spec.contentTypes = m_predicate.contentTypes;
    spec.changedSince = m_predicate.changedSince;
    spec.scopes = m_scopes;
    spec.sort = m_sort == MetadataSort::ContentChangeDateDescending ? index::IndexQuerySpec::Sort::Modified
                                                                    : index::IndexQuerySpec::Sort::LastUsed;
    spec.limit = m_limit;
    spec.batchIntervalMs = int(std::max(0.0, m_interval) * 1000);
    m_results.clear();
    m_matched = 0;
    m_held.reset();
    const quint64 generation = ++m_generation;
    // The catalogue is small and in memory: its matches make the first batch, before any file, so the
    // applications show within the keystroke rather than after the index's first batch interval.
    m_apps = m_applications ? m_applications->match(m_predicate, m_scopes) : QStringList();
    if (!m_apps.isEmpty())
        QMetaObject::invokeMethod(
            this, [this, generation] { receive(generation, index::IndexQueryBatch{}); },
            Qt::QueuedConnection);
    return spec;
}

std::function<void(const index::IndexQueryBatch&)> IndexMetadataQuery::batchHandler() {
    // The job never calls back once cancelled, and stopQuery() cancels before this object goes, so
    // `this` is alive whenever the worker posts; events still queued die with the object.
    return [this, generation = m_generation](const index::IndexQueryBatch& batch) {
        QMetaObject::invokeMethod(
            this, [this, generation, batch] { receive(generation, batch); }, Qt::QueuedConnection);
    };
}

void IndexMetadataQuery::stopQuery() {
    if (m_job) {
        m_job->cancel();
        m_job.reset();
    }
    ++m_generation; // batches already posted are ignored
}

void IndexMetadataQuery::receive(quint64 generation, const index::IndexQueryBatch& batch) {
    if (generation != m_generation) return;
    if (m_disabled > 0) {
        // A finish must not be overtaken by a later progress batch: keep the newest, finish sticks.
        const bool finished = batch.finished || (m_held && m_held->finished);
        m_held = batch;
        m_held->finished = finished;
        return;
    }
    apply(batch);
}

QStringList IndexMetadataQuery::merged(const QStringList& files) const {
    if (m_apps.isEmpty()) return files;
    // Applications first; when both are plenty, files keep at least half of the places.
    const int limit = std::max(0, m_limit);
    const int apps =
        int(std::min<qsizetype>(m_apps.size(), limit - std::min<qsizetype>(files.size(), limit / 2)));
    QStringList out = m_apps.mid(0, apps);
    const QSet<QString> taken(out.begin(), out.end());
    for (const QString& path : files) {
        if (out.size() >= limit) break;
        if (!taken.contains(path)) out << path;
    }
    return out;
}

void IndexMetadataQuery::apply(const index::IndexQueryBatch& batch) {
    m_results = merged(batch.paths);
    m_matched = batch.matched + m_apps.size();
    if (batch.finished) {
        m_job.reset();
        emit didFinishGathering();
    } else {
        emit gatheringProgress();
    }
}

void IndexMetadataQuery::enableUpdates() {
    if (m_disabled > 0 && --m_disabled == 0 && m_held) {
        auto batch = std::move(*m_held);
        m_held.reset();
        apply(batch);
    }
}

std::optional<QString> IndexMetadataQuery::resultPath(int index) const {
    if (index < 0 || index >= m_results.size()) return std::nullopt;
    return m_results.at(index);
}

IndexMetadataQueryFactory::~IndexMetadataQueryFactory() = default; // waits for the retired indexes

void IndexMetadataQueryFactory::setFileIndex(std::shared_ptr<index::FileIndex> index) {
    std::erase_if(m_retired, [](const std::future<void>& done) {
        return done.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
    });
    m_retired.push_back(std::async(
        std::launch::async, [old = std::exchange(m_index, std::move(index))]() mutable { old.reset(); }));
}

std::unique_ptr<MetadataQuery> IndexMetadataQueryFactory::create() {
    return std::make_unique<IndexMetadataQuery>(m_index, m_applications);
}

std::vector<bool> IndexMetadataQueryFactory::startQueries(const std::vector<MetadataQuery*>& queries) {
    std::vector<bool> started(queries.size(), false);
    std::vector<IndexMetadataQuery*> joined;
    std::vector<index::IndexQuerySpec> specs;
    std::vector<std::function<void(const index::IndexQueryBatch&)>> handlers;
    for (size_t i = 0; i < queries.size(); ++i) {
        auto* q = qobject_cast<IndexMetadataQuery*>(queries[i]);
        if (!q || !m_index || q->m_index != m_index) {
            started[i] = queries[i]->startQuery();
            continue;
        }
        if (auto spec = q->prepare()) {
            started[i] = true;
            joined.push_back(q);
            specs.push_back(std::move(*spec));
            handlers.push_back(q->batchHandler());
        }
    }
    if (joined.empty()) return started;
    const auto jobs = m_index->startQueries(specs, std::move(handlers));
    for (size_t i = 0; i < joined.size(); ++i)
        joined[i]->m_job = jobs[i];
    return started;
}

namespace FileIndexSettings {

namespace {
QString expandHome(const QString& path, const QString& home) {
    if (path == QLatin1String("~")) return home;
    if (path.startsWith(QLatin1String("~/"))) return home + path.mid(1);
    return path;
}

QStringList folders(const UserDefaults& defaults, const char* key, const QString& home) {
    QStringList out;
    for (const auto& p : defaults.stringArray(QString::fromLatin1(key)).value_or(QStringList())) {
        const QString expanded = expandHome(p.trimmed(), home);
        if (QDir::isAbsolutePath(expanded))
            out << QDir::cleanPath(expanded);
        else if (!expanded.isEmpty())
            qWarning("Zarvo: file index ignores %s entry \"%s\" (not an absolute path)", key, qPrintable(p));
    }
    return out;
}
} // namespace

index::IndexConfig config(const Platform& platform) {
    const Environment& env = *platform.environment;
    index::IndexConfig c;
    const QString home = env.homePath();
    if (platform.defaults) {
        UserDefaults defaults(*platform.defaults, env.appIdentifier());
        c.roots = folders(defaults, kRootsKey, home);
        c.excluded = folders(defaults, kExcludedKey, home);
    }
    if (c.roots.isEmpty()) c.roots = {home};
    c.snapshotPath =
        env.cacheHome() + QLatin1Char('/') + env.appIdentifier() + QStringLiteral("/file-index.snapshot");
    c.recentlyUsedPath = env.dataHome() + QStringLiteral("/recently-used.xbel");
    return c;
}

std::shared_ptr<index::FileIndex> openShared(const Platform& platform) {
    return index::FileIndex::openShared(config(platform));
}

std::shared_ptr<index::FileIndex> startLive(const Platform& platform) {
    auto index = std::make_shared<index::FileIndex>(config(platform));
    index->start();
    return index;
}

} // namespace FileIndexSettings

} // namespace zarvo
