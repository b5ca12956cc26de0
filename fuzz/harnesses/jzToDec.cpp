// SPDX-License-Identifier: MIT
// The fuzz harness of jzToDec.

#include "fuzz/fuzz_common.h"

namespace kelvarin::fuzz {

int run_jzToDec(Input& in) {
    const QString text = in.text();
    // Any base from -128 to 127, the wrong ones included.
    const qint32 base = static_cast<qint32>(in.byte()) - 128;
    bool wrong = false;
    allowing(kNone, [&] { object().jzToDec(text, base, wrong); });
    return 0;
}

}  // namespace kelvarin::fuzz
