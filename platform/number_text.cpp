// Number text: writing numbers as the platform prints them and reading the leading number of a
// text.

#include "platform/number_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include <locale.h>

#include "platform/errors.h"

namespace kelvarin::rt {

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

}  // namespace kelvarin::rt
