// SPDX-License-Identifier: MIT
// Message digests on libcrypto's EVP interface.

#include "system/openssl_digests.h"

#include <utility>

#include <openssl/evp.h>

namespace kelvarin::platform {

namespace {

const char* evpName(DigestAlgorithm algorithm) {
    switch (algorithm) {
        case DigestAlgorithm::Md5:
            return "MD5";
        case DigestAlgorithm::Sha1:
            return "SHA1";
        case DigestAlgorithm::Sha256:
            return "SHA256";
        case DigestAlgorithm::Sha384:
            return "SHA384";
        case DigestAlgorithm::Sha512:
            return "SHA512";
        case DigestAlgorithm::Md4:
            break;
    }
    return nullptr;
}

struct FreeContext {
    void operator()(EVP_MD_CTX* c) const { EVP_MD_CTX_free(c); }
};
struct FreeDigest {
    void operator()(EVP_MD* d) const { EVP_MD_free(d); }
};

class EvpDigest final : public RunningDigest {
  public:
    EvpDigest(std::unique_ptr<EVP_MD, FreeDigest> md, std::unique_ptr<EVP_MD_CTX, FreeContext> c)
        : m_md(std::move(md)), m_context(std::move(c)) {}

    bool add(QByteArrayView bytes) override {
        m_ok = m_ok && EVP_DigestUpdate(m_context.get(), bytes.data(),
                                        static_cast<size_t>(bytes.size())) == 1;
        return m_ok;
    }

    QByteArray result() override {
        unsigned char digest[EVP_MAX_MD_SIZE];
        unsigned length = 0;
        if (!m_ok || EVP_DigestFinal_ex(m_context.get(), digest, &length) != 1) return {};
        m_ok = false;  // finished: a second result is no digest
        return QByteArray(reinterpret_cast<const char*>(digest), static_cast<qsizetype>(length));
    }

  private:
    std::unique_ptr<EVP_MD, FreeDigest> m_md;
    std::unique_ptr<EVP_MD_CTX, FreeContext> m_context;
    bool m_ok = true;
};

}  // namespace

std::unique_ptr<RunningDigest> OpenSslDigests::start(DigestAlgorithm algorithm) {
    const char* name = evpName(algorithm);
    if (name == nullptr) return nullptr;
    std::unique_ptr<EVP_MD, FreeDigest> md(EVP_MD_fetch(nullptr, name, nullptr));
    std::unique_ptr<EVP_MD_CTX, FreeContext> context(EVP_MD_CTX_new());
    if (!md || !context || EVP_DigestInit_ex(context.get(), md.get(), nullptr) != 1) return nullptr;
    return std::make_unique<EvpDigest>(std::move(md), std::move(context));
}

}  // namespace kelvarin::platform
