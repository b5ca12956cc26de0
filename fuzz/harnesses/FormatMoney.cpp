// SPDX-License-Identifier: MIT
// The fuzz harness of FormatMoney.

#include "fuzz/fuzz_common.h"

namespace kelvarin::fuzz {

int run_FormatMoney(Input& in) {
    const QString text = in.rest();
    allowing(kNone, [&] { object().FormatMoney(text); });
    return 0;
}

}  // namespace kelvarin::fuzz
