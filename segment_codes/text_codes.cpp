// SPDX-License-Identifier: MIT
// Text to digits, with the decimal points merged into the digits before them.

#include "segment_codes/text_codes.h"

#include <QStringList>

#include "segment_codes/font.h"

namespace kelvarin::codes {

QString Digit::label() const {
    QString text;
    if (!blank) text += QChar(character);
    if (low != 0) text += QChar(low);
    if (dot) text += u'.';
    return text;
}

QList<Digit> digitsOf(QStringView text, QList<Unshowable>& bad, DisplayKind kind) {
    const quint32 dp = 1u << decimalPointSegment(kind);
    bad.clear();
    QList<Digit> digits;
    digits.reserve(text.size());
    qsizetype position = 0;
    for (qsizetype k = 0; k < text.size(); ++k) {
        const QChar c = text[k];
        ++position;
        if (c == u'.') {
            if (!digits.isEmpty() && !(digits.back().pattern & dp)) {
                digits.back().pattern |= dp;
                digits.back().dot = true;
            } else {
                digits.append(Digit{0, 0, true, dp, true});
            }
            continue;
        }
        const std::optional<quint32> glyph = glyphOf(c, kind);
        if (!glyph) {
            Digit placeHolder{c.unicode(), 0, false, 0};
            if (c.isHighSurrogate() && k + 1 < text.size() && text[k + 1].isLowSurrogate())
                placeHolder.low = text[++k].unicode();
            bad.append({placeHolder.label(), position});
            // A place holder keeps the digits where the text has them.
            digits.append(placeHolder);
            continue;
        }
        digits.append(Digit{c.unicode(), 0, false, *glyph});
    }
    return digits;
}

QString describe(const QList<Unshowable>& bad) {
    QStringList parts;
    for (const Unshowable& u : bad) {
        const char32_t code = u.character.toUcs4().value(0);
        const bool printable = u.character.size() > 1 || u.character[0].isPrint();
        const QString shown = printable ? QStringLiteral("'%1'").arg(u.character)
                                        : QStringLiteral("U+%1")
                                              .arg(static_cast<uint>(code), 4, 16, QLatin1Char('0'))
                                              .toUpper();
        parts << QStringLiteral("%1 at %2").arg(shown).arg(u.position);
    }
    return parts.join(QStringLiteral(", "));
}

}  // namespace kelvarin::codes
