// SPDX-License-Identifier: MIT
#pragma once

// The font: the pattern of segments each character shows on a 7-segment digit, written in one
// table of pictures (font.cpp) in the three rows of "_" and "|" that draw a digit:
//
//      _        a          row 0: a
//     |_|     f g b        row 1: f g b
//     |_|.    e d c dp     row 2: e d c, and dp after them
//
// It holds the 57 glyphs of the standard tables (0 to 9, a to f, h j l n o p q r u v x y and
// the blank), and the other printable ASCII characters a digit shows recognisably: the capitals
// H, J, N, O and U, which the conventional fonts tell from their small letters ("HELLO" is
// H E L L O), have glyphs of their own; the other capitals fold onto the table's small letter
// (A to F onto its hexadecimal digits); G, g, I, i, S, s, T, t, Z, z, the punctuation
// - _ = ' " [ ] ( ) ? / \ | ^ and the degree sign (a b f g, for temperatures) have glyphs of
// their own. Letters no digit can show (k, m, w and their capitals) and other characters have
// none.
//
// The 14- and 16-segment digits have a font of every printable ASCII character (font_alpha.cpp),
// in the order of their standard table.

#include <QString>
#include <QStringList>

#include <optional>

#include "segment_codes/display.h"

namespace kelvarin::codes {

inline constexpr quint8 kDecimalPoint = 0x80;

// The pattern of a character (bit s = segment s lit, dp never), or nothing when no digit shows
// it.
std::optional<quint8> glyphOf(QChar c);

// The characters of the font that show the pattern, dp left aside, in the order of the font's
// table; "" for the blank.
QString charactersShowing(quint8 pattern);

// The pattern of a character on a digit of the kind (bit s = the kind's segment s; dp only in
// '!' of the 14- and 16-segment fonts), or nothing when no digit of the kind shows it.
std::optional<quint32> glyphOf(QChar c, DisplayKind kind);
// The characters of the kind's font that show the pattern, dp left aside.
QString charactersShowing(quint32 pattern, DisplayKind kind);
// The printable ASCII characters in the order of the 14- and 16-segment standard table: ' '
// (0x20) to '~' (0x7e).
QString asciiCharacters();

// The digit drawn in three rows of "_", "|" and "." (each four characters wide).
QStringList picture(quint8 pattern);

// The pattern of a picture as the font's table writes it (three rows of "_", "|", " " and a
// "." after the third row for dp).
quint8 patternOfPicture(const char* top, const char* middle, const char* bottom);

}  // namespace kelvarin::codes
