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

using SnapshotFormat::addGrams;
using SnapshotFormat::kGramBits;
using SnapshotFormat::kGramBlockRecords;

constexpr qint64 kScopeCrawlLimitForQueries = 500000;
constexpr size_t kChunk = 1 << 16; // records scanned per read lock, between cancellation checks
// A snapshot in ranking order starts with small chunks: a query for the newest matches usually has
// them within the first few thousand names.
constexpr size_t kFirstOrderedChunk = 1 << 12;
constexpr qint64 kOrderedFirstBatchMs = 10;
constexpr int kSpelledPerRelease = 32; // paths spelled out of a mapped snapshot between releases

struct Hit {
    quint32 key;
    quint32 entry;
    quint32 record = kNoRecord; // in a snapshot in ranking order: where its path can be read whole
    static constexpr quint32 kNoRecord = 0xffffffffu;
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
    return startQueries({spec}, {std::move(onBatch)}).front();
}

std::vector<std::shared_ptr<IndexQueryJob>>
FileIndex::startQueries(const std::vector<IndexQuerySpec>& specs,
                        std::vector<std::function<void(const IndexQueryBatch&)>> onBatch) {
    std::vector<QueryRequest> requests;
    std::vector<std::shared_ptr<IndexQueryJob>> jobs;
    {
        std::lock_guard lock(m_jobsMutex);
        std::erase_if(m_jobs, [](const std::weak_ptr<IndexQueryJob>& w) { return w.expired(); });
        for (size_t i = 0; i < specs.size(); ++i) {
            auto job = std::make_shared<IndexQueryJob>();
            m_jobs.push_back(job);
            jobs.push_back(job);
            requests.push_back({job, specs[i], i < onBatch.size() ? std::move(onBatch[i]) : nullptr});
        }
    }
    if (!requests.empty()) m_pool.start([this, requests = std::move(requests)] { runQueries(requests); });
    return jobs;
}

namespace {

// The names a query's scan stops at: those holding its longest required literal, else its longest
// subsequence; none (every name) when it has neither.
struct Candidates {
    QByteArray literal;
    QByteArray subsequence;
    bool any() const { return literal.size() < 2 && subsequence.size() < 2; }
};

Candidates candidatesOf(const std::vector<NamePattern>& patterns) {
    Candidates c;
    for (const auto& p : patterns)
        if (p.requiredLiteral().size() > c.literal.size()) c.literal = p.requiredLiteral();
    // Without a literal worth searching for, a subsequence pattern (*d*w*n*l*) is found in one pass.
    if (c.literal.size() < 2)
        for (const auto& p : patterns)
            if (p.subsequence().size() > c.subsequence.size()) c.subsequence = p.subsequence();
    return c;
}

bool isSubsequence(const QByteArray& small, const QByteArray& big) {
    qsizetype k = 0;
    for (qsizetype i = 0; i < big.size() && k < small.size(); ++i)
        if (big[i] == small[k]) ++k;
    return k == small.size();
}

// Whether every name that `other` stops at is also a stop of `scan`.
bool covers(const Candidates& scan, const Candidates& other) {
    if (scan.any()) return true;
    if (other.any()) return false;
    if (scan.literal.size() >= 2) return other.literal.size() >= 2 && other.literal.contains(scan.literal);
    const QByteArray& held = other.literal.size() >= 2 ? other.literal : other.subsequence;
    return isSubsequence(scan.subsequence, held);
}

} // namespace

