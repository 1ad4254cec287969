#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include "store/Salvage.h"

namespace zarvo {

class UserDefaults;

// The places the user starred, oldest first, as result history keys. Written through to the defaults
// store on every change. Main thread only.
class Favorites : public QObject {
    Q_OBJECT
public:
    static inline const QString storageKey = QStringLiteral("favorites");

    // Loads the list from `defaults`: its strings, in order. A stored value that is not a list of strings
    // alone is copied aside first (see keptAside()), so the next save cannot destroy what was not read.
    explicit Favorites(UserDefaults& defaults, QObject* parent = nullptr);
    ~Favorites() override;

    // The instance of the process, on Settings::sharedDefaults().
    static Favorites& shared();
    static void resetShared();

    const QStringList& keys() const { return m_keys; }
    bool contains(const QString& key) const { return m_keys.contains(key); }

    // Stars `key` (appended) or unstars every occurrence of it; whether it is starred afterwards.
    bool toggle(const QString& key);
    // Unstars every occurrence of `key`.
    void remove(const QString& key);
    // Puts `newKey` in the place of the first `oldKey`, nothing else touched (a key may then be listed
    // twice). Nothing happens when `oldKey` is not starred.
    void replace(const QString& oldKey, const QString& newKey);

    void save();

    // Set when the stored list did not decode whole: where its original is kept, and how much was read.
    const std::optional<Salvage::KeptAside>& keptAside() const { return m_keptAside; }

signals:
    void keysChanged();

private:
    UserDefaults& m_defaults;
    QStringList m_keys;
    std::optional<Salvage::KeptAside> m_keptAside;
};

} // namespace zarvo
