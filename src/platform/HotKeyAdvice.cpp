#include "platform/HotKeyAdvice.h"

#include "platform/DesktopShortcuts.h"

namespace zarvo::HotKeyAdvice {

namespace {

QString quoted(const QString& text) {
    return QStringLiteral("\u201C") + text + QStringLiteral("\u201D");
}

} // namespace

QString command(HotKeyManager::Slot slot, const QString& program) {
    return program + (slot == HotKeyManager::Slot::clipboard ? QStringLiteral(" --clipboard")
                                                             : QStringLiteral(" --toggle"));
}

std::optional<QString> conflict(const HotKeyManager::Status& status, const QString& keyName,
                                const QString& place) {
    using State = HotKeyManager::State;
    if (status.state == State::xWindowsOnly)
        return QStringLiteral("This is a Wayland session: ") + keyName +
               QStringLiteral(" reaches Zarvo only while an X11 app is in front. Bind ") +
               quoted(command(HotKeyManager::Slot::main)) + QStringLiteral(" to it in ") + place +
               QStringLiteral(", or choose another key in Zarvo's Settings.");
    QString who;
    if (status.state == State::heldByDesktop)
        who = status.holder;
    else if (status.state == State::taken)
        who = QStringLiteral("another app");
    else
        return std::nullopt;
    return keyName + QStringLiteral(" is used by ") + who + QStringLiteral(", so it does not open Zarvo. ") +
           QStringLiteral("Choose another key in Zarvo's Settings, or bind ") +
           quoted(command(HotKeyManager::Slot::main)) + QStringLiteral(" to a key in ") + place +
           QLatin1Char('.');
}

QString conflictTitle(const HotKeyManager::Status& status, const QString& keyName) {
    using State = HotKeyManager::State;
    if (status.state == State::xWindowsOnly) return keyName + QStringLiteral(" works only in X11 apps");
    return keyName + QStringLiteral(" is used by ") +
           (status.state == State::heldByDesktop ? status.holder : QStringLiteral("another app"));
}

bool canBindThroughDesktop(const HotKeyManager::Status& status, const DesktopShortcuts* desktop) {
    using State = HotKeyManager::State;
    return (status.state == State::heldByDesktop || status.state == State::xWindowsOnly) && desktop &&
           desktop->canBind();
}

QString bindingDesktop(const HotKeyManager::Status& status, const DesktopShortcuts* desktop) {
    if (!status.holder.isEmpty() || !desktop) return status.holder;
    return desktop->desktopName();
}

std::optional<QString> bindOffer(const HotKeyManager::Status& status, const DesktopShortcuts* desktop,
                                 const QString& keyName) {
    if (!canBindThroughDesktop(status, desktop)) return std::nullopt;
    return QStringLiteral("Let ") + bindingDesktop(status, desktop) + QStringLiteral(" Open Zarvo with ") +
           keyName + QStringLiteral("\u2026");
}

QString bindQuestion(const QString& desktop, const QString& keyName, const QString& command,
                     const QString& place, const QString& note) {
    QString text = QStringLiteral("Zarvo will add a keyboard shortcut to ") + desktop +
                   QStringLiteral("'s settings: ") + keyName + QStringLiteral(" runs ") + quoted(command) +
                   QStringLiteral(". What ") + desktop + QStringLiteral(" did with ") + keyName +
                   QStringLiteral(" until now stops. You can change it back in ") + place + QLatin1Char('.');
    if (!note.isEmpty()) text += QLatin1Char(' ') + note;
    return text;
}

QStringList configLines(const HotKeyManager& keys, const QString& program) {
    using State = HotKeyManager::State;
    const DesktopShortcuts* desktop = keys.desktop();
    QStringList lines;
    if (!desktop) return lines;
    for (HotKeyManager::Slot slot : {HotKeyManager::Slot::main, HotKeyManager::Slot::clipboard}) {
        const auto status = keys.status(slot);
        if (keys.works(slot) || status.state == State::none || status.state == State::pending) continue;
        if (const auto line = desktop->configLine(status.keyCode, status.modifiers, command(slot, program)))
            lines << *line;
    }
    return lines;
}

QString backgroundNotice(bool keyWorks, const QString& keyName, const QString& place) {
    const QString bind = quoted(command(HotKeyManager::Slot::main));
    if (keyWorks)
        return QStringLiteral("Zarvo runs in the background. Press ") + keyName +
               QStringLiteral(", or bind ") + bind + QStringLiteral(" in ") + place + QLatin1Char('.');
    return QStringLiteral("Zarvo runs in the background. Bind ") + bind + QStringLiteral(" in ") + place +
           QStringLiteral(", or choose another key in Zarvo's Settings (") +
           quoted(QStringLiteral("zarvo --settings")) + QStringLiteral(").");
}

} // namespace zarvo::HotKeyAdvice