void FileIndex::runQueries(const std::vector<QueryRequest>& requests) {
    // One pass serves queries that differ only in their name patterns, when one scan finds the
    // candidates of them all (a substring query and its subsequence twin); others run one by one.
    auto sameFilters = [](const IndexQuerySpec& a, const IndexQuerySpec& b) {
        return a.contentTypes == b.contentTypes && a.changedSince == b.changedSince && a.scopes == b.scopes &&
               a.sort == b.sort;
    };
    std::vector<std::vector<NamePattern>> patterns;
    for (const auto& r : requests) {
        std::vector<NamePattern> own;
        for (const auto& p : r.spec.namePatterns)
            own.emplace_back(p);
        std::erase_if(own, [](const NamePattern& p) { return p.matchesAll(); });
        patterns.push_back(std::move(own));
    }
    std::optional<Candidates> shared;
    for (size_t i = 0; i < requests.size() && !shared; ++i) {
        const Candidates c = candidatesOf(patterns[i]);
        bool all = true;
        for (size_t j = 0; j < requests.size() && all; ++j)
            all = sameFilters(requests[i].spec, requests[j].spec) && covers(c, candidatesOf(patterns[j]));
        if (all) shared = c;
    }
    if (requests.size() > 64) shared.reset(); // a pass tells its plans apart by the bits of a word
    if (shared || requests.size() == 1) {
        const Candidates c = shared ? *shared : candidatesOf(patterns.front());
        runPass(requests, patterns, c.literal, c.subsequence);
        return;
    }
    for (size_t i = 0; i < requests.size(); ++i) {
        const Candidates c = candidatesOf(patterns[i]);
        runPass({requests[i]}, {patterns[i]}, c.literal, c.subsequence);
    }
}

