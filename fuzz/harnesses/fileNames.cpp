// SPDX-License-Identifier: MIT
// The fuzz harness of fileNames.

#include "fuzz/fuzz_common.h"

namespace kelvarin::fuzz {

int run_fileNames(Input& in) {
    const bool flag = in.byte() & 1;
    const QString path = in.rest();
    allowing(kNone, [&] {
        object().MainNameA(path, flag), object().MainNameB(path, flag);
        object().MainNameC(path, flag), object().GetMainExp(path, flag);
        object().AddPathChr92(path, flag);
    });
    return 0;
}

}  // namespace kelvarin::fuzz
