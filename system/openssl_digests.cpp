// SPDX-License-Identifier: MIT
// Message digests on libcrypto's EVP interface. libcrypto is opened at the first digest asked
// for, not when the program starts: most runs never hash a file, and the library's pages and
// relocations would otherwise be paid by every start of the windows.

#include "system/openssl_digests.h"

#include <utility>

#include <openssl/evp.h>
#include <openssl/opensslv.h>

#include "system/library_on_demand.h"

namespace kelvarin::platform {

namespace {

// The EVP routines the digests use, looked up in libcrypto once it is opened.
struct Libcrypto {
    decltype(&EVP_MD_fetch) mdFetch = nullptr;
    decltype(&EVP_MD_free) mdFree = nullptr;
    decltype(&EVP_MD_CTX_new) contextNew = nullptr;
    decltype(&EVP_MD_CTX_free) contextFree = nullptr;
    decltype(&EVP_DigestInit_ex) init = nullptr;
    decltype(&EVP_DigestUpdate) update = nullptr;
    decltype(&EVP_DigestFinal_ex) final = nullptr;

    // The library of the shared-library version the program was built against; nothing when it
    // cannot be opened or lacks a routine (the library then uses Qt's digests).
    static const Libcrypto* get() {
        static const Libcrypto* loaded = []() -> const Libcrypto* {
            const LibraryOnDemand so(soname());
            static Libcrypto l;
            const bool all =
                so.find("EVP_MD_fetch", l.mdFetch) && so.find("EVP_MD_free", l.mdFree) &&
                so.find("EVP_MD_CTX_new", l.contextNew) &&
                so.find("EVP_MD_CTX_free", l.contextFree) && so.find("EVP_DigestInit_ex", l.init) &&
                so.find("EVP_DigestUpdate", l.update) && so.find("EVP_DigestFinal_ex", l.final);
            return all ? &l : nullptr;
        }();
        return loaded;
    }

  private:
#define KELVARIN_TEXT_OF(x) #x
#define KELVARIN_NUMBER_TEXT(x) KELVARIN_TEXT_OF(x)
    static const char* soname() {
        return "libcrypto.so." KELVARIN_NUMBER_TEXT(OPENSSL_SHLIB_VERSION);
    }
#undef KELVARIN_NUMBER_TEXT
#undef KELVARIN_TEXT_OF
};

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
    void operator()(EVP_MD_CTX* c) const { Libcrypto::get()->contextFree(c); }
};
struct FreeDigest {
    void operator()(EVP_MD* d) const { Libcrypto::get()->mdFree(d); }
};

class EvpDigest final : public RunningDigest {
  public:
    EvpDigest(const Libcrypto& crypto, std::unique_ptr<EVP_MD, FreeDigest> md,
              std::unique_ptr<EVP_MD_CTX, FreeContext> c)
        : m_crypto(crypto), m_md(std::move(md)), m_context(std::move(c)) {}

    bool add(QByteArrayView bytes) override {
        m_ok = m_ok && m_crypto.update(m_context.get(), bytes.data(),
                                       static_cast<size_t>(bytes.size())) == 1;
        return m_ok;
    }

    QByteArray result() override {
        unsigned char digest[EVP_MAX_MD_SIZE];
        unsigned length = 0;
        if (!m_ok || m_crypto.final(m_context.get(), digest, &length) != 1) return {};
        m_ok = false;  // finished: a second result is no digest
        return QByteArray(reinterpret_cast<const char*>(digest), static_cast<qsizetype>(length));
    }

  private:
    const Libcrypto& m_crypto;
    std::unique_ptr<EVP_MD, FreeDigest> m_md;
    std::unique_ptr<EVP_MD_CTX, FreeContext> m_context;
    bool m_ok = true;
};

}  // namespace

std::unique_ptr<RunningDigest> OpenSslDigests::start(DigestAlgorithm algorithm) {
    const char* name = evpName(algorithm);
    if (name == nullptr) return nullptr;
    const Libcrypto* crypto = Libcrypto::get();
    if (crypto == nullptr) return nullptr;
    std::unique_ptr<EVP_MD, FreeDigest> md(crypto->mdFetch(nullptr, name, nullptr));
    std::unique_ptr<EVP_MD_CTX, FreeContext> context(crypto->contextNew());
    if (!md || !context || crypto->init(context.get(), md.get(), nullptr) != 1) return nullptr;
    return std::make_unique<EvpDigest>(*crypto, std::move(md), std::move(context));
}

}  // namespace kelvarin::platform
