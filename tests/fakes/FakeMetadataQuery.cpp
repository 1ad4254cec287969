#include "fakes/FakeMetadataQuery.h"

namespace zarvo::fakes {

std::optional<QString> FakeMetadataQuery::resultPath(int index) const {
    // The reader must hold updates while reading, as with the real service.
    auto* self = const_cast<FakeMetadataQuery*>(this);
    (disabled > 0 ? self->readsWhileDisabled : self->readsWhileEnabled)++;
    return results.value(index);
}

void FakeMetadataQuery::progress(const QStringList& paths) {
    results = QList<std::optional<QString>>(paths.begin(), paths.end());
    emit gatheringProgress();
}

void FakeMetadataQuery::finish(const QStringList& paths) {
    results = QList<std::optional<QString>>(paths.begin(), paths.end());
    emit didFinishGathering();
}

std::unique_ptr<MetadataQuery> FakeMetadataQueryFactory::create() {
    auto q = std::make_unique<FakeMetadataQuery>();
    q->refuseStart = refuseStart || refuseAt == created.size();
    created << QPointer<FakeMetadataQuery>(q.get());
    return q;
}

} // namespace zarvo::fakes
