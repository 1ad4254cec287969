#pragma once

#include <QString>
#include <optional>

namespace zarvo {

// The keys that paste in an application: ⌘V (Ctrl+V on Linux) in most; a terminal takes the shifted
// form (Ctrl+Shift+V), and xterm pastes the primary selection with ⇧Insert.
enum class PasteKeys { standard, shifted, shiftInsert };

// A running application as the workspace reports it: either name may be unknown.
struct AppInfo {
    std::optional<QString> bundleIdentifier;
    std::optional<QString> name;
    PasteKeys pasteKeys = PasteKeys::standard;

    bool operator==(const AppInfo&) const = default;
};

} // namespace zarvo
