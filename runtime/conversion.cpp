// SPDX-License-Identifier: MIT
// Numeric conversion and checked arithmetic.

#include "runtime/conversion.h"

#include <cmath>
#include <limits>

#include "runtime/errors.h"

namespace kelvarin::rt {

double roundHalfEven(double v) {
    // nearbyint follows the current rounding mode, which is round-to-nearest-even by default;
    // do it explicitly so that a changed mode cannot alter the results.
    const double f = std::floor(v);
    const double diff = v - f;
    if (diff < 0.5) return f;
    if (diff > 0.5) return f + 1.0;
    return std::fmod(f, 2.0) == 0.0 ? f : f + 1.0;
}

qint32 toLong(double v) {
    if (std::isnan(v)) raiseError(err::Overflow);
    const double r = roundHalfEven(v);
    if (r < -2147483648.0 || r > 2147483647.0) raiseError(err::Overflow);
    return static_cast<qint32>(r);
}

qint16 toInteger(double v) {
    if (std::isnan(v)) raiseError(err::Overflow);
    const double r = roundHalfEven(v);
    if (r < -32768.0 || r > 32767.0) raiseError(err::Overflow);
    return static_cast<qint16>(r);
}

float toSingle(double v) {
    // Above the largest single plus half its last step the value cannot be represented.
    constexpr double limit = static_cast<double>(std::numeric_limits<float>::max()) + 0x1p103;
    if (std::isfinite(v) && std::fabs(v) >= limit) raiseError(err::Overflow);
    return static_cast<float>(v);
}

double divide(double a, double b) {
    if (b == 0.0) raiseError(a == 0.0 ? err::Overflow : err::DivisionByZero);
    return a / b;
}

qint32 add(qint32 a, qint32 b) {
    qint32 r;
    if (__builtin_add_overflow(a, b, &r)) raiseError(err::Overflow);
    return r;
}

qint32 sub(qint32 a, qint32 b) {
    qint32 r;
    if (__builtin_sub_overflow(a, b, &r)) raiseError(err::Overflow);
    return r;
}

qint32 mul(qint32 a, qint32 b) {
    qint32 r;
    if (__builtin_mul_overflow(a, b, &r)) raiseError(err::Overflow);
    return r;
}

qint32 rgb(qint32 red, qint32 green, qint32 blue) {
    auto channel = [](qint32 c) { return c > 255 ? 255 : (c < 0 ? 0 : c); };
    return channel(red) | (channel(green) << 8) | (channel(blue) << 16);
}

}  // namespace kelvarin::rt
