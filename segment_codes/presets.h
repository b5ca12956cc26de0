// SPDX-License-Identifier: MIT
#pragma once

// Driver-chip and module presets: how the boards engineers buy wire their digits, usable wherever
// a wiring list is ("--wiring max7219"). Each names its source in presets.cpp.

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

#include "segment_codes/segments.h"

namespace kelvarin::codes {

struct Preset {
    const char* name;
    DisplayKind kind;
    const char* wiring;  // the segment of each bit from bit 0 up, as Wiring::parse reads it
    Polarity polarity;
    int digits;  // the digits of the usual module
    // The chip's digit position of each digit from left to right, where the module scrambles
    // them (empty: 0, 1, 2 ... in order).
    QList<int> digitPlaces;
    int colonPlace;  // the chip's digit position whose code carries the colon, or -1
    int colonBit;    // and the bit that lights it
    const char* description;
    const char* source;

    QString nameText() const { return QString::fromLatin1(name); }
    Wiring wiringOf() const { return *Wiring::parse(QString::fromLatin1(wiring), nullptr, kind); }
    // The chip's digit position of the display's digit k (from the left).
    int placeOfDigit(int k) const { return digitPlaces.isEmpty() ? k : digitPlaces.value(k, k); }
};

const QList<Preset>& presets();
// The preset of a name (either case), or nullptr.
const Preset* presetNamed(QStringView name);
// "standard, max7219, ..." for a message.
QString presetNames();
// The names of the presets whose wiring and polarity these are ("standard, tm1637, tm1650"), or
// "" when none is.
QString presetsOf(const Wiring& wiring, Polarity polarity);

// A wiring named by a preset or written as a list, for a digit of the kind. A preset of another
// kind, or a list that is no wiring, is refused with an error saying why; preset is set to the
// preset named, or nullptr for a list.
std::optional<Wiring> wiringNamed(QStringView text, DisplayKind kind, QString* error = nullptr,
                                  const Preset** preset = nullptr);

// The presets listed for `kelvarin presets`: each with its kind, polarity, wiring, digits, colon
// and source.
QString presetList();

}  // namespace kelvarin::codes
