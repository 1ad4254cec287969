#pragma once

#include <QString>
#include <optional>

namespace zarvo {

// Session-wide actions of the desktop. Each returns none on success or a short error text
// ("not available on this desktop" where the desktop offers no way).
class Session {
public:
    virtual ~Session() = default;
    virtual std::optional<QString> lockScreen() = 0;
    virtual std::optional<QString> sleep() = 0;
    virtual std::optional<QString> displaySleep() = 0;
    virtual std::optional<QString> startScreenSaver() = 0;
    virtual std::optional<QString> restart() = 0;
    virtual std::optional<QString> shutDown() = 0;
    virtual std::optional<QString> logOut() = 0;
    virtual std::optional<QString> emptyTrash() = 0;
};

} // namespace zarvo
