// SPDX-License-Identifier: MIT
#pragma once

// Text to digits: each character of a text is one digit in the font's glyph (of the digit's
// kind), and a "." lights
// the dp of the digit before it ("12.5" is three digits: 1, 2 with dp, 5); a "." at the start,
// or after a digit whose dp is already lit, is a blank with dp lit.

#include <QList>
#include <QString>
#include <QStringView>

#include "segment_codes/display.h"

namespace kelvarin::codes {

struct Digit {
    char16_t character = 0;  // the character it shows (none for a "." on a blank)
    char16_t low = 0;        // the second half of a pair of surrogates, or 0
    bool dot = false;        // its dp lit by a "."
    quint32 pattern = 0;     // bit s = segment s lit
    bool blank = false;      // a "." on a blank: no character of its own

    // What it shows: the character, with "." when a "." lit its dp ("2.", ".").
    QString label() const;
};

// A character no digit can show, and its place in the text (from 1, counted in characters: a
// pair of surrogates is one).
struct Unshowable {
    QString character;
    qsizetype position;
};

// The digits of the text; every character no digit can show is listed in bad (none is dropped
// silently: the digits are only to be used when bad is empty).
QList<Digit> digitsOf(QStringView text, QList<Unshowable>& bad,
                      DisplayKind kind = DisplayKind::Seven);

// "'k' at 3, 'w' at 7": the characters and their places, for a message.
QString describe(const QList<Unshowable>& bad);

}  // namespace kelvarin::codes
