#pragma once
// Internal to the index: a query pass's scan of one source.

#include "index/QueryPass.h"

namespace zarvo::index {

// Reads one source's records in chunks (each under the lock when live), tests the names that may match
// and hands the hits to the pass's plans.
class QueryPass::SourceScan {
public:
    SourceScan(QueryPass& pass, size_t source, const QByteArray& literal, const QByteArray& subsequence);
    // False when every query was cancelled or the index is stopping: the pass ends without a result.
    bool run();

private:
    // Names that matched wait in a short queue while their entries are fetched: the entries of
    // matching names lie far apart, and reading each at once stalls the scan on a cache miss.
    struct Pending {
        quint32 entry;
        quint64 plans; // bit k: plan k's patterns matched
        size_t rec;    // kByEntry: from the pass over last-used entries
    };
    static constexpr size_t kByEntry = ~size_t(0);
    static constexpr size_t kAhead = 16;

    void setCandidates(const QByteArray& literal, const QByteArray& subsequence);
    bool isScope(quint32 entry) const;
    bool scoped(quint32 entry);
    void settle();
    void testName(quint32 entry, const char* name, size_t len, size_t rec);
    bool keyPasses(size_t rec) const;
    void test(size_t rec);
    bool restCannotRank(size_t rec);
    void scanUsedFirst();
    void scanRenamed();
    bool scanChunk(size_t start, size_t end);
    bool scanByGrams(size_t start, size_t end);
    bool scanSpan(size_t from, size_t spanEnd);
    bool scanBackToBack(size_t from, size_t spanEnd);
    size_t nextCandidate(size_t pos, size_t to) const;
    size_t recordHolding(size_t rec, size_t spanEnd, quint32 off) const;
    // In a mapped snapshot, reads records [start, end) into m_t (readWindow), false when they cannot
    // be read; elsewhere m_t holds every record already.
    bool window(size_t start, size_t end);
    bool readWindow(size_t start, size_t end);

    QueryPass& m_pass;
    size_t m_si;
    Source& m_src;
    // What the scan stops at; narrowed when the plans it served for are satisfied.
    QByteArray m_literal, m_subsequence;
    QByteArray m_letters; // the distinct bytes of the subsequence (eight at most: only the prefilter)
    std::vector<quint32> m_literalGrams; // the gram bits of every block holding the literal
    std::vector<quint64> m_gramBlocks;   // the blocks in all their rows (taken when first needed)
    IndexView m_t;                       // reset for every chunk: the live table's arrays may have moved
    size_t m_recCount = 0;
    // Scope membership per entry, filled lazily up the parent chain: 0 unknown, 1 in, 2 out.
    std::vector<quint8> m_inScope;
    Pending m_pending[kAhead];
    size_t m_pendingCount = 0;
    bool m_ordered = false;
    bool m_namesTested = true;
    bool m_usedFirst = false;
    bool m_settled = false; // since the last look at whether the rest can rank
    // A mapped snapshot's chunk is read into these, and m_t then numbers its records from m_base:
    // only the chunk being scanned is in memory, whatever the page cache holds.
    std::vector<FoldRecord> m_windowRecords;
    std::vector<RecordKey> m_windowKeys;
    std::vector<char> m_windowNames;
    size_t m_base = 0;
    bool m_reading = false;
};

} // namespace zarvo::index
