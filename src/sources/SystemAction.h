#pragma once

#include <QList>
#include <QPair>
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

// Carries the action out through the platform's session and workspace services. Returns the message the
// panel shows at once (eject and ip only). `completion` receives eject's later message on the main thread;
// `ownChange` receives the pasteboard change count after ip put the address on it.
std::optional<QString> perform(SystemAction action, std::function<void(QString)> completion = {},
                               std::function<void(qint64)> ownChange = {});

// The address to report among (interface name, IPv4 address) pairs in list order: the first wired or
// wireless interface (en*, eth*, wl*), else the first one; none for an empty list.
std::optional<QString> chooseIPAddress(const QList<QPair<QString, QString>>& interfaces);
// The machine's IPv4 address on an interface that is up and not the loopback, or none.
std::optional<QString> localIPAddress();
// Ejects every ejectable volume; blocks, so it runs off the main thread. "Ejected 2 disks" and so on.
QString ejectAll();
} // namespace SystemActions

} // namespace zarvo
