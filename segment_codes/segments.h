// SPDX-License-Identifier: MIT
#pragma once

// Segments, wiring and polarity: how a lit pattern of a digit becomes the code a port (or a
// driver's register) takes. A pattern has bit s set when segment s is lit, in the order of its
// kind (display.h: a = 0, b, c, d, e, f, g, dp = 7 for the 7-segment digit); the wiring says
// which segment each bit of the code drives; a common-anode digit lights a segment with a 0, so
// its code is the complement (in the kind's bits).

#include <QList>
#include <QString>
#include <QStringView>

#include <array>
#include <optional>

#include "segment_codes/display.h"

namespace kelvarin::codes {

inline constexpr int kSegments = 8;

// A code as a port (or a driver's register) takes it, as wide as the display needs.
using Code = quint32;

// The names of the 7-segment digit's segments, a to g and dp, by number.
QString segmentName(int segment);
// The 7-segment digit's segment of a name (either case), or -1.
int segmentNamed(QStringView name);

enum class Polarity { CommonCathode, CommonAnode };

// For each bit of the code (0 to 7 for a 7-segment digit, to 14 or 16 for the others), the
// segment it drives.
class Wiring {
  public:
    // Bit k drives segment k: a, b, c, d, e, f, g, dp from bit 0 up.
    Wiring();
    // The kind's default wiring: bit k drives the kind's segment k.
    explicit Wiring(DisplayKind kind);

    // A wiring written as the kind's segment names from bit 0 up, separated by commas
    // ("a,b,c,d,e,f,g,dp" is the standard 7-segment one; spaces around the names and letter
    // case do not matter). Any other list is refused with an error that says what is wrong: the
    // count, an unknown name and its place, a name given twice, a name missing.
    static std::optional<Wiring> parse(QStringView list, QString* error = nullptr,
                                       DisplayKind kind = DisplayKind::Seven);
    // The wiring with bit 0 driving dp, down to the last bit driving the first segment.
    static Wiring reversed(DisplayKind kind = DisplayKind::Seven);
    // The wiring with bit k driving segment order[k].
    static std::optional<Wiring> fromSegments(DisplayKind kind, const QList<int>& order);

    DisplayKind kind() const { return m_kind; }
    // The bits of its codes: 8, 15 or 17.
    int bits() const { return segmentCount(m_kind); }
    // The list of names from bit 0 up, as parse reads it.
    QString text() const;
    bool isStandard() const;
    int segmentOfBit(int bit) const { return m_segmentOfBit[static_cast<size_t>(bit)]; }
    // The bit that drives the segment.
    int bitOfSegment(int segment) const;

    // The code that lights the pattern, and the pattern a code lights, before polarity.
    quint32 bitsOf(quint32 pattern) const;
    quint32 patternOfBits(quint32 code) const;
    quint8 byteOf(quint8 pattern) const { return static_cast<quint8>(bitsOf(pattern)); }
    quint8 patternOf(quint8 byte) const { return static_cast<quint8>(patternOfBits(byte)); }

    bool operator==(const Wiring& other) const {
        return m_kind == other.m_kind && m_segmentOfBit == other.m_segmentOfBit;
    }

  private:
    DisplayKind m_kind = DisplayKind::Seven;
    std::array<quint8, 17> m_segmentOfBit{};
};

// The code a port writes for a lit pattern, and the pattern a code lights.
Code codeOf(Code pattern, const Wiring& wiring, Polarity polarity);
Code patternOf(Code code, const Wiring& wiring, Polarity polarity);

}  // namespace kelvarin::codes
