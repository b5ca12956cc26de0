// SPDX-License-Identifier: MIT
#pragma once

// A multi-digit display and the frames it shows: each frame one code a digit (from the left),
// with its delay. Frames come from texts, one frame each (a text shorter than the display is
// shown at its right, as a meter shows a number), or from one text scrolled through the digits
// (a marquee: entering from the right, leaving at the left, each '.' kept on its character).
// They are written as a two-dimensional table NAME[frames][digits] with the counts and the
// delays as constants beside it.

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

#include "segment_codes/formats.h"
#include "segment_codes/segments.h"

namespace kelvarin::codes {

inline constexpr int kMostDigits = 16;
inline constexpr int kMostFrames = 4096;

// Where a module puts its digits: the chip's position of each digit from the left (a driver's
// digit registers in the order the module wires them), and the position and bit of its colon. A
// row of a frame has an entry for every position up to the last one used; a position no digit
// takes (the HT16K33 backpack's colon) is blank but for the colon.
struct DigitLayout {
    QList<int> places;  // empty: digit k at position k
    int colonPlace = -1;
    int colonBit = -1;

    bool hasColon() const { return colonPlace >= 0 && colonBit >= 0; }
    int placeOf(int digit) const { return places.isEmpty() ? digit : places.value(digit, digit); }
};

struct Frame {
    QList<Code> codes;  // one a position: digit k at the layout's place of k
    int delayMs = 0;
    QString label;       // what it shows, for its comment
    bool colon = false;  // its colon lit
};

// The frames of the texts on digits digits (1 to kMostDigits) under the wiring and polarity:
// each text a frame, or with scroll the one text scrolled. delays: one for every frame, or one a
// frame. An error says what is wrong: a text longer than the digits (without scroll), a
// character no digit shows, a count of delays that is neither one nor the frames', too many
// frames.
// With a layout, each frame's codes are at the digits' positions, and a ':' in a text (not
// scrolled) lights the colon instead of taking a digit. An error says too that the layout does
// not fit the digits (a position twice, or beyond the 16).
std::optional<QList<Frame>> framesOf(const QStringList& texts, int digits, bool scroll,
                                     const QList<int>& delays, const Wiring& wiring,
                                     Polarity polarity, QString* error,
                                     const DigitLayout& layout = {});

// A frame as drawn by hand: each digit's segments from the left (bit s: segment s), its delay and
// what it shows (for its comment; may be empty).
struct DrawnFrame {
    QList<quint32> patterns;
    int delayMs = 500;
    QString label;

    bool operator==(const DrawnFrame&) const = default;
};

inline constexpr int kMostDelayMs = 60000;

// The frames of drawn ones, digit k at position k, or nothing with an error: no frame, frames of
// different widths or of no digit or more than kMostDigits, a delay outside 1 to kMostDelayMs, a
// segment the wiring's kind has not, too many frames.
std::optional<QList<Frame>> framesOfDrawn(const QList<DrawnFrame>& drawn, const Wiring& wiring,
                                          Polarity polarity, QString* error);
// The drawn frames of frames (their codes read back under the wiring and polarity).
QList<DrawnFrame> drawnOf(const QList<Frame>& frames, const Wiring& wiring, Polarity polarity);

// The frames as a table in the output's format: the counts (NAME_FRAMES, NAME_DIGITS), the
// delay (NAME_DELAY_MS when every frame has the same one) or the delays' table (NAME_delays,
// milliseconds), and NAME[frames][digits]. The hex format has no constants: the frames' rows
// alone.
QString renderFrames(const QList<Frame>& frames, const Output& output, const Wiring& wiring,
                     Polarity polarity);

}  // namespace kelvarin::codes
