// SPDX-License-Identifier: MIT
// The lyric reader: an LRC file loaded and sorted, the current line for a playback time, and
// the header tags.

#include <algorithm>
#include <numeric>

#include "runtime/conversion.h"
#include "runtime/number_text.h"
#include "runtime/resume_next.h"
#include "runtime/string_runtime.h"
#include "runtime/text_files.h"
#include "runtime/trace.h"
#include "workout/internal/lyric_store.h"
#include "workout/internal/trace.h"
#include "workout/workout.h"

namespace kelvarin {

qint32 workOut::LRC_Load(QString sFile) {
    LyricStore& store = *m_lyrics;
    store = LyricStore();
    rt::TextFile file;
    try {
        file = rt::readTextFile(filePath(sFile));
    } catch (const workOutError& e) {
        rt::traceFailure(lcLyrics(), __func__, e.number(), e.what(), sFile);
        return 1;
    }
    store = parseLyrics(file.text);
    return 0;
}

QString workOut::LRC_GetTimeStr(qint32 ReadTime, qint32& NextTimeLeft) {
    return lyricAt(*m_lyrics, ReadTime, NextTimeLeft);
}

void workOut::LRC_GetContents(QString& vTi, QString& vAr, QString& Val, QString& vBy,
                              QString& vOffset) {
    const std::array<QString, 5>& head = m_lyrics->head;
    vTi = head[0];
    vAr = head[1];
    Val = head[2];
    vBy = head[3];
    vOffset = head[4];
}

}  // namespace kelvarin
