// SPDX-License-Identifier: MIT
// The fuzz harness of pathMapping.

#include "fuzz/fuzz_common.h"
#include "workout/path_mapping.h"

namespace kelvarin::fuzz {

int run_pathMapping(Input& in) {
    QList<platform::Drive> drives;
    const int n = in.count(5);
    for (int k = 0; k < n; ++k) {
        platform::Drive d;
        d.letter = QChar(u'C' + k);
        d.mountPoint = k == 0 ? QStringLiteral("/") : in.text();
        drives << d;
    }
    const QString text = in.rest();
    allowing(kNone, [&] {
        const QString linux = toLinuxPath(text, drives);
        toPathText(linux, drives);
        toPathText(text, drives);
    });
    return 0;
}

}  // namespace kelvarin::fuzz
