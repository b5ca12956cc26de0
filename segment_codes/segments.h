// SPDX-License-Identifier: MIT
#pragma once

// Segments, wiring and polarity: how a lit pattern of an 8-segment digit becomes the byte a port
// writes. A pattern has bit s set when segment s is lit (a = 0, b, c, d, e, f, g, dp = 7); the
// wiring says which segment each bit of the port drives; a common-anode digit lights a segment
// with a 0, so its byte is the complement.

#include <QString>
#include <QStringView>

#include <array>
#include <optional>

namespace kelvarin::codes {

inline constexpr int kSegments = 8;

// A code as a port (or a driver's register) takes it, as wide as the display needs.
using Code = quint32;

// The names of the segments, a to g and dp, by number.
QString segmentName(int segment);
// The segment of a name (either case), or -1.
int segmentNamed(QStringView name);

enum class Polarity { CommonCathode, CommonAnode };

// For each bit 0 to 7 of the port, the segment it drives.
class Wiring {
  public:
    // Bit k drives segment k: a, b, c, d, e, f, g, dp from bit 0 up.
    Wiring();

    // A wiring written as the eight names from bit 0 up, separated by commas ("a,b,c,d,e,f,g,dp"
    // is the standard one; spaces around the names and letter case do not matter). Any other
    // list is refused with an error that says what is wrong: the count, an unknown name and its
    // place, a name given twice, a name missing.
    static std::optional<Wiring> parse(QStringView list, QString* error = nullptr);
    // The wiring with bit 0 driving dp, down to bit 7 driving a.
    static Wiring reversed();

    // The list of names from bit 0 up, as parse reads it.
    QString text() const;
    bool isStandard() const;
    int segmentOfBit(int bit) const { return m_segmentOfBit[static_cast<size_t>(bit)]; }

    // The byte that lights the pattern, and the pattern a byte lights, before polarity.
    quint8 byteOf(quint8 pattern) const;
    quint8 patternOf(quint8 byte) const;

    bool operator==(const Wiring& other) const { return m_segmentOfBit == other.m_segmentOfBit; }

  private:
    std::array<quint8, kSegments> m_segmentOfBit{};
};

// The code a port writes for a lit pattern, and the pattern a code lights.
quint8 codeOf(quint8 pattern, const Wiring& wiring, Polarity polarity);
quint8 patternOf(quint8 code, const Wiring& wiring, Polarity polarity);

}  // namespace kelvarin::codes
