// SPDX-License-Identifier: MIT
#pragma once

/// @file
/// The runtime's date and time: the current local moment, behind an interface so that callers
/// can be handed a fixed one.

#include <QDateTime>

#include "kelvarin_export.h"

namespace kelvarin::rt {

/// A clock: the current moment.
class KELVARIN_EXPORT Clock {
  public:
    virtual ~Clock() = default;
    /// The current moment.
    /// @return the moment, in local time
    virtual QDateTime now() const = 0;
};

/// The system's clock in local time.
class KELVARIN_EXPORT SystemClock final : public Clock {
  public:
    /// The system's current moment.
    /// @return the moment, in local time
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

}  // namespace kelvarin::rt
