// SPDX-License-Identifier: MIT
#pragma once

// File digests: MD4, MD5, SHA-1 and SHA-256/384/512 of a file's bytes, read in blocks of 32,768,
// computed by the digests service handed in, or by Qt's QCryptographicHash where there is none
// or it does not offer the algorithm.

#include <QByteArray>
#include <QString>

#include "services/digests.h"

namespace kelvarin {

// The digest of the file's bytes. Raises error 53 when no regular file of that name exists (a
// folder is not a file), 70 when reading is not permitted, 75 when reading fails, 51 when the
// service's digest fails.
QByteArray fileDigest(const QString& path, platform::DigestAlgorithm algorithm,
                      platform::Digests* digests);

}  // namespace kelvarin
