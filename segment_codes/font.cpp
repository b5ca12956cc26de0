// SPDX-License-Identifier: MIT
// The font's one table: each character beside the picture of the digit that shows it.

#include "segment_codes/font.h"

#include <array>
#include <cstring>

namespace kelvarin::codes {

namespace {

// The degree sign: a, b, f and g, the upper square.
constexpr QChar kDegree = QChar(0x00B0);
constexpr quint8 kDegreePattern = 0x63;

struct Glyph {
    char character;
    const char* top;
    const char* middle;
    const char* bottom;
};

// clang-format off
// The pictures, as a digit shows them. The first 29 are the standard tables' glyphs in their
// order; a capital letter without a picture of its own folds onto its small one (glyphOf).
constexpr Glyph kFont[] = {
    {'0', " _ ", "| |", "|_|"},  {'1', "   ", "  |", "  |"},  {'2', " _ ", " _|", "|_ "},
    {'3', " _ ", " _|", " _|"},  {'4', "   ", "|_|", "  |"},  {'5', " _ ", "|_ ", " _|"},
    {'6', " _ ", "|_ ", "|_|"},  {'7', " _ ", "  |", "  |"},  {'8', " _ ", "|_|", "|_|"},
    {'9', " _ ", "|_|", " _|"},  {'a', " _ ", "|_|", "| |"},  {'b', "   ", "|_ ", "|_|"},
    {'c', " _ ", "|  ", "|_ "},  {'d', "   ", " _|", "|_|"},  {'e', " _ ", "|_ ", "|_ "},
    {'f', " _ ", "|_ ", "|  "},  {'h', "   ", "|_ ", "| |"},  {'j', "   ", "  |", " _|"},
    {'l', "   ", "|  ", "|_ "},  {'n', "   ", " _ ", "| |"},  {'o', "   ", " _ ", "|_|"},
    {'p', " _ ", "|_|", "|  "},  {'q', " _ ", "|_|", "  |"},  {'r', "   ", " _ ", "|  "},
    {'u', "   ", "| |", "|_|"},  {'v', "   ", "   ", "|_|"},  {'x', "   ", "|_|", "| |"},
    {'y', "   ", "|_|", " _|"},  {' ', "   ", "   ", "   "},
    // Letters the tables lack.
    {'g', " _ ", "|_|", " _|"},  {'G', " _ ", "|  ", "|_|"},  {'i', "   ", "   ", "|  "},
    {'I', "   ", "|  ", "|  "},  {'s', " _ ", "|_ ", " _|"},  {'S', " _ ", "|_ ", " _|"},
    {'t', "   ", "|_ ", "|_ "},  {'T', "   ", "|_ ", "|_ "},  {'z', " _ ", " _|", "|_ "},
    {'Z', " _ ", " _|", "|_ "},
    // Capitals the conventional fonts tell from their small letters.
    {'H', "   ", "|_|", "| |"},  {'J', "   ", "  |", "|_|"},  {'N', " _ ", "| |", "| |"},
    {'O', " _ ", "| |", "|_|"},  {'U', "   ", "| |", "|_|"},
    // Punctuation.
    {'-', "   ", " _ ", "   "},  {'_', "   ", "   ", " _ "},  {'=', "   ", " _ ", " _ "},
    {'\'', "   ", "|  ", "   "}, {'"', "   ", "| |", "   "},  {'[', " _ ", "|  ", "|_ "},
    {']', " _ ", "  |", " _|"},  {'(', " _ ", "|  ", "|_ "},  {')', " _ ", "  |", " _|"},
    {'?', " _ ", " _|", "|  "},  {'/', "   ", " _|", "|  "},  {'\\', "   ", "|_ ", "  |"},
    {'|', "   ", "|  ", "|  "},  {'^', " _ ", "| |", "   "},
};
// clang-format on

// A character and its pattern, the font read once.
struct Table {
    std::array<int, 128> pattern;  // -1: no glyph
    Table() {
        pattern.fill(-1);
        for (const Glyph& g : kFont)
            pattern[static_cast<unsigned char>(g.character)] =
                patternOfPicture(g.top, g.middle, g.bottom);
        // Capitals fold onto the table's small letters.
        for (size_t lower = 'a'; lower <= 'z'; ++lower) {
            const size_t upper = lower - 'a' + 'A';
            if (pattern[upper] < 0) pattern[upper] = pattern[lower];
        }
    }
};

const Table& table() {
    static const Table t;
    return t;
}

}  // namespace

quint8 patternOfPicture(const char* top, const char* middle, const char* bottom) {
    auto at = [](const char* row, size_t column, char mark) {
        return std::strlen(row) > column && row[column] == mark;
    };
    quint8 p = 0;
    if (at(top, 1, '_')) p |= 1u << 0;     // a
    if (at(middle, 2, '|')) p |= 1u << 1;  // b
    if (at(bottom, 2, '|')) p |= 1u << 2;  // c
    if (at(bottom, 1, '_')) p |= 1u << 3;  // d
    if (at(bottom, 0, '|')) p |= 1u << 4;  // e
    if (at(middle, 0, '|')) p |= 1u << 5;  // f
    if (at(middle, 1, '_')) p |= 1u << 6;  // g
    if (at(bottom, 3, '.')) p |= 1u << 7;  // dp
    return p;
}

std::optional<quint8> glyphOf(QChar c) {
    if (c == kDegree) return kDegreePattern;
    if (c.unicode() >= 128) return std::nullopt;
    const int p = table().pattern[c.unicode()];
    if (p < 0) return std::nullopt;
    return static_cast<quint8>(p);
}

QString charactersShowing(quint8 pattern) {
    pattern &= static_cast<quint8>(~kDecimalPoint);
    QString shown;
    for (const Glyph& g : kFont) {
        if (patternOfPicture(g.top, g.middle, g.bottom) == pattern && g.character != ' ')
            shown += QChar::fromLatin1(g.character);
    }
    if (pattern == kDegreePattern) shown += kDegree;
    // The capitals that fold onto a small letter show the same.
    for (char c = 'A'; c <= 'Z'; ++c) {
        if (!shown.contains(QChar::fromLatin1(c)) && glyphOf(QChar::fromLatin1(c)) == pattern &&
            shown.contains(QChar::fromLatin1(static_cast<char>(c - 'A' + 'a'))))
            shown += QChar::fromLatin1(c);
    }
    return shown;
}

QStringList picture(quint8 pattern) {
    return drawing(DisplayKind::Seven, pattern);
}

}  // namespace kelvarin::codes
