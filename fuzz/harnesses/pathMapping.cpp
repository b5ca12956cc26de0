// SPDX-License-Identifier: MIT
// The fuzz harness of pathMapping.

#include "fuzz/fuzz_common.h"
#include "workout/internal/path_mapping.h"

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
    // A drive not in the table or a share is path-not-found, a NUL a bad name; never an empty
    // path, and never a path above the drive's root.
    allowing({err::PathNotFound, err::BadFileName}, [&] {
        const QString linux = toLinuxPath(text, drives);
        if (linux.isEmpty() && !text.isEmpty()) finding("a path text mapped to nothing");
        const bool lettered =
            text.size() >= 2 && text[1] == u':' && text[0].isLetter() && text[0].unicode() < 128;
        if (lettered) {
            const QString root = platform::driveOf(drives, text[0])->mountPoint;
            if (!(root == u"/" || linux == root + u'/' || linux.startsWith(root + u'/')))
                finding("a path above its drive's root");
        }
        toPathText(linux, drives);
    });
    allowing(kNone, [&] { toPathText(text, drives); });
    return 0;
}

}  // namespace kelvarin::fuzz
