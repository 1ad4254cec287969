#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QString>
#include <optional>

#include "store/Salvage.h"

namespace zarvo {

class Clock;
class UserDefaults;

// The places opened through the panel, how often and how recently, ranked by frecency (a weight for
// how recently a place was opened times how often). Written through to the defaults store on every
// change. Main thread only.
class History : public QObject {
    Q_OBJECT
public:
    struct Entry {
        // A result's history key: a path, "shortcut:…", "run:…", "clip:…" or a URL.
        QString key;
        // Times opened; at least 1.
        qint64 count = 1;
        QDateTime lastOpened;
        bool operator==(const Entry&) const = default;
    };

    static inline const QString storageKey = QStringLiteral("historyV2");
    // The list the first version kept: keys only, most recent first. Read, never written.
    static inline const QString legacyStorageKey = QStringLiteral("history");
    static constexpr int limit = 300;

    // Loads from `defaults`; `clock` gives "now" for additions and scores.
    History(UserDefaults& defaults, Clock& clock, QObject* parent = nullptr);
    ~History() override;

    // The instance of the process, on Settings::sharedDefaults() and the current platform's clock.
    static History& shared();
    static void resetShared();

    // Most recently opened first.
    const QList<Entry>& entries() const { return m_entries; }
    // Replaces the list (e.g. with an empty one to clear the history); call save() to persist.
    void setEntries(const QList<Entry>& entries);
    // Empties the list and saves.
    void clear();

    // Records one opening of `key` now.
    void add(const QString& key);
    // Forgets every entry of `key`.
    void remove(const QString& key);
    // Carries the record of `oldKey` over to `newKey` (after a rename or move).
    void replace(const QString& oldKey, const QString& newKey);

    // Entries by score, highest first; equal scores keep their stored order.
    QList<Entry> byFrecency() const;
    // Key → score of every entry; a key stored twice keeps its higher score.
    QHash<QString, double> frecencyTable() const;

    void save();

    // "Now" by the history's clock, the moment its scores are taken at.
    QDateTime now() const;
    // Recency weight times count, at `now`.
    static double score(const Entry& entry, const QDateTime& now);

    // Set when the stored list did not decode whole: where its original is kept, and how much was read.
    const std::optional<Salvage::KeptAside>& keptAside() const { return m_keptAside; }

    // The stored form: a JSON array of {"key", "count", "lastOpened" (seconds since 2001-01-01 UTC)}.
    // `extras` holds, by key, members a newer version wrote that this one does not know; they go back.
    static QByteArray encode(const QList<Entry>& entries, const QHash<QString, QJsonObject>& extras = {});
    // What decodes of a stored list, entry by entry.
    struct Decoded {
        QList<Entry> entries;
        QHash<QString, QJsonObject> extras;
        // Every entry decoded: nothing was left out.
        bool whole = false;
    };
    static Decoded read(const QByteArray& data);
    // The whole list, or none when any entry does not decode.
    static std::optional<QList<Entry>> decode(const QByteArray& data);

signals:
    void entriesChanged();

private:
    void load();

    UserDefaults& m_defaults;
    Clock& m_clock;
    QList<Entry> m_entries;
    QHash<QString, QJsonObject> m_extras;
    std::optional<Salvage::KeptAside> m_keptAside;
    // byFrecency() is asked on every keystroke; its order holds while the entries are the ones it was
    // made from (the kept copy shares their data until they change) and no entry's weight has stepped.
    struct Ranked {
        QList<Entry> from;
        QDateTime madeAt;
        qint64 validUntilMs = 0; // the first moment an entry's weight steps, ms since the epoch
        QList<Entry> order;
    };
    mutable std::optional<Ranked> m_ranked;
};

} // namespace zarvo
