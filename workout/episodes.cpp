// SPDX-License-Identifier: MIT
// Episode numbers: the runs of digits in a media file name that are not bit rates, times, dates,
// counts, resolutions, codecs, format numbers or checksum lengths.

#include <algorithm>

#include "runtime/conversion.h"
#include "runtime/number_text.h"
#include "workout/workout.h"

namespace kelvarin {

namespace {

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool digitOrDot(QChar c) {
    return isDigit(c) || c == u'.';
}

// A candidate as a 32-bit number: decimal, "." as the point, ties to even. Its leading dots are
// dropped first ('EP.12', 'Vol.3'); what is left must be digits with at most one point (error
// 13) and fit in 32 bits (error 6).
qint32 candidateValue(QStringView candidate) {
    qsizetype k = 0;
    while (k < candidate.size() && candidate[k] == u'.')
        ++k;
    const QStringView number = candidate.mid(k);
    const qsizetype points = number.count(u'.');
    if (number.isEmpty() || points > 1 || (points == 1 && number.size() == 1))
        raiseError(err::TypeMismatch);
    // Val reads digits with one point exactly so, and raises error 6 beyond the double range.
    return rt::toLong(rt::Val(number.toString()));
}

// The name rejects the number N when it shows N to be something other than an episode.
bool rejected(const QString& lc, const QString& n) {
    auto followedBy = [&](QStringView after) {
        return std::ranges::any_of(after, [&](QChar c) { return lc.contains(n + c); });
    };
    return lc.contains(n + QStringLiteral("kbps")) ||
           followedBy(u"\u65f6\u5206\u79d2\u5e74\u4e07\u4ebf") ||  // 时分秒年万亿
           lc.contains(u'r' + n) || lc.contains(u'x' + n) || followedBy(u"p'\"") ||
           lc.contains(QStringLiteral("mp") + n) || lc.contains(QStringLiteral("crc") + n) ||
           lc.contains(QStringLiteral("rv") + n);
}

}  // namespace

QString workOut::pGetCartoonNum(QString& pStr) {
    const QString lc = pStr.toLower();
    // Phase 1: the runs of digits and dots, in order. The text is the part lo..hi of pStr.
    QList<QStringView> candidates;
    const QString text = pStr;
    qsizetype lo = 0, hi = text.size();
    bool emptied = false;
    for (;;) {
        // Trimming rounds: at most one character off each end per round, both ends in step.
        for (;;) {
            if (lo >= hi) break;
            const QChar f = text[lo];
            bool removed = false;
            if (!digitOrDot(f)) {
                ++lo;
                removed = true;
            }
            if (lo < hi && !isDigit(text[hi - 1]) && f != u'.') {
                --hi;
                removed = true;
            }
            if (!removed) break;
        }
        if (lo >= hi) {
            emptied = true;
            break;
        }
        qsizetype i = lo;
        while (i < hi && digitOrDot(text[i]))
            ++i;
        candidates << QStringView(text).mid(lo, i - lo);
        if (i == hi) break;
        lo = i;
    }
    pStr = emptied ? QString() : text.mid(lo, hi - lo);

    // Phase 2: every candidate the name does not reject, in order.
    if (candidates.isEmpty()) raiseError(err::InvalidArgument);
    QString result;
    for (const QStringView candidate : candidates) {
        const QString n = QString::number(candidateValue(candidate));
        if (!rejected(lc, n)) result += n + u';';
    }
    return result;
}

}  // namespace kelvarin
