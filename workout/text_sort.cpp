// SPDX-License-Identifier: MIT
// The text array sort: a range of an array of texts, ascending or descending, in place.

#include <algorithm>

#include "workout/workout.h"

namespace kelvarin {

qint32 workOut::RowHotTime(QStringList& Arrays, qint32 sFrom, qint32 sTo, bool UpDownUpTrue) {
    // A reversed range, or one not wholly inside the array, changes nothing.
    if (sFrom > sTo || sFrom < 0 || sTo >= Arrays.size()) return 0;
    // Two texts compare equal only when they are identical, so every correct sort gives the
    // same array; introsort stays n log n on sorted, reversed and equal input. QString's `<` is
    // the same UTF-16 order as compare(), and calls the comparison of the two texts directly
    // where compare() goes through one call more.
    const auto first = Arrays.begin() + sFrom, last = Arrays.begin() + sTo + 1;
    if (UpDownUpTrue) {
        std::sort(first, last);
    } else {
        std::sort(first, last, [](const QString& a, const QString& b) { return b < a; });
    }
    return 0;
}

}  // namespace kelvarin
