// SPDX-License-Identifier: MIT
// The fuzz harness of SpaceWords.

#include "fuzz/fuzz_common.h"

namespace kelvarin::fuzz {

int run_SpaceWords(Input& in) {
    QStringList words = array(in);
    const qsizetype size = words.size();
    QString text = in.rest();
    allowing(kNone, [&] { object().SpaceWords(text, words); });
    sameSize(words, size);
    return 0;
}

}  // namespace kelvarin::fuzz
