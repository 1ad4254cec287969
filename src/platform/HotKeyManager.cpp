#include "platform/HotKeyManager.h"

#include "platform/DesktopShortcuts.h"
#include "platform/HotKeys.h"
#include "platform/Platform.h"

#include <QPointer>

namespace zarvo {

namespace {

bool refused(HotKeyManager::State state) {
    using State = HotKeyManager::State;
    // A key the desktop runs us on is watched too: if the person removes that binding, our grab takes over.
    return state == State::taken || state == State::heldByDesktop || state == State::throughDesktop;
}

} // namespace

HotKeyManager::HotKeyManager(HotKeys* hotKeys, DesktopShortcuts* desktop)
    : m_hotKeys(hotKeys), m_desktop(desktop) {
    if (m_hotKeys) connect(m_hotKeys, &HotKeys::pressed, this, &HotKeyManager::handlePress);
    m_retry.setInterval(kRetryMs);
    connect(&m_retry, &QTimer::timeout, this, &HotKeyManager::retry);
}

HotKeyManager& HotKeyManager::shared() {
    static HotKeyManager manager(Platform::current().hotKeys, Platform::current().desktopShortcuts);
    return manager;
}

HotKeyManager::Status HotKeyManager::attempt(Slot slot, quint32 keyCode, quint32 modifiers) {
    Status next{State::none, {}, keyCode, modifiers};
    const auto holder = m_desktop ? m_desktop->holder(keyCode, modifiers) : std::nullopt;
    if (holder && holder->runsOurCommand) {
        next.state = State::throughDesktop;
        next.holder = holder->desktop;
    } else if (holder && holder->swallowsGrab) {
        // A grab would succeed and never see a press: not taken, so the shell's texts stay honest.
        next.state = State::heldByDesktop;
        next.holder = holder->desktop;
    } else if (!m_hotKeys) {
        next.state = State::unavailable;
    } else if (m_hotKeys->registerHotKey(int(slot), keyCode, modifiers)) {
        next.state = State::registered;
    } else if (holder) {
        next.state = State::heldByDesktop;
        next.holder = holder->desktop;
    } else {
        next.state = State::taken;
    }
    return next;
}

void HotKeyManager::setStatus(Slot slot, const Status& status) {
    const bool changed = m_status.value(slot) != status;
    m_status.insert(slot, status);
    bool anyRefused = false;
    for (const Status& s : std::as_const(m_status))
        anyRefused |= refused(s.state);
    if (anyRefused && !m_retry.isActive()) m_retry.start();
    if (!anyRefused) m_retry.stop();
    if (changed) emit statusChanged();
}

bool HotKeyManager::registerKey(Slot slot, quint32 keyCode, quint32 modifiers) {
    if (isRegistered(slot) && m_hotKeys) m_hotKeys->unregisterHotKey(int(slot));
    setStatus(slot, attempt(slot, keyCode, modifiers));
    return works(slot);
}

void HotKeyManager::unregister(Slot slot) {
    if (isRegistered(slot) && m_hotKeys) m_hotKeys->unregisterHotKey(int(slot));
    if (m_status.contains(slot)) setStatus(slot, Status{});
}

void HotKeyManager::unregisterAll() {
    for (Slot slot : {Slot::main, Slot::clipboard})
        unregister(slot);
}

bool HotKeyManager::works(Slot slot) const {
    const State state = status(slot).state;
    return state == State::registered || state == State::throughDesktop;
}

void HotKeyManager::retry() {
    for (Slot slot : {Slot::main, Slot::clipboard}) {
        const Status current = status(slot);
        if (!refused(current.state)) continue;
        // A binding of ours counts until the desktop has none on the key: its files may lag behind it.
        if (current.state == State::throughDesktop && m_desktop &&
            m_desktop->holder(current.keyCode, current.modifiers))
            continue;
        setStatus(slot, attempt(slot, current.keyCode, current.modifiers));
    }
}

std::optional<QString> HotKeyManager::bindThroughDesktop(Slot slot, const QString& command) {
    const Status current = status(slot);
    if (!m_desktop) return QStringLiteral("the desktop's shortcuts are not known here");
    if (current.state == State::none) return QStringLiteral("no key is set");
    if (auto error = m_desktop->bind(current.keyCode, current.modifiers, command)) return error;
    if (isRegistered(slot) && m_hotKeys) m_hotKeys->unregisterHotKey(int(slot));
    setStatus(slot,
              Status{State::throughDesktop, m_desktop->desktopName(), current.keyCode, current.modifiers});
    return std::nullopt;
}

QString HotKeyManager::shownKey(Slot slot, const QString& keyName) const {
    const Status s = status(slot);
    if (s.state == State::heldByDesktop)
        return keyName + QStringLiteral(" is used by ") + s.holder +
               QStringLiteral(" \u2014 choose another key");
    if (s.state == State::taken)
        return keyName + QStringLiteral(" is used by another app \u2014 choose another key");
    return keyName;
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
