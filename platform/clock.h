// SPDX-License-Identifier: MIT
#pragma once

// The current local date and time, as the runtime reports it.

#include <QDateTime>

namespace kelvarin::platform {

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

}  // namespace kelvarin::platform
