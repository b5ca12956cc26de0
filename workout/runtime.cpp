#include "workout/runtime.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace kelvarin {

namespace {
const char* messageFor(int number) {
    switch (number) {
        case err::InvalidArgument:
            return "Invalid procedure call or argument";
        case err::Overflow:
            return "Overflow";
        case err::OutOfMemory:
            return "Out of memory";
        case err::SubscriptOutOfRange:
            return "Subscript out of range";
        case err::DivisionByZero:
            return "Division by zero";
        case err::TypeMismatch:
            return "Type mismatch";
        case err::FileNotFound:
            return "File not found";
        case err::ObjectNotSet:
            return "Object variable not set";
        case err::InvalidPropertyValue:
            return "Invalid property value";
        case err::NotSupported:
            return "Object doesn't support this property or method";
        default:
            return "Application-defined or object-defined error";
    }
}
}  // namespace

workOutError::workOutError(int number) : std::runtime_error(messageFor(number)), m_number(number) {}

workOutError::workOutError(int number, const char* what)
    : std::runtime_error(what), m_number(number) {}

void raiseError(int number) {
    throw workOutError(number);
}

namespace rt {

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

namespace {

QString numberTextWith(double value, int significant, int largestFixedExponent) {
    if (std::isnan(value)) return QStringLiteral("NaN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-Infinity") : QStringLiteral("Infinity");
    if (value == 0.0) return QStringLiteral("0");
    // The value rounded to its significant digits: "d.dddddde[+-]x".
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", significant - 1, std::fabs(value));
    const QString scientific = QString::fromLatin1(buffer);
    const qsizetype e = scientific.indexOf(u'e');
    QString digits = scientific.left(e);
    digits.remove(u'.');
    const int exponent = scientific.mid(e + 1).toInt();
    while (digits.size() > 1 && digits.endsWith(u'0'))
        digits.chop(1);

    QString text = value < 0 ? QStringLiteral("-") : QString();
    if (exponent < -5 || exponent > largestFixedExponent) {
        text += digits.left(1);
        if (digits.size() > 1) text += u'.' + digits.mid(1);
        text += exponent < 0 ? QStringLiteral("E-") : QStringLiteral("E+");
        text += QStringLiteral("%1").arg(std::abs(exponent), 2, 10, QLatin1Char('0'));
    } else if (exponent < 0) {
        text += u'.' + QString(-exponent - 1, u'0') + digits;
    } else if (digits.size() <= exponent + 1) {
        text += digits + QString(exponent + 1 - digits.size(), u'0');
    } else {
        text += digits.left(exponent + 1) + u'.' + digits.mid(exponent + 1);
    }
    return text;
}

}  // namespace

QString numberText(float value) {
    return numberTextWith(value, 7, 6);
}

QString numberText(double value) {
    return numberTextWith(value, 15, 14);
}

qint32 rgb(qint32 red, qint32 green, qint32 blue) {
    auto channel = [](qint32 c) { return c > 255 ? 255 : (c < 0 ? 0 : c); };
    return channel(red) | (channel(green) << 8) | (channel(blue) << 16);
}

}  // namespace rt
}  // namespace kelvarin
