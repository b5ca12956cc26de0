// SPDX-License-Identifier: MIT
// The fuzz harness of LUCase.

#include "fuzz/fuzz_common.h"

namespace kelvarin::fuzz {

int run_LUCase(Input& in) {
    const QString a = in.text(), b = in.rest();
    allowing(kNone, [&] { object().LUCase(a, b), object().LUCase(a, a); });
    return 0;
}

}  // namespace kelvarin::fuzz
