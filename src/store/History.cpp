#include "store/History.h"

#include "platform/Clock.h"
#include "platform/Platform.h"
#include "store/Settings.h"
#include "store/UserDefaults.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

namespace zarvo {

namespace {

// Stored dates count seconds from 2001-01-01 00:00:00 UTC (the reference date of the first version).
constexpr qint64 kReferenceMSecs = 978307200000LL;
// Far beyond any real date, yet far from overflowing millisecond arithmetic.
constexpr double kMaxAbsSeconds = 1e12;

double toStoredSeconds(const QDateTime& date) {
    return double(date.toMSecsSinceEpoch() - kReferenceMSecs) / 1000.0;
}

QDateTime fromStoredSeconds(double seconds) {
    seconds = std::clamp(seconds, -kMaxAbsSeconds, kMaxAbsSeconds);
    return QDateTime::fromMSecsSinceEpoch(std::llround(seconds * 1000.0) + kReferenceMSecs, Qt::UTC);
}

// Used when the process runs without a platform clock (never on a configured platform).
class SystemClock : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTimeUtc(); }
};

std::unique_ptr<History>& sharedHistory() {
    static std::unique_ptr<History> history;
    return history;
}

} // namespace

History::History(UserDefaults& defaults, Clock& clock, QObject* parent)
    : QObject(parent), m_defaults(defaults), m_clock(clock) {
    load();
}

History::~History() = default;

QDateTime History::now() const {
    return m_clock.now();
}

History& History::shared() {
    auto& history = sharedHistory();
    if (!history) {
        static SystemClock systemClock;
        Clock* clock = Platform::current().clock;
        history = std::make_unique<History>(Settings::sharedDefaults(), clock ? *clock : systemClock);
    }
    return *history;
}

void History::resetShared() {
    sharedHistory().reset();
}

void History::load() {
    if (m_defaults.hasStoredValue(storageKey)) {
        const auto data = m_defaults.data(storageKey);
        Decoded decoded = data ? read(*data) : Decoded{};
        // A list that did not decode whole is copied aside before anything can replace it; what did
        // decode is used and written back with the next change.
        if (!decoded.whole) m_keptAside = Salvage::keepAside(m_defaults, storageKey, decoded.entries.size());
        if (decoded.whole || !decoded.entries.isEmpty()) {
            m_entries = std::move(decoded.entries);
            m_extras = std::move(decoded.extras);
            return;
        }
    }
    // The first version's list: keys only, most recent first, a minute apart so their order holds.
    const QDateTime now = m_clock.now();
    const QStringList keys = m_defaults.stringArray(legacyStorageKey).value_or(QStringList());
    m_entries.clear();
    m_entries.reserve(keys.size());
    for (qsizetype i = 0; i < keys.size(); ++i)
        m_entries.append(Entry{keys.at(i), 1, now.addSecs(-60 * i)});
}

void History::setEntries(const QList<Entry>& entries) {
    m_entries = entries;
    QSet<QString> keys;
    for (const Entry& e : m_entries)
        keys.insert(e.key);
    m_extras.removeIf([&](QHash<QString, QJsonObject>::iterator it) { return !keys.contains(it.key()); });
    emit entriesChanged();
}

void History::clear() {
    setEntries({});
    save();
}

void History::add(const QString& key) {
    const QDateTime now = m_clock.now();
    Entry entry{key, 0, now};
    const auto it =
        std::find_if(m_entries.begin(), m_entries.end(), [&](const Entry& e) { return e.key == key; });
    if (it != m_entries.end()) {
        entry = *it;
        m_entries.erase(it);
    }
    entry.count += 1;
    entry.lastOpened = now;
    m_entries.prepend(entry);
    if (m_entries.size() > limit) m_entries.resize(limit);
    emit entriesChanged();
    save();
}

void History::remove(const QString& key) {
    m_entries.removeIf([&](const Entry& e) { return e.key == key; });
    m_extras.remove(key);
    emit entriesChanged();
    save();
}

void History::replace(const QString& oldKey, const QString& newKey) {
    const auto it =
        std::find_if(m_entries.begin(), m_entries.end(), [&](const Entry& e) { return e.key == oldKey; });
    if (it == m_entries.end()) return;
    const qsizetype index = it - m_entries.begin();
    Entry moved = *it;
    m_entries.erase(it);
    moved.key = newKey;
    // The entry under the new name gives way: its count is not added to the moved one.
    m_entries.removeIf([&](const Entry& e) { return e.key == newKey; });
    m_entries.insert(std::min(index, m_entries.size()), moved);
    if (const auto extra = m_extras.take(oldKey); !extra.isEmpty()) m_extras.insert(newKey, extra);
    emit entriesChanged();
    save();
}

