// SPDX-License-Identifier: MIT
#pragma once

// The program's preferences: a few values kept between runs under keys ("board/wiring",
// "windows/wiring/geometry"). A store that cannot be read gives no values and says why.

#include <QString>
#include <QVariant>

namespace kelvarin::platform {

class Preferences {
  public:
    virtual ~Preferences() = default;
    // The value under the key, or an invalid variant when there is none.
    virtual QVariant value(const QString& key) const = 0;
    virtual void setValue(const QString& key, const QVariant& value) = 0;
    // Why the stored values could not be read ("" when they could, or when there are none yet).
    virtual QString problem() const = 0;
};

}  // namespace kelvarin::platform
