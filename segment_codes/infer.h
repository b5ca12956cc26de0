// SPDX-License-Identifier: MIT
#pragma once

// The wiring worked out from a table: given the codes a table holds and the characters they
// show, the polarity and the wirings under which the kind's standard font gives exactly those
// codes. On the 7-segment digit the glyphs that fonts draw two ways are tried both ways: 6 and 9
// with or without their tails (a, d), 7 with or without f. Where no wiring fits, the wiring that
// explains the most entries (an assignment of bits to segments that agrees with the most entry
// bits, found with the Hungarian method) and the entries it leaves unexplained.

#include <QList>
#include <QString>
#include <QStringList>

#include "segment_codes/segments.h"
#include "segment_codes/text_codes.h"

namespace kelvarin::codes {

struct Inference {
    bool exact = false;  // every entry explained
    Polarity polarity = Polarity::CommonCathode;
    // The wirings that fit (at most kMostWirings of them), the best one first; where none fits,
    // the closest one alone.
    QList<Wiring> wirings;
    qint64 fitting = 0;        // how many wirings fit in all
    quint32 undetermined = 0;  // the bits no entry tells apart (bit k set: bit k)
    QStringList variants;      // the glyph variants the table uses, said ("6 without its tail")
    QList<int> misfits;        // the entries (from 0) that the closest wiring does not explain
    int agreeing = 0;          // of the entries' bits, how many the first wiring agrees with
    int bitsInAll = 0;         // and how many there are
};

inline constexpr int kMostWirings = 24;

// The wiring of codes showing the digits (one digit an entry, as digitsOf makes them of a text),
// for digits of the kind. The digits must not be empty.
Inference inferWiring(const QList<Code>& codes, const QList<Digit>& digits, DisplayKind kind);

}  // namespace kelvarin::codes
