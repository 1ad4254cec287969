#include "store/Favorites.h"

#include "store/Settings.h"
#include "store/UserDefaults.h"

#include <memory>

namespace zarvo {

namespace {
std::unique_ptr<Favorites>& sharedFavorites() {
    static std::unique_ptr<Favorites> favorites;
    return favorites;
}
} // namespace

Favorites::Favorites(UserDefaults& defaults, QObject* parent) : QObject(parent), m_defaults(defaults) {
    if (!defaults.hasStoredValue(storageKey)) return;
    if (auto keys = defaults.stringArray(storageKey)) {
        m_keys = std::move(*keys);
        return;
    }
    // Entry by entry: the strings are used, anything else (a newer version's kind of entry, a damaged
    // value) stays in the copy set aside.
    const QVariant value = defaults.storedValues().value(storageKey);
    if (value.typeId() == QMetaType::QVariantList)
        for (const QVariant& v : value.toList())
            if (v.typeId() == QMetaType::QString) m_keys.append(v.toString());
    m_keptAside = Salvage::keepAside(defaults, storageKey, m_keys.size());
}

Favorites::~Favorites() = default;

Favorites& Favorites::shared() {
    auto& favorites = sharedFavorites();
    if (!favorites) favorites = std::make_unique<Favorites>(Settings::sharedDefaults());
    return *favorites;
}

void Favorites::resetShared() {
    sharedFavorites().reset();
}

bool Favorites::toggle(const QString& key) {
    if (m_keys.contains(key))
        m_keys.removeAll(key);
    else
        m_keys.append(key);
    emit keysChanged();
    save();
    return m_keys.contains(key);
}

void Favorites::remove(const QString& key) {
    m_keys.removeAll(key);
    emit keysChanged();
    save();
}

void Favorites::replace(const QString& oldKey, const QString& newKey) {
    const qsizetype index = m_keys.indexOf(oldKey);
    if (index < 0) return;
    m_keys[index] = newKey;
    emit keysChanged();
    save();
}

void Favorites::save() {
    m_defaults.set(storageKey, QVariant(m_keys));
}

} // namespace zarvo