void FileIndex::runPass(const std::vector<QueryRequest>& requests,
                        const std::vector<std::vector<NamePattern>>& patterns, const QByteArray& literal,
                        const QByteArray& subsequence) {
    // What each query of the pass gathers and hands out.
    struct Plan {
        const QueryRequest* request = nullptr;
        const std::vector<NamePattern>* patterns = nullptr;
        size_t limit = 0;
        std::vector<std::pair<Hit, size_t>> tagged; // a heap; hits of sources told apart by a tag
        qint64 matched = 0;
        qint64 lastPost = 0;
        bool changedSincePost = false;
        bool posted = false;
        bool done = false;      // cancelled
        bool satisfied = false; // nothing further in this source can rank (a snapshot in ranking order)
    };
    std::vector<Plan> plans;
    for (size_t i = 0; i < requests.size(); ++i) {
        Plan plan;
        plan.request = &requests[i];
        plan.patterns = &patterns[i];
        plan.limit = size_t(std::max(0, requests[i].spec.limit));
        plans.push_back(std::move(plan));
    }
    const IndexQuerySpec& spec = requests.front().spec; // the filters every plan shares

    auto deliver = [](Plan& plan, const IndexQueryBatch& batch) {
        IndexQueryJob& job = *plan.request->job;
        std::lock_guard lock(job.m_deliver);
        if (job.isCancelled()) return;
        if (batch.finished) job.m_finished = true;
        if (plan.request->onBatch) plan.request->onBatch(batch);
    };
    auto allCancelled = [&] {
        for (auto& plan : plans)
            if (!plan.request->job->isCancelled()) return false;
        return true;
    };
    // A query asked before the first load or crawl waits for it, still cancellable.
    while (!waitReady(50))
        if (allCancelled() || m_stop) return;

    QElapsedTimer clock;
    clock.start();
    const quint32 since = spec.changedSince ? clampTime(spec.changedSince->toSecsSinceEpoch()) : 0;
    const bool byLastUsed = spec.sort == IndexQuerySpec::Sort::LastUsed;
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
                own.live = false;
                own.whole = true;
                // The crawl stops with the query it runs for; one cut short while another query of
                // the pass still wants it is crawled again for that one.
                for (;;) {
                    const auto wanting =
                        std::find_if(requests.begin(), requests.end(),
                                     [](const QueryRequest& r) { return !r.job->isCancelled(); });
                    if (wanting == requests.end() || m_stop) return;
                    own.table = std::make_shared<IndexTable>();
                    Crawler::Options options;
                    options.cancel = &wanting->job->m_cancelled;
                    options.limit = kScopeCrawlLimitForQueries;
                    Crawler crawler(options);
                    crawler.crawlRoot(*own.table, path);
                    if (!wanting->job->isCancelled()) break;
                }
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

    auto push = [&](Plan& plan, const Hit& h, size_t source) {
        ++plan.matched;
        plan.changedSincePost = true;
        if (plan.limit == 0) return;
        auto worse = [](const std::pair<Hit, size_t>& a, const std::pair<Hit, size_t>& b) {
            return a.first < b.first;
        };
        auto& tagged = plan.tagged;
        if (tagged.size() < plan.limit) {
            tagged.emplace_back(h, source);
            std::push_heap(tagged.begin(), tagged.end(), worse);
        } else if (h < tagged.front().first) {
            std::pop_heap(tagged.begin(), tagged.end(), worse);
            tagged.back() = {h, source};
            std::push_heap(tagged.begin(), tagged.end(), worse);
        }
    };
    // A mapped snapshot does not change: the paths (and folders) spelled out for one batch or plan
    // serve the next.
    std::vector<QHash<quint32, QByteArray>> spelledOut(sources.size());
    auto resultPaths = [&](const Plan& plan) {
        auto sorted = plan.tagged;
        std::sort(sorted.begin(), sorted.end(),
                  [](const auto& a, const auto& b) { return a.first < b.first; });
        QStringList paths;
        paths.reserve(qsizetype(sorted.size()));
        // A mapped snapshot's records lead to their folders in a small section. Without (an older file),
        // every folder of a path costs a page of entries and one of names, far apart: the snapshot then gives
        // them back every few paths, so spelling out 300 paths never holds thousands.
        int spelled = 0;
        std::vector<char> scattered(sources.size(), 0);
        QByteArray bytes;
        for (const auto& [hit, source] : sorted) {
            const Source& s = sources[source];
            QReadLocker lock(s.live ? &m_lock : nullptr);
            if (!s.mapped || s.table) {
                paths << s.view().path(hit.entry);
                continue;
            }
            const IndexView v = s.view();
            if (hit.record != Hit::kNoRecord && v.recordPath(hit.record, &bytes)) {
                paths << QString::fromUtf8(bytes);
                continue;
            }
            auto& known = spelledOut[source];
            if (const auto it = known.constFind(hit.entry); it != known.constEnd()) {
                paths << QString::fromUtf8(*it);
                continue;
            }
            if (!scattered[source]) s.mapped->expectScatteredReads(true);
            scattered[source] = 1;
            paths << QString::fromUtf8(v.pathBytes(hit.entry, known));
            if (++spelled % kSpelledPerRelease == 0) s.mapped->releaseScatteredReads();
        }
        for (size_t k = 0; k < sources.size(); ++k)
            if (scattered[k]) {
                sources[k].mapped->releaseScatteredReads();
                sources[k].mapped->expectScatteredReads(false); // the scan goes on
            }
        return paths;
    };
    // The first batch goes out as soon as anything matched; later ones at most every interval. A
    // snapshot in ranking order usually has every result within a few milliseconds: a first batch
    // then waits a little, rather than being spelled out only to be replaced at once.
    auto maybePost = [&](Plan& plan, bool ordered) {
        if (plan.done || !plan.changedSincePost ||
            (plan.posted && clock.elapsed() - plan.lastPost < plan.request->spec.batchIntervalMs) ||
            (!plan.posted && ordered && clock.elapsed() < kOrderedFirstBatchMs))
            return;
        plan.posted = true;
        IndexQueryBatch batch;
        batch.paths = resultPaths(plan);
        batch.matched = plan.matched;
        deliver(plan, batch);
        plan.lastPost = clock.elapsed();
        plan.changedSincePost = false;
    };
    for (size_t si = 0; si < sources.size(); ++si) {
        Source& src = sources[si];
        // What the scan stops at; narrowed when the plans it served for are satisfied.
        QByteArray scanLiteral = literal, scanSubsequence = subsequence;
        QByteArray letters; // the distinct bytes of the subsequence (eight at most: only the prefilter)
        std::vector<quint32> literalGrams; // the gram bits of every block holding the literal
        std::vector<quint64> gramBlocks;   // the blocks in all their rows (taken when first needed)
        auto setCandidates = [&](const QByteArray& l, const QByteArray& sub) {
            scanLiteral = l;
            scanSubsequence = sub;
            literalGrams.clear();
            gramBlocks.clear();
            if (scanLiteral.size() >= 2) {
                unsigned char bits[kGramBits / 8] = {};
                addGrams(bits, scanLiteral.constData(), size_t(scanLiteral.size()));
                for (quint32 b = 0; b < kGramBits; ++b)
                    if (bits[b >> 3] & (1u << (b & 7))) literalGrams.push_back(b);
            }
            letters.clear();
            for (char c : scanSubsequence)
                if (c != '\0' && !letters.contains(c) && letters.size() < 8) letters += c;
        };
        setCandidates(literal, subsequence);
        for (auto& plan : plans)
            plan.satisfied = false;
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
        // Names that matched wait in a short queue while their entries are fetched: the entries of
        // matching names lie far apart, and reading each at once stalls the scan on a cache miss.
        struct Pending {
            quint32 entry;
            quint64 plans; // bit k: plan k's patterns matched
            size_t rec;    // kByEntry: from the pass over last-used entries
        };
        constexpr size_t kByEntry = ~size_t(0);
        constexpr size_t kAhead = 16;
        Pending pending[kAhead];
        size_t pendingCount = 0;
        // A snapshot in ranking order is read newest first and left as soon as nothing further on can
        // rank. Entries with a last-used time rank by it, so they are tested first on their own and
        // skipped in the scan.
        const bool ordered = src.mapped && src.mapped->newestFirst();
        const bool usedFirst = ordered && byLastUsed;
        bool settled = false; // since the last look at whether the rest can rank
        auto settle = [&] {
            settled = true;
            for (size_t i = 0; i < pendingCount; ++i) {
                const quint32 entry = pending[i].entry;
                const size_t rec = pending[i].rec;
                // Read from the record's key where the file has them: the keys lie in scan order, the
                // entries anywhere.
                const bool keyed = t.recordKeys && rec != kByEntry;
                const quint16 flags = keyed ? t.recordKeys[rec].flags : t.entries[entry].flags;
                if (flags & (Entry::Deleted | Entry::Root)) continue;
                if (usedFirst && rec != kByEntry && t.lastUsed->contains(entry)) continue;
                if (!typeOk.empty()) {
                    const auto type = keyed ? t.recordType(rec) : t.type(entry);
                    if (type >= typeOk.size() || !typeOk[type]) continue;
                }
                const quint32 mtime = keyed ? t.recordKeys[rec].mtime : t.entries[entry].mtime;
                if (mtime < since) continue;
                if (!scoped(entry)) continue;
                // A keyed record has no last-used time (those were tested first, by entry).
                const Hit hit{byLastUsed && !keyed ? t.lastUsedOrModified(entry) : mtime, entry,
                              keyed && rec < Hit::kNoRecord ? quint32(rec) : Hit::kNoRecord};
                for (size_t k = 0; k < plans.size(); ++k)
                    if (pending[i].plans & (quint64(1) << k)) push(plans[k], hit, si);
            }
            pendingCount = 0;
        };
        auto testName = [&](quint32 entry, const char* name, size_t len, size_t rec) {
            // The names first: a mapped snapshot then reads only the entries of matching names.
            quint64 matching = 0;
            for (size_t k = 0; k < plans.size(); ++k) {
                if (plans[k].done || plans[k].satisfied) continue;
                const auto& own = *plans[k].patterns;
                if (std::all_of(own.begin(), own.end(),
                                [&](const NamePattern& p) { return p.matches(name, len); }))
                    matching |= quint64(1) << k;
            }
            if (!matching) return;
            if (t.recordKeys && rec != kByEntry)
                __builtin_prefetch(&t.recordKeys[rec]);
            else
                __builtin_prefetch(&t.entries[entry]);
            pending[pendingCount++] = {entry, matching, rec};
            if (pendingCount == kAhead) settle();
        };
        // With keys, a record's own filters cost less than its name's patterns, so they go first: a
        // query by kind or date passes over the folders and other kinds without reading a name.
        auto keyPasses = [&](size_t rec) {
            const RecordKey& k = t.recordKeys[rec];
            if (k.flags & (Entry::Deleted | Entry::Root) || k.mtime < since) return false;
            if (typeOk.empty()) return true;
            const auto type = t.recordType(rec);
            return type < typeOk.size() && typeOk[type];
        };
        auto test = [&](size_t rec) {
            if (t.recordKeys && !keyPasses(rec)) return;
            const char* name;
            size_t len;
            if (!t.recordName(rec, &name, &len)) return;
            const quint32 entry = t.records[rec].entry;
            if (t.has(entry)) testName(entry, name, len, rec);
        };
        // Whether no record from `rec` on can rank (in a snapshot in ranking order). A plan is
        // satisfied once it holds as many results as it keeps, all ranking before this record (the
        // records after it rank lower still); every plan is once the record is older than the oldest
        // time asked for. The scan then looks only for what the plans left need.
        auto restCannotRank = [&](size_t rec) {
            if (!ordered || !t.recordKeys || rec >= t.recordCount) return false;
            const quint32 entry = t.records[rec].entry;
            if (!t.has(entry) || (t.recordKeys[rec].flags & Entry::Deleted)) return true; // they come last
            const quint32 mtime = t.recordKeys[rec].mtime;
            if (mtime < since) return true;
            const Hit next{mtime, entry};
            bool newlySatisfied = false;
            std::vector<size_t> left;
            for (size_t k = 0; k < plans.size(); ++k) {
                Plan& plan = plans[k];
                if (plan.done || plan.satisfied) continue;
                if (plan.limit > 0 && plan.tagged.size() == plan.limit && plan.tagged.front().first < next) {
                    plan.satisfied = newlySatisfied = true;
                    continue;
                }
                left.push_back(k);
            }
            if (left.empty()) return true;
            if (newlySatisfied)
                for (const size_t k : left) {
                    const Candidates c = candidatesOf(*plans[k].patterns);
                    if (c.any()) continue; // keep the current stops: they serve every plan
                    if (std::all_of(left.begin(), left.end(),
                                    [&](size_t j) { return covers(c, candidatesOf(*plans[j].patterns)); })) {
                        setCandidates(c.literal, c.subsequence);
                        break;
                    }
                }
            return false;
        };
        if (usedFirst) {
            QReadLocker lock(src.live ? &m_lock : nullptr);
            t = src.view();
            for (auto it = t.lastUsed->cbegin(); it != t.lastUsed->cend(); ++it) {
                const QByteArrayView name = t.foldedName(it.key());
                if (!name.isEmpty()) testName(it.key(), name.data(), size_t(name.size()), kByEntry);
            }
            settle();
        }

        size_t chunk = ordered ? kFirstOrderedChunk : kChunk;
        size_t released = 0; // records let go of so far (a mapped snapshot)
        bool rested = false; // the rest of this source cannot rank
        for (size_t start = 0; !rested; start += chunk, chunk = std::min(chunk * 2, kChunk)) {
            for (auto& plan : plans)
                plan.done = plan.request->job->isCancelled();
            if (allCancelled() || m_stop) return;
            QReadLocker lock(src.live ? &m_lock : nullptr);
            t = src.view();
            const size_t recCount = size_t(t.recordCount);
            if (start >= recCount) break;
            if (restCannotRank(start)) break;
            const size_t end = std::min(recCount, start + chunk);
            if (scanLiteral.size() >= 2 || scanSubsequence.size() >= 2) {
                // Find candidates across a span of records (the longest required piece, or the first
                // name holding the subsequence), then test only the names they land in. Offsets are
                // clamped: a mapped file is not trusted to be sorted. True when the rest cannot rank.
                auto scanSpan = [&](size_t from, size_t spanEnd) {
                    const char* base = t.folded;
                    auto offsetOf = [&](size_t rec) {
                        return std::min<quint64>(t.records[rec].off, t.foldedSize);
                    };
                    auto nextCandidate = [&](size_t pos, size_t to) -> size_t {
                        if (scanLiteral.size() >= 2) {
                            const char* hit = findBytes(base + pos, to - pos, scanLiteral.constData(),
                                                        size_t(scanLiteral.size()));
                            return hit ? size_t(hit - base) : to;
                        }
                        return findNameHolding(base, pos, to, letters.constData(), size_t(letters.size()));
                    };
                    const size_t to = spanEnd < recCount ? offsetOf(spanEnd) : size_t(t.foldedSize);
                    size_t pos = offsetOf(from);
                    size_t rec = from;
                    while (pos < to) {
                        const size_t hit = nextCandidate(pos, to);
                        if (hit >= to) break;
                        const auto off = quint32(hit);
                        // Hits come in order and usually a few names apart: gallop from the last one,
                        // then bisect the last stride.
                        size_t probe = rec, stride = 1;
                        while (probe + stride < spanEnd && t.records[probe + stride].off <= off) {
                            probe += stride;
                            stride *= 2;
                        }
                        if (stride > 1 && probe + 1 < spanEnd) {
                            const size_t limit = std::min(spanEnd, probe + stride);
                            auto it =
                                std::upper_bound(t.records + probe + 1, t.records + limit, off,
                                                 [](quint32 o, const FoldRecord& r) { return o < r.off; });
                            probe = size_t(it - t.records) - 1;
                        }
                        rec = probe;
                        test(rec);
                        ++rec;
                        if (settled) {
                            settled = false;
                            if (restCannotRank(rec)) return true;
                        }
                        if (rec >= spanEnd) break;
                        pos = std::max<size_t>(offsetOf(rec), off + 1);
                    }
                    return false;
                };
                if (t.grams && !literalGrams.empty()) {
                    // Only the blocks whose names may hold the literal, in runs of adjacent ones.
                    if (gramBlocks.empty()) {
                        gramBlocks.assign(t.grams + literalGrams[0] * t.gramWords,
                                          t.grams + (literalGrams[0] + 1) * t.gramWords);
                        for (const quint32 b : literalGrams)
                            for (quint64 w = 0; w < t.gramWords; ++w)
                                gramBlocks[w] &= t.grams[b * t.gramWords + w];
                    }
                    auto mayHold = [&](size_t block) {
                        return block / 64 >= gramBlocks.size() ||
                               (gramBlocks[block / 64] >> (block % 64)) & 1;
                    };
                    for (size_t from = start; from < end && !rested;) {
                        size_t block = from / kGramBlockRecords;
                        while (from < end && !mayHold(block))
                            from = ++block * kGramBlockRecords;
                        size_t spanEnd = from;
                        while (spanEnd < end && mayHold(block))
                            spanEnd = std::min(end, ++block * kGramBlockRecords);
                        if (from < spanEnd) rested = scanSpan(from, spanEnd);
                        from = spanEnd;
                    }
                } else {
                    rested = scanSpan(start, end);
                }
            } else {
                for (size_t rec = start; rec < end; ++rec) {
                    test(rec);
                    if (settled) {
                        settled = false;
                        if (restCannotRank(rec + 1)) {
                            rested = true;
                            break;
                        }
                    }
                }
            }
            settle(); // before the lock goes: the view is valid only under it
            // A one-shot process keeps only what it still reads: the scanned slice goes back to the page
            // cache (the final paths fault their few pages in again).
            // (In slices of a full chunk at least: each release is a system call.)
            if (src.mapped && !src.table && (end - released >= kChunk || end == recCount || rested)) {
                src.mapped->release(t.folded + std::min<quint64>(t.records[released].off, t.foldedSize),
                                    t.folded + (end < recCount
                                                    ? std::min<quint64>(t.records[end].off, t.foldedSize)
                                                    : t.foldedSize));
                src.mapped->release(t.records + released, t.records + end);
                if (t.recordKeys) src.mapped->release(t.recordKeys + released, t.recordKeys + end);
                if (!ordered) // else the entries were not read in this order (nor at all, but for scopes)
                    src.mapped->release(t.entries + std::min<size_t>(released, t.entryCount),
                                        t.entries + std::min<size_t>(end, t.entryCount));
                released = end;
            }
            const bool more = (end < recCount && !rested) || si + 1 < sources.size();
            lock.unlock();
            if (more) // the finish follows at once otherwise: no progress batch just before it
                for (auto& plan : plans)
                    maybePost(plan, ordered);
        }
    }
    for (auto& plan : plans) {
        IndexQueryBatch last;
        last.paths = resultPaths(plan);
        last.matched = plan.matched;
        last.finished = true;
        deliver(plan, last);
    }
}

} // namespace zarvo::index
