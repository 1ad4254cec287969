#pragma once

namespace zarvo {

// The application identifier of the shipped binaries. Other identifiers (tests) never touch user stores.
// Kept free of Qt: the small `zarvo` program, which links no Qt, names its socket with it.
inline constexpr const char* kAppIdentifier = "com.velorin.zarvo";

} // namespace zarvo
