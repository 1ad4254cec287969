#include "platform/SessionReport.h"

#include <QCoreApplication>

namespace zarvo::SessionReport {

namespace {

// How one key reaches us; empty when none is set.
QString how(const HotKeyManager::Status& status) {
    using State = HotKeyManager::State;
    switch (status.state) {
    case State::none:
        return {};
    case State::registered:
        return QCoreApplication::translate("SessionReport", "grabbed on X11");
    case State::xWindowsOnly:
        return QCoreApplication::translate("SessionReport", "only while an X11 app is in front");
    case State::fromDesktop:
        return QCoreApplication::translate("SessionReport", "through the desktop portal");
    case State::pending:
        return QCoreApplication::translate("SessionReport", "waiting for the desktop portal");
    case State::throughDesktop:
        return status.holder.isEmpty()
                   ? QCoreApplication::translate("SessionReport", "through the desktop's shortcuts")
                   : QCoreApplication::translate("SessionReport", "through %1's shortcuts")
                         .arg(status.holder);
    case State::taken:
        return QCoreApplication::translate("SessionReport", "off (another app holds it)");
    case State::heldByDesktop:
        return status.holder.isEmpty()
                   ? QCoreApplication::translate("SessionReport", "off (the desktop holds it)")
                   : QCoreApplication::translate("SessionReport", "off (%1 holds it)").arg(status.holder);
    case State::unavailable:
        return QCoreApplication::translate("SessionReport", "off (no hot-key service here)");
    }
    return {};
}

// The same, saying when the desktop portal was asked for the key and kept us waiting.
QString route(const HotKeyManager::Status& status) {
    const QString text = how(status);
    if (!status.unanswered || text.isEmpty()) return text;
    //: Follows how a key reaches Zarvo ("only while an X11 app is in front").
    return text + QLatin1Char(' ') +
           QCoreApplication::translate("SessionReport", "(the desktop portal did not answer)");
}

QString capitalized(QString text) {
    if (!text.isEmpty()) text[0] = text[0].toUpper();
    return text;
}

} // namespace

QString hotKeys(const HotKeyManager& keys) {
    const QString panel = route(keys.status(HotKeyManager::Slot::main));
    const QString clipboard = route(keys.status(HotKeyManager::Slot::clipboard));
    if (panel.isEmpty() && clipboard.isEmpty())
        return QCoreApplication::translate("SessionReport", "no hot keys set");
    //: %1 says how the key reaches Zarvo ("grabbed on X11", "through the desktop portal").
    if (clipboard.isEmpty()) return QCoreApplication::translate("SessionReport", "panel key %1").arg(panel);
    if (panel == clipboard) return QCoreApplication::translate("SessionReport", "hot keys %1").arg(panel);
    if (panel.isEmpty())
        return QCoreApplication::translate("SessionReport", "clipboard key %1").arg(clipboard);
    return QCoreApplication::translate("SessionReport", "panel key %1, clipboard key %2")
        .arg(panel, clipboard);
}

QString line(const SessionFacts& facts, const HotKeyManager& keys) {
    QStringList parts{facts.where, hotKeys(keys)};
    if (!facts.clipboard.isEmpty()) parts << facts.clipboard;
    parts << facts.more;
    return parts.join(QStringLiteral(", "));
}

QStringList settingsLines(const SessionFacts& facts, const HotKeyManager& keys) {
    //: Where Zarvo runs ("Wayland (KWin), panel on XWayland"), then how its hot keys reach it.
    QStringList lines{QCoreApplication::translate("SessionReport", "%1: %2").arg(facts.where, hotKeys(keys))};
    if (!facts.clipboard.isEmpty()) {
        QStringList rest{capitalized(facts.clipboard)};
        rest << facts.more;
        lines << rest.join(QStringLiteral(", "));
    }
    return lines;
}

} // namespace zarvo::SessionReport
