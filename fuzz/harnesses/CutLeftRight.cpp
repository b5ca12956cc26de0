// SPDX-License-Identifier: MIT
// The fuzz harness of CutLeftRight.

#include "fuzz/fuzz_common.h"

namespace kelvarin::fuzz {

int run_CutLeftRight(Input& in) {
    const qint32 n = in.number<qint32>();
    const QString cut = in.text(), text = in.rest();
    QString a, b;
    allowing(kNone, [&] {
        object().CutLeftRight(text, cut, a, b);
        object().Left(text, n);
        object().Right(text, n);
    });
    return 0;
}

}  // namespace kelvarin::fuzz