double History::score(const Entry& entry, const QDateTime& now) {
    const double age = double(entry.lastOpened.msecsTo(now)) / 1000.0;
    double weight = 10;
    if (age < 14400)
        weight = 100;
    else if (age < 86400)
        weight = 80;
    else if (age < 259200)
        weight = 60;
    else if (age < 604800)
        weight = 40;
    else if (age < 2592000)
        weight = 20;
    return weight * double(entry.count);
}

QList<History::Entry> History::byFrecency() const {
    const QDateTime now = m_clock.now();
    const qint64 nowMs = now.toMSecsSinceEpoch();
    if (m_ranked && m_ranked->from.constData() == m_entries.constData() &&
        m_ranked->from.size() == m_entries.size() && now >= m_ranked->madeAt &&
        nowMs < m_ranked->validUntilMs)
        return m_ranked->order;
    QList<std::pair<double, Entry>> scored;
    scored.reserve(m_entries.size());
    qint64 validUntil = std::numeric_limits<qint64>::max();
    for (const Entry& e : m_entries) {
        scored.append({score(e, now), e});
        // The weight steps when the age reaches the next of score()'s bounds.
        const qint64 openedMs = e.lastOpened.toMSecsSinceEpoch();
        for (const qint64 bound : {14400, 86400, 259200, 604800, 2592000})
            if (nowMs - openedMs < bound * 1000) {
                validUntil = std::min(validUntil, openedMs + bound * 1000);
                break;
            }
    }
    std::stable_sort(scored.begin(), scored.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    QList<Entry> out;
    out.reserve(scored.size());
    for (auto& s : scored)
        out.append(std::move(s.second));
    m_ranked = Ranked{m_entries, now, validUntil, out};
    return out;
}

QHash<QString, double> History::frecencyTable() const {
    const QDateTime now = m_clock.now();
    QHash<QString, double> table;
    table.reserve(m_entries.size());
    for (const Entry& e : m_entries) {
        const double s = score(e, now);
        auto it = table.find(e.key);
        if (it == table.end())
            table.insert(e.key, s);
        else if (s > *it)
            *it = s;
    }
    return table;
}

void History::save() {
    m_defaults.set(storageKey, encode(m_entries, m_extras));
}

QByteArray History::encode(const QList<Entry>& entries, const QHash<QString, QJsonObject>& extras) {
    QJsonArray array;
    for (const Entry& e : entries) {
        QJsonObject object;
        object.insert(QStringLiteral("key"), e.key);
        object.insert(QStringLiteral("count"), e.count);
        object.insert(QStringLiteral("lastOpened"), toStoredSeconds(e.lastOpened));
        array.append(Salvage::withMembers(object, extras.value(e.key)));
    }
    return QJsonDocument(array).toJson(QJsonDocument::Compact);
}

namespace {

std::optional<History::Entry> decodeEntry(const QJsonObject& object) {
    const QJsonValue key = object.value(QStringLiteral("key"));
    const QJsonValue count = object.value(QStringLiteral("count"));
    const QJsonValue lastOpened = object.value(QStringLiteral("lastOpened"));
    if (!key.isString() || !count.isDouble() || !lastOpened.isDouble()) return std::nullopt;
    // The count is an integer: 3 or 3.0, never 3.5 or a number beyond 64 bits.
    const double countValue = count.toDouble();
    if (countValue != std::floor(countValue) || std::fabs(countValue) > 9.0e18) return std::nullopt;
    const qint64 n = count.toInteger(qint64(countValue));
    // Every entry was opened at least once; a hand-edited 0 or negative count would otherwise sink
    // the place below unopened ones in the ranking.
    return History::Entry{key.toString(), std::max<qint64>(n, 1), fromStoredSeconds(lastOpened.toDouble())};
}

} // namespace

History::Decoded History::read(const QByteArray& data) {
    const Salvage::Objects found = Salvage::arrayObjects(data);
    Decoded out;
    out.whole = found.whole;
    out.entries.reserve(found.objects.size());
    for (const QJsonObject& object : found.objects) {
        auto entry = decodeEntry(object);
        if (!entry) {
            out.whole = false;
            continue;
        }
        const QJsonObject extra = Salvage::unknownMembers(object, {"key", "count", "lastOpened"});
        if (!extra.isEmpty() && !out.extras.contains(entry->key)) out.extras.insert(entry->key, extra);
        out.entries.append(std::move(*entry));
    }
    return out;
}

std::optional<QList<History::Entry>> History::decode(const QByteArray& data) {
    Decoded decoded = read(data);
    if (!decoded.whole) return std::nullopt;
    return std::move(decoded.entries);
}

} // namespace zarvo
