#pragma once

#include "platform/AppBundle.h"
#include "platform/MetadataQuery.h"
#include "search/ResultItem.h"

#include <QObject>
#include <QStringList>
#include <QThreadPool>
#include <memory>
#include <mutex>
#include <optional>

namespace zarvo {

// The installed applications, searchable by the words a person types for them: the name, the generic
// name, the keywords and the program's name. A metadata search over every local volume finds them as
// application bundles. Lookups are thread-safe; reloading and `changed` belong to the main thread.
class AppCatalog : public QObject {
    Q_OBJECT
public:
    // `source` may be null (no applications); it must outlive the catalogue.
    explicit AppCatalog(AppBundleSource* source, QObject* parent = nullptr);
    ~AppCatalog() override;

    // Scans now, on the calling thread.
    void reload();
    // Scans on a worker thread and makes the result current on the main thread, then does so again each
    // time the source reports a change.
    void startLive();
    // Turns the event loop until the first scan is current or the time is up.
    bool waitReady(int timeoutMs);

    int count() const;
    bool contains(const QString& location) const;
    std::optional<AppBundle> bundle(const QString& location) const;
    // Locations of the applications that satisfy the predicate within the scopes (empty: everywhere),
    // in name order. Each name pattern must match one of an application's names.
    QStringList match(const MetadataPredicate& predicate, const QStringList& scopes) const;

    // The names an application is ranked by (name, program, generic name, keywords); the first
    // `exactCount` may equal the query as a whole, the first `ownCount` (name, program) match anywhere.
    struct Names {
        QStringList names;
        int exactCount = 0;
        int ownCount = 1;
    };
    std::optional<Names> rankingNames(const QString& location) const;
    // The row of an application: its name, "Application" or its generic name, never a folder.
    std::optional<ResultItem> item(const QString& location, ResultItem::Source source) const;
    // Bytes held by the table, for the status and the benchmarks.
    quint64 memoryBytes() const;

signals:
    // The set of applications changed (after a live rescan).
    void changed();

private:
    struct Table;
    void apply(std::shared_ptr<const Table> table);
    void scanInBackground();
    std::shared_ptr<const Table> current() const;
    static std::shared_ptr<const Table> build(QList<AppBundle> bundles);

    AppBundleSource* m_source;
    mutable std::mutex m_mutex;
    std::shared_ptr<const Table> m_table;
    QThreadPool m_pool; // one scan at a time; waited for on destruction
    bool m_ready = false;
    bool m_scanning = false;
    bool m_again = false;
};

} // namespace zarvo
