// SPDX-License-Identifier: MIT
#pragma once

// The runtime's date and time: the current local moment, behind an interface so that callers
// can be handed a fixed one.

#include <QDateTime>

namespace kelvarin::rt {

class Clock {
  public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

// The system's clock in local time.
class SystemClock final : public Clock {
  public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

}  // namespace kelvarin::rt
