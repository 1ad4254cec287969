#pragma once

#include <QString>
#include <optional>

namespace zarvo {

// A running application as the workspace reports it: either field may be unknown.
struct AppInfo {
    std::optional<QString> bundleIdentifier;
    std::optional<QString> name;

    bool operator==(const AppInfo&) const = default;
};

} // namespace zarvo
