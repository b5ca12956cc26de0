// SPDX-License-Identifier: MIT
// The fuzz harness of DelCharsBetween.

#include "fuzz/fuzz_common.h"

namespace kelvarin::fuzz {

int run_DelCharsBetween(Input& in) {
    const QString two = in.text(), text = in.rest();
    QString include;
    allowing(kNone, [&] { object().DelCharsBetween(text, include, two); });
    return 0;
}

}  // namespace kelvarin::fuzz
