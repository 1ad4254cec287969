#include "app/UpdateSignature.h"

namespace zarvo::app::UpdateSignature {

namespace {
std::function<VerifyFunction()>& resolver() {
    static std::function<VerifyFunction()> resolve;
    return resolve;
}
} // namespace

void setVerifier(std::function<VerifyFunction()> resolve) {
    resolver() = std::move(resolve);
}

std::optional<bool> verify(const QByteArray& data, const QByteArray& signature, const QByteArray& publicKey) {
    if (signature.size() != 64 || publicKey.size() != 32) return false;
    const VerifyFunction check = resolver() ? resolver()() : nullptr;
    if (!check) return std::nullopt;
    return check(data.constData(), std::size_t(data.size()), signature.constData(), publicKey.constData());
}

} // namespace zarvo::app::UpdateSignature
