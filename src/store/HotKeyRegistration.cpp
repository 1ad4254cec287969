#include "store/HotKeyRegistration.h"

#include "store/Settings.h"

namespace zarvo {

using Slot = HotKeyManager::Slot;

HotKeyRegistration::HotKeyRegistration(Settings& settings, HotKeyManager& keys, QObject* parent)
    : QObject(parent), m_settings(settings), m_keys(keys) {}

std::array<quint32, 4> HotKeyRegistration::wanted() const {
    return {m_settings.hotKeyCode(), m_settings.hotKeyModifiers(), m_settings.clipHotKeyCode(),
            m_settings.clipHotKeyModifiers()};
}

bool HotKeyRegistration::registerStored(Slot slot) {
    if (slot == Slot::main)
        return m_keys.registerKey(slot, m_settings.hotKeyCode(), m_settings.hotKeyModifiers());
    return m_keys.registerKey(slot, m_settings.clipHotKeyCode(), m_settings.clipHotKeyModifiers());
}

QList<Slot> HotKeyRegistration::start() {
    QList<Slot> refused;
    for (const Slot slot : {Slot::main, Slot::clipboard})
        if (!registerStored(slot)) refused << slot;
    m_registered = wanted();
    connect(&m_settings, &Settings::changed, this, &HotKeyRegistration::follow);
    return refused;
}

void HotKeyRegistration::suspend() {
    m_suspended = true;
    m_keys.unregisterAll();
}

void HotKeyRegistration::follow() {
    if (m_suspended) return;
    const auto keys = wanted();
    if (keys == m_registered) return;
    m_registered = keys;
    m_keys.registerKey(Slot::main, keys[0], keys[1]);
    m_keys.registerKey(Slot::clipboard, keys[2], keys[3]);
}

} // namespace zarvo
