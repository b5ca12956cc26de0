// SPDX-License-Identifier: MIT
// The fuzz harness of XorTwice.

#include "fuzz/fuzz_common.h"

namespace kelvarin::fuzz {

int run_XorTwice(Input& in) {
    const QString text = in.rest();
    allowing(kNone, [&] { object().XorTwice(text); });
    return 0;
}

}  // namespace kelvarin::fuzz
