// SPDX-License-Identifier: MIT
// The fuzz harness of GetSubCommandMain.

#include "fuzz/fuzz_common.h"

namespace kelvarin::fuzz {

int run_GetSubCommandMain(Input& in) {
    QStringList names = array(in);
    const qsizetype size = names.size();
    const QString text = in.rest();
    allowing(kNone, [&] { object().GetSubCommandMain(text, names); });
    sameSize(names, size);
    return 0;
}

}  // namespace kelvarin::fuzz
