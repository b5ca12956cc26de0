// SPDX-License-Identifier: MIT
// The fuzz harness of lyrics.

#include "fuzz/fuzz_common.h"

namespace kelvarin::fuzz {

int run_lyrics(Input& in) {
    qint32 times[4];
    for (qint32& t : times)
        t = in.number<qint32>();
    const QString file = scratch("song.lrc");
    writeFile(file, in.restBytes());
    workOut& w = object();
    allowing(kNone, [&] {
        w.LRC_Load(file);
        for (const qint32 t : times) {
            qint32 left = 0;
            w.LRC_GetTimeStr(t, left);
        }
        QString a, b, c, d, e;
        w.LRC_GetContents(a, b, c, d, e);
    });
    return 0;
}

}  // namespace kelvarin::fuzz
