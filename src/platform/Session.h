#pragma once

#include <QString>
#include <functional>
#include <optional>

namespace zarvo {

// Session-wide actions of the desktop. Each answers none on success or a short error text ("not
// available on this desktop" where the desktop offers no way).
class Session {
public:
    // A later answer, on the main thread; never before the call that takes it returned.
    using Completion = std::function<void(std::optional<QString> error)>;
    enum class Ending { restart, shutDown, logOut };

    virtual ~Session() = default;
    // Tries the desktop's screen lockers in turn until one says the screen is locked.
    virtual void lockScreen(Completion done) = 0;
    virtual std::optional<QString> sleep() = 0;
    virtual std::optional<QString> displaySleep() = 0;
    virtual std::optional<QString> startScreenSaver() = 0;
    // Whether a session manager is there to end the session: it asks the applications to save and
    // shows the desktop's own confirmation. Asks the bus only, so it answers at once.
    virtual bool hasSessionManager() = 0;
    // Hands the ending to the session managers in turn, the running desktop's first, until one takes it.
    virtual void endSession(Ending ending, Completion done) = 0;
    // Restarts or powers off through the system, without asking the applications: only after the user
    // confirmed. Logging out has no such way.
    virtual void endSystem(Ending ending, Completion done) = 0;
    virtual std::optional<QString> emptyTrash() = 0;
};

} // namespace zarvo
