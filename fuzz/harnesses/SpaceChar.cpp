// SPDX-License-Identifier: MIT
// The fuzz harness of SpaceChar.

#include "fuzz/fuzz_common.h"

namespace kelvarin::fuzz {

int run_SpaceChar(Input& in) {
    const qint32 num = in.byte() & 1 ? in.number<qint32>() : in.count(16) - 2;
    const QString text = in.rest();
    if (slowButFine(text.size() * (qint64(num) + 1))) return 0;
    allowing({err::InvalidArgument, err::OutOfStringSpace}, [&] { object().SpaceChar(text, num); });
    return 0;
}

}  // namespace kelvarin::fuzz
