// SPDX-License-Identifier: MIT
// The fuzz harness of Val.

#include "fuzz/fuzz_common.h"
#include "runtime/number_text.h"

namespace kelvarin::fuzz {

int run_Val(Input& in) {
    const double d = in.number<double>();
    const float f = in.number<float>();
    allowing(kNone, [&] { rt::numberText(d), rt::numberText(f); });
    const QString text = in.rest();
    allowing({err::Overflow}, [&] { rt::Val(text); });
    return 0;
}

}  // namespace kelvarin::fuzz
