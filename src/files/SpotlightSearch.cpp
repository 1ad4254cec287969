#include "files/SpotlightSearch.h"
#include "search/Text.h"

#include <QPointer>

namespace zarvo {

namespace {

// The words of a term as searched, a single quote escaped. Each word is kept as its units: an escaped
// quote is one unit.
QList<QStringList> wordsOf(const QString& term) {
    const QString clean = SpotlightSearch::searchedText(term);
    QList<QStringList> words;
    for (const auto& word : Text::words(clean)) {
        QStringList units;
        for (QChar c : word)
            units << (c == QLatin1Char('\'') ? QStringLiteral("\\'") : QString(c));
        words << units;
    }
    return words;
}

} // namespace

QString SpotlightSearch::searchedText(const QString& term) {
    QString clean = term;
    clean.remove(QLatin1Char('*'));
    clean.remove(QLatin1Char('?'));
    return clean;
}

SpotlightSearch::SpotlightSearch(MetadataQueryFactory& factory, QObject* parent)
    : QObject(parent), m_factory(factory) {}

SpotlightSearch::~SpotlightSearch() {
    cancel();
    // Not inside a notification here: nothing waits for the event loop.
    for (const auto& q : std::as_const(m_retired))
        delete q.data();
}

QList<SpotlightSearch::Plan> SpotlightSearch::plan(const SearchQuery& query) {
    const auto words = wordsOf(query.term);
    if (words.isEmpty() && query.contentTypes.isEmpty() && !query.since && !query.scope) return {};

    QList<QStringList> patternSets;
    if (words.isEmpty()) {
        patternSets << QStringList();
    } else {
        QStringList substring, subsequence;
        bool longWord = false;
        for (const auto& units : words) {
            substring << QLatin1Char('*') + units.join(QString()) + QLatin1Char('*');
            // Joined per unit, so an escaped quote keeps its backslash next to it; joining the raw
            // characters would put a star after the backslash and turn it into a literal star.
            subsequence << QLatin1Char('*') + units.join(QLatin1Char('*')) + QLatin1Char('*');
            if (units.size() >= 3) longWord = true;
        }
        patternSets << substring;
        if (longWord) patternSets << subsequence;
    }

    QList<Plan> plans;
    for (const auto& patterns : patternSets) {
        Plan p;
        p.predicate.namePatterns = patterns;
        p.predicate.contentTypes = query.contentTypes;
        p.predicate.changedSince = query.since;
        p.predicate.matchAll = words.isEmpty() && query.contentTypes.isEmpty() && !query.since;
        if (query.scope) p.scopes = {*query.scope};
        p.sort =
            query.since ? MetadataSort::ContentChangeDateDescending : MetadataSort::LastUsedDateDescending;
        plans << p;
    }
    return plans;
}

void SpotlightSearch::search(const SearchQuery& query, Callback onResults) {
    cancel();
    const auto plans = plan(query);
    if (plans.isEmpty()) {
        onResults({}, true);
        return;
    }
    for (const auto& p : plans) {
        auto q = m_factory.create();
        if (!q) continue;
        q->setPredicate(p.predicate);
        q->setSearchScopes(p.scopes);
        q->setSort(p.sort);
        q->setNotificationBatchingInterval(0.1);
        MetadataQuery* raw = q.get();
        QPointer<SpotlightSearch> self(this);
        m_observers << connect(raw, &MetadataQuery::gatheringProgress, this, [self, raw, onResults] {
            if (self) self->notified(raw, false, onResults);
        });
        m_observers << connect(raw, &MetadataQuery::didFinishGathering, this, [self, raw, onResults] {
            if (self) self->notified(raw, true, onResults);
        });
        m_queries.push_back(std::move(q));
    }
    std::vector<MetadataQuery*> raws;
    for (const auto& q : m_queries)
        raws.push_back(q.get());
    // Started together: the factory may answer both pattern sets with one pass over the names.
    const std::vector<bool> started = m_factory.startQueries(raws);
    qsizetype planIndex = 0;
    for (auto it = m_queries.begin(); it != m_queries.end(); ++planIndex) {
        if (size_t(planIndex) < started.size() && started[size_t(planIndex)]) {
            ++it;
            continue;
        }
        MetadataQuery* rejected = it->get();
        qWarning("Zarvo: Spotlight rejected query %s", qPrintable(plans.value(planIndex).predicate.format()));
        disconnect(rejected, nullptr, this, nullptr);
        it = m_queries.erase(it);
    }
    if (m_queries.empty()) {
        cancel();
        onResults({}, true);
    }
}

void SpotlightSearch::notified(MetadataQuery* query, bool finish, const Callback& onResults) {
    const auto known =
        std::find_if(m_queries.begin(), m_queries.end(), [query](const auto& q) { return q.get() == query; });
    if (known == m_queries.end()) return; // a late notification of a cancelled search
    query->disableUpdates();
    QStringList paths;
    const int count = std::min(query->resultCount(), maxResults);
    for (int i = 0; i < count; ++i)
        if (auto path = query->resultPath(i)) paths << *path;
    m_results.insert(query, paths);
    query->enableUpdates();
    if (finish) {
        query->stopQuery();
        m_finished.insert(query);
    }
    const bool done = m_finished.size() == qsizetype(m_queries.size());
    if (!done && !reportsProgress) return;
    const QStringList merged = mergedResults();
    if (done) cancel();
    onResults(merged, done);
}

QStringList SpotlightSearch::mergedResults() const {
    QStringList merged;
    QSet<QString> seen;
    for (const auto& q : m_queries)
        for (const auto& path : m_results.value(q.get()))
            if (!seen.contains(path)) {
                seen.insert(path);
                merged << path;
            }
    return merged;
}

void SpotlightSearch::cancel() {
    for (const auto& q : m_queries)
        q->stopQuery();
    for (const auto& c : std::as_const(m_observers))
        disconnect(c);
    m_observers.clear();
    // A query may be the sender of the notification being handled: release it from the event loop.
    m_retired.removeIf([](const QPointer<MetadataQuery>& q) { return q.isNull(); });
    for (auto& q : m_queries) {
        m_retired << QPointer<MetadataQuery>(q.get());
        q.release()->deleteLater();
    }
    m_queries.clear();
    m_results.clear();
    m_finished.clear();
}

} // namespace zarvo
