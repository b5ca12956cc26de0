// SPDX-License-Identifier: MIT
// The fuzz harness of pGetCartoonNum.

#include "fuzz/fuzz_common.h"

namespace kelvarin::fuzz {

int run_pGetCartoonNum(Input& in) {
    QString name = in.rest();
    allowing({err::InvalidArgument, err::TypeMismatch, err::Overflow},
             [&] { object().pGetCartoonNum(name); });
    return 0;
}

}  // namespace kelvarin::fuzz
