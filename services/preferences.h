// SPDX-License-Identifier: MIT
#pragma once

/// @file
/// A program's preferences: a few values kept between runs under keys.

#include <QString>
#include <QVariant>

#include "kelvarin_export.h"

namespace kelvarin::platform {

/// Values kept between runs under keys such as "board/wiring". A store that cannot be read
/// gives no values and says why.
class KELVARIN_EXPORT Preferences {
  public:
    virtual ~Preferences() = default;
    /// The value under a key.
    /// @param key the key
    /// @return the value; an invalid variant when there is none
    virtual QVariant value(const QString& key) const = 0;
    /// Keeps a value under a key.
    /// @param key the key
    /// @param value the value
    virtual void setValue(const QString& key, const QVariant& value) = 0;
    /// Why the stored values could not be read.
    /// @return the reason; "" when they could, or when there are none yet
    virtual QString problem() const = 0;
};

}  // namespace kelvarin::platform
