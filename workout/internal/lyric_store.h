// SPDX-License-Identifier: MIT
#pragma once

// The lyric store: the header tags of the lyric file last loaded, and its entries in order of
// their time texts. An entry holds its time in milliseconds as text (empty for 0), its time text
// or header tag name, and its lyric text or header value.

#include <QString>
#include <QStringView>

#include <array>
#include <vector>

namespace kelvarin {

struct LyricEntry {
    QString milliseconds;  // decimal text; empty for a header and for a time of 0
    QString tag;           // the time text as read (00:12.34), or the header tag's name
    QString text;          // the lyric text, or the header tag's value
    qint64 time = 0;       // milliseconds as a number, for the lookups
};

struct LyricStore {
    // The most entries a file gives: a counter of 16 bits numbers them from 0 to 32,766.
    static constexpr qsizetype kMostEntries = 32767;

    std::array<QString, 5> head;  // ti, ar, al, by, offset
    std::vector<LyricEntry> entries;
};

// The store of the text of an LRC file: the lines, split at CR LF, LF or CR and trimmed of
// spaces, give header tags (ti, ar, al, by, offset: the first of each name wins) and one entry
// for every time tag in front of a lyric; the entries from the first time on are sorted by their
// time texts in character-code order. Linear in the length of each line.
LyricStore parseLyrics(QStringView text);

// Where the exchange sort puts the keys (for each place t from the first, every later place u
// whose key is smaller than t's exchanges with t): the original index of each place's key after
// the sort. Equal keys are not exchanged with each other, but one passed over when a smaller key
// moves a larger one on may come after it. Worked out without the quadratic passes.
std::vector<qsizetype> exchangeSortOrder(const std::vector<qint32>& keys);

// The lyric current at ReadTime milliseconds: the first entry that started strictly before it and
// whose next entry starts strictly after it, or has no time. NextTimeLeft becomes the length of
// that line + 1 (0 for the last); "" and NextTimeLeft unchanged before the first line.
QString lyricAt(const LyricStore& store, qint32 ReadTime, qint32& NextTimeLeft);

}  // namespace kelvarin
