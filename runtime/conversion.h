// SPDX-License-Identifier: MIT
#pragma once

// Numeric conversion and checked arithmetic: rounding ties to even with a range check, checked
// 32-bit arithmetic, and the platform's RGB composition.

#include <QtGlobal>

namespace kelvarin::rt {

// Rounds to the nearest whole number, ties to the even neighbour (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double v);

// Double to 32-bit integer, ties to even; error 6 outside the range (or for NaN).
qint32 toLong(double v);
// Double to 16-bit integer, ties to even; error 6 outside the range (or for NaN).
qint16 toInteger(double v);
// Double to single precision; error 6 when a finite value lies beyond the single range.
float toSingle(double v);
// Quotient a / b in double precision; error 11 when b is 0.
double divide(double a, double b);

// Checked 32-bit arithmetic: error 6 on overflow.
qint32 add(qint32 a, qint32 b);
qint32 sub(qint32 a, qint32 b);
qint32 mul(qint32 a, qint32 b);

// Composes 0x00BBGGRR from three channels; a channel above 255 is taken as 255, one below 0 as 0.
qint32 rgb(qint32 red, qint32 green, qint32 blue);

}  // namespace kelvarin::rt
