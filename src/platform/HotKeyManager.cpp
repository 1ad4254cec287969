#include "platform/HotKeyManager.h"

#include "platform/DesktopShortcuts.h"
#include "platform/HotKeys.h"
#include "platform/Platform.h"

#include <QCoreApplication>
#include <QPointer>

namespace zarvo {

namespace {

bool refused(HotKeyManager::State state) {
    using State = HotKeyManager::State;
    // A key the desktop runs us on is watched too: if the person removes that binding, our grab takes over.
    // A key that reaches us only from X windows is watched for a binding of ours the person adds.
    return state == State::taken || state == State::heldByDesktop || state == State::throughDesktop ||
           state == State::xWindowsOnly;
}

// Shown by the desktop beside the key it binds for us (the portal's dialog).
QString description(HotKeyManager::Slot slot) {
    return slot == HotKeyManager::Slot::clipboard
               ? QCoreApplication::translate("HotKeyManager", "Show clipboard history")
               : QCoreApplication::translate("HotKeyManager", "Show Zarvo");
}

} // namespace

HotKeyManager::HotKeyManager(HotKeys* hotKeys, DesktopShortcuts* desktop, DesktopHotKeys* desktopKeys)
    : m_hotKeys(hotKeys), m_desktop(desktop), m_desktopKeys(desktopKeys) {
    if (m_hotKeys) connect(m_hotKeys, &HotKeys::pressed, this, &HotKeyManager::handlePress);
    m_retry.setInterval(kRetryMs);
    connect(&m_retry, &QTimer::timeout, this, &HotKeyManager::retry);
    if (m_desktopKeys) {
        connect(m_desktopKeys, &DesktopHotKeys::answered, this,
                [this](const QHash<int, QString>& triggers, bool) { takeAnswer(triggers); });
        connect(m_desktopKeys, &DesktopHotKeys::pressed, this, [this](int slotId) {
            const Slot slot = slotId == int(Slot::clipboard) ? Slot::clipboard : Slot::main;
            if (status(slot).state == State::fromDesktop) handlePress(slotId);
        });
    }
    // Both keys are set one after the other at start and after recording: the desktop is asked once.
    m_ask.setSingleShot(true);
    m_ask.setInterval(0);
    connect(&m_ask, &QTimer::timeout, this, &HotKeyManager::askDesktop);
    // A session bus or portal that never answers must not leave the keys "waiting" for good.
    m_answerWait.setSingleShot(true);
    m_answerWait.setInterval(kDesktopAnswerMs);
    connect(&m_answerWait, &QTimer::timeout, this, &HotKeyManager::giveUpWaiting);
}

HotKeyManager& HotKeyManager::shared() {
    static HotKeyManager manager(Platform::current().hotKeys, Platform::current().desktopShortcuts,
                                 Platform::current().desktopHotKeys);
    return manager;
}

HotKeyManager::Status HotKeyManager::attempt(Slot slot, quint32 keyCode, quint32 modifiers) {
    Status next{State::none, {}, keyCode, modifiers, {}};
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
        m_grabbed.insert(slot);
        next.state = m_hotKeys->reachesEveryWindow() ? State::registered : State::xWindowsOnly;
    } else if (holder) {
        next.state = State::heldByDesktop;
        next.holder = holder->desktop;
    } else {
        next.state = State::taken;
    }
    return next;
}

void HotKeyManager::release(Slot slot) {
    if (m_grabbed.remove(slot) && m_hotKeys) m_hotKeys->unregisterHotKey(int(slot));
}

HotKeyManager::Status HotKeyManager::shown(Slot slot, const Status& grab) const {
    // The desktop's own binding of our command needs nothing more; nothing wanted asks nothing.
    if (!m_desktopKeys || grab.state == State::none || grab.state == State::throughDesktop) return grab;
    const auto answered = m_answeredKeys.find(int(slot));
    if (answered == m_answeredKeys.cend() || *answered != qMakePair(grab.keyCode, grab.modifiers)) {
        Status pending = grab;
        if (m_desktopSilent)
            pending.unanswered = true;
        else
            pending.state = State::pending;
        return pending;
    }
    const auto delivered = m_delivered.find(int(slot));
    if (delivered == m_delivered.cend()) return grab;
    return Status{State::fromDesktop, m_desktop ? m_desktop->desktopName() : QString(), grab.keyCode,
                  grab.modifiers, *delivered};
}

