// SPDX-License-Identifier: MIT
#pragma once

/// @file
/// Message digests for workOut::HashFile: an implementation the caller may hand in.

#include <QByteArray>
#include <QByteArrayView>

#include <memory>

#include "kelvarin_export.h"

namespace kelvarin::platform {

/// The digest algorithms of workOut::HashFile.
enum class DigestAlgorithm { Md4, Md5, Sha1, Sha256, Sha384, Sha512 };

/// A digest being computed, fed a file's bytes in order.
class KELVARIN_EXPORT RunningDigest {
  public:
    virtual ~RunningDigest() = default;
    /// Adds the next bytes.
    /// @param bytes the bytes
    /// @return false when the digest failed (workOut::HashFile then raises 51)
    virtual bool add(QByteArrayView bytes) = 0;
    /// The digest of every byte added.
    /// @return the digest's bytes; empty when it failed (workOut::HashFile then raises 51)
    virtual QByteArray result() = 0;
};

/// Message digests, for workOut::HashFile. Without this service, or for an algorithm it does
/// not offer, the library computes the digest with Qt's QCryptographicHash; Kelvarin's program
/// hands in one on OpenSSL's libcrypto, which uses the processor's SHA instructions.
class KELVARIN_EXPORT Digests {
  public:
    virtual ~Digests() = default;
    /// Starts a digest.
    /// @param algorithm the algorithm
    /// @return the running digest, or nullptr when this service does not offer the algorithm
    virtual std::unique_ptr<RunningDigest> start(DigestAlgorithm algorithm) = 0;
};

}  // namespace kelvarin::platform
