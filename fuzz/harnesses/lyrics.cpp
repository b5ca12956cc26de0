// SPDX-License-Identifier: MIT
// The fuzz harness of lyrics.

#include <algorithm>

#include "fuzz/fuzz_common.h"

namespace kelvarin::fuzz {

int run_lyrics(Input& in) {
    qint32 times[4];
    for (qint32& t : times)
        t = in.number<qint32>();
    // Now and then the rest is made one line and repeated to about a megabyte: a long line of
    // tags must still take linear time, or the harness's time limit finds it. (Many lines give
    // many entries, whose sort is bounded by the 32,767 entries a file may have.)
    const bool amplify = (in.byte() & 0x80) != 0;
    QByteArray bytes = in.restBytes();
    if (amplify && !bytes.isEmpty()) {
        bytes.replace('\r', ' ').replace('\n', ' ');
        bytes = bytes.repeated(std::max<qsizetype>(1, (1 << 20) / bytes.size()));
    }
    const QString file = scratch("song.lrc");
    writeFile(file, bytes);
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
