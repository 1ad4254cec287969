#pragma once
// Internal to the index: one scan over the names that feeds one or more queries (FileIndex::runQueries).

#include "index/FileIndex.h"
#include "index/NamePattern.h"

#include <QElapsedTimer>
#include <vector>

namespace zarvo::index {

// The names a query's scan stops at: those holding its longest required literal, else its longest
// subsequence; none (every name) when it has neither.
struct Candidates {
    QByteArray literal;
    QByteArray subsequence;
    bool any() const { return literal.size() < 2 && subsequence.size() < 2; }
};
Candidates candidatesOf(const std::vector<NamePattern>& patterns);
// Whether every name that `other` stops at is also a stop of `scan`.
bool covers(const Candidates& scan, const Candidates& other);

class QueryPass {
public:
    using Request = FileIndex::QueryRequest;
    QueryPass(FileIndex& index, const std::vector<Request>& requests,
              const std::vector<std::vector<NamePattern>>& patterns);
    // Runs the pass to its end: every query not cancelled gets its final batch.
    void run(const QByteArray& literal, const QByteArray& subsequence);

    struct Hit {
        quint32 key;
        quint32 entry;
        quint32 record = kNoRecord; // in a snapshot in ranking order: where its path can be read whole
        static constexpr quint32 kNoRecord = 0xffffffffu;
        // Newest first; equal times keep crawl order.
        bool operator<(const Hit& o) const { return key != o.key ? key > o.key : entry < o.entry; }
    };
    // Where a query looks: the live table or the mapped snapshot (maybe restricted to folders), both
    // read under the index's lock, or a private crawl of a scope outside the indexed roots.
    struct Source {
        std::shared_ptr<IndexTable> table;
        std::shared_ptr<const MappedSnapshot> mapped;
        bool live = true;
        bool types = false;                // the query tests content types
        std::vector<quint32> scopeEntries; // empty with `whole`: everything
        bool whole = false;
        // Valid while the lock is held (the live table's arrays move as it grows).
        IndexView view() const;
    };
    // What each query of the pass gathers and hands out.
    struct Plan {
        const Request* request = nullptr;
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

private:
    class SourceScan;

    bool allCancelled() const;
    bool stopping() const;
    static void deliver(Plan& plan, const IndexQueryBatch& batch);
    // The live table (narrowed to the scopes it holds) and a private crawl per scope it does not hold.
    // False when every query was cancelled meanwhile.
    bool gatherSources();
    bool crawlScope(const QByteArray& path, Source& own);
    void push(Plan& plan, const Hit& h, size_t source);
    QStringList resultPaths(const Plan& plan);
    void maybePost(Plan& plan, bool ordered);

    FileIndex& m_index;
    const std::vector<Request>& m_requests;
    const IndexQuerySpec& m_spec; // the filters every plan shares
    std::vector<Plan> m_plans;
    std::vector<Source> m_sources;
    std::vector<bool> m_typeOk;
    quint32 m_since = 0;
    bool m_byLastUsed = true;
    QElapsedTimer m_clock;
    // A mapped snapshot does not change: the paths (and folders) spelled out for one batch or plan
    // serve the next.
    std::vector<QHash<quint32, QByteArray>> m_spelledOut;
};

} // namespace zarvo::index
