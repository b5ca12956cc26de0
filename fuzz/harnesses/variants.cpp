// SPDX-License-Identifier: MIT
// The fuzz harness of variants.

#include "fuzz/fuzz_common.h"
#include "runtime/variant_rules.h"

namespace kelvarin::fuzz {

int run_variants(Input& in) {
    QVariant a = variant(in), b = variant(in);
    allowing(kNone, [&] {
        object().Max(a, b);
        rt::compare(a, b);
        rt::printText(a);
        rt::textOf(b);
        object().Swap(a, b);
    });
    allowing({err::TypeMismatch, err::Overflow}, [&] { rt::toLongValue(a); });
    return 0;
}

}  // namespace kelvarin::fuzz
