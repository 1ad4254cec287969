#pragma once

#include "platform/MetadataQuery.h"
#include "search/SearchQuery.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

namespace zarvo {

// Finds files by name, kind, date and folder through metadata queries: one query of substring
// patterns and, for words of three or more characters, one of subsequence patterns, run side by side;
// their paths are merged and de-duplicated on every batch. Ranking is the caller's. Main thread only.
class SpotlightSearch : public QObject {
    Q_OBJECT
public:
    using Callback = std::function<void(const QStringList& paths, bool finished)>;

    explicit SpotlightSearch(MetadataQueryFactory& factory, QObject* parent = nullptr);
    ~SpotlightSearch() override;

    // Starts a new search, replacing any running one. `onResults` is called on the main thread zero or
    // more times with finished false, then once with finished true, unless cancelled first.
    void search(const SearchQuery& query, Callback onResults);
    // Stops everything and forgets the current search; safe when idle.
    void cancel();
    bool isRunning() const { return !m_queries.empty(); }

    int maxResults = 300;
    // False for a caller that shows only the outcome: the batches before the last are neither merged
    // nor reported, which saves ranking each of them.
    bool reportsProgress = true;

    // The metadata query a search is made of (one per pattern set), before it is started.
    struct Plan {
        MetadataPredicate predicate;
        QStringList scopes;
        MetadataSort sort = MetadataSort::LastUsedDateDescending;
        bool operator==(const Plan&) const = default;
    };
    // The queries `search` would run for `query`, in order; empty when there is nothing to look for.
    static QList<Plan> plan(const SearchQuery& query);
    // The text a term is searched for: the wildcards a user types are dropped, they must not widen the
    // pattern. Ranking what was found compares against the same text.
    static QString searchedText(const QString& term);

private:
    void notified(MetadataQuery* query, bool finish, const Callback& onResults);
    QStringList mergedResults() const;

    MetadataQueryFactory& m_factory;
    std::vector<std::unique_ptr<MetadataQuery>> m_queries; // creation order
    QHash<MetadataQuery*, QStringList> m_results;
    QSet<MetadataQuery*> m_finished;
    QList<QMetaObject::Connection> m_observers;
    QList<QPointer<MetadataQuery>> m_retired; // released by cancel(), deleted by the event loop
};

} // namespace zarvo
