// The query engine of FileIndex: a scan of the folded-name buffer on a worker thread.
#include "index/Crawler.h"
#include "index/FileIndex.h"
#include "index/FindBytes.h"
#include "index/NamePattern.h"
#include "index/Snapshot.h"

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

// Where a query looks: the live table or the mapped snapshot (maybe restricted to folders), both read
// under the index's lock, or a private crawl of a scope outside the indexed roots.
struct Source {
    std::shared_ptr<IndexTable> table;
    std::shared_ptr<const MappedSnapshot> mapped;
    bool live = true;
    bool types = false;                // the query tests content types
    std::vector<quint32> scopeEntries; // empty with `whole`: everything
    bool whole = false;
    // Valid while the lock is held (the live table's arrays move as it grows).
    IndexView view() const { return table ? table->view() : mapped ? mapped->view(types) : IndexView{}; }
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
    // Without a literal worth searching for, a subsequence pattern (*d*w*n*l*) is found in one pass.
    QByteArray subsequence;
    if (literal.size() < 2)
        for (const auto& p : patterns)
            if (p.subsequence().size() > subsequence.size()) subsequence = p.subsequence();
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
            if (!m_table) live.mapped = m_mapped;
        }
        live.types = !spec.contentTypes.isEmpty();
        live.whole = spec.scopes.isEmpty();
        for (const auto& scope : spec.scopes) {
            const QByteArray path = QDir::cleanPath(scope).toUtf8();
            quint32 entry;
            std::vector<quint32> rootsUnder;
            bool isDir = false;
            {
                QReadLocker lock(&m_lock);
                const IndexView v = live.view();
                entry = v.find(QString::fromUtf8(path));
                isDir = v.has(entry) && v.entries[entry].is(Entry::Dir);
                for (auto r : v.roots())
                    if (v.name(r).startsWith(path + '/') || path == "/") rootsUnder.push_back(r);
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
            if (entry != kNoEntry && isDir) {
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
    // The conforming ids are taken once every source's type ids are known: a mapped snapshot registers
    // its types on first view, and ids registered after this point would fail every kind test.
    std::vector<bool> typeOk;
    if (!spec.contentTypes.isEmpty()) {
        for (const Source& src : sources) {
            QReadLocker lock(src.live ? &m_lock : nullptr);
            (void)src.view();
        }
        typeOk = ContentTypes::conformingIds(spec.contentTypes);
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
            paths << s.view().path(hit.entry);
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
        // Reset for every chunk: the live table's arrays may have moved meanwhile.
        IndexView t;
        // Scope membership per entry, filled lazily up the parent chain: 0 unknown, 1 in, 2 out.
        std::vector<quint8> inScope;
        auto isScope = [&](quint32 k) {
            return std::find(src.scopeEntries.begin(), src.scopeEntries.end(), k) != src.scopeEntries.end();
        };
        auto scoped = [&](quint32 entry) {
            if (src.whole) return true;
            if (inScope.size() < t.entryCount) inScope.resize(t.entryCount, 0);
            QVarLengthArray<quint32, 32> walk;
            quint32 k = entry;
            quint8 verdict = 2;
            while (t.has(k)) {
                if (inScope[k]) {
                    verdict = inScope[k];
                    break;
                }
                if (isScope(k)) {
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
            return verdict == 1 && !isScope(entry);
        };
        auto test = [&](size_t rec) {
            const char* name;
            size_t len;
            if (!t.recordName(rec, &name, &len)) return;
            const quint32 entry = t.records[rec].entry;
            if (!t.has(entry)) return;
            // The name first: a mapped snapshot then reads only the entries of matching names.
            for (const auto& p : patterns)
                if (!p.matches(name, len)) return;
            const Entry& e = t.entries[entry];
            if (e.flags & (Entry::Deleted | Entry::Root)) return;
            if (!typeOk.empty()) {
                const auto type = t.type(entry);
                if (type >= typeOk.size() || !typeOk[type]) return;
            }
            if (e.mtime < since) return;
            if (!scoped(entry)) return;
            push({byLastUsed ? t.lastUsedOrModified(entry) : e.mtime, entry}, si);
        };

        for (size_t start = 0;; start += kChunk) {
            if (job->isCancelled() || m_stop) return;
            QReadLocker lock(src.live ? &m_lock : nullptr);
            t = src.view();
            const size_t recCount = size_t(t.recordCount);
            if (start >= recCount) break;
            const size_t end = std::min(recCount, start + kChunk);
            if (literal.size() >= 2 || subsequence.size() >= 2) {
                // Find candidates across the whole chunk (the longest required piece, or the first name
                // holding the subsequence), then test only the names they land in. Offsets are clamped:
                // a mapped file is not trusted to be sorted.
                const char* base = t.folded;
                auto offsetOf = [&](size_t rec) {
                    return std::min<quint64>(t.records[rec].off, t.foldedSize);
                };
                auto nextCandidate = [&](size_t pos, size_t to) -> size_t {
                    if (literal.size() >= 2) {
                        const char* hit =
                            findBytes(base + pos, to - pos, literal.constData(), size_t(literal.size()));
                        return hit ? size_t(hit - base) : to;
                    }
                    return findSubsequence(base, pos, to, subsequence.constData(),
                                           size_t(subsequence.size()));
                };
                const size_t to = end < recCount ? offsetOf(end) : size_t(t.foldedSize);
                size_t pos = offsetOf(start);
                size_t rec = start;
                while (pos < to) {
                    const size_t hit = nextCandidate(pos, to);
                    if (hit >= to) break;
                    const auto off = quint32(hit);
                    // Hits come in order and usually a few names apart: gallop from the last one, then
                    // bisect the last stride.
                    size_t probe = rec, stride = 1;
                    while (probe + stride < end && t.records[probe + stride].off <= off) {
                        probe += stride;
                        stride *= 2;
                    }
                    if (stride > 1 && probe + 1 < end) {
                        const size_t limit = std::min(end, probe + stride);
                        auto it = std::upper_bound(t.records + probe + 1, t.records + limit, off,
                                                   [](quint32 o, const FoldRecord& r) { return o < r.off; });
                        probe = size_t(it - t.records) - 1;
                    }
                    rec = probe;
                    test(rec);
                    ++rec;
                    if (rec >= end) break;
                    pos = std::max<size_t>(offsetOf(rec), off + 1);
                }
            } else {
                for (size_t rec = start; rec < end; ++rec)
                    test(rec);
            }
            // A one-shot process keeps only what it still reads: the scanned slice goes back to the page
            // cache (the final paths fault their few pages in again).
            if (src.mapped && !src.table) {
                src.mapped->release(t.folded + std::min<quint64>(t.records[start].off, t.foldedSize),
                                    t.folded + (end < recCount
                                                    ? std::min<quint64>(t.records[end].off, t.foldedSize)
                                                    : t.foldedSize));
                src.mapped->release(t.records + start, t.records + end);
                src.mapped->release(t.entries + std::min<size_t>(start, t.entryCount),
                                    t.entries + std::min<size_t>(end, t.entryCount));
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
