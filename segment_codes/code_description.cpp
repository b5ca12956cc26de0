// SPDX-License-Identifier: MIT
// What a code lights.

#include "segment_codes/code_description.h"

#include "segment_codes/font.h"
#include "segment_codes/format_description.h"

namespace kelvarin::codes {

QStringList describe(Code code, const Wiring& wiring, Polarity polarity) {
    const DisplayKind kind = wiring.kind();
    const quint32 dpBit = 1u << decimalPointSegment(kind);
    const quint32 pattern = patternOf(code & allSegments(kind), wiring, polarity);
    const QString lit = namesOfPattern(kind, pattern);
    const bool dp = pattern & dpBit;
    QStringList shows;
    for (const QChar c : charactersShowing(pattern, kind))
        shows << QString(c) + (dp ? QStringLiteral(".") : QString());
    if (shows.isEmpty() && pattern == dpBit) shows << QStringLiteral(".");
    if (shows.isEmpty() && pattern == 0) shows << QStringLiteral("(the blank)");
    QStringList lines;
    lines << QStringLiteral("0x%1 = %2 = %3b")
                 .arg(code, entryBits(wiring.bits()) / 4, 16, QLatin1Char('0'))
                 .arg(code)
                 .arg(code, wiring.bits(), 2, QLatin1Char('0'));
    lines << QStringLiteral("segments: ") + (lit.isEmpty() ? QStringLiteral("none") : lit);
    lines << QStringLiteral("shows: ") +
                 (shows.isEmpty() ? QStringLiteral("no character of the font") : shows.join(u' '));
    for (QString row : drawing(kind, pattern)) {
        while (row.endsWith(u' '))
            row.chop(1);
        lines << row;
    }
    return lines;
}

}  // namespace kelvarin::codes
