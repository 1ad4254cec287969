#pragma once

#include <QList>
#include <QString>
#include <functional>
#include <optional>

namespace zarvo {

// Machine-wide commands a Run keyword can perform. Raw values appear in history keys and row URLs.
enum class SystemAction {
    lock,
    sleep,
    displaySleep,
    screensaver,
    restart,
    shutdown,
    logout,
    emptyTrash,
    eject,
    ip
};

namespace SystemActions {
// All cases in keyword-row order.
const QList<SystemAction>& allCases();
QString rawValue(SystemAction action);
// Exact, case-sensitive; unknown text gives none.
std::optional<SystemAction> fromRawValue(const QString& raw);
QString title(SystemAction action);
QString symbol(SystemAction action);
} // namespace SystemActions

} // namespace zarvo
