#pragma once

namespace zarvo::app {

// Moving a downloaded copy into its installed place before it runs.
namespace Installer {
// True when another copy takes over and this one must stop starting. Installing portable copies is
// not built yet, so every copy runs where it lies.
bool handOffIfNeeded();
} // namespace Installer

} // namespace zarvo::app
