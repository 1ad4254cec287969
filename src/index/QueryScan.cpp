#include "index/QueryScan.h"

#include "index/FindBytes.h"
#include "index/Snapshot.h"
#include "index/SnapshotFormat.h"

#include <algorithm>
#include <cstring>

namespace zarvo::index {

namespace {

using SnapshotFormat::addGrams;
using SnapshotFormat::kGramBits;
using SnapshotFormat::kGramBlockRecords;

constexpr size_t kChunk = 1 << 16; // records scanned per read lock, between cancellation checks
// A mapped snapshot's chunks are read into memory: smaller, so that they stay in the processor's cache
// and a one-shot query's memory stays small. A multiple of kFirstOrderedChunk and of the gram blocks.
constexpr size_t kReadChunk = 1 << 13;
// A snapshot in ranking order starts with small chunks: a query for the newest matches usually has
// them within the first few thousand names.
constexpr size_t kFirstOrderedChunk = 1 << 12;

} // namespace

QueryPass::SourceScan::SourceScan(QueryPass& pass, size_t source, const QByteArray& literal,
                                  const QByteArray& subsequence)
    : m_pass(pass), m_si(source), m_src(pass.m_sources[source]) {
    setCandidates(literal, subsequence);
    for (auto& plan : m_pass.m_plans)
        plan.satisfied = false;
    // A snapshot in ranking order is read newest first and left as soon as nothing further on can
    // rank. Entries with a last-used time rank by it, so they are tested first on their own and
    // skipped in the scan.
    m_ordered = m_src.mapped && m_src.mapped->newestFirst();
    // A query by kind or date alone reads no name.
    m_namesTested = std::any_of(m_pass.m_plans.begin(), m_pass.m_plans.end(), [](const Plan& p) {
        return !std::all_of(p.patterns->begin(), p.patterns->end(),
                            [](const NamePattern& n) { return n.matchesAll(); });
    });
    m_usedFirst = m_ordered && m_pass.m_byLastUsed;
}

void QueryPass::SourceScan::setCandidates(const QByteArray& literal, const QByteArray& subsequence) {
    m_literal = literal;
    m_subsequence = subsequence;
    m_literalGrams.clear();
    m_gramBlocks.clear();
    if (m_literal.size() >= 2) {
        unsigned char bits[kGramBits / 8] = {};
        addGrams(bits, m_literal.constData(), size_t(m_literal.size()));
        for (quint32 b = 0; b < kGramBits; ++b)
            if (bits[b >> 3] & (1u << (b & 7))) m_literalGrams.push_back(b);
    }
    m_letters.clear();
    for (char c : m_subsequence)
        if (c != '\0' && !m_letters.contains(c) && m_letters.size() < 8) m_letters += c;
}

bool QueryPass::SourceScan::isScope(quint32 k) const {
    return std::find(m_src.scopeEntries.begin(), m_src.scopeEntries.end(), k) != m_src.scopeEntries.end();
}

bool QueryPass::SourceScan::scoped(quint32 entry) {
    if (m_src.whole) return true;
    if (m_inScope.size() < m_t.entryCount) m_inScope.resize(m_t.entryCount, 0);
    QVarLengthArray<quint32, 32> walk;
    quint32 k = entry;
    quint8 verdict = 2;
    while (m_t.has(k)) {
        if (m_inScope[k]) {
            verdict = m_inScope[k];
            break;
        }
        if (isScope(k)) {
            verdict = 1;
            m_inScope[k] = 1;
            break;
        }
        walk.append(k);
        k = m_t.entries[k].parent;
        if (walk.size() > 4096) break;
    }
    for (auto w : walk)
        m_inScope[w] = verdict;
    // The scope folder itself is not a result of searching inside it.
    return verdict == 1 && !isScope(entry);
}

void QueryPass::SourceScan::settle() {
    m_settled = true;
    const IndexView& t = m_t;
    const auto& typeOk = m_pass.m_typeOk;
    for (size_t i = 0; i < m_pendingCount; ++i) {
        const quint32 entry = m_pending[i].entry;
        const size_t rec = m_pending[i].rec;
        // Read from the record's key where the file has them: the keys lie in scan order, the entries
        // anywhere.
        const bool keyed = t.recordKeys && rec != kByEntry;
        const quint16 flags = keyed ? t.recordKeys[rec].flags : t.entries[entry].flags;
        if (flags & (Entry::Deleted | Entry::Root)) continue;
        if (m_usedFirst && rec != kByEntry && t.lastUsed->contains(entry)) continue;
        if (!typeOk.empty()) {
            const auto type = keyed ? t.recordType(rec) : t.type(entry);
            if (type >= typeOk.size() || !typeOk[type]) continue;
        }
        const quint32 mtime = keyed ? t.recordKeys[rec].mtime : t.entries[entry].mtime;
        if (mtime < m_pass.m_since) continue;
        if (!scoped(entry)) continue;
        // A keyed record has no last-used time (those were tested first, by entry).
        const size_t record = rec + m_base;
        const Hit hit{m_pass.m_byLastUsed && !keyed ? t.lastUsedOrModified(entry) : mtime, entry,
                      keyed && record < Hit::kNoRecord ? quint32(record) : Hit::kNoRecord};
        for (size_t k = 0; k < m_pass.m_plans.size(); ++k)
            if (m_pending[i].plans & (quint64(1) << k)) m_pass.push(m_pass.m_plans[k], hit, m_si);
    }
    m_pendingCount = 0;
}

void QueryPass::SourceScan::testName(quint32 entry, const char* name, size_t len, size_t rec) {
    // The names first: a mapped snapshot then reads only the entries of matching names.
    quint64 matching = 0;
    const auto& plans = m_pass.m_plans;
    for (size_t k = 0; k < plans.size(); ++k) {
        if (plans[k].done || plans[k].satisfied) continue;
        const auto& own = *plans[k].patterns;
        if (std::all_of(own.begin(), own.end(), [&](const NamePattern& p) { return p.matches(name, len); }))
            matching |= quint64(1) << k;
    }
    if (!matching) return;
    if (m_t.recordKeys && rec != kByEntry)
        __builtin_prefetch(&m_t.recordKeys[rec]);
    else
        __builtin_prefetch(&m_t.entries[entry]);
    m_pending[m_pendingCount++] = {entry, matching, rec};
    if (m_pendingCount == kAhead) settle();
}

// With keys, a record's own filters cost less than its name's patterns, so they go first: a query by
// kind or date passes over the folders and other kinds without reading a name.
bool QueryPass::SourceScan::keyPasses(size_t rec) const {
    const RecordKey& k = m_t.recordKeys[rec];
    if (k.flags & (Entry::Deleted | Entry::Root) || k.mtime < m_pass.m_since) return false;
    const auto& typeOk = m_pass.m_typeOk;
    if (typeOk.empty()) return true;
    const auto type = m_t.recordType(rec);
    return type < typeOk.size() && typeOk[type];
}

void QueryPass::SourceScan::test(size_t rec) {
    if (m_t.recordKeys && !keyPasses(rec)) return;
    const char* name = "";
    size_t len = 0;
    if (m_namesTested && !m_t.recordName(rec, &name, &len)) return;
    const quint32 entry = m_t.recordEntry(rec);
    if (m_t.has(entry)) testName(entry, name, len, rec);
}

// Whether no record from `rec` on can rank (in a snapshot in ranking order). A plan is satisfied once
// it holds as many results as it keeps, all ranking before this record (the records after it rank
// lower still); every plan is once the record is older than the oldest time asked for. The scan then
// looks only for what the plans left need.
bool QueryPass::SourceScan::restCannotRank(size_t rec) {
    const IndexView& t = m_t;
    if (!m_ordered || !t.recordKeys || rec >= t.recordCount) return false;
    const quint32 entry = t.recordEntry(rec);
    if (!t.has(entry) || (t.recordKeys[rec].flags & Entry::Deleted)) return true; // they come last
    const quint32 mtime = t.recordKeys[rec].mtime;
    if (mtime < m_pass.m_since) return true;
    const Hit next{mtime, entry};
    bool newlySatisfied = false;
    std::vector<size_t> left;
    auto& plans = m_pass.m_plans;
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
}

void QueryPass::SourceScan::scanUsedFirst() {
    QReadLocker lock(m_src.live ? &m_pass.m_index.m_lock : nullptr);
    m_t = m_src.view();
    for (auto it = m_t.lastUsed->cbegin(); it != m_t.lastUsed->cend(); ++it) {
        const QByteArrayView name = m_t.foldedName(it.key());
        if (!name.isEmpty()) testName(it.key(), name.data(), size_t(name.size()), kByEntry);
    }
    settle();
}

// A live table's renamed entries: their names lie past their slots, which the scan passes as dead.
void QueryPass::SourceScan::scanRenamed() {
    QReadLocker lock(m_src.live ? &m_pass.m_index.m_lock : nullptr);
    m_t = m_src.view();
    if (m_t.records || !m_t.vacated || m_t.vacated->isEmpty()) return;
    for (auto it = m_t.vacated->cbegin(); it != m_t.vacated->cend(); ++it) {
        const QByteArrayView name = m_t.foldedName(it.key());
        if (!name.isEmpty()) testName(it.key(), name.data(), size_t(name.size()), kByEntry);
    }
    settle();
}

bool QueryPass::SourceScan::run() {
    if (m_usedFirst) scanUsedFirst();
    scanRenamed();
    m_reading = m_src.mapped && !m_src.table;
    const size_t maxChunk = m_reading ? kReadChunk : kChunk;
    size_t chunk = m_ordered ? kFirstOrderedChunk : maxChunk;
    bool rested = false; // the rest of this source cannot rank
    for (size_t start = 0; !rested; start += chunk, chunk = std::min(chunk * 2, maxChunk)) {
        for (auto& plan : m_pass.m_plans)
            plan.done = plan.request->job->isCancelled();
        if (m_pass.stopping()) return false;
        QReadLocker lock(m_src.live ? &m_pass.m_index.m_lock : nullptr);
        m_t = m_src.view();
        m_base = 0;
        const size_t total = size_t(m_t.recordCount);
        m_recCount = total;
        if (start >= total) break;
        const size_t end = std::min(total, start + chunk);
        // The first record's key tells whether the rest can rank.
        if (!window(start, start) || restCannotRank(start - m_base)) break;
        rested = scanChunk(start, end);
        settle(); // before the lock goes: the view is valid only under it
        const bool more = (end < total && !rested) || m_si + 1 < m_pass.m_sources.size();
        lock.unlock();
        if (more) // the finish follows at once otherwise: no progress batch just before it
            for (auto& plan : m_pass.m_plans)
                m_pass.maybePost(plan, m_ordered);
    }
    return true;
}

// True when the rest cannot rank, or cannot be read.
bool QueryPass::SourceScan::scanChunk(size_t start, size_t end) {
    if (m_literal.size() >= 2 || m_subsequence.size() >= 2) {
        if (m_t.grams && !m_literalGrams.empty()) return scanByGrams(start, end);
        return !window(start, end) || scanSpan(start - m_base, end - m_base);
    }
    if (!window(start, end)) return true;
    for (size_t rec = start - m_base; rec < end - m_base; ++rec) {
        test(rec);
        if (m_settled) {
            m_settled = false;
            if (restCannotRank(rec + 1)) return true;
        }
    }
    return false;
}

// Only the blocks whose names may hold the literal, in runs of adjacent ones.
bool QueryPass::SourceScan::scanByGrams(size_t start, size_t end) {
    const IndexView& t = m_t;
    if (m_gramBlocks.empty() && m_src.mapped && !m_src.table) {
        m_gramBlocks = m_src.mapped->gramBlocks(m_literalGrams);
    } else if (m_gramBlocks.empty()) {
        m_gramBlocks.assign(t.grams + m_literalGrams[0] * t.gramWords,
                            t.grams + (m_literalGrams[0] + 1) * t.gramWords);
        for (const quint32 b : m_literalGrams)
            for (quint64 w = 0; w < t.gramWords; ++w)
                m_gramBlocks[w] &= t.grams[b * t.gramWords + w];
    }
    auto mayHold = [&](size_t block) {
        return block / 64 >= m_gramBlocks.size() || (m_gramBlocks[block / 64] >> (block % 64)) & 1;
    };
    bool rested = false;
    for (size_t from = start; from < end && !rested;) {
        size_t block = from / kGramBlockRecords;
        while (from < end && !mayHold(block))
            from = ++block * kGramBlockRecords;
        size_t spanEnd = from;
        while (spanEnd < end && mayHold(block))
            spanEnd = std::min(end, ++block * kGramBlockRecords);
        if (from < spanEnd) rested = !window(from, spanEnd) || scanSpan(from - m_base, spanEnd - m_base);
        from = spanEnd;
    }
    return rested;
}

// The next candidate at or after `pos`: the longest required piece, or the first name holding the
// subsequence; `to` when none.
size_t QueryPass::SourceScan::nextCandidate(size_t pos, size_t to) const {
    const char* base = m_t.folded;
    if (m_literal.size() >= 2) {
        const char* hit = findBytes(base + pos, to - pos, m_literal.constData(), size_t(m_literal.size()));
        return hit ? size_t(hit - base) : to;
    }
    return findNameHolding(base, pos, to, m_letters.constData(), size_t(m_letters.size()));
}

// The record holding offset `off`, from `rec` on. Hits come in order and usually a few names apart:
// gallop from the last one, then bisect the last stride.
size_t QueryPass::SourceScan::recordHolding(size_t rec, size_t spanEnd, quint32 off) const {
    size_t probe = rec, stride = 1;
    while (probe + stride < spanEnd && m_t.recordOff(probe + stride) <= off) {
        probe += stride;
        stride *= 2;
    }
    if (stride > 1 && probe + 1 < spanEnd) {
        // The last record at or before `off` in (probe, limit).
        size_t lo = probe + 1, hi = std::min(spanEnd, probe + stride);
        while (lo < hi) {
            const size_t mid = lo + (hi - lo) / 2;
            if (m_t.recordOff(mid) <= off)
                lo = mid + 1;
            else
                hi = mid;
        }
        probe = lo - 1;
    }
    return probe;
}

// Finds candidates across a span of records, then tests only the names they land in. Offsets are
// clamped: a mapped file is not trusted to be sorted. True when the rest cannot rank.
bool QueryPass::SourceScan::scanSpan(size_t from, size_t spanEnd) {
    if (!m_t.records && m_t.vacated->isEmpty()) return scanBackToBack(from, spanEnd);
    auto offsetOf = [&](size_t rec) { return std::min<quint64>(m_t.recordOff(rec), m_t.foldedSize); };
    const size_t to = spanEnd < m_recCount ? offsetOf(spanEnd) : size_t(m_t.foldedSize);
    size_t pos = offsetOf(from);
    size_t rec = from;
    while (pos < to) {
        const size_t hit = nextCandidate(pos, to);
        if (hit >= to) break;
        const auto off = quint32(hit);
        rec = recordHolding(rec, spanEnd, off);
        test(rec);
        ++rec;
        if (m_settled) {
            m_settled = false;
            if (restCannotRank(rec)) return true;
        }
        if (rec >= spanEnd) break;
        pos = std::max<size_t>(offsetOf(rec), off + 1);
    }
    return false;
}

// The same over a live table without renames, whose names lie back to back in entry order: a hit's
// record is the one after as many names as end before it, so only the entries of matching names are
// read (and those a few at a time, see settle()).
bool QueryPass::SourceScan::scanBackToBack(size_t from, size_t spanEnd) {
    const char* base = m_t.folded;
    const size_t to = spanEnd < m_recCount ? size_t(m_t.recordOff(spanEnd)) : size_t(m_t.foldedSize);
    size_t rec = from, start = size_t(m_t.recordOff(from)); // `rec`'s name starts at `start`
    size_t pos = start;
    while (pos < to && rec < spanEnd) {
        const size_t hit = nextCandidate(pos, to);
        if (hit >= to) break;
        if (const auto ends = size_t(std::count(base + start, base + hit, '\0'))) {
            rec += ends;
            start = size_t(static_cast<const char*>(::memrchr(base + start, '\0', hit - start)) - base) + 1;
        }
        const char* name = base + start;
        const size_t length = std::strlen(name);
        if (rec < spanEnd) testName(quint32(rec), name, length, rec);
        ++rec;
        start += length + 1;
        pos = start;
    }
    return false;
}

bool QueryPass::SourceScan::window(size_t start, size_t end) {
    if (!m_reading) return true;
    settle(); // the hits waiting are numbered in the slice read last
    m_t = m_src.view();
    return readWindow(start, end);
}

// Reads records [start, end) (with the record after, whose offset ends the last name and whose key
// tells whether the rest can rank), their keys and, when names are tested, their names; m_t then holds
// them, numbered from m_base, with offsets into the names read. Offsets outside the slice are clamped
// into it: a damaged file yields odd names, never a read outside.
bool QueryPass::SourceScan::readWindow(size_t start, size_t end) {
    using SnapshotFormat::Section;
    const MappedSnapshot& mapped = *m_src.mapped;
    const size_t total = size_t(m_t.recordCount), last = std::min(total, end + 1), n = last - start;
    m_windowRecords.resize(n);
    m_windowKeys.resize(m_t.recordKeys ? n : 0);
    if (!mapped.read(Section::Records, start * sizeof(FoldRecord), m_windowRecords.data(),
                     n * sizeof(FoldRecord)) ||
        (m_t.recordKeys &&
         !mapped.read(Section::Keys, start * sizeof(RecordKey), m_windowKeys.data(), n * sizeof(RecordKey))))
        return false;
    const quint64 from = std::min<quint64>(m_windowRecords.front().off, m_t.foldedSize);
    quint64 to =
        end < total ? std::min<quint64>(m_windowRecords[end - start].off, m_t.foldedSize) : m_t.foldedSize;
    if (!m_namesTested || to < from) to = from;
    m_windowNames.resize(size_t(to - from));
    if (!mapped.read(Section::Folded, from, m_windowNames.data(), to - from)) return false;
    for (FoldRecord& r : m_windowRecords)
        r.off = quint32(std::clamp<quint64>(r.off, from, to) - from);
    m_t.records = m_windowRecords.data();
    m_t.recordKeys = m_t.recordKeys ? m_windowKeys.data() : nullptr;
    m_t.recordCount = n;
    m_t.folded = m_windowNames.data();
    m_t.foldedSize = to - from;
    m_base = start;
    m_recCount = n;
    return true;
}

} // namespace zarvo::index
