// SPDX-License-Identifier: MIT
// The fuzz harness of LeftInStr.

#include "fuzz/fuzz_common.h"

namespace kelvarin::fuzz {

int run_LeftInStr(Input& in) {
    const float s = start(in);
    const QString find = in.text(), text = in.rest();
    allowing(kNone, [&] { object().LeftInStr(s, text, find); });
    return 0;
}

}  // namespace kelvarin::fuzz
