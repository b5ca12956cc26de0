// SPDX-License-Identifier: MIT
// The fuzz harness of plusMinus.

#include "fuzz/fuzz_common.h"

namespace kelvarin::fuzz {

int run_plusMinus(Input& in) {
    QString text = in.rest();
    allowing({err::Overflow}, [&] { object().plusMinus(text); });
    return 0;
}

}  // namespace kelvarin::fuzz
