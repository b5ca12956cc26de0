// SPDX-License-Identifier: MIT
// The fuzz harness of FormatNum.

#include "fuzz/fuzz_common.h"

namespace kelvarin::fuzz {

int run_FormatNum(Input& in) {
    const float f = in.number<float>();
    allowing(kNone, [&] { object().FormatNum(f); });
    return 0;
}

}  // namespace kelvarin::fuzz
