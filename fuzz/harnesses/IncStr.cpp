// SPDX-License-Identifier: MIT
// The fuzz harness of IncStr.

#include "fuzz/fuzz_common.h"

namespace kelvarin::fuzz {

int run_IncStr(Input& in) {
    const QString a = in.text(), b = in.text(), c = in.text();
    allowing(kNone, [&] { object().IncStr(a, b, c); });
    return 0;
}

}  // namespace kelvarin::fuzz
