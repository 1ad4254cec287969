#include "ui/ShortcutRecorder.h"

#include "platform/HotKeyFormat.h"
#include "platform/HotKeyManager.h"
#include "platform/HotKeys.h"
#include "platform/PlatformWords.h"
#include "store/HotKeyRegistration.h"
#include "store/Settings.h"
#include "ui/KeyEvents.h"

#include <QStringList>

namespace zarvo::ui {

namespace {

using Shortcut = ShortcutRecorder::Shortcut;

constexpr Shortcut kAll[] = {Shortcut::main, Shortcut::clipboard, Shortcut::tabs};

bool isGlobal(Shortcut shortcut) {
    return shortcut != Shortcut::tabs;
}

quint32 swapCommandAndControl(quint32 modifiers) {
    const bool command = modifiers & HotKeyModifier::command, control = modifiers & HotKeyModifier::control;
    modifiers &= ~(HotKeyModifier::command | HotKeyModifier::control);
    return modifiers | (command ? HotKeyModifier::control : 0) | (control ? HotKeyModifier::command : 0);
}

} // namespace

ShortcutRecorder::ShortcutRecorder(Settings& settings, HotKeyRegistration& hotKeys, QObject* parent)
    : QObject(parent), m_settings(settings), m_hotKeys(hotKeys) {}

ShortcutRecorder::~ShortcutRecorder() {
    if (m_recording) m_hotKeys.resume();
}

ShortcutRecorder::Combination ShortcutRecorder::defaultCombination(Shortcut shortcut) {
    switch (shortcut) {
    case Shortcut::main:
        return {15, HotKeyModifier::command, QStringLiteral("R")};
    case Shortcut::clipboard:
        return {9, HotKeyModifier::command | HotKeyModifier::shift, QStringLiteral("V")};
    case Shortcut::tabs:
        break;
    }
    return {47, HotKeyModifier::command, QStringLiteral(".")};
}

ShortcutRecorder::Combination ShortcutRecorder::combination(Shortcut shortcut) const {
    switch (shortcut) {
    case Shortcut::main:
        return {m_settings.hotKeyCode(), m_settings.hotKeyModifiers(), m_settings.hotKeyLabel()};
    case Shortcut::clipboard:
        return {m_settings.clipHotKeyCode(), m_settings.clipHotKeyModifiers(), m_settings.clipHotKeyLabel()};
    case Shortcut::tabs:
        break;
    }
    return {m_settings.tabKeyCode(), m_settings.tabKeyModifiers(), m_settings.tabKeyLabel()};
}

QString ShortcutRecorder::displayName(Shortcut shortcut, quint32 modifiers, const QString& label) const {
    const PlatformWords& words = PlatformWords::current();
    if (isGlobal(shortcut)) return words.hotKey(modifiers, label);
    return words.keys(HotKeyFormat::display(modifiers, label));
}

QString ShortcutRecorder::displayName(Shortcut shortcut) const {
    const Combination c = combination(shortcut);
    return displayName(shortcut, c.modifiers, c.label);
}

quint32 ShortcutRecorder::modifiersFor(Shortcut shortcut, const KeyEvent& event) const {
    const quint32 pressed = HotKeyFormat::carbonModifiers(eventFlags(event));
    return isGlobal(shortcut) && m_hotKeys.keys().superIsCommand() ? swapCommandAndControl(pressed) : pressed;
}

quint32 ShortcutRecorder::asPressed(Shortcut shortcut, quint32 modifiers) const {
    return isGlobal(shortcut) && m_hotKeys.keys().superIsCommand() ? swapCommandAndControl(modifiers)
                                                                   : modifiers;
}

void ShortcutRecorder::setError(std::optional<QString> error) {
    m_hotKeyError = std::move(error);
}

void ShortcutRecorder::startRecording(Shortcut shortcut) {
    stopRecording();
    setError(std::nullopt);
    m_recording = shortcut;
    m_hotKeys.suspend();
    emit changed();
}

void ShortcutRecorder::stopRecording() {
    const bool was = m_recording.has_value();
    if (was) apply();
    m_recording.reset();
    if (was) m_hotKeys.resume();
    if (was) emit changed();
}

bool ShortcutRecorder::handleKey(const KeyEvent& event) {
    if (!m_recording) return false;
    if (event.keyCode == KeyCode::escape) {
        stopRecording();
        return true;
    }
    if (!event.command && !event.option && !event.control) {
        setError(PlatformWords::current().text(tr("Include ⌘, ⌥ or ⌃ in the shortcut.")));
        emit changed();
        return true;
    }
    const Shortcut shortcut = *m_recording;
    const Combination pressed{quint32(event.keyCode), modifiersFor(shortcut, event),
                              HotKeyFormat::label(event.keyCode, event.characters)};
    if (!saveAndApply(shortcut, pressed)) emit changed();
    return true;
}

bool ShortcutRecorder::save(Shortcut shortcut, quint32 code, quint32 modifiers, const QString& label) {
    const QString name = displayName(shortcut, modifiers, label);
    const quint32 pressed = asPressed(shortcut, modifiers);
    for (const Shortcut other : kAll) {
        if (other == shortcut) continue;
        const Combination theirs = combination(other);
        // Compared as the keys a person presses: a system-wide Super+R and a panel Super+R are one.
        if (theirs.code == code && asPressed(other, theirs.modifiers) == pressed) {
            setError(tr("%1 is already another Zarvo shortcut.").arg(name));
            return false;
        }
    }
    if (shortcut == Shortcut::tabs && Settings::isPanelKey(code, modifiers)) {
        setError(tr("%1 already does something in the Zarvo panel. Try another key.").arg(name));
        return false;
    }
    setError(std::nullopt);
    write(shortcut, {code, modifiers, label});
    return true;
}

void ShortcutRecorder::write(Shortcut shortcut, const Combination& c) {
    switch (shortcut) {
    case Shortcut::main:
        m_settings.setHotKeyCode(c.code);
        m_settings.setHotKeyModifiers(c.modifiers);
        m_settings.setHotKeyLabel(c.label);
        break;
    case Shortcut::clipboard:
        m_settings.setClipHotKeyCode(c.code);
        m_settings.setClipHotKeyModifiers(c.modifiers);
        m_settings.setClipHotKeyLabel(c.label);
        break;
    case Shortcut::tabs:
        m_settings.setTabKeyCode(c.code);
        m_settings.setTabKeyModifiers(c.modifiers);
        m_settings.setTabKeyLabel(c.label);
        break;
    }
}

bool ShortcutRecorder::saveAndApply(Shortcut shortcut, const Combination& next) {
    const Combination previous = combination(shortcut);
    if (!save(shortcut, next.code, next.modifiers, next.label)) return false;
    m_replaced = std::make_pair(shortcut, previous);
    if (m_recording)
        stopRecording();
    else
        apply();
    m_replaced.reset();
    emit changed();
    return true;
}

void ShortcutRecorder::apply() {
    struct Slot {
        Shortcut shortcut;
        HotKeyManager::Slot slot;
    };
    static constexpr Slot kSlots[] = {{Shortcut::main, HotKeyManager::Slot::main},
                                      {Shortcut::clipboard, HotKeyManager::Slot::clipboard}};
    QStringList refused, heldByDesktop;
    for (const Slot& s : kSlots) {
        const Combination c = combination(s.shortcut);
        if (m_hotKeys.registerStored(s.slot)) continue;
        const QString name = displayName(s.shortcut, c.modifiers, c.label);
        const auto status = m_hotKeys.keys().status(s.slot);
        if (status.state == HotKeyManager::State::heldByDesktop)
            heldByDesktop << m_hotKeys.keys().shownKey(s.slot, name) + QLatin1Char('.');
        else
            refused << name;
        // A new combination that another program holds must not leave the slot without any key:
        // the former one is stored and registered again.
        if (m_replaced && m_replaced->first == s.shortcut && !(m_replaced->second == c)) {
            write(s.shortcut, m_replaced->second);
            m_hotKeys.registerStored(s.slot);
        }
    }
    if (!refused.isEmpty())
        heldByDesktop.prepend(
            refused.size() == 1
                ? tr("%1 is already used by another app.").arg(refused.first())
                : tr("%1 and %2 are already used by another app.")
                      .arg(refused.mid(0, refused.size() - 1).join(QStringLiteral(", ")), refused.last()));
    if (!heldByDesktop.isEmpty()) setError(heldByDesktop.join(QLatin1Char(' ')));
}

void ShortcutRecorder::reset(Shortcut shortcut) {
    stopRecording();
    saveAndApply(shortcut, defaultCombination(shortcut));
}

} // namespace zarvo::ui
