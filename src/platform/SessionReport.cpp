#include "platform/SessionReport.h"

namespace zarvo::SessionReport {

namespace {

// How one key reaches us; empty when none is set.
QString route(const HotKeyManager::Status& status) {
    using State = HotKeyManager::State;
    switch (status.state) {
    case State::none:
        return {};
    case State::registered:
        return QStringLiteral("grabbed on X11");
    case State::xWindowsOnly:
        return QStringLiteral("only while an X11 app is in front");
    case State::fromDesktop:
        return QStringLiteral("through the desktop portal");
    case State::pending:
        return QStringLiteral("waiting for the desktop portal");
    case State::throughDesktop:
        return status.holder.isEmpty() ? QStringLiteral("through the desktop's shortcuts")
                                       : QStringLiteral("through %1's shortcuts").arg(status.holder);
    case State::taken:
        return QStringLiteral("off (another app holds it)");
    case State::heldByDesktop:
        return status.holder.isEmpty() ? QStringLiteral("off (the desktop holds it)")
                                       : QStringLiteral("off (%1 holds it)").arg(status.holder);
    case State::unavailable:
        return QStringLiteral("off (no hot-key service here)");
    }
    return {};
}

QString capitalized(QString text) {
    if (!text.isEmpty()) text[0] = text[0].toUpper();
    return text;
}

} // namespace

QString hotKeys(const HotKeyManager& keys) {
    const QString panel = route(keys.status(HotKeyManager::Slot::main));
    const QString clipboard = route(keys.status(HotKeyManager::Slot::clipboard));
    if (panel.isEmpty() && clipboard.isEmpty()) return QStringLiteral("no hot keys set");
    if (panel == clipboard || clipboard.isEmpty())
        return (clipboard.isEmpty() ? QStringLiteral("panel key ") : QStringLiteral("hot keys ")) + panel;
    if (panel.isEmpty()) return QStringLiteral("clipboard key ") + clipboard;
    return QStringLiteral("panel key ") + panel + QStringLiteral(", clipboard key ") + clipboard;
}

QString line(const SessionFacts& facts, const HotKeyManager& keys) {
    QStringList parts{facts.where, hotKeys(keys)};
    if (!facts.clipboard.isEmpty()) parts << facts.clipboard;
    parts << facts.more;
    return parts.join(QStringLiteral(", "));
}

QStringList settingsLines(const SessionFacts& facts, const HotKeyManager& keys) {
    QStringList lines{facts.where + QStringLiteral(": ") + hotKeys(keys)};
    if (!facts.clipboard.isEmpty()) {
        QStringList rest{capitalized(facts.clipboard)};
        rest << facts.more;
        lines << rest.join(QStringLiteral(", "));
    }
    return lines;
}

} // namespace zarvo::SessionReport
