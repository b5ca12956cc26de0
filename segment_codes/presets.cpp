// SPDX-License-Identifier: MIT
// The presets, each with the document it is taken from.

#include "segment_codes/presets.h"

#include <QStringList>

namespace kelvarin::codes {

namespace {

const QList<Preset> kPresets = {
    {"standard",
     DisplayKind::Seven,
     "a,b,c,d,e,f,g,dp",
     Polarity::CommonCathode,
     1,
     {},
     -1,
     -1,
     "a digit on one port, bit 0 driving a up to bit 7 driving dp",
     "the 8051 textbooks' wiring (P0.0 to P0.7 on a to dp), the program's default"},
    {"max7219",
     DisplayKind::Seven,
     "g,f,e,d,c,b,a,dp",
     Polarity::CommonCathode,
     8,
     {},
     -1,
     -1,
     "MAX7219 / MAX7221 in no-decode mode: bit 7 dp, bit 6 a ... bit 0 g",
     "Maxim MAX7219/MAX7221 data sheet, Table 6 \"No-Decode Mode Data Bits and Corresponding "
     "Segment Lines\" (D7 = DP, D6 = A, ... D0 = G)"},
    {"tm1637",
     DisplayKind::Seven,
     "a,b,c,d,e,f,g,dp",
     Polarity::CommonCathode,
     4,
     {},
     1,
     7,
     "TM1637 4-digit clock module: bit 0 a ... bit 7 dp, the colon on bit 7 of the second digit",
     "Titan Micro TM1637 data sheet, display register (SEG1 = bit 0 ... SEG8 = bit 7); the "
     "4-digit clock modules wire the colon to SEG8 of GRID2"},
    {"tm1637-6",
     DisplayKind::Seven,
     "a,b,c,d,e,f,g,dp",
     Polarity::CommonCathode,
     6,
     {2, 1, 0, 5, 4, 3},
     -1,
     -1,
     "TM1637 6-digit module: as tm1637, the digits left to right on positions 2 1 0 5 4 3",
     "Titan Micro TM1637 data sheet, display registers GRID1 to GRID6 (C0H to C5H); the 6-digit "
     "modules put GRID3 GRID2 GRID1 GRID6 GRID5 GRID4 from left to right"},
    {"tm1650",
     DisplayKind::Seven,
     "a,b,c,d,e,f,g,dp",
     Polarity::CommonCathode,
     4,
     {},
     -1,
     -1,
     "TM1650 4-digit module: bit 0 a ... bit 7 dp in each digit's register",
     "Titan Micro TM1650 data sheet, display registers DIG1 to DIG4 (68H to 6EH), bit 0 = A ... "
     "bit 7 = DP"},
    {"ht16k33",
     DisplayKind::Seven,
     "a,b,c,d,e,f,g,dp",
     Polarity::CommonCathode,
     4,
     {0, 1, 3, 4},
     2,
     1,
     "HT16K33 7-segment backpack: digits on positions 0 1 3 4, the colon on position 2, bit 1",
     "Holtek HT16K33 data sheet (display RAM, ROW0 = bit 0); Adafruit LED Backpack library "
     "(MIT), Adafruit_7segment: digits at buffer positions 0, 1, 3, 4, the colon at 2 (0x02)"},
    {"ht16k33-14",
     DisplayKind::Fourteen,
     "a,b,c,d,e,f,g1,g2,h,j,k,l,m,n,dp",
     Polarity::CommonCathode,
     4,
     {},
     -1,
     -1,
     "HT16K33 14-segment backpack: bit 0 a ... bit 5 f, g1 g2 h j k l m n, bit 14 dp",
     "Adafruit LED Backpack library (MIT), alphafonttable: bits 0 to 13 A B C D E F G1 G2 H J K "
     "L M N, bit 14 DP"},
    {"74hc595",
     DisplayKind::Seven,
     "a,b,c,d,e,f,g,dp",
     Polarity::CommonAnode,
     4,
     {},
     -1,
     -1,
     "74HC595 4-digit module (\"4-bit LED tube\"): a to dp on QA to QH, common anode, active low",
     "the 4-digit modules with two 74HC595 shift registers: the first register's QA to QH drive "
     "a to dp through resistors, a 0 lights a segment (common anode), the second selects the "
     "digit"},
};

}  // namespace

const QList<Preset>& presets() {
    return kPresets;
}

const Preset* presetNamed(QStringView name) {
    for (const Preset& p : kPresets) {
        if (name.trimmed().compare(QLatin1StringView(p.name), Qt::CaseInsensitive) == 0) return &p;
    }
    return nullptr;
}

QString presetNames() {
    QStringList names;
    for (const Preset& p : kPresets)
        names << p.nameText();
    return names.join(QStringLiteral(", "));
}

QString presetsOf(const Wiring& wiring, Polarity polarity) {
    QStringList names;
    for (const Preset& p : kPresets) {
        if (p.kind == wiring.kind() && p.polarity == polarity && p.wiringOf() == wiring)
            names << p.nameText();
    }
    return names.join(QStringLiteral(", "));
}

std::optional<Wiring> wiringNamed(QStringView text, DisplayKind kind, QString* error,
                                  const Preset** preset) {
    if (preset != nullptr) *preset = nullptr;
    if (const Preset* p = presetNamed(text)) {
        if (p->kind != kind) {
            if (error != nullptr)
                *error =
                    QStringLiteral("the preset %1 is for %2-segment digits, not %3-segment ones")
                        .arg(p->nameText())
                        .arg(kindNumber(p->kind))
                        .arg(kindNumber(kind));
            return std::nullopt;
        }
        if (preset != nullptr) *preset = p;
        return p->wiringOf();
    }
    // A single word that names no preset is most likely a misspelt one.
    if (!text.contains(u',') && text.trimmed().size() > 2) {
        if (error != nullptr)
            *error = QStringLiteral(
                         "no preset or wiring \"%1\" (the presets are %2; a wiring is a "
                         "list of segment names from bit 0 up)")
                         .arg(text.toString(), presetNames());
        return std::nullopt;
    }
    return Wiring::parse(text, error, kind);
}

QString presetList() {
    QString out;
    for (const Preset& p : kPresets) {
        out += QStringLiteral("%1\n").arg(p.nameText());
        out += QStringLiteral("  %1\n").arg(QString::fromUtf8(p.description));
        out += QStringLiteral("  %1-segment, %2, bits from 0 up: %3\n")
                   .arg(kindNumber(p.kind))
                   .arg(p.polarity == Polarity::CommonAnode ? QStringLiteral("common anode")
                                                            : QStringLiteral("common cathode"))
                   .arg(QLatin1StringView(p.wiring));
        QStringList places;
        for (int k = 0; k < p.digits; ++k)
            places << QString::number(p.placeOfDigit(k));
        out += QStringLiteral("  %1 digit%2, positions from the left: %3")
                   .arg(p.digits)
                   .arg(p.digits == 1 ? QString() : QStringLiteral("s"))
                   .arg(places.join(u' '));
        if (p.colonPlace >= 0)
            out +=
                QStringLiteral("; colon: bit %1 at position %2").arg(p.colonBit).arg(p.colonPlace);
        out += QStringLiteral("\n  source: %1\n").arg(QString::fromUtf8(p.source));
    }
    return out;
}

}  // namespace kelvarin::codes
