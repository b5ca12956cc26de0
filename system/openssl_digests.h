// SPDX-License-Identifier: MIT
#pragma once

// Message digests on OpenSSL's libcrypto, whose routines use the processor's SHA instructions.

#include "services/digests.h"

namespace kelvarin::platform {

// MD5, SHA-1 and SHA-256/384/512 through libcrypto's EVP interface. MD4, which libcrypto's
// default provider no longer offers, is not started here (the library then uses Qt's).
class OpenSslDigests final : public Digests {
  public:
    std::unique_ptr<RunningDigest> start(DigestAlgorithm algorithm) override;
};

}  // namespace kelvarin::platform
