#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QMutex>
#include <QString>
#include <QStringList>
#include <optional>

namespace zarvo::linux_ {

// Answers derived from desktop entries and mimeapps lists, kept until the applications folders or the
// lists change. The panel asks for the same handlers, names and icons on every keystroke, and each of
// GIO's answers parses entries (tens of milliseconds with a few hundred installed). Lookups may come
// from a worker thread warming the cache while the main thread asks; a value computed across a
// `forget` is not kept.
class DesktopAppCache {
public:
    // The answer for `key` in `table`, computed by `make` the first time (and after `forget`).
    template <typename T, typename Make>
    T value(QHash<QString, T> DesktopAppCache::*table, const QString& key, Make make) {
        quint64 generation = 0;
        {
            QMutexLocker lock(&m_mutex);
            expire();
            const auto& hash = this->*table;
            if (auto it = hash.constFind(key); it != hash.constEnd()) return *it;
            generation = m_generation;
        }
        const T made = make();
        QMutexLocker lock(&m_mutex);
        if (generation == m_generation) (this->*table).insert(key, made);
        return made;
    }

    // Drops every answer: the next lookups read the entries again.
    void forget();
    // Without a watcher telling of changes, answers are dropped once this old (the default), so an
    // installed or removed application is still noticed soon; a negative age keeps them until `forget`.
    void setMaxAge(qint64 ms);

    // The tables, each touched only through `value`.
    using Optional = std::optional<QString>;
    QHash<QString, Optional> applications;             // desktops + identifier → location
    QHash<QString, Optional> identifiers;              // desktops + location → identifier
    QHash<QString, Optional> desktopIds;               // location → desktop-file id
    QHash<QString, QString> names;                     // location → display name
    QHash<QString, QString> icons;                     // location → icon name
    QHash<QString, Optional> defaultHandlers;          // handler key → location
    QHash<QString, QStringList> allHandlers;           // handler key → locations
    QHash<QString, QStringList> lists;                 // "menu", "terminals" → locations
    QHash<QString, QHash<QString, QString>> installed; // "" → lower-case desktop-file id → id

private:
    void expire(); // with the mutex held
    void clear();  // with the mutex held

    mutable QMutex m_mutex;
    qint64 m_maxAgeMs = 5000;
    QElapsedTimer m_age;
    quint64 m_generation = 0;
};

} // namespace zarvo::linux_
