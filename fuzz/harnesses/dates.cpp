// SPDX-License-Identifier: MIT
// The fuzz harness of dates.

#include "fuzz/fuzz_common.h"

namespace kelvarin::fuzz {

int run_dates(Input& in) {
    const qint32 year = in.number<qint32>(), ms = in.number<qint32>();
    const qint64 msecs = in.number<qint64>() % (qint64(400) * 366 * 86400 * 1000 * 50);
    allowing(kNone, [&] { object().iFYunNian(year), object().LeaveAway(ms); });
    const QDateTime moment = QDateTime::fromMSecsSinceEpoch(msecs);
    allowing({err::InvalidArgument}, [&] { object().DateTransSecend(moment); });
    return 0;
}

}  // namespace kelvarin::fuzz
