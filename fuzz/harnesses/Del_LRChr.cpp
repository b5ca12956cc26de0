// SPDX-License-Identifier: MIT
// The fuzz harness of Del_LRChr.

#include "fuzz/fuzz_common.h"

namespace kelvarin::fuzz {

int run_Del_LRChr(Input& in) {
    const QString set = in.text(), text = in.rest();
    allowing(kNone, [&] { object().Del_LRChr(text, set); });
    return 0;
}

}  // namespace kelvarin::fuzz
