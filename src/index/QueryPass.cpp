#include "index/QueryPass.h"

#include "index/Crawler.h"
#include "index/QueryScan.h"
#include "index/Snapshot.h"

#include <QDir>
#include <algorithm>

namespace zarvo::index {

namespace {

constexpr qint64 kScopeCrawlLimitForQueries = 500000;
constexpr qint64 kOrderedFirstBatchMs = 10;
constexpr int kSpelledPerRelease = 32; // paths spelled out of a mapped snapshot between releases

bool isSubsequence(const QByteArray& small, const QByteArray& big) {
    qsizetype k = 0;
    for (qsizetype i = 0; i < big.size() && k < small.size(); ++i)
        if (big[i] == small[k]) ++k;
    return k == small.size();
}

} // namespace

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

bool covers(const Candidates& scan, const Candidates& other) {
    if (scan.any()) return true;
    if (other.any()) return false;
    if (scan.literal.size() >= 2) return other.literal.size() >= 2 && other.literal.contains(scan.literal);
    const QByteArray& held = other.literal.size() >= 2 ? other.literal : other.subsequence;
    return isSubsequence(scan.subsequence, held);
}

IndexView QueryPass::Source::view() const {
    return table ? table->view() : mapped ? mapped->view(types) : IndexView{};
}

QueryPass::QueryPass(FileIndex& index, const std::vector<Request>& requests,
                     const std::vector<std::vector<NamePattern>>& patterns)
    : m_index(index), m_requests(requests), m_spec(requests.front().spec) {
    for (size_t i = 0; i < requests.size(); ++i) {
        Plan plan;
        plan.request = &requests[i];
        plan.patterns = &patterns[i];
        plan.limit = size_t(std::max(0, requests[i].spec.limit));
        m_plans.push_back(std::move(plan));
    }
}

void QueryPass::deliver(Plan& plan, const IndexQueryBatch& batch) {
    IndexQueryJob& job = *plan.request->job;
    std::lock_guard lock(job.m_deliver);
    if (job.isCancelled()) return;
    if (plan.request->onBatch) plan.request->onBatch(batch);
}

bool QueryPass::allCancelled() const {
    for (const auto& plan : m_plans)
        if (!plan.request->job->isCancelled()) return false;
    return true;
}

bool QueryPass::stopping() const {
    return allCancelled() || m_index.m_stop;
}

bool QueryPass::crawlScope(const QByteArray& path, Source& own) {
    own.live = false;
    own.whole = true;
    // The crawl stops with the query it runs for; one cut short while another query of the pass still
    // wants it is crawled again for that one.
    for (;;) {
        const auto wanting = std::find_if(m_requests.begin(), m_requests.end(),
                                          [](const Request& r) { return !r.job->isCancelled(); });
        if (wanting == m_requests.end() || m_index.m_stop) return false;
        own.table = std::make_shared<IndexTable>();
        Crawler::Options options;
        options.cancel = &wanting->job->m_cancelled;
        options.limit = kScopeCrawlLimitForQueries;
        Crawler crawler(options);
        crawler.crawlRoot(*own.table, path);
        if (!wanting->job->isCancelled()) return true;
    }
}

bool QueryPass::gatherSources() {
    Source live;
    {
        QReadLocker lock(&m_index.m_lock);
        live.table = m_index.m_table;
        if (!live.table) live.mapped = m_index.m_mapped;
    }
    live.types = !m_spec.contentTypes.isEmpty();
    live.whole = m_spec.scopes.isEmpty();
    for (const auto& scope : m_spec.scopes) {
        const QByteArray path = QDir::cleanPath(scope).toUtf8();
        quint32 entry;
        std::vector<quint32> rootsUnder;
        bool isDir = false;
        {
            QReadLocker lock(&m_index.m_lock);
            const IndexView v = live.view();
            entry = v.find(QString::fromUtf8(path));
            isDir = v.has(entry) && v.entries[entry].is(Entry::Dir);
            for (auto r : v.roots())
                if (v.name(r).startsWith(path + '/') || path == "/") rootsUnder.push_back(r);
        }
        bool excluded = false;
        for (const auto& ex : m_index.m_config.excluded) {
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
            if (!crawlScope(path, own)) return false;
            m_sources.push_back(std::move(own));
        }
    }
    if (live.whole || !live.scopeEntries.empty()) m_sources.insert(m_sources.begin(), std::move(live));
    return true;
}

void QueryPass::push(Plan& plan, const Hit& h, size_t source) {
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
}

QStringList QueryPass::resultPaths(const Plan& plan) {
    auto sorted = plan.tagged;
    std::sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    QStringList paths;
    paths.reserve(qsizetype(sorted.size()));
    // A mapped snapshot's records lead to their folders in a small section. Without (an older file),
    // every folder of a path costs a page of entries and one of names, far apart: the snapshot then
    // gives them back every few paths, so spelling out 300 paths never holds thousands.
    int spelled = 0;
    std::vector<char> scattered(m_sources.size(), 0);
    QByteArray bytes;
    for (const auto& [hit, source] : sorted) {
        const Source& s = m_sources[source];
        QReadLocker lock(s.live ? &m_index.m_lock : nullptr);
        if (!s.mapped || s.table) {
            paths << s.view().path(hit.entry);
            continue;
        }
        const IndexView v = s.view();
        auto& known = m_spelledOut[source];
        if (const auto it = known.constFind(hit.entry); it != known.constEnd()) {
            paths << QString::fromUtf8(*it);
            continue;
        }
        if (hit.record != Hit::kNoRecord && s.mapped->readRecordPath(hit.record, &bytes)) {
            known.insert(hit.entry, bytes); // each batch spells the results kept so far again
            paths << QString::fromUtf8(bytes);
            continue;
        }
        if (!scattered[source]) s.mapped->expectScatteredReads(true);
        scattered[source] = 1;
        paths << QString::fromUtf8(v.pathBytes(hit.entry, known));
        if (++spelled % kSpelledPerRelease == 0) s.mapped->releaseScatteredReads();
    }
    for (size_t k = 0; k < m_sources.size(); ++k)
        if (scattered[k]) {
            m_sources[k].mapped->releaseScatteredReads();
            m_sources[k].mapped->expectScatteredReads(false); // the scan goes on
        }
    return paths;
}

// The first batch goes out as soon as anything matched; later ones at most every interval. A snapshot
// in ranking order usually has every result within a few milliseconds: a first batch then waits a
// little, rather than being spelled out only to be replaced at once.
void QueryPass::maybePost(Plan& plan, bool ordered) {
    if (plan.done || !plan.changedSincePost ||
        (plan.posted && m_clock.elapsed() - plan.lastPost < plan.request->spec.batchIntervalMs) ||
        (!plan.posted && ordered && m_clock.elapsed() < kOrderedFirstBatchMs))
        return;
    plan.posted = true;
    IndexQueryBatch batch;
    batch.paths = resultPaths(plan);
    batch.matched = plan.matched;
    deliver(plan, batch);
    plan.lastPost = m_clock.elapsed();
    plan.changedSincePost = false;
}

void QueryPass::run(const QByteArray& literal, const QByteArray& subsequence) {
    // A query asked before the first load or crawl waits for it, still cancellable.
    while (!m_index.waitReady(50))
        if (stopping()) return;

    m_clock.start();
    m_since = m_spec.changedSince ? clampTime(m_spec.changedSince->toSecsSinceEpoch()) : 0;
    m_byLastUsed = m_spec.sort == IndexQuerySpec::Sort::LastUsed;
    if (!gatherSources()) return;
    // The conforming ids are taken once every source's type ids are known: a mapped snapshot registers
    // its types on first view, and ids registered after this point would fail every kind test.
    if (!m_spec.contentTypes.isEmpty()) {
        for (const Source& src : m_sources) {
            QReadLocker lock(src.live ? &m_index.m_lock : nullptr);
            (void)src.view();
        }
        m_typeOk = ContentTypes::conformingIds(m_spec.contentTypes);
    }
    m_spelledOut.resize(m_sources.size());
    for (size_t si = 0; si < m_sources.size(); ++si) {
        SourceScan scan(*this, si, literal, subsequence);
        if (!scan.run()) return;
    }
    for (auto& plan : m_plans) {
        IndexQueryBatch last;
        last.paths = resultPaths(plan);
        last.matched = plan.matched;
        last.finished = true;
        deliver(plan, last);
    }
}

} // namespace zarvo::index
