#pragma once

#include "index/FileIndex.h"
#include "platform/MetadataQuery.h"

#include <future>
#include <memory>
#include <vector>

namespace zarvo {

class AppCatalog;

// A metadata query answered by the embedded file index and the catalogue of installed applications.
// Gathering runs on the index's worker thread; progress and the finish notification arrive on the
// thread that owns this object (the main thread). The matching applications come first, in the first
// batch, as the index's files are still being gathered. Once gathering has finished the query holds its
// results; it does not follow later changes.
class IndexMetadataQuery : public MetadataQuery {
    Q_OBJECT
public:
    // `applications` may be null; it must outlive the query.
    explicit IndexMetadataQuery(std::shared_ptr<index::FileIndex> index,
                                const AppCatalog* applications = nullptr);
    ~IndexMetadataQuery() override;

    void setPredicate(const MetadataPredicate& predicate) override { m_predicate = predicate; }
    void setSearchScopes(const QStringList& folders) override { m_scopes = folders; }
    void setSort(MetadataSort sort) override { m_sort = sort; }
    void setNotificationBatchingInterval(double seconds) override { m_interval = seconds; }
    // Refused when the predicate is empty or the query is already running.
    bool startQuery() override;
    void stopQuery() override;
    void disableUpdates() override { ++m_disabled; }
    void enableUpdates() override;
    int resultCount() const override { return int(m_results.size()); }
    std::optional<QString> resultPath(int index) const override;

    // Every match gathered so far, beyond the ones held (for the command line).
    qint64 matchedCount() const { return m_matched; }

private:
    friend class IndexMetadataQueryFactory;
    // startQuery() in two steps, so that a factory can start several queries in one call to the index:
    // the index query to run (none when refused), then the handler of its batches.
    std::optional<index::IndexQuerySpec> prepare();
    std::function<void(const index::IndexQueryBatch&)> batchHandler();
    void receive(quint64 generation, const index::IndexQueryBatch& batch);
    void apply(const index::IndexQueryBatch& batch);

    QStringList merged(const QStringList& files) const;

    std::shared_ptr<index::FileIndex> m_index;
    const AppCatalog* m_applications = nullptr;
    QStringList m_apps; // the matching applications of the running search
    std::shared_ptr<index::IndexQueryJob> m_job;
    MetadataPredicate m_predicate;
    QStringList m_scopes;
    MetadataSort m_sort = MetadataSort::LastUsedDateDescending;
    double m_interval = 1.0;
    // The most results held (the index keeps the best this many in sort order).
    int m_limit = 300;
    int m_disabled = 0;
    quint64 m_generation = 0;
    QStringList m_results;
    qint64 m_matched = 0;
    std::optional<index::IndexQueryBatch> m_held; // arrived while updates were disabled
};

class IndexMetadataQueryFactory : public MetadataQueryFactory {
public:
    explicit IndexMetadataQueryFactory(std::shared_ptr<index::FileIndex> index,
                                       const AppCatalog* applications = nullptr)
        : m_index(std::move(index)), m_applications(applications) {}
    std::unique_ptr<MetadataQuery> create() override;
    // Queries of this factory's index start together, so the index may serve them with one scan.
    std::vector<bool> startQueries(const std::vector<MetadataQuery*>& queries) override;
    const std::shared_ptr<index::FileIndex>& fileIndex() const { return m_index; }
    const AppCatalog* applications() const { return m_applications; }
    // Later queries use `index` (the folders changed). The former one is let go on another thread,
    // since stopping it waits for its crawl; queries still running keep it until they end.
    void setFileIndex(std::shared_ptr<index::FileIndex> index);
    ~IndexMetadataQueryFactory() override;

private:
    std::shared_ptr<index::FileIndex> m_index;
    std::vector<std::future<void>> m_retired;
    const AppCatalog* m_applications = nullptr;
};

struct Platform;

// The index this user searches, configured from the defaults store:
//   fileIndexRoots            folders indexed (array of paths, "~" allowed); default: the home folder
//   fileIndexExcludedFolders  folders left out, with everything under them (array of paths)
// The snapshot lives in the cache folder, the recently-used list in the data folder.
namespace FileIndexSettings {
inline constexpr const char* kRootsKey = "fileIndexRoots";
inline constexpr const char* kExcludedKey = "fileIndexExcludedFolders";

index::IndexConfig config(const Platform& platform);
// For a one-shot process (the command line): the snapshot, or a crawl when there is none.
std::shared_ptr<index::FileIndex> openShared(const Platform& platform);
// For the application: loads and reconciles in the background and follows changes.
std::shared_ptr<index::FileIndex> startLive(const Platform& platform);
} // namespace FileIndexSettings

} // namespace zarvo
