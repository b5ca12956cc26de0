// SPDX-License-Identifier: MIT
// The fuzz harness of DecTrans.

#include "fuzz/fuzz_common.h"

namespace kelvarin::fuzz {

int run_DecTrans(Input& in) {
    const qint32 base = in.number<qint32>() % 64;
    QString text = in.rest();
    allowing(kNone, [&] { object().DecTrans(text, base); });
    return 0;
}

}  // namespace kelvarin::fuzz
