#include "platform/HotKeyManager.h"

#include "platform/HotKeys.h"
#include "platform/Platform.h"

#include <QPointer>
#include <QTimer>

namespace zarvo {

HotKeyManager::HotKeyManager(HotKeys* hotKeys) : m_hotKeys(hotKeys) {
    if (m_hotKeys) connect(m_hotKeys, &HotKeys::pressed, this, &HotKeyManager::handlePress);
}

HotKeyManager& HotKeyManager::shared() {
    static HotKeyManager manager(Platform::current().hotKeys);
    return manager;
}

bool HotKeyManager::registerKey(Slot slot, quint32 keyCode, quint32 modifiers) {
    unregister(slot);
    if (!m_hotKeys || !m_hotKeys->registerHotKey(int(slot), keyCode, modifiers)) return false;
    m_registered.insert(slot);
    return true;
}

void HotKeyManager::unregister(Slot slot) {
    if (!m_registered.remove(slot)) return;
    if (m_hotKeys) m_hotKeys->unregisterHotKey(int(slot));
}

void HotKeyManager::unregisterAll() {
    const auto registered = m_registered;
    for (Slot slot : registered)
        unregister(slot);
}

void HotKeyManager::handlePress(int slotId) {
    // Any identifier other than the clipboard's acts as the main key.
    const Slot slot = slotId == int(Slot::clipboard) ? Slot::clipboard : Slot::main;
    QPointer<HotKeyManager> self(this);
    QTimer::singleShot(0, this, [self, slot] {
        if (!self) return;
        const auto action = self->onPress.value(slot);
        if (action) action();
    });
}

} // namespace zarvo
