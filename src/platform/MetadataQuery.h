#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

namespace zarvo {

// A predicate over file metadata: every condition present must hold.
struct MetadataPredicate {
    // Each pattern must match the file name (or display name), LIKE[cd]: `*` and `?` wildcards,
    // case- and diacritic-insensitive.
    QStringList namePatterns;
    // The file's content type must conform to one of these uniform type identifiers (none: any).
    QStringList contentTypes;
    // The file's content must have changed at or after this time.
    std::optional<QDateTime> changedSince;
    // "name LIKE *": every file, used when nothing else is asked.
    bool matchAll = false;

    bool isEmpty() const {
        return namePatterns.isEmpty() && contentTypes.isEmpty() && !changedSince && !matchAll;
    }
    // The predicate in the metadata query language, for the log.
    QString format() const;
    bool operator==(const MetadataPredicate&) const = default;
};

enum class MetadataSort { LastUsedDateDescending, ContentChangeDateDescending };

// One live metadata query. Results are read on the main thread while updates are held.
class MetadataQuery : public QObject {
    Q_OBJECT
public:
    virtual void setPredicate(const MetadataPredicate& predicate) = 0;
    // Folders to search in; empty means every local volume (the whole index).
    virtual void setSearchScopes(const QStringList& folders) = 0;
    virtual void setSort(MetadataSort sort) = 0;
    virtual void setNotificationBatchingInterval(double seconds) = 0;
    // False when the query is refused.
    virtual bool startQuery() = 0;
    virtual void stopQuery() = 0;
    virtual void disableUpdates() = 0;
    virtual void enableUpdates() = 0;
    virtual int resultCount() const = 0;
    // The path of result i in sort order, or none.
    virtual std::optional<QString> resultPath(int index) const = 0;

signals:
    void gatheringProgress();
    void didFinishGathering();
};

class MetadataQueryFactory {
public:
    virtual ~MetadataQueryFactory() = default;
    virtual std::unique_ptr<MetadataQuery> create() = 0;
    // Starts queries made by this factory, as startQuery() on each in turn would; says which were
    // started. A factory may let them share their work (one scan of the names for all).
    virtual std::vector<bool> startQueries(const std::vector<MetadataQuery*>& queries) {
        std::vector<bool> started;
        for (MetadataQuery* q : queries)
            started.push_back(q->startQuery());
        return started;
    }
};

} // namespace zarvo
