// SPDX-License-Identifier: MIT
// The fuzz harness of CountAinB.

#include "fuzz/fuzz_common.h"

namespace kelvarin::fuzz {

int run_CountAinB(Input& in) {
    const QString a = in.text(), b = in.rest();
    allowing(kNone, [&] { object().CountAinB(a, b), object().iFAinB(a, b); });
    return 0;
}

}  // namespace kelvarin::fuzz
