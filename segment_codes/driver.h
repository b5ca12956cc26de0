// SPDX-License-Identifier: MIT
#pragma once

// Scan drivers: one complete, commented program that shows frames on a multiplexed display,
// the segments on one port (or a pin for each bit of the code) and one select pin a digit. A
// timer interrupt (Timer 0 in mode 1 on the 8051, Timer 1 in CTC mode on the AVR) comes
// refresh x digits times a second: it turns every digit off, writes the next digit's segments
// and turns that digit on, so that no segment changes while a digit shows; it counts each
// frame's delay and moves to the next frame.
//
// Targets: sdcc (SDCC for the 8051), c51 (the same program in Keil C51's dialect) and arduino
// (an ATmega328P sketch on the board's pin numbers, on the registers, with a main of its own
// when built without the Arduino core).

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

#include "segment_codes/frames.h"
#include "segment_codes/segments.h"

namespace kelvarin::codes {

struct DriverRequest {
    QString target;    // sdcc, c51 or arduino
    QString segments;  // "P1", or a pin a code bit from bit 0: "P1.0,P1.1,..." or "6,7,..."
    QString digits;    // a select pin a digit from the left: "P2.0,P2.1" or "2,3"
    bool selectActiveLow = true;
    QString clock;              // "12MHz", "11.0592MHz", "16000000"; empty: the target's usual
    QString refresh = "100Hz";  // the whole display's
    Wiring wiring;
    Polarity polarity = Polarity::CommonCathode;
    QList<Frame> frames;  // as many digits each as there are select pins
    QString shows;        // what it shows, for the program's first comment
    QString madeBy;       // the command that made it, for the same comment
};

// The frequency of a text ("12MHz", "11.0592 MHz", "100Hz", "32kHz", "16000000") in hertz.
std::optional<double> frequencyOf(QStringView text);

// The select pins of a request, counted (for making its frames), or an error.
std::optional<int> selectPinCount(const DriverRequest& request, QString* error);

// The program, or nothing with an error: a target not known, a pin named twice or not on the
// target, a port the target has not, segments too few or too many for the code's bits, more
// digits than select pins, a refresh the clock cannot reach.
std::optional<QString> generateDriver(const DriverRequest& request, QString* error);

}  // namespace kelvarin::codes
