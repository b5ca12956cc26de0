// SPDX-License-Identifier: MIT
#pragma once

// File digests: MD4, MD5, SHA-1 and SHA-256/384/512 of a file's bytes, read in blocks of 32,768,
// computed with Qt's QCryptographicHash.

#include <QByteArray>
#include <QString>

namespace kelvarin {

enum class DigestAlgorithm { Md4, Md5, Sha1, Sha256, Sha384, Sha512 };

// The digest of the file's bytes. Raises error 53 when no regular file of that name exists (a
// folder is not a file), 70 when reading is not permitted, 75 when reading fails.
QByteArray fileDigest(const QString& path, DigestAlgorithm algorithm);

}  // namespace kelvarin
