// SPDX-License-Identifier: MIT
#pragma once

// Text to digits: each character of a text is one digit in the font's glyph, and a "." lights
// the dp of the digit before it ("12.5" is three digits: 1, 2 with dp, 5); a "." at the start,
// or after a digit whose dp is already lit, is a blank with dp lit.

#include <QList>
#include <QString>
#include <QStringView>

namespace kelvarin::codes {

struct Digit {
    QString label;   // what it shows: the character, with "." when its dp is lit ("2.", ".")
    quint8 pattern;  // bit s = segment s lit
};

// A character no digit can show, and its place in the text (from 1, counted in characters: a
// pair of surrogates is one).
struct Unshowable {
    QString character;
    qsizetype position;
};

// The digits of the text; every character no digit can show is listed in bad (none is dropped
// silently: the digits are only to be used when bad is empty).
QList<Digit> digitsOf(QStringView text, QList<Unshowable>& bad);

// "'k' at 3, 'w' at 7": the characters and their places, for a message.
QString describe(const QList<Unshowable>& bad);

}  // namespace kelvarin::codes
