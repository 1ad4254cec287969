#pragma once

#include <QByteArray>

namespace zarvo::app::UpdateSignature {

// Whether `signature` (64 bytes) is the Ed25519 signature of all of `data` by `publicKey` (32 raw bytes).
bool verify(const QByteArray& data, const QByteArray& signature, const QByteArray& publicKey);

} // namespace zarvo::app::UpdateSignature
