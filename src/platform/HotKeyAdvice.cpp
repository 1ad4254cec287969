#include "platform/HotKeyAdvice.h"

#include "platform/DesktopShortcuts.h"

#include <QCoreApplication>

namespace zarvo::HotKeyAdvice {

namespace {

QString quoted(const QString& text) {
    //: Quotes around a command to type: “zarvo --toggle”.
    return QCoreApplication::translate("HotKeyAdvice", "\u201C%1\u201D").arg(text);
}

// Who holds a key, as the advice names it: the desktop, else someone we cannot tell.
QString holderName(const HotKeyManager::Status& status) {
    //: Who holds a key: "Super+R is used by another app".
    return status.state == HotKeyManager::State::heldByDesktop
               ? status.holder
               : QCoreApplication::translate("HotKeyAdvice", "another app");
}

} // namespace

QString command(HotKeyManager::Slot slot, const QString& program) {
    return program + (slot == HotKeyManager::Slot::clipboard ? QStringLiteral(" --clipboard")
                                                             : QStringLiteral(" --toggle"));
}

std::optional<QString> conflict(const HotKeyManager::Status& status, const QString& keyName,
                                const QString& place) {
    using State = HotKeyManager::State;
    const QString bind = quoted(command(HotKeyManager::Slot::main));
    if (status.state == State::xWindowsOnly)
        //: %1 is a key ("Super+R"), %2 a command, %3 where the desktop binds keys ("Settings › Keyboard").
        return QCoreApplication::translate(
                   "HotKeyAdvice",
                   "This is a Wayland session: %1 reaches Zarvo only while an X11 app is in front. Bind %2 "
                   "to it in %3, or choose another key in Zarvo's Settings.")
            .arg(keyName, bind, place);
    if (status.state != State::heldByDesktop && status.state != State::taken) return std::nullopt;
    //: %1 is a key ("Super+R"), %2 who uses it ("Xfce", "another app"), %3 a command, %4 where the
    //: desktop binds keys.
    return QCoreApplication::translate("HotKeyAdvice", "%1 is used by %2, so it does not open Zarvo. Choose "
                                                       "another key in Zarvo's Settings, or bind %3 "
                                                       "to a key in %4.")
        .arg(keyName, holderName(status), bind, place);
}

QString conflictTitle(const HotKeyManager::Status& status, const QString& keyName) {
    using State = HotKeyManager::State;
    //: %1 is a key ("Super+R").
    if (status.state == State::xWindowsOnly)
        return QCoreApplication::translate("HotKeyAdvice", "%1 works only in X11 apps").arg(keyName);
    //: %1 is a key ("Super+R"), %2 who uses it ("Xfce", "another app").
    return QCoreApplication::translate("HotKeyAdvice", "%1 is used by %2").arg(keyName, holderName(status));
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
    //: A button. %1 is the desktop ("Xfce", "GNOME"), %2 a key ("Super+R").
    return QCoreApplication::translate("HotKeyAdvice", "Let %1 Open Zarvo with %2\u2026")
        .arg(bindingDesktop(status, desktop), keyName);
}

QString bindQuestion(const QString& desktop, const QString& keyName, const QString& command,
                     const QString& place, const QString& note) {
    //: %1 is the desktop ("Xfce"), %2 a key ("Super+R"), %3 a command, %4 where the desktop binds keys.
    QString text = QCoreApplication::translate(
                       "HotKeyAdvice",
                       "Zarvo will add a keyboard shortcut to %1's settings: %2 runs %3. What %1 did with %2 "
                       "until now stops. You can change it back in %4.")
                       .arg(desktop, keyName, quoted(command), place);
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
        //: %1 is a key ("Super+R"), %2 a command, %3 where the desktop binds keys.
        return QCoreApplication::translate("HotKeyAdvice",
                                           "Zarvo runs in the background. Press %1, or bind %2 in %3.")
            .arg(keyName, bind, place);
    //: %1 is a command, %2 where the desktop binds keys, %3 the command that opens the settings.
    return QCoreApplication::translate(
               "HotKeyAdvice",
               "Zarvo runs in the background. Bind %1 in %2, or choose another key in Zarvo's Settings (%3).")
        .arg(bind, place, quoted(QStringLiteral("zarvo --settings")));
}

} // namespace zarvo::HotKeyAdvice
