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

std::optional<QString> bindOffer(const HotKeyManager::Status& status, const DesktopShortcuts* desktop,
                                 const QString& keyName) {
    if (status.state != HotKeyManager::State::heldByDesktop || !desktop || !desktop->canBind())
        return std::nullopt;
    return QStringLiteral("Let ") + status.holder + QStringLiteral(" Open Zarvo with ") + keyName +
           QStringLiteral("\u2026");
}

QString bindQuestion(const QString& desktop, const QString& keyName, const QString& command,
                     const QString& place) {
    return QStringLiteral("Zarvo will add a keyboard shortcut to ") + desktop +
           QStringLiteral("'s settings: ") + keyName + QStringLiteral(" runs ") + quoted(command) +
           QStringLiteral(". What ") + desktop + QStringLiteral(" did with ") + keyName +
           QStringLiteral(" until now stops. You can change it back in ") + place + QLatin1Char('.');
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
