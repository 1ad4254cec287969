#include "files/AppCatalog.h"

#include "index/ContentTypes.h"
#include "index/NamePattern.h"

#include <QCollator>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QHash>
#include <QPointer>
#include <QThread>
#include <algorithm>
#include <vector>

namespace zarvo {

struct AppCatalog::Table {
    struct Entry {
        AppBundle bundle;
        std::vector<QByteArray> folded; // every name a pattern may match, case- and diacritic-folded
    };
    std::vector<Entry> entries; // name order
    QHash<QString, int> byLocation;
    quint64 bytes = 0;
};

namespace {

quint64 stringBytes(const QString& s) {
    return quint64(s.size()) * sizeof(QChar) + sizeof(QString);
}

// Whether a query's content types take in applications (app:, or anything an application bundle
// conforms to); none asked takes in everything.
bool typesAdmitApplications(const QStringList& contentTypes) {
    if (contentTypes.isEmpty()) return true;
    static const QStringList conformance = index::ContentTypes::conformance(
        index::ContentTypes::forMimeName(QStringLiteral("application/x-desktop")));
    for (const QString& type : contentTypes)
        if (conformance.contains(type)) return true;
    return false;
}

bool inScopes(const QString& location, const QStringList& scopes) {
    if (scopes.isEmpty()) return true;
    for (const QString& scope : scopes) {
        const QString folder = QDir::cleanPath(scope);
        if (folder == QLatin1String("/") || location.startsWith(folder + QLatin1Char('/'))) return true;
    }
    return false;
}

} // namespace

AppCatalog::AppCatalog(AppBundleSource* source, QObject* parent)
    : QObject(parent), m_source(source), m_table(std::make_shared<Table>()) {
    m_pool.setMaxThreadCount(1);
}

AppCatalog::~AppCatalog() {
    m_pool.waitForDone();
}

std::shared_ptr<const AppCatalog::Table> AppCatalog::build(QList<AppBundle> bundles) {
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(bundles.begin(), bundles.end(), [&](const AppBundle& a, const AppBundle& b) {
        return collator.compare(a.name, b.name) < 0;
    });
    auto table = std::make_shared<Table>();
    table->entries.reserve(size_t(bundles.size()));
    for (AppBundle& bundle : bundles) {
        if (bundle.location.isEmpty() || bundle.name.isEmpty() || table->byLocation.contains(bundle.location))
            continue;
        Table::Entry entry;
        QStringList names{bundle.name};
        if (bundle.genericName) names << *bundle.genericName;
        names << bundle.keywords;
        if (!bundle.executable.isEmpty()) names << bundle.executable;
        for (const QString& name : names)
            entry.folded.push_back(index::Fold::fold(name));
        quint64 bytes = sizeof(Table::Entry) + stringBytes(bundle.location) + stringBytes(bundle.id) +
                        stringBytes(bundle.executable) + stringBytes(bundle.icon.value_or(QString()));
        for (const QString& name : names)
            bytes += stringBytes(name);
        for (const QByteArray& f : entry.folded)
            bytes += quint64(f.size()) + sizeof(QByteArray);
        table->bytes += bytes + 32; // the location hash's node
        table->byLocation.insert(bundle.location, int(table->entries.size()));
        entry.bundle = std::move(bundle);
        table->entries.push_back(std::move(entry));
    }
    return table;
}

void AppCatalog::apply(std::shared_ptr<const Table> table) {
    {
        std::lock_guard lock(m_mutex);
        m_table = std::move(table);
        m_ready = true;
    }
    emit changed();
}

std::shared_ptr<const AppCatalog::Table> AppCatalog::current() const {
    std::lock_guard lock(m_mutex);
    return m_table;
}

void AppCatalog::reload() {
    apply(build(m_source ? m_source->scan() : QList<AppBundle>()));
}

void AppCatalog::startLive() {
    if (!m_source) {
        apply(std::make_shared<Table>());
        return;
    }
    connect(m_source, &AppBundleSource::changed, this, &AppCatalog::scanInBackground, Qt::UniqueConnection);
    m_source->startWatching();
    scanInBackground();
}

void AppCatalog::scanInBackground() {
    if (m_scanning) {
        m_again = true; // the running scan may have missed the change: one more after it
        return;
    }
    m_scanning = true;
    QPointer<AppCatalog> self(this);
    AppBundleSource* source = m_source;
    // The pool is waited for in the destructor, so the source and `this` outlive the task; the result
    // is posted back and dropped if the catalogue is gone by then.
    m_pool.start([self, source] {
        auto table = build(source->scan());
        QMetaObject::invokeMethod(
            qApp,
            [self, table] {
                if (!self) return;
                self->m_scanning = false;
                self->apply(table);
                if (self->m_again) {
                    self->m_again = false;
                    self->scanInBackground();
                }
            },
            Qt::QueuedConnection);
    });
}

bool AppCatalog::waitReady(int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        {
            std::lock_guard lock(m_mutex);
            if (m_ready) return true;
        }
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(2);
    }
}

int AppCatalog::count() const {
    return int(current()->entries.size());
}

bool AppCatalog::contains(const QString& location) const {
    return current()->byLocation.contains(location);
}

std::optional<AppBundle> AppCatalog::bundle(const QString& location) const {
    const auto table = current();
    const auto it = table->byLocation.constFind(location);
    if (it == table->byLocation.constEnd()) return std::nullopt;
    return table->entries[size_t(*it)].bundle;
}

QStringList AppCatalog::match(const MetadataPredicate& predicate, const QStringList& scopes) const {
    QStringList out;
    if (predicate.isEmpty() || !typesAdmitApplications(predicate.contentTypes)) return out;
    std::vector<index::NamePattern> patterns;
    for (const QString& p : predicate.namePatterns)
        patterns.emplace_back(p);
    std::erase_if(patterns, [](const index::NamePattern& p) { return p.matchesAll(); });
    const qint64 since = predicate.changedSince ? predicate.changedSince->toSecsSinceEpoch() : 0;
    const auto table = current();
    for (const Table::Entry& entry : table->entries) {
        if (predicate.changedSince && entry.bundle.modified < since) continue;
        if (!inScopes(entry.bundle.location, scopes)) continue;
        const bool all = std::all_of(patterns.begin(), patterns.end(), [&](const index::NamePattern& p) {
            return std::any_of(entry.folded.begin(), entry.folded.end(),
                               [&](const QByteArray& name) { return p.matches(name); });
        });
        if (all) out << entry.bundle.location;
    }
    return out;
}

std::optional<AppCatalog::Names> AppCatalog::rankingNames(const QString& location) const {
    const auto found = bundle(location);
    if (!found) return std::nullopt;
    Names names;
    // Any of them typed whole is as good as the name: "password" lists the password manager ahead of a
    // file called password.txt, as the application's bonus decides between equal names.
    names.names << found->name;
    if (!found->executable.isEmpty()) names.names << found->executable;
    if (found->genericName) names.names << *found->genericName;
    names.names << found->keywords;
    names.exactCount = int(names.names.size());
    return names;
}

std::optional<ResultItem> AppCatalog::item(const QString& location, ResultItem::Source source) const {
    const auto found = bundle(location);
    if (!found) return std::nullopt;
    ResultItem row = ResultItem::file(location, source);
    row.isDirectory = false;
    row.title = found->name;
    row.subtitle = found->genericName && !found->genericName->isEmpty() ? *found->genericName
                                                                        : QStringLiteral("Application");
    return row;
}

quint64 AppCatalog::memoryBytes() const {
    const auto table = current();
    return table->bytes + sizeof(Table);
}

} // namespace zarvo
