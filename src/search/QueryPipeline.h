#pragma once

#include "search/Ranking.h"
#include "search/ResultItem.h"
#include "search/SearchModel.h"
#include "search/SearchQuery.h"

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QSet>
#include <QTimer>
#include <memory>
#include <optional>

namespace zarvo {

class SpotlightSearch;

// From the typed text to the ranked rows: the handling of a change of the text, the debounce,
// `runSearch` with its keyword, library and web rows, and the merge of the file search's batches.
class QueryPipeline {
    Q_DECLARE_TR_FUNCTIONS(QueryPipeline)

public:
    // Every service of the model: the pipeline reaches them all.
    using Services = SearchModel::Services;
    QueryPipeline(SearchModel& model, Services services);
    ~QueryPipeline();

    // The text of the box changed: a search, a filter of the actions or of the clips, by mode.
    void queryChanged();
    void scheduleSearch();
    void runSearch();
    // True while a debounced search waits to run.
    bool hasPendingSearch() const { return m_pendingSearch.isActive(); }
    // Stops the debounced search only.
    void stopPendingSearch() { m_pendingSearch.stop(); }
    // Stops the debounced search and the running file search.
    void cancelSearches();
    void move(int delta);
    // Tab: the selected file's path in the box.
    void complete();
    void refreshFolderAccess();
    // Off for a caller that reads the rows only once the file search is over (the command line).
    void setShowsFileSearchProgress(bool shows);
    // The text the panel starts with when prefilling from the clipboard is on.
    std::optional<QString> prefillFromPasteboard() const;
    // Rows listed once by history key; an installed application is listed once even when a keyword row
    // and a found or remembered row (different keys) both stand for it: the first one stays.
    static QList<ResultItem> unique(const QList<ResultItem>& items, const AppCatalog* applications);

private:
    QList<ResultItem> libraryItems(const std::optional<QString>& text) const;
    QList<ResultItem> commandItems(const QString& command) const;
    std::optional<ResultItem> resolve(const QString& key, ResultItem::Source source) const;
    // The row that opens the clipboard tab, with the clip count and key of now.
    ResultItem clipsRow() const;
    void startFileSearch(const QString& text, const SearchQuery& q, const QList<ResultItem>& base,
                         const QList<ResultItem>& fallback);
    void mergeFileResults(const QString& text, const SearchQuery& q, const QList<ResultItem>& base,
                          const QList<ResultItem>& fallback, const QHash<QString, double>& frecency,
                          const QSet<QString>& favorites, const QStringList& paths, bool finished);

    SearchModel& m;
    Services m_services;
    std::unique_ptr<SpotlightSearch> m_spotlight;
    // What found paths are dropped as noise, with this environment's folders.
    Ranking::Noise m_noise;
    QTimer m_pendingSearch;
    // Bumped by every file search start, so late results of an older search are recognised.
    quint64 m_searchGeneration = 0;
};

} // namespace zarvo
