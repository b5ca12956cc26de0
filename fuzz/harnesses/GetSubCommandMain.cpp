// SPDX-License-Identifier: MIT
// The fuzz harness of GetSubCommandMain.

#include <algorithm>

#include "fuzz/fuzz_common.h"

namespace kelvarin::fuzz {

int run_GetSubCommandMain(Input& in) {
    QStringList names = array(in);
    const qsizetype size = names.size();
    // Now and then the rest is repeated to about 400,000 characters: a quote and many spaces
    // must still take linear time, or the harness's time limit finds it.
    const bool amplify = (in.byte() & 0x80) != 0;
    QString text = in.rest();
    if (amplify && !text.isEmpty())
        text = text.repeated(std::max<qsizetype>(1, 400000 / text.size()));
    allowing(kNone, [&] { object().GetSubCommandMain(text, names); });
    sameSize(names, size);
    return 0;
}

}  // namespace kelvarin::fuzz
