#include "platform/DesktopShortcuts.h"
#include "platform/HotKeyAdvice.h"
#include "platform/HotKeyManager.h"
#include "platform/SessionReport.h"
#include "store/HotKeyRegistration.h"
#include "ui/Accessibility.h"
#include "ui/SettingsView.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

// The shortcut rows' texts, and the binding of a key the desktop holds through the desktop's shortcuts.
namespace zarvo::ui {

using Shortcut = ShortcutRecorder::Shortcut;

void SettingsView::refreshShortcuts() {
    for (auto it = m_shortcutButtons.constBegin(); it != m_shortcutButtons.constEnd(); ++it) {
        const auto shortcut = Shortcut(it.key());
        const bool recording = m_recorder.recording() == shortcut;
        const QString text = recording ? tr("Press keys… (esc to cancel)") : m_recorder.displayName(shortcut);
        it.value()->setText(text);
        // Read after the button's name: the keys set, or that it is waiting for new ones.
        it.value()->setAccessibleDescription(Accessibility::spokenKeys(text));
    }
    // A key the recorder just refused says so; otherwise each set key that does not reach us says why.
    QStringList problems;
    if (const auto& error = m_recorder.hotKeyError()) problems << *error;
    std::optional<QString> offer;
    for (const auto& [shortcut, slot] : {std::pair{Shortcut::main, HotKeyManager::Slot::main},
                                         std::pair{Shortcut::clipboard, HotKeyManager::Slot::clipboard}}) {
        const QString name = m_recorder.displayName(shortcut);
        const QString shown = m_s.hotKeys.keys().shownKey(slot, name);
        // A key the desktop delivers under its own name works: not a problem.
        if (problems.isEmpty() && shown != name && !m_s.hotKeys.keys().works(slot)) problems << shown;
        if (!offer && !m_recorder.recording())
            if ((offer = HotKeyAdvice::bindOffer(m_s.hotKeys.keys().status(slot),
                                                 m_s.hotKeys.keys().desktop(), name)))
                m_bindSlot = int(slot);
    }
    m_hotKeyError->setText(problems.join(QLatin1Char('\n')));
    m_hotKeyError->setVisible(!problems.isEmpty());
    if (m_s.session)
        m_sessionStatus->setText(
            SessionReport::settingsLines(m_s.session->facts(), m_s.hotKeys.keys()).join(QLatin1Char('\n')));
    // Desktops that bind keys in their config file (sway): the exact lines, to copy there.
    const QStringList lines =
        m_recorder.recording() ? QStringList() : HotKeyAdvice::configLines(m_s.hotKeys.keys(), m_s.program);
    if (m_configLines) {
        const DesktopShortcuts* desktop = m_s.hotKeys.keys().desktop();
        m_configPlace->setText(tr("To open Zarvo from every app, add these lines to %1 and reload it:")
                                   .arg(desktop ? desktop->shortcutsPlace() : QString()));
        m_configLines->setPlainText(lines.join(QLatin1Char('\n')));
        m_configPlace->setVisible(!lines.isEmpty());
        m_configLines->setVisible(!lines.isEmpty());
    }
    if (!m_bindThroughDesktop) return;
    m_bindThroughDesktop->setText(offer.value_or(QString()));
    m_bindThroughDesktop->parentWidget()->setVisible(offer.has_value());
    m_bindThroughDesktop->setVisible(offer.has_value());
}

void SettingsView::bindThroughDesktop() {
    const auto slot = HotKeyManager::Slot(m_bindSlot);
    const auto status = m_s.hotKeys.keys().status(slot);
    DesktopShortcuts* desktop = m_s.hotKeys.keys().desktop();
    if (!HotKeyAdvice::canBindThroughDesktop(status, desktop)) return;
    const QString name =
        m_recorder.displayName(slot == HotKeyManager::Slot::main ? Shortcut::main : Shortcut::clipboard);
    const QString command = HotKeyAdvice::command(slot, m_s.program);
    const QString holder = HotKeyAdvice::bindingDesktop(status, desktop);
    const QString question = HotKeyAdvice::bindQuestion(holder, name, command, desktop->shortcutsPlace(),
                                                        desktop->bindingNote(status.modifiers));
    if (!confirm || !confirm(tr("Change %1's Shortcuts?").arg(holder), question)) return;
    if (const auto error = m_s.hotKeys.keys().bindThroughDesktop(slot, command))
        m_recorder.setError(tr("%1 could not be bound: %2").arg(name, *error));
    refreshShortcuts();
}

} // namespace zarvo::ui
