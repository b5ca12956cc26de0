// SPDX-License-Identifier: MIT
#pragma once

// Variant rules: empty counts as 0, Booleans as -1 and 0, texts that read wholly as numbers take
// part in arithmetic, other texts do not; comparison and the printed text of a value.

#include <QString>
#include <QVariant>

namespace kelvarin::rt {

// True for an empty variant and for numbers and Booleans.
bool isNumeric(const QVariant& v);
// The number a variant stands for; error 13 for a text that is not a number.
double toNumber(const QVariant& v);
// The number converted to a 32-bit integer, ties to even; errors 13 and 6.
qint32 toLongValue(const QVariant& v);
// True when the variant equals 0 (an empty variant included); a text is never 0 here.
bool equalsZero(const QVariant& v);
// Compares two values: -1, 0 or 1. Numbers (and empty and Booleans) compare as numbers, texts
// as texts, code unit by code unit; a number is less than a text; an empty value against a
// text counts as the empty text.
int compare(const QVariant& a, const QVariant& b);
// The text form of a value, as a text variable receives it: texts as they are, numbers without
// padding ('5', '1.5', '-2'), "True" and "False", and the empty text for an empty value.
QString textOf(const QVariant& v);
// The text the platform's print statement writes for a value: texts as they are, numbers with a
// leading space for the sign of a positive value and a trailing space, "True" and "False".
QString printText(const QVariant& v);

}  // namespace kelvarin::rt
