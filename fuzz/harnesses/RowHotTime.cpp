// SPDX-License-Identifier: MIT
// The fuzz harness of RowHotTime.

#include "fuzz/fuzz_common.h"

namespace kelvarin::fuzz {

int run_RowHotTime(Input& in) {
    const qint32 from = in.count(12) - 2, to = in.count(12) - 2;
    const bool up = in.byte() & 1;
    QStringList texts;
    while (!in.empty() && texts.size() < 64)
        texts << in.text();
    const QStringList before = texts;
    allowing(kNone, [&] { object().RowHotTime(texts, from, to, up); });
    sameSize(texts, before.size());
    for (qsizetype k = 0; k < texts.size(); ++k) {
        const bool inside = from <= to && from >= 0 && to < texts.size() && k >= from && k <= to;
        if (!inside && texts[k] != before[k]) finding("an element outside the range changed");
        if (inside && k > from &&
            (up ? texts[k - 1].compare(texts[k]) > 0 : texts[k - 1].compare(texts[k]) < 0))
            finding("the range is not in order");
    }
    return 0;
}

}  // namespace kelvarin::fuzz
