// SPDX-License-Identifier: MIT
#pragma once

// The kinds of digit: the segments each has, their names, and which bar or diagonal each name
// is. A pattern of a digit has bit s set when segment s is lit, in the kind's order below (its
// default wiring: segment s on bit s).
//
//   7 segments and dp           14 segments and dp              16 segments and dp
//   (8 bits)                    (15 bits)                       (17 bits)
//
//        a                           a                           a1      a2
//      -----                   -------------                 ------  ------
//     |     |                 |\     |     /|               |\      |      /|
//    f|     |b               f| h    j    k |b             f| h     i     j |b
//     |  g  |                 |  \   |   /  |               |  \    |    /  |
//      -----                   --g1--  --g2--                --g1--  --g2--
//     |     |                 |  /   |   \  |               |  /    |    \  |
//    e|     |c               e| l    m    n |c             e| m     l     k |c
//     |     |                 |/     |     \|               |/      |      \|
//      -----  . dp             -------------  . dp           ------  ------  . dp
//        d                           d                           d2      d1
//
//   7:  a b c d e f g dp              bits 0 to 7
//   14: a b c d e f g1 g2 h j k l m n dp    bits 0 to 14: g1 the left half of the middle bar,
//       g2 its right half; h, j, k the upper diagonal, vertical and diagonal from left to right,
//       l, m, n the lower ones (the order of the common 14-segment backpacks on an HT16K33
//       driver, and of the MIT-licensed ASCII tables written for them, with dp at bit 14)
//   16: a1 a2 b c d1 d2 e f g1 g2 h i j k l m dp    bits 0 to 16: the outer bars clockwise from
//       the top left half (a1 left, a2 right, d1 the bottom's right half, d2 its left half),
//       then the middle halves g1 (left) and g2 (right), then the inner bars clockwise from the
//       upper left diagonal: h, i (upper vertical), j, k (lower right diagonal), l (lower
//       vertical), m (lower left diagonal); dp at bit 16

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace kelvarin::codes {

enum class DisplayKind { Seven, Fourteen, Sixteen };

// The number a kind is named by (7, 14, 16), and the kind of a number's text.
int kindNumber(DisplayKind kind);
std::optional<DisplayKind> kindNamed(QStringView text);
// "7, 14 or 16", for a message.
QString kindNames();

// The segments of a digit of the kind, dp included: 8, 15 or 17.
int segmentCount(DisplayKind kind);
// The segment number of dp: the last.
inline int decimalPointSegment(DisplayKind kind) {
    return segmentCount(kind) - 1;
}
// Every segment lit.
inline quint32 allSegments(DisplayKind kind) {
    return (1u << segmentCount(kind)) - 1;
}

// The names of the segments in the kind's order, the name of one, and the segment of a name
// (either case), or -1.
const QStringList& segmentNames(DisplayKind kind);
QString segmentName(DisplayKind kind, int segment);
int segmentNamed(DisplayKind kind, QStringView name);

// The pattern of a list of segment names ("a b f g", spaces or commas between), or nothing when
// a name is not one of the kind's.
std::optional<quint32> patternOfNames(DisplayKind kind, QStringView names);
// The lit segments' names, "a b f g".
QString namesOfPattern(DisplayKind kind, quint32 pattern);

// The digit drawn in rows of ASCII: three rows of "_" and "|" four characters wide for 7
// segments, five rows seven characters wide (and a "." after the last) for 14 and 16.
QStringList drawing(DisplayKind kind, quint32 pattern);

}  // namespace kelvarin::codes
