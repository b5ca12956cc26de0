// SPDX-License-Identifier: MIT
// The fuzz harness of SearchText.

#include "fuzz/fuzz_common.h"

namespace kelvarin::fuzz {

int run_SearchText(Input& in) {
    const QString read = in.text(), check = in.rest();
    allowing(kNone, [&] { object().SearchText(read, check); });
    return 0;
}

}  // namespace kelvarin::fuzz
