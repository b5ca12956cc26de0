// SPDX-License-Identifier: MIT
// The fuzz harness of jzToDec.

#include "fuzz/fuzz_common.h"

namespace kelvarin::fuzz {

int run_jzToDec(Input& in) {
    const QString text = in.text();
    const qint32 base = static_cast<qint32>(static_cast<qint8>(in.byte()));
    bool wrong = false;
    allowing(kNone, [&] { object().jzToDec(text, base, wrong); });
    return 0;
}

}  // namespace kelvarin::fuzz
