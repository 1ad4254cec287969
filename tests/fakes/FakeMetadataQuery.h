#pragma once

// A metadata query driven by hand: it records what it was asked and reports what the test hands it.

#include "platform/MetadataQuery.h"

#include <QList>
#include <QPointer>

namespace zarvo::fakes {

class FakeMetadataQuery : public MetadataQuery {
    Q_OBJECT
public:
    MetadataPredicate predicate;
    double interval = -1;
    bool refuseStart = false;
    bool started = false;
    bool stopped = false;
    int disabled = 0; // current nesting
    int readsWhileDisabled = 0;
    int readsWhileEnabled = 0;
    QList<std::optional<QString>> results;

    void setPredicate(const MetadataPredicate& p) override { predicate = p; }
    void setSearchScopes(const QStringList&) override {}
    void setSort(MetadataSort) override {}
    void setNotificationBatchingInterval(double seconds) override { interval = seconds; }
    bool startQuery() override {
        if (refuseStart) return false;
        started = true;
        return true;
    }
    void stopQuery() override { stopped = true; }
    void disableUpdates() override { ++disabled; }
    void enableUpdates() override { --disabled; }
    int resultCount() const override { return int(results.size()); }
    std::optional<QString> resultPath(int index) const override;

    // Replaces the results and posts a progress (or finish) notification.
    void progress(const QStringList& paths);
    void finish(const QStringList& paths);
};

class FakeMetadataQueryFactory : public MetadataQueryFactory {
public:
    // Every query made, in order (null once deleted).
    QList<QPointer<FakeMetadataQuery>> created;
    // Queries made from now on refuse to start when this is set.
    bool refuseStart = false;
    // The query made at this position (counting from 0) refuses to start.
    int refuseAt = -1;
    std::unique_ptr<MetadataQuery> create() override;
    FakeMetadataQuery* at(int i) const { return created.value(i).data(); }
};

} // namespace zarvo::fakes
