// SPDX-License-Identifier: MIT
#pragma once

// What a code lights, in words and drawn: its value in hexadecimal, decimal and binary, the
// segments by name, the characters of the font that show that way, and the digit in three rows.

#include <QStringList>

#include "segment_codes/segments.h"

namespace kelvarin::codes {

// The lines that describe the code under the wiring and polarity (without line ends).
QStringList describe(Code code, const Wiring& wiring, Polarity polarity);

}  // namespace kelvarin::codes
