#include "workout/runtime.h"

#include <QLocale>
#include <QStringEncoder>

#include <array>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include <locale.h>
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
        case err::OutOfStringSpace:
            return "Out of string space";
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

double Val(const QString& text) {
    // Blanks, tabs and line feeds do not count anywhere in the text.
    QString t;
    t.reserve(text.size());
    for (const QChar c : text) {
        if (c != u' ' && c != u'\t' && c != u'\n') t += c;
    }
    const qsizetype n = t.size();
    if (n >= 2 && t[0] == u'&' && (t[1].toUpper() == u'H' || t[1].toUpper() == u'O')) {
        const int base = t[1].toUpper() == u'H' ? 16 : 8;
        quint64 value = 0;
        auto digitValue = [](QChar c) {
            if (c >= u'0' && c <= u'9') return c.unicode() - u'0';
            if (c >= u'A' && c <= u'F') return c.unicode() - u'A' + 10;
            if (c >= u'a' && c <= u'f') return c.unicode() - u'a' + 10;
            return 99;
        };
        for (qsizetype k = 2; k < n; ++k) {
            const int digit = digitValue(t[k]);
            if (digit >= base) break;
            value = value * static_cast<quint64>(base) + static_cast<quint64>(digit);
            if (value > 0xFFFFFFFFull) raiseError(err::Overflow);
        }
        if (value <= 0xFFFFull) return static_cast<qint16>(static_cast<quint16>(value));
        return static_cast<qint32>(static_cast<quint32>(value));
    }
    // Sign, digits with one point, exponent: copy what fits into a plain C number text.
    QString number;
    qsizetype k = 0;
    if (k < n && (t[k] == u'+' || t[k] == u'-')) number += t[k++];
    bool digits = false, point = false;
    for (; k < n; ++k) {
        const QChar c = t[k];
        if (c >= u'0' && c <= u'9') {
            number += c;
            digits = true;
        } else if (c == u'.' && !point) {
            number += c;
            point = true;
        } else {
            break;
        }
    }
    if (!digits) return 0.0;
    if (k < n && (t[k].toUpper() == u'E' || t[k].toUpper() == u'D')) {
        QString exponent = QStringLiteral("e");
        qsizetype e = k + 1;
        if (e < n && (t[e] == u'+' || t[e] == u'-')) exponent += t[e++];
        bool expDigits = false;
        for (; e < n && t[e] >= u'0' && t[e] <= u'9'; ++e) {
            exponent += t[e];
            expDigits = true;
        }
        if (expDigits) number += exponent;
    }
    // The C locale's reading, whatever locale the program runs in.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    const QByteArray latin = number.toLatin1();
    const double value = strtod_l(latin.constData(), nullptr, cLocale);
    if (std::isinf(value)) raiseError(err::Overflow);
    return value;
}

qint16 ansiCode(QChar c) {
    if (c.unicode() < 0x80) return static_cast<qint16>(c.unicode());
    // One character at a time through a fresh, stateless encoder; the results are kept, since
    // a character's code never changes.
    static std::array<std::atomic<qint32>, 0x10000> known{};
    static constexpr qint32 unknown = 0;  // no two-byte or high single-byte code is 0
    std::atomic<qint32>& slot = known[c.unicode()];
    qint32 code = slot.load(std::memory_order_relaxed);
    if (code != unknown) return static_cast<qint16>(code);
    QStringEncoder encoder("GBK", QStringConverter::Flag::Stateless);
    const QByteArray bytes =
        encoder.isValid() ? QByteArray(encoder.encode(QStringView(&c, 1))) : QByteArray();
    if (!encoder.isValid() || encoder.hasError() || bytes.isEmpty() || bytes.size() > 2) {
        code = u'?';
    } else if (bytes.size() == 1) {
        code = static_cast<quint8>(bytes[0]);
    } else {
        code = static_cast<qint16>(static_cast<quint16>((static_cast<quint8>(bytes[0]) << 8) |
                                                        static_cast<quint8>(bytes[1])));
    }
    slot.store(code, std::memory_order_relaxed);
    return static_cast<qint16>(code);
}

QString mid(const QString& s, qint64 p, qint64 n) {
    if (p < 1 || n < 0) raiseError(err::InvalidArgument);
    if (p > s.size()) return QString();
    return s.mid(static_cast<qsizetype>(p - 1),
                 static_cast<qsizetype>(std::min<qint64>(n, s.size())));
}

qint32 inStr(qint64 start, const QString& s, const QString& find) {
    if (start < 1) raiseError(err::InvalidArgument);
    if (s.isEmpty() || start > s.size()) return 0;
    if (find.isEmpty()) return static_cast<qint32>(start);
    return static_cast<qint32>(s.indexOf(find, static_cast<qsizetype>(start - 1)) + 1);
}

QString trimSpaces(const QString& s) {
    qsizetype lo = 0, hi = s.size();
    while (lo < hi && s[lo] == u' ')
        ++lo;
    while (hi > lo && s[hi - 1] == u' ')
        --hi;
    return s.mid(lo, hi - lo);
}

QString repeatChar(qint64 n, QChar c) {
    if (n < 0) raiseError(err::InvalidArgument);
    if (n > kLongestText) raiseError(err::OutOfStringSpace);
    return QString(static_cast<qsizetype>(n), c);
}

qint32 rgb(qint32 red, qint32 green, qint32 blue) {
    auto channel = [](qint32 c) { return c > 255 ? 255 : (c < 0 ? 0 : c); };
    return channel(red) | (channel(green) << 8) | (channel(blue) << 16);
}

}  // namespace rt
}  // namespace kelvarin
