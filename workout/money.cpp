// SPDX-License-Identifier: MIT
// Money formatting: a number held as text, grouped in thousands with ",".

#include "workout/workout.h"

namespace kelvarin {

QString workOut::FormatMoney(const QString& pStr) {
    // The integer part: the text before its first "." once every "," is gone. Grouping counts
    // characters, so a sign or a letter is grouped like a digit.
    qsizetype digits = 0;
    for (const QChar c : pStr) {
        if (c == u'.') break;
        if (c != u',') ++digits;
    }
    // The fraction: from the last "." of the text as given, separators and all.
    const qsizetype point = pStr.lastIndexOf(u'.');
    const QStringView fraction = point < 0 ? QStringView() : QStringView(pStr).mid(point);

    QString result;
    result.reserve(digits + digits / 3 + fraction.size());
    qsizetype k = 0;
    for (const QChar c : pStr) {
        if (c == u'.') break;
        if (c == u',') continue;
        // A separator before every character that has a multiple of three after it.
        if (k > 0 && (digits - k) % 3 == 0) result += u',';
        result += c;
        ++k;
    }
    result += fraction;
    // A minus sign that ended up in front of a separator keeps it no longer.
    result.replace(QStringLiteral("-,"), QStringLiteral("-"));
    return result;
}

}  // namespace kelvarin
