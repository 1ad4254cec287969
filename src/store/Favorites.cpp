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

Favorites::Favorites(UserDefaults& defaults, QObject* parent)
    : QObject(parent), m_defaults(defaults),
      m_keys(defaults.stringArray(storageKey).value_or(QStringList())) {}

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
