// SPDX-License-Identifier: MIT
// The lyric reader: an LRC file loaded and sorted, the current line for a playback time, and
// the header tags.

#include <algorithm>
#include <numeric>

#include "platform/conversion.h"
#include "platform/number_text.h"
#include "platform/resume_next.h"
#include "platform/string_runtime.h"
#include "platform/text_files.h"
#include "workout/lyric_store.h"
#include "workout/workout.h"

namespace kelvarin {

namespace {

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// The five header tags by their first two letters, in the order of the head.
int headerIndex(QStringView line) {
    const QString two = line.left(2).toString().toLower();
    static const QString names[5] = {QStringLiteral("ti"), QStringLiteral("ar"),
                                     QStringLiteral("al"), QStringLiteral("by"),
                                     QStringLiteral("of")};
    for (int k = 0; k < 5; ++k) {
        if (two == names[k]) return k;
    }
    return -1;
}

// Milliseconds of a time text mm:ss.xx: each pair read as the number it begins with.
double millisecondsOf(const QString& tag) {
    auto value = [&tag](qsizetype from) {
        double v = 0.0;
        rt::ResumeNext rn;
        rn([&] { v = rt::Val(tag.mid(from, 2)); });
        return v;
    };
    return (value(0) * 60 + value(3)) * 1000 + value(6) * 10;
}

}  // namespace

qint32 workOut::LRC_Load(QString sFile) {
    LyricStore& store = *m_lyrics;
    store = LyricStore();
    platform::TextFile file;
    try {
        file = platform::readTextFile(filePath(sFile));
    } catch (const workOutError&) {
        return 1;
    }
    std::vector<LyricEntry>& entries = store.entries;
    // The entry being filled is entries.back() while it has no tag yet.
    auto current = [&entries]() -> LyricEntry& {
        if (entries.empty() || !entries.back().tag.isEmpty()) entries.emplace_back();
        return entries.back();
    };
    auto full = [&entries] {
        return static_cast<qsizetype>(entries.size()) >= LyricStore::kMostEntries &&
               !entries.back().tag.isEmpty();
    };
    for (const QString& raw : platform::splitLines(file.text)) {
        QString line = rt::trimSpaces(raw);
        if (line.isEmpty()) continue;
        if (full()) break;  // later lines are ignored
        if (line.endsWith(u']')) line += u' ';
        line = Del_LRChr(line, QStringLiteral("[]"));
        const int header = headerIndex(line);
        if (header >= 0) {
            LyricEntry& e = current();
            const qsizetype skip = header == 4 ? 7 : 3;
            e.tag = header == 4 ? QStringLiteral("offset") : line.left(2);
            if (line.size() - skip - 2 >= 0) e.text = line.mid(skip, line.size() - skip - 2);
            continue;
        }
        // A lyric line: its text follows the last "]"; each time tag in front gives an entry.
        const qsizetype bracket = line.lastIndexOf(u']');
        const QString text = bracket < 0 ? QString() : line.mid(bracket + 1);
        for (;;) {
            const QString tag = line.left(8);
            // A tag that is no time gives no entry: it would make the line before it current
            // for the rest of the song.
            if (tag.size() >= 2 && isDigit(tag[1]) && !full()) {
                LyricEntry& e = current();
                e.tag = tag;
                e.text = text;
            }
            line = Del_LRChr(line.mid(8), QStringLiteral("[]"));
            // More than 1,000 entries: a line's further tags are ignored.
            const bool more = line.contains(u'[') || line.contains(u']');
            if (!more || static_cast<qsizetype>(entries.size()) > 1000) break;
        }
    }
    if (!entries.empty() && entries.back().tag.isEmpty()) entries.pop_back();

    // Times and header values; the first tag of each name in the file wins.
    qsizetype firstTimed = -1;
    std::array<bool, 5> seen{};
    for (qsizetype t = 0; t < static_cast<qsizetype>(entries.size()); ++t) {
        LyricEntry& e = entries[static_cast<size_t>(t)];
        if (firstTimed < 0 && !e.tag.isEmpty() && isDigit(e.tag[0])) firstTimed = t;
        const double ms = millisecondsOf(e.tag);
        rt::ResumeNext rn;
        rn([&] {
            e.time = rt::toLong(ms);
            e.milliseconds = e.time == 0 ? QString() : QString::number(e.time);
        });
        const int header = headerIndex(e.tag);
        if (header >= 0 && !seen[static_cast<size_t>(header)]) {
            seen[static_cast<size_t>(header)] = true;
            store.head[static_cast<size_t>(header)] = e.text;
        }
    }
    if (firstTimed < 0) return 0;

    // The exchange sort by time text, in character-code order: for each place, every later
    // entry whose text is smaller takes the place, and the one there goes to where it was. The
    // texts are ranked once, so the passes compare numbers.
    const qsizetype last = static_cast<qsizetype>(entries.size()) - 1;
    std::vector<QString> distinct;
    for (qsizetype t = firstTimed; t <= last; ++t)
        distinct.push_back(entries[static_cast<size_t>(t)].tag);
    std::sort(distinct.begin(), distinct.end(),
              [](const QString& a, const QString& b) { return a.compare(b) < 0; });
    distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
    std::vector<qint32> rank;
    std::vector<qsizetype> order;
    for (qsizetype t = firstTimed; t <= last; ++t) {
        const QString& tag = entries[static_cast<size_t>(t)].tag;
        rank.push_back(static_cast<qint32>(
            std::lower_bound(distinct.begin(), distinct.end(), tag,
                             [](const QString& a, const QString& b) { return a.compare(b) < 0; }) -
            distinct.begin()));
        order.push_back(t);
    }
    const size_t n = rank.size();
    for (size_t t = 0; t < n; ++t) {
        for (size_t u = t + 1; u < n; ++u) {
            if (rank[t] > rank[u]) {
                std::swap(rank[t], rank[u]);
                std::swap(order[t], order[u]);
            }
        }
    }
    std::vector<LyricEntry> sorted;
    sorted.reserve(n);
    for (size_t k = 0; k < n; ++k)
        sorted.push_back(std::move(entries[static_cast<size_t>(order[k])]));
    std::move(sorted.begin(), sorted.end(), entries.begin() + firstTimed);
    return 0;
}

QString workOut::LRC_GetTimeStr(qint32 ReadTime, qint32& NextTimeLeft) {
    const std::vector<LyricEntry>& entries = m_lyrics->entries;
    // The first entry that started strictly before ReadTime and whose next entry starts strictly
    // after it, or has no time. After the last entry there is always an empty one.
    const size_t n = entries.size();
    for (size_t i = 0; i < n; ++i) {
        const LyricEntry& e = entries[i];
        if (e.milliseconds.isEmpty() || e.time >= ReadTime) continue;
        const bool nextTimed = i + 1 < n && !entries[i + 1].milliseconds.isEmpty();
        if (nextTimed && entries[i + 1].time <= ReadTime) continue;
        NextTimeLeft = 0;
        if (nextTimed) {
            rt::ResumeNext rn;
            rn([&] {
                NextTimeLeft = rt::toLong(static_cast<double>(entries[i + 1].time) - e.time + 1);
            });
        }
        return e.text;
    }
    return QString();
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
