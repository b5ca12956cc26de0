// SPDX-License-Identifier: MIT
// The fuzz harness of Between.

#include "fuzz/fuzz_common.h"

namespace kelvarin::fuzz {

int run_Between(Input& in) {
    const QString l = in.text(), r = in.text(), text = in.rest();
    allowing({err::InvalidArgument, err::Overflow}, [&] { object().GetLRBetween(text, l, r); });
    allowing({err::InvalidArgument, err::Overflow}, [&] { object().GetLLBetween(text, l, r); });
    return 0;
}

}  // namespace kelvarin::fuzz
