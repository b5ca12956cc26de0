// SPDX-License-Identifier: MIT
// The fuzz harness of lyrics.

#include <algorithm>

#include "fuzz/fuzz_common.h"

namespace kelvarin::fuzz {

int run_lyrics(Input& in) {
    qint32 times[4];
    for (qint32& t : times)
        t = in.number<qint32>();
    // Now and then the rest is repeated to about a megabyte: one long line of tags must still
    // take linear time, or the harness's time limit finds it.
    const bool amplify = (in.byte() & 0x80) != 0;
    QByteArray bytes = in.restBytes();
    if (amplify && !bytes.isEmpty())
        bytes = bytes.repeated(std::max<qsizetype>(1, (1 << 20) / bytes.size()));
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
