// SPDX-License-Identifier: MIT
// Variant rules: the number a value stands for, comparison and printed text.

#include "runtime/variant_rules.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

#include "runtime/conversion.h"
#include "runtime/errors.h"
#include "runtime/number_text.h"

namespace kelvarin::rt {

namespace {

bool isText(const QVariant& v) {
    return v.typeId() == QMetaType::QString;
}

bool isBoolean(const QVariant& v) {
    return v.typeId() == QMetaType::Bool;
}

bool isIntegral(const QVariant& v) {
    switch (v.typeId()) {
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::Char:
        case QMetaType::SChar:
        case QMetaType::UChar:
        case QMetaType::Long:
        case QMetaType::ULong:
            return true;
        default:
            return false;
    }
}

// A text that reads wholly as a decimal number (spaces around it allowed).
bool textNumber(const QString& text, double& value) {
    const QString t = text.trimmed();
    if (t.isEmpty()) return false;
    bool ok = false;
    value = QLocale::c().toDouble(t, &ok);
    return ok && std::isfinite(value);
}

}  // namespace

bool isNumeric(const QVariant& v) {
    if (!v.isValid()) return true;
    if (isBoolean(v) || isIntegral(v)) return true;
    return v.typeId() == QMetaType::Double || v.typeId() == QMetaType::Float;
}

double toNumber(const QVariant& v) {
    if (!v.isValid()) return 0.0;
    if (isBoolean(v)) return v.toBool() ? -1.0 : 0.0;
    if (isText(v)) {
        double value = 0.0;
        if (!textNumber(v.toString(), value)) raiseError(err::TypeMismatch);
        return value;
    }
    if (isNumeric(v)) return v.toDouble();
    raiseError(err::TypeMismatch);
}

qint32 toLongValue(const QVariant& v) {
    return toLong(toNumber(v));
}

bool equalsZero(const QVariant& v) {
    if (isText(v)) return false;
    if (!isNumeric(v)) return false;
    return toNumber(v) == 0.0;
}

int compare(const QVariant& a, const QVariant& b) {
    const bool textA = isText(a), textB = isText(b);
    if (textA || textB) {
        if (textA && textB) return std::clamp(a.toString().compare(b.toString()), -1, 1);
        const QVariant& other = textA ? b : a;
        if (!other.isValid()) {
            const int c = std::clamp(QString().compare(textA ? a.toString() : b.toString()), -1, 1);
            return textA ? -c : c;
        }
        return textA ? 1 : -1;
    }
    const double x = toNumber(a), y = toNumber(b);
    return x < y ? -1 : (x > y ? 1 : 0);
}

QString textOf(const QVariant& v) {
    if (!v.isValid() || isText(v) || isBoolean(v)) return printText(v);
    return printText(v).trimmed();
}

QString printText(const QVariant& v) {
    if (!v.isValid()) return QString();
    if (isText(v)) return v.toString();
    if (isBoolean(v)) return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    QString digits;
    bool negative = false;
    if (isIntegral(v)) {
        digits = v.toString();
        negative = digits.startsWith(u'-');
    } else if (v.typeId() == QMetaType::Float) {
        const float f = v.toFloat();
        negative = std::signbit(f) && f != 0.0f;
        digits = numberText(f);
    } else if (v.typeId() == QMetaType::Double) {
        const double d = v.toDouble();
        negative = std::signbit(d) && d != 0.0;
        digits = numberText(d);
    } else {
        return v.toString();
    }
    return (negative ? QString() : QStringLiteral(" ")) + digits + u' ';
}

}  // namespace kelvarin::rt
