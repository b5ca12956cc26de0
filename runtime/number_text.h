// SPDX-License-Identifier: MIT
#pragma once

// Number text: the default decimal text of a number and the leading number of a text (Val).

#include <QString>

namespace kelvarin::rt {

// The default decimal text of a number: at most seven significant digits for a single and
// fifteen for a double, no trailing zeros, "." as decimal point, "-" for negative values and no
// "0" before the point of a value between -1 and 1 (".5"). A value whose decimal exponent lies
// outside -5 to 6 (single) or -5 to 14 (double) is written in exponent form: '1.234568E+07',
// '1E-06'.
QString numberText(float value);
QString numberText(double value);

// The leading number of a text, read as the platform reads it: spaces, tabs and line feeds
// anywhere are ignored; an optional sign, decimal digits with at most one "." and an optional
// exponent ("E" or "D", either case, optional sign and digits); or '&H' with hexadecimal or '&O'
// with octal digits, read as a 16-bit signed value when they fit in 16 bits and as a 32-bit
// signed value when they fit in 32 ('&HFFFF' is -1, '&H10000' is 65536). Reading stops at the
// first character that does not fit; a text without a number gives 0; a value beyond the double
// range (or more than 32 bits of '&H' or '&O' digits) is error 6. Always in the C locale.
double Val(const QString& text);
double Val(QStringView text);

}  // namespace kelvarin::rt
