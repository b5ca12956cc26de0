// SPDX-License-Identifier: MIT
// The fuzz harness of dialogText.

#include "fuzz/fuzz_common.h"

namespace kelvarin::fuzz {

int run_dialogText(Input& in) {
    QStringList names = array(in);
    const qsizetype size = names.size();
    const qint32 length = in.number<qint32>();
    const QString text = in.rest();
    allowing(kNone, [&] {
        object().GetCommondialogFilename(text, names);
        object().GetMainDir(text);
        object().GetFileLenKBMB(length);
    });
    sameSize(names, size);
    return 0;
}

}  // namespace kelvarin::fuzz
