// SPDX-License-Identifier: MIT
// The fuzz harness of RightInStr.

#include "fuzz/fuzz_common.h"

namespace kelvarin::fuzz {

int run_RightInStr(Input& in) {
    const float s = start(in);
    const QString find = in.text(), text = in.rest();
    allowing(kNone, [&] { object().RightInStr(s, text, find); });
    return 0;
}

}  // namespace kelvarin::fuzz
