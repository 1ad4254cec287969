#pragma once

#include <QByteArray>
#include <cstddef>
#include <functional>
#include <optional>

namespace zarvo::app::UpdateSignature {

// zarvo-signature.so, the module that links OpenSSL: loaded with the first update that is checked.
inline constexpr const char* kModuleName = "zarvo-signature.so";
// Whether `signature` (64 bytes) is the Ed25519 signature of the `size` bytes at `data` by `publicKey`
// (32 raw bytes).
using VerifyFunction = bool (*)(const char* data, std::size_t size, const char* signature,
                                const char* publicKey);
inline constexpr const char* kVerifySymbol = "zarvoVerifyEd25519";

// How the check is reached, set by the process at start: the module's function, or null when the
// module cannot be loaded.
void setVerifier(std::function<VerifyFunction()> resolve);

// Whether `signature` (64 bytes) is the Ed25519 signature of all of `data` by `publicKey` (32 raw bytes);
// nothing when the check cannot be made.
std::optional<bool> verify(const QByteArray& data, const QByteArray& signature, const QByteArray& publicKey);

} // namespace zarvo::app::UpdateSignature
