// SPDX-License-Identifier: MIT
// What a code lights.

#include "segment_codes/code_description.h"

#include "segment_codes/font.h"

namespace kelvarin::codes {

QStringList describe(Code code, const Wiring& wiring, Polarity polarity) {
    const quint8 pattern = patternOf(static_cast<quint8>(code), wiring, polarity);
    QStringList lit;
    for (int s = 0; s < kSegments; ++s) {
        if (pattern & (1u << s)) lit << segmentName(s);
    }
    const bool dp = pattern & kDecimalPoint;
    QStringList shows;
    for (const QChar c : charactersShowing(pattern))
        shows << QString(c) + (dp ? QStringLiteral(".") : QString());
    if (shows.isEmpty() && pattern == kDecimalPoint) shows << QStringLiteral(".");
    if (shows.isEmpty() && pattern == 0) shows << QStringLiteral("(the blank)");
    QStringList lines;
    lines << QStringLiteral("0x%1 = %2 = %3b")
                 .arg(code, 2, 16, QLatin1Char('0'))
                 .arg(code)
                 .arg(code, 8, 2, QLatin1Char('0'));
    lines << QStringLiteral("segments: ") +
                 (lit.isEmpty() ? QStringLiteral("none") : lit.join(u' '));
    lines << QStringLiteral("shows: ") +
                 (shows.isEmpty() ? QStringLiteral("no character of the font") : shows.join(u' '));
    for (QString row : picture(pattern)) {
        while (row.endsWith(u' '))
            row.chop(1);
        lines << row;
    }
    return lines;
}

}  // namespace kelvarin::codes
