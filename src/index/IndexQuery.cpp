// The query engine of FileIndex: a scan of the folded-name buffer on a worker thread.
#include "index/Crawler.h"
#include "index/FileIndex.h"
#include "index/NamePattern.h"

#include <QDir>
#include <QElapsedTimer>
#include <algorithm>
#include <cstring>

namespace zarvo::index {

namespace {

constexpr qint64 kScopeCrawlLimitForQueries = 500000;
constexpr size_t kChunk = 1 << 16; // records scanned per read lock, between cancellation checks

struct Hit {
    quint32 key;
    quint32 entry;
    // Newest first; equal times keep crawl order.
    bool operator<(const Hit& o) const { return key != o.key ? key > o.key : entry < o.entry; }
};

// Where a query looks: the live table (maybe restricted to folders), or a private crawl of a scope
// outside the indexed roots.
struct Source {
    std::shared_ptr<IndexTable> table;
    bool live = true;
    std::vector<quint32> scopeEntries; // empty with `whole`: everything
    bool whole = false;
};

} // namespace

std::shared_ptr<IndexQueryJob> FileIndex::startQuery(const IndexQuerySpec& spec,
                                                     std::function<void(const IndexQueryBatch&)> onBatch) {
    auto job = std::make_shared<IndexQueryJob>();
    {
        std::lock_guard lock(m_jobsMutex);
        std::erase_if(m_jobs, [](const std::weak_ptr<IndexQueryJob>& w) { return w.expired(); });
        m_jobs.push_back(job);
    }
    m_pool.start([this, job, spec, onBatch = std::move(onBatch)] { runQuery(job, spec, onBatch); });
    return job;
}

void FileIndex::runQuery(const std::shared_ptr<IndexQueryJob>& job, const IndexQuerySpec& spec,
                         const std::function<void(const IndexQueryBatch&)>& onBatch) {
    auto deliver = [&](IndexQueryBatch batch) {
        std::lock_guard lock(job->m_deliver);
        if (job->isCancelled()) return;
        if (batch.finished) job->m_finished = true;
        onBatch(batch);
    };
    // A query asked before the first load or crawl waits for it, still cancellable.
    while (!waitReady(50))
        if (job->isCancelled() || m_stop) return;

    QElapsedTimer clock;
    clock.start();
    std::vector<NamePattern> patterns;
    for (const auto& p : spec.namePatterns)
        patterns.emplace_back(p);
    std::erase_if(patterns, [](const NamePattern& p) { return p.matchesAll(); });
    QByteArray literal;
    for (const auto& p : patterns)
        if (p.requiredLiteral().size() > literal.size()) literal = p.requiredLiteral();
    std::vector<bool> typeOk;
    if (!spec.contentTypes.isEmpty()) typeOk = ContentTypes::conformingIds(spec.contentTypes);
    const quint32 since = spec.changedSince ? clampTime(spec.changedSince->toSecsSinceEpoch()) : 0;
    const bool byLastUsed = spec.sort == IndexQuerySpec::Sort::LastUsed;
    const size_t limit = size_t(std::max(0, spec.limit));

    // Sources: the live table, plus private crawls for scopes it does not hold.
    std::vector<Source> sources;
    {
        Source live;
        {
            QReadLocker lock(&m_lock);
            live.table = m_table;
        }
        live.whole = spec.scopes.isEmpty();
        for (const auto& scope : spec.scopes) {
            const QByteArray path = QDir::cleanPath(scope).toUtf8();
            quint32 entry;
            std::vector<quint32> rootsUnder;
            {
                QReadLocker lock(&m_lock);
                entry = live.table->find(QString::fromUtf8(path));
                for (auto r : live.table->roots())
                    if (live.table->name(r).startsWith(path + '/') || path == "/") rootsUnder.push_back(r);
            }
            bool excluded = false;
            for (const auto& ex : m_config.excluded) {
                const QByteArray e = ex.toUtf8();
                if (path == e || path.startsWith(e + '/')) excluded = true;
            }
            if (excluded) {
                entry = kNoEntry;
                rootsUnder.clear();
            }
            if (entry != kNoEntry && live.table->entries[entry].is(Entry::Dir)) {
                live.scopeEntries.push_back(entry);
            } else if (!rootsUnder.empty()) {
                live.scopeEntries.insert(live.scopeEntries.end(), rootsUnder.begin(), rootsUnder.end());
            } else {
                Source own;
                own.table = std::make_shared<IndexTable>();
                own.live = false;
                own.whole = true;
                Crawler::Options options;
                options.cancel = &job->m_cancelled;
                options.limit = kScopeCrawlLimitForQueries;
                Crawler crawler(options);
                crawler.crawlRoot(*own.table, path);
                if (job->isCancelled()) return;
                sources.push_back(std::move(own));
            }
        }
        if (live.whole || !live.scopeEntries.empty()) sources.insert(sources.begin(), std::move(live));
    }

    qint64 matched = 0;
    qint64 lastPost = 0;
    bool changedSincePost = false;

    // Hits of different sources are told apart by a source tag kept beside the heap.
    std::vector<std::pair<Hit, size_t>> tagged;
    auto push = [&](const Hit& h, size_t source) {
        ++matched;
        changedSincePost = true;
        if (limit == 0) return;
        auto worse = [](const std::pair<Hit, size_t>& a, const std::pair<Hit, size_t>& b) {
            return a.first < b.first;
        };
        if (tagged.size() < limit) {
            tagged.emplace_back(h, source);
            std::push_heap(tagged.begin(), tagged.end(), worse);
        } else if (h < tagged.front().first) {
            std::pop_heap(tagged.begin(), tagged.end(), worse);
            tagged.back() = {h, source};
            std::push_heap(tagged.begin(), tagged.end(), worse);
        }
    };
    auto resultPaths = [&]() {
        auto sorted = tagged;
        std::sort(sorted.begin(), sorted.end(),
                  [](const auto& a, const auto& b) { return a.first < b.first; });
        QStringList paths;
        paths.reserve(qsizetype(sorted.size()));
        for (const auto& [hit, source] : sorted) {
            const Source& s = sources[source];
            QReadLocker lock(s.live ? &m_lock : nullptr);
            paths << s.table->path(hit.entry);
        }
        return paths;
    };
    bool posted = false;
    // The first batch goes out as soon as anything matched; later ones at most every interval.
    auto maybePost = [&]() {
        if (!changedSincePost || (posted && clock.elapsed() - lastPost < spec.batchIntervalMs)) return;
        posted = true;
        IndexQueryBatch batch;
        batch.paths = resultPaths();
        batch.matched = matched;
        deliver(batch);
        lastPost = clock.elapsed();
        changedSincePost = false;
    };

    for (size_t si = 0; si < sources.size(); ++si) {
        Source& src = sources[si];
        const IndexTable& t = *src.table;
        // Scope membership per entry, filled lazily up the parent chain: 0 unknown, 1 in, 2 out.
        std::vector<quint8> inScope;
        auto scoped = [&](quint32 entry) {
            if (src.whole) return true;
            if (inScope.size() < t.entries.size()) inScope.resize(t.entries.size(), 0);
            if (inScope.empty()) return false;
            QVarLengthArray<quint32, 32> walk;
            quint32 k = entry;
            quint8 verdict = 2;
            while (k != kNoEntry) {
                if (inScope[k]) {
                    verdict = inScope[k];
                    break;
                }
                if (std::find(src.scopeEntries.begin(), src.scopeEntries.end(), k) !=
                    src.scopeEntries.end()) {
                    verdict = 1;
                    inScope[k] = 1;
                    break;
                }
                walk.append(k);
                k = t.entries[k].parent;
                if (walk.size() > 4096) break;
            }
            for (auto w : walk)
                inScope[w] = verdict;
            // The scope folder itself is not a result of searching inside it.
            return verdict == 1 && std::find(src.scopeEntries.begin(), src.scopeEntries.end(), entry) ==
                                       src.scopeEntries.end();
        };
        auto test = [&](size_t rec, size_t recCount) {
            const FoldRecord& r = t.foldRecords[rec];
            if (r.entry == kNoEntry) return;
            const Entry& e = t.entries[r.entry];
            if (e.flags & (Entry::Deleted | Entry::Root)) return;
            const char* name = t.folded.constData() + r.off;
            const size_t len =
                (rec + 1 < recCount ? t.foldRecords[rec + 1].off : quint32(t.folded.size())) - r.off - 1;
            for (const auto& p : patterns)
                if (!p.matches(name, len)) return;
            if (!typeOk.empty() && (e.type >= typeOk.size() || !typeOk[e.type])) return;
            if (e.mtime < since) return;
            if (!scoped(r.entry)) return;
            push({byLastUsed ? t.lastUsedOrModified(r.entry) : e.mtime, r.entry}, si);
        };

        for (size_t start = 0;; start += kChunk) {
            if (job->isCancelled() || m_stop) return;
            QReadLocker lock(src.live ? &m_lock : nullptr);
            const size_t recCount = t.foldRecords.size();
            if (start >= recCount) break;
            const size_t end = std::min(recCount, start + kChunk);
            if (literal.size() >= 2) {
                // Find the rarest required piece across the whole chunk with memmem, then test only
                // the names it lands in.
                const char* base = t.folded.constData();
                const size_t from = t.foldRecords[start].off;
                const size_t to = end < recCount ? t.foldRecords[end].off : size_t(t.folded.size());
                size_t pos = from;
                size_t rec = start;
                while (pos < to) {
                    const void* hit =
                        memmem(base + pos, to - pos, literal.constData(), size_t(literal.size()));
                    if (!hit) break;
                    const auto off = quint32(static_cast<const char*>(hit) - base);
                    // Hits come in order and usually a few names apart: step, then bisect.
                    size_t probe = rec;
                    while (probe + 1 < end && probe < rec + 8 && t.foldRecords[probe + 1].off <= off)
                        ++probe;
                    if (probe + 1 < end && t.foldRecords[probe + 1].off <= off) {
                        auto it = std::upper_bound(t.foldRecords.begin() + qptrdiff(probe),
                                                   t.foldRecords.begin() + qptrdiff(end), off,
                                                   [](quint32 o, const FoldRecord& r) { return o < r.off; });
                        probe = size_t(it - t.foldRecords.begin()) - 1;
                    }
                    rec = probe;
                    test(rec, recCount);
                    ++rec;
                    if (rec >= end) break;
                    pos = t.foldRecords[rec].off;
                }
            } else {
                for (size_t rec = start; rec < end; ++rec)
                    test(rec, recCount);
            }
            const bool more = end < recCount || si + 1 < sources.size();
            lock.unlock();
            if (more) // the finish follows at once otherwise: no progress batch just before it
                maybePost();
        }
    }
    IndexQueryBatch last;
    last.paths = resultPaths();
    last.matched = matched;
    last.finished = true;
    deliver(last);
}

} // namespace zarvo::index
