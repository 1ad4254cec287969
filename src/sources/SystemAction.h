#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <functional>
#include <optional>

namespace zarvo {

class Session;
class Workspace;
struct Platform;

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
QString rawValue(SystemAction action);
QString title(SystemAction action);
QString symbol(SystemAction action);

// What the panel does after an action: close (done), show a line and stay (shown), or show a line with
// the beep (failed).
struct Outcome {
    enum class Kind { done, shown, failed };
    Kind kind = Kind::done;
    QString text;
    bool operator==(const Outcome&) const = default;
};

// The question a first ↩ asks before the action runs, or none: emptying the Trash, and restarting or
// shutting down where no session manager answers (the system then ends without asking the applications).
std::optional<QString> confirmationPrompt(SystemAction action, Session* session);

// Carries the action out through `platform`'s session and workspace services; returns what the panel
// does at once. Eject and lock answer "shown" first and their outcome later through `later`, on the main
// thread; a session manager that refuses to end the session is reported there too. `ownChange` receives
// the pasteboard change count after ip put the address on it.
Outcome perform(const Platform& platform, SystemAction action, std::function<void(Outcome)> later = {},
                std::function<void(qint64)> ownChange = {});
// Whether `perform` answers "shown" and a later outcome follows.
bool reportsLater(SystemAction action);

// The address to report among (interface name, IPv4 address) pairs in list order: the first wired or
// wireless interface (en*, eth*, wl*), else the first one; none for an empty list.
std::optional<QString> chooseIPAddress(const QList<QPair<QString, QString>>& interfaces);
// The machine's IPv4 address on an interface that is up and not the loopback, or none.
std::optional<QString> localIPAddress();
// Ejects every ejectable volume; blocks, so it runs off the main thread. "Ejected 2 disks" and so on.
QString ejectAll(Workspace* workspace);
} // namespace SystemActions

} // namespace zarvo
