// SPDX-License-Identifier: MIT
// Number text: writing numbers as the platform prints them and reading the leading number of a
// text.

#include "runtime/number_text.h"

#include <QVarLengthArray>

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include <locale.h>  // NOLINT(modernize-deprecated-headers): newlocale is POSIX

#include "runtime/errors.h"

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

namespace {

// The characters of a text with blanks, tabs and line feeds passed over.
class Unblanked {
  public:
    explicit Unblanked(QStringView text) : m_text(text) { skip(); }
    bool atEnd() const { return m_at >= m_text.size(); }
    QChar peek() const { return atEnd() ? QChar() : m_text[m_at]; }
    QChar peekAfter() const {
        qsizetype k = m_at + 1;
        while (k < m_text.size() && blank(m_text[k]))
            ++k;
        return k < m_text.size() ? m_text[k] : QChar();
    }
    void next() {
        ++m_at;
        skip();
    }

  private:
    static bool blank(QChar c) { return c == u' ' || c == u'\t' || c == u'\n'; }
    void skip() {
        while (m_at < m_text.size() && blank(m_text[m_at]))
            ++m_at;
    }
    QStringView m_text;
    qsizetype m_at = 0;
};

bool digit(QChar c) {
    return c >= u'0' && c <= u'9';
}

}  // namespace

double Val(const QString& text) {
    return Val(QStringView(text));
}

double Val(QStringView text) {
    // Blanks, tabs and line feeds do not count anywhere in the text.
    Unblanked t(text);
    if (t.peek() == u'&' && (t.peekAfter().toUpper() == u'H' || t.peekAfter().toUpper() == u'O')) {
        t.next();
        const int base = t.peek().toUpper() == u'H' ? 16 : 8;
        t.next();
        quint64 value = 0;
        auto digitValue = [](QChar c) {
            if (c >= u'0' && c <= u'9') return c.unicode() - u'0';
            if (c >= u'A' && c <= u'F') return c.unicode() - u'A' + 10;
            if (c >= u'a' && c <= u'f') return c.unicode() - u'a' + 10;
            return 99;
        };
        for (; !t.atEnd(); t.next()) {
            const int d = digitValue(t.peek());
            if (d >= base) break;
            value = value * static_cast<quint64>(base) + static_cast<quint64>(d);
            if (value > 0xFFFFFFFFull) raiseError(err::Overflow);
        }
        if (value <= 0xFFFFull) return static_cast<qint16>(static_cast<quint16>(value));
        return static_cast<qint32>(static_cast<quint32>(value));
    }
    // Sign, digits with one point, exponent: copied into a plain C number text (on the stack
    // for every ordinary number).
    QVarLengthArray<char, 64> number;
    if (t.peek() == u'+' || t.peek() == u'-') {
        number.append(static_cast<char>(t.peek().unicode()));
        t.next();
    }
    bool digits = false, point = false;
    for (; !t.atEnd(); t.next()) {
        const QChar c = t.peek();
        if (digit(c)) {
            digits = true;
        } else if (c == u'.' && !point) {
            point = true;
        } else {
            break;
        }
        number.append(static_cast<char>(c.unicode()));
    }
    if (!digits) return 0.0;
    if (t.peek().toUpper() == u'E' || t.peek().toUpper() == u'D') {
        t.next();
        QVarLengthArray<char, 32> exponent;
        exponent.append('e');
        if (t.peek() == u'+' || t.peek() == u'-') {
            exponent.append(static_cast<char>(t.peek().unicode()));
            t.next();
        }
        bool expDigits = false;
        for (; digit(t.peek()); t.next()) {
            exponent.append(static_cast<char>(t.peek().unicode()));
            expDigits = true;
        }
        if (expDigits) number.append(exponent.constData(), exponent.size());
    }
    number.append('\0');
    // The C locale's reading, whatever locale the program runs in.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    const double value = strtod_l(number.constData(), nullptr, cLocale);
    if (std::isinf(value)) raiseError(err::Overflow);
    return value;
}

}  // namespace kelvarin::rt
