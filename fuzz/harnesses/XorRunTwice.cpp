// SPDX-License-Identifier: MIT
// The fuzz harness of XorRunTwice.

#include "fuzz/fuzz_common.h"

namespace kelvarin::fuzz {

int run_XorRunTwice(Input& in) {
    QString a = in.text(), b = in.rest();
    allowing(kNone, [&] { object().XorRunTwice(a, b); });
    return 0;
}

}  // namespace kelvarin::fuzz
