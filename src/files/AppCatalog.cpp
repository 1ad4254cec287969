#include "files/AppCatalog.h"

#include "index/ContentTypes.h"
#include "index/NamePattern.h"

#include <QCollator>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QHash>
#include <QPointer>
#include <QSet>
#include <QThread>
#include <algorithm>
#include <cstring>
#include <vector>

namespace zarvo {

// One block of UTF-8 per application, so that a catalogue of thousands stays well under a megabyte: its
// strings, each ended by a NUL, then the folded names a pattern may match, each ended by a NUL.
struct AppCatalog::Table {
    struct Entry {
        QByteArray block;     // location, id, name, generic name, executable, icon, keywords…, folded…
        quint32 foldedAt = 0; // where the folded names start
        quint16 keywords = 0; // how many keywords the block holds
        bool hasGeneric = false;
        bool hasIcon = false;
        qint64 modified = 0;

        // The block's NUL-ended strings from `from`, in order.
        template <typename F> void each(quint32 from, quint32 to, F&& f) const {
            const char* p = block.constData() + from;
            const char* const end = block.constData() + to;
            while (p < end) {
                const size_t n = std::strlen(p);
                f(p, n);
                p += n + 1;
            }
        }
        QStringList strings() const {
            QStringList out;
            each(0, foldedAt, [&](const char* p, size_t n) { out << QString::fromUtf8(p, qsizetype(n)); });
            return out;
        }
        QByteArrayView location() const { return QByteArrayView(block.constData()); }
        AppBundle bundle() const;
    };
    std::vector<Entry> entries;  // name order
    std::vector<int> byLocation; // entry indexes in location order
    quint64 bytes = 0;

    const Entry* find(const QString& location) const;
};

AppBundle AppCatalog::Table::Entry::bundle() const {
    const QStringList s = strings();
    AppBundle out;
    if (s.size() < 6) return out;
    out.location = s[0];
    out.id = s[1];
    out.name = s[2];
    if (hasGeneric) out.genericName = s[3];
    out.executable = s[4];
    if (hasIcon) out.icon = s[5];
    out.keywords = s.mid(6, keywords);
    out.modified = modified;
    return out;
}

const AppCatalog::Table::Entry* AppCatalog::Table::find(const QString& location) const {
    const QByteArray key = location.toUtf8();
    const auto it =
        std::lower_bound(byLocation.begin(), byLocation.end(), key, [&](int i, const QByteArray& k) {
            return entries[size_t(i)].location() < QByteArrayView(k);
        });
    if (it == byLocation.end() || entries[size_t(*it)].location() != QByteArrayView(key)) return nullptr;
    return &entries[size_t(*it)];
}

namespace {

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
    QSet<QString> locations;
    for (const AppBundle& bundle : std::as_const(bundles)) {
        // A location or a name with a NUL could not be stored as NUL-ended text; none is valid.
        if (bundle.location.isEmpty() || bundle.name.isEmpty() || locations.contains(bundle.location) ||
            bundle.location.contains(QChar(0)))
            continue;
        locations.insert(bundle.location);
        Table::Entry entry;
        const auto add = [&](const QByteArray& text) {
            entry.block += QByteArrayView(text.constData(), qstrnlen(text.constData(), size_t(text.size())));
            entry.block += '\0';
        };
        for (const QString& text :
             {bundle.location, bundle.id, bundle.name, bundle.genericName.value_or(QString()),
              bundle.executable, bundle.icon.value_or(QString())})
            add(text.toUtf8());
        for (const QString& keyword : bundle.keywords)
            add(keyword.toUtf8());
        entry.foldedAt = quint32(entry.block.size());
        add(index::Fold::fold(bundle.name));
        if (bundle.genericName) add(index::Fold::fold(*bundle.genericName));
        for (const QString& keyword : bundle.keywords)
            add(index::Fold::fold(keyword));
        if (!bundle.executable.isEmpty()) add(index::Fold::fold(bundle.executable));
        entry.block.squeeze();
        entry.keywords = quint16(std::min<qsizetype>(bundle.keywords.size(), 0xffff));
        entry.hasGeneric = bundle.genericName.has_value();
        entry.hasIcon = bundle.icon.has_value();
        entry.modified = bundle.modified;
        // The block's allocation: Qt's header, the bytes and the terminator, rounded as malloc does.
        table->bytes +=
            sizeof(Table::Entry) + sizeof(int) + ((quint64(entry.block.capacity()) + 17 + 23) & ~15ull);
        table->entries.push_back(std::move(entry));
    }
    table->byLocation.resize(table->entries.size());
    for (size_t i = 0; i < table->byLocation.size(); ++i)
        table->byLocation[i] = int(i);
    std::sort(table->byLocation.begin(), table->byLocation.end(), [&](int a, int b) {
        return table->entries[size_t(a)].location() < table->entries[size_t(b)].location();
    });
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
    return current()->find(location) != nullptr;
}

std::optional<AppBundle> AppCatalog::bundle(const QString& location) const {
    const auto table = current();
    const Table::Entry* entry = table->find(location);
    if (!entry) return std::nullopt;
    return entry->bundle();
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
        if (predicate.changedSince && entry.modified < since) continue;
        const bool all = std::all_of(patterns.begin(), patterns.end(), [&](const index::NamePattern& p) {
            bool found = false;
            entry.each(entry.foldedAt, quint32(entry.block.size()),
                       [&](const char* name, size_t n) { found = found || p.matches(name, n); });
            return found;
        });
        if (!all) continue;
        const QString location = QString::fromUtf8(entry.location());
        if (inScopes(location, scopes)) out << location;
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
    // The generic name and keywords describe it: they match at word starts only.
    names.ownCount = int(names.names.size());
    if (found->genericName) names.names << *found->genericName;
    names.names << found->keywords;
    names.exactCount = int(names.names.size());
    return names;
}

std::optional<ResultItem> AppCatalog::item(const QString& location, ResultItem::Source source) const {
    const auto found = bundle(location);
    if (!found) return std::nullopt;
    // Not ResultItem::file: it asks the file system whether the path is a folder, and an
    // application never is; rows are built for every keystroke.
    ResultItem row;
    row.url = QUrl::fromLocalFile(location);
    row.source = source;
    row.isDirectory = false;
    row.title = found->name;
    row.subtitle =
        found->genericName && !found->genericName->isEmpty() ? *found->genericName : tr("Application");
    return row;
}

quint64 AppCatalog::memoryBytes() const {
    const auto table = current();
    return table->bytes + sizeof(Table);
}

} // namespace zarvo
