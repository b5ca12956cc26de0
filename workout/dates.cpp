// SPDX-License-Identifier: MIT
// Date helpers: leap years, the seconds of a moment within its year, and minutes-and-seconds
// texts for durations.

#include <QDate>

#include <cstdlib>

#include "runtime/conversion.h"
#include "workout/workout.h"

namespace kelvarin {

bool workOut::iFYunNian(qint32 ThisYear) {
    const qint32 y =
        ThisYear == -1 ? platform::require(m_services.clock).now().date().year() : ThisYear;
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

qint32 workOut::DateTransSecend(const QDateTime& pGet) {
    if (!pGet.isValid()) raiseError(err::InvalidArgument);
    const QDate date = pGet.date();
    const QTime time = pGet.time();
    const qint32 february = iFYunNian(date.year()) ? 29 : 28;
    const qint32 lengths[12] = {31, february, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    qint32 days = 0;
    for (int m = 1; m < date.month(); ++m)
        days = rt::add(days, lengths[m - 1]);
    // The day of the month counts in full: 1 January 00:00:00 is 86,400.
    qint32 total = rt::add(days, date.day());
    total = rt::add(rt::mul(total, 24), time.hour());
    total = rt::add(rt::mul(total, 60), time.minute());
    return rt::add(rt::mul(total, 60), time.second());
}

QString workOut::LeaveAway(qint32 Number) {
    // A negative duration is written as "-" and the text of its length.
    const qint64 magnitude = std::llabs(static_cast<qint64>(Number));
    const qint64 s = magnitude / 1000;
    const qint64 minutes = s / 60, seconds = s % 60;
    auto twoDigits = [](qint64 value) {
        const QString text = QString::number(value);
        return value < 10 ? QStringLiteral("0") + text.right(1) : text.right(2);
    };
    return (Number < 0 ? QStringLiteral("-") : QString()) + twoDigits(minutes) +
           QStringLiteral("分") + twoDigits(seconds) + QStringLiteral("秒");
}

}  // namespace kelvarin
