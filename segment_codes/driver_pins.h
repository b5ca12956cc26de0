// SPDX-License-Identifier: MIT
#pragma once

// Inside the scan drivers: the pins a request names, read and checked for its target.

#include <QList>
#include <QString>

#include <optional>

#include "segment_codes/driver.h"

namespace kelvarin::codes::driver_pins {

// A pin: its port (0 to 3 on the 8051; B, C, D on the AVR as 1, 2, 3) and bit, and its name.
struct Pin {
    int port = 0;
    int bit = 0;
    QString name;
    bool operator==(const Pin& o) const { return port == o.port && bit == o.bit; }
};

inline constexpr char kAvrPorts[] = "?BCD";

struct Pins {
    int segmentPort = -1;  // the segments on a whole port, or -1 for a pin a bit
    QList<Pin> segments;
    QList<Pin> selects;
};

bool isAvr(const QString& target);
// The request's pins, or nothing with an error: a pin named twice or not on the target, a port
// the target has not.
std::optional<Pins> pinsOf(const DriverRequest& r, QString* error);

}  // namespace kelvarin::codes::driver_pins