void HotKeyManager::setGrabStatus(Slot slot, const Status& status) {
    m_grab.insert(slot, status);
    setStatus(slot, shown(slot, status));
    if (m_desktopKeys) m_ask.start();
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

void HotKeyManager::askDesktop() {
    QList<DesktopHotKeys::Wanted> wanted;
    for (Slot slot : {Slot::main, Slot::clipboard}) {
        const Status grab = m_grab.value(slot);
        if (grab.state == State::none || grab.state == State::throughDesktop) continue;
        wanted << DesktopHotKeys::Wanted{int(slot), grab.keyCode, grab.modifiers, description(slot)};
    }
    if (wanted == m_asked) return;
    m_asked = wanted;
    // A desktop that has kept us waiting before is not waited for again; its answer still counts.
    if (!m_desktopSilent) m_answerWait.start();
    m_desktopKeys->request(wanted);
}

void HotKeyManager::giveUpWaiting() {
    m_desktopSilent = true;
    for (Slot slot : {Slot::main, Slot::clipboard})
        if (m_grab.contains(slot)) setStatus(slot, shown(slot, m_grab.value(slot)));
}

void HotKeyManager::takeAnswer(const QHash<int, QString>& triggers) {
    // The answer is to the keys last asked for; a slot changed since stays pending until its own answer.
    m_answerWait.stop();
    m_desktopSilent = false;
    m_answeredKeys.clear();
    for (const DesktopHotKeys::Wanted& w : std::as_const(m_asked))
        m_answeredKeys.insert(w.slot, qMakePair(w.keyCode, w.modifiers));
    m_delivered = triggers;
    for (Slot slot : {Slot::main, Slot::clipboard})
        if (m_grab.contains(slot)) setStatus(slot, shown(slot, m_grab.value(slot)));
}

bool HotKeyManager::registerKey(Slot slot, quint32 keyCode, quint32 modifiers) {
    release(slot);
    setGrabStatus(slot, attempt(slot, keyCode, modifiers));
    const State state = m_grab.value(slot).state;
    return state != State::taken && state != State::heldByDesktop && state != State::unavailable;
}

void HotKeyManager::unregister(Slot slot) {
    release(slot);
    if (m_grab.contains(slot) || m_status.contains(slot)) setGrabStatus(slot, Status{});
}

void HotKeyManager::unregisterAll() {
    for (Slot slot : {Slot::main, Slot::clipboard})
        unregister(slot);
}

bool HotKeyManager::works(Slot slot) const {
    const State state = status(slot).state;
    return state == State::registered || state == State::throughDesktop || state == State::fromDesktop;
}

void HotKeyManager::retry() {
    for (Slot slot : {Slot::main, Slot::clipboard}) {
        if (!refused(status(slot).state)) continue;
        const Status current = m_grab.value(slot);
        // A binding of ours counts until the desktop has none on the key: its files may lag behind it.
        if (current.state == State::throughDesktop && m_desktop &&
            m_desktop->holder(current.keyCode, current.modifiers))
            continue;
        if (current.state == State::xWindowsOnly) {
            // Our grab stays; only a binding of our command the person added changes anything.
            const auto holder =
                m_desktop ? m_desktop->holder(current.keyCode, current.modifiers) : std::nullopt;
            if (!holder || !holder->runsOurCommand) continue;
        }
        release(slot);
        setGrabStatus(slot, attempt(slot, current.keyCode, current.modifiers));
    }
}

std::optional<QString> HotKeyManager::bindThroughDesktop(Slot slot, const QString& command) {
    const Status current = status(slot);
    if (!m_desktop)
        return QCoreApplication::translate("HotKeyManager", "the desktop's shortcuts are not known here");
    if (current.state == State::none) return QCoreApplication::translate("HotKeyManager", "no key is set");
    if (auto error = m_desktop->bind(current.keyCode, current.modifiers, command)) return error;
    release(slot);
    setGrabStatus(
        slot,
        Status{State::throughDesktop, m_desktop->desktopName(), current.keyCode, current.modifiers, {}});
    return std::nullopt;
}

QString HotKeyManager::shownKey(Slot slot, const QString& keyName) const {
    const Status s = status(slot);
    if (s.state == State::heldByDesktop)
        //: %1 is a key ("Super+R"), %2 the desktop that uses it ("Xfce").
        return QCoreApplication::translate("HotKeyManager", "%1 is used by %2 \u2014 choose another key")
            .arg(keyName, s.holder);
    if (s.state == State::taken)
        //: %1 is a key ("Super+R").
        return QCoreApplication::translate("HotKeyManager",
                                           "%1 is used by another app \u2014 choose another key")
            .arg(keyName);
    //: %1 is a key ("Super+R").
    if (s.state == State::xWindowsOnly)
        return QCoreApplication::translate("HotKeyManager", "%1 works only in X11 apps").arg(keyName);
    if (s.state == State::fromDesktop && !s.trigger.isEmpty()) return s.trigger;
    return keyName;
}

void HotKeyManager::handlePress(int slotId) {
    // Any identifier other than the clipboard's acts as the main key.
    const Slot slot = slotId == int(Slot::clipboard) ? Slot::clipboard : Slot::main;
    // Where the desktop delivers the key, our grab (kept for when it stops) must not toggle a second time.
    if (sender() == m_hotKeys && status(slot).state == State::fromDesktop) return;
    QPointer<HotKeyManager> self(this);
    QTimer::singleShot(0, this, [self, slot] {
        if (!self) return;
        const auto action = self->onPress.value(slot);
        if (action) action();
    });
}

} // namespace zarvo
