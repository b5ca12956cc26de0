// SPDX-License-Identifier: MIT
// The fuzz harness of replaceFormat.

#include "fuzz/fuzz_common.h"

namespace kelvarin::fuzz {

int run_replaceFormat(Input& in) {
    // Lengths far beyond the input, up to and past the longest text, are worth trying too.
    const qint32 lent = in.byte() & 1 ? in.number<qint32>() : in.count(64) - 8;
    const QString text = in.rest();
    const qint64 zeros = text.contains(u'.') ? (lent < 1 ? 1 : qint64(lent) - 2)
                                             : std::max<qint64>(0, qint64(lent) - text.size());
    if (slowButFine(text.size() + zeros)) return 0;
    allowing({err::InvalidArgument, err::OutOfStringSpace},
             [&] { object().replaceFormat(text, lent); });
    return 0;
}

}  // namespace kelvarin::fuzz
