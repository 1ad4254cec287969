#include "app/UpdateSignature.h"

#include <memory>
#include <openssl/evp.h>

extern "C" __attribute__((visibility("default"))) bool
zarvoVerifyEd25519(const char* data, std::size_t size, const char* signature, const char* publicKey) {
    static_assert(std::is_same_v<decltype(&zarvoVerifyEd25519), zarvo::app::UpdateSignature::VerifyFunction>);
    const std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)> key(
        EVP_PKEY_new_raw_public_key(EVP_PKEY_ED25519, nullptr,
                                    reinterpret_cast<const unsigned char*>(publicKey), 32),
        &EVP_PKEY_free);
    if (!key) return false;
    const std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> context(EVP_MD_CTX_new(), &EVP_MD_CTX_free);
    // Ed25519 signs the message itself, in one pass: no digest is named.
    if (!context || EVP_DigestVerifyInit(context.get(), nullptr, nullptr, nullptr, key.get()) != 1)
        return false;
    return EVP_DigestVerify(context.get(), reinterpret_cast<const unsigned char*>(signature), 64,
                            reinterpret_cast<const unsigned char*>(data), size) == 1;
}
