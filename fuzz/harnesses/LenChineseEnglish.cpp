// SPDX-License-Identifier: MIT
// The fuzz harness of LenChineseEnglish.

#include "fuzz/fuzz_common.h"

namespace kelvarin::fuzz {

int run_LenChineseEnglish(Input& in) {
    const QString text = in.rest();
    allowing(kNone, [&] { object().LenChineseEnglish(text); });
    return 0;
}

}  // namespace kelvarin::fuzz
