// SPDX-License-Identifier: MIT
// The lyric parser: the text of an LRC file into the store's header tags and time-sorted entries.

#include <algorithm>
#include <deque>
#include <numeric>

#include "runtime/conversion.h"
#include "runtime/number_text.h"
#include "runtime/resume_next.h"
#include "runtime/string_runtime.h"
#include "runtime/text_files.h"
#include "workout/internal/lyric_store.h"
#include "workout/internal/trace.h"

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
        rt::ResumeNext rn(lcLyrics(), "LRC_Load");
        rn([&] { v = rt::Val(tag.mid(from, 2)); });
        return v;
    };
    return (value(0) * 60 + value(3)) * 1000 + value(6) * 10;
}

// The text between the first and the last character that is no "[" or "]".
QStringView stripBrackets(QStringView text) {
    auto bracket = [](QChar c) { return c == u'[' || c == u']'; };
    qsizetype lo = 0, hi = text.size();
    while (lo < hi && bracket(text[lo]))
        ++lo;
    while (hi > lo && bracket(text[hi - 1]))
        --hi;
    return text.mid(lo, hi - lo);
}

}  // namespace

// The passes of the exchange sort take each place's smallest key from the places after it; the
// keys come out in ascending order, and only the order of equal keys needs working out. For a
// key v it follows from the keys up to v alone: scanned in their order, the places holding v form
// a queue, and every smaller key met once the queue holds any moves its front to its back (the
// pass that takes that smaller key on moves the first v to where it was, past the other v's
// before it). The smaller keys between two v's are counted with a Fenwick tree over the places,
// filled key by key from the smallest.
std::vector<qsizetype> exchangeSortOrder(const std::vector<qint32>& keys) {
    const qsizetype n = static_cast<qsizetype>(keys.size());
    std::vector<qsizetype> byKey(static_cast<size_t>(n));
    for (qsizetype k = 0; k < n; ++k)
        byKey[static_cast<size_t>(k)] = k;
    std::stable_sort(byKey.begin(), byKey.end(), [&](qsizetype a, qsizetype b) {
        return keys[static_cast<size_t>(a)] < keys[static_cast<size_t>(b)];
    });
    std::vector<qint32> tree(static_cast<size_t>(n) + 1, 0);  // places of the keys taken so far
    auto mark = [&](qsizetype place) {
        for (qsizetype i = place + 1; i <= n; i += i & -i)
            ++tree[static_cast<size_t>(i)];
    };
    auto before = [&](qsizetype place) {  // marked places below place
        qint64 count = 0;
        for (qsizetype i = place; i > 0; i -= i & -i)
            count += tree[static_cast<size_t>(i)];
        return count;
    };
    std::vector<qsizetype> order;
    order.reserve(static_cast<size_t>(n));
    std::deque<qsizetype> queue;
    for (qsizetype from = 0; from < n;) {
        qsizetype to = from;
        while (to < n && keys[static_cast<size_t>(byKey[static_cast<size_t>(to)])] ==
                             keys[static_cast<size_t>(byKey[static_cast<size_t>(from)])])
            ++to;
        queue.clear();
        for (qsizetype k = from; k < to; ++k) {
            const qsizetype place = byKey[static_cast<size_t>(k)];
            const qsizetype next = k + 1 < to ? byKey[static_cast<size_t>(k + 1)] : n;
            queue.push_back(place);
            // Turns of the queue that bring it back where it was change nothing.
            qint64 turns = (before(next) - before(place + 1)) % static_cast<qint64>(queue.size());
            for (; turns > 0 && to - from > 1; --turns) {
                queue.push_back(queue.front());
                queue.pop_front();
            }
        }
        order.insert(order.end(), queue.begin(), queue.end());
        for (qsizetype k = from; k < to; ++k)
            mark(byKey[static_cast<size_t>(k)]);
        from = to;
    }
    return order;
}

LyricStore parseLyrics(QStringView text) {
    LyricStore store;
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
    // The lines are read in place, as views of the text: a long file is not copied line by line.
    bool ignoreTheRest = false;
    rt::forEachLine(text, [&](QStringView raw) {
        if (ignoreTheRest) return;
        QStringView line = rt::trimSpaces(raw);
        if (line.isEmpty()) return;
        if (full()) {  // later lines are ignored
            ignoreTheRest = true;
            return;
        }
        // A line that ends in "]" reads as if a space followed it.
        QString padded;
        if (line.endsWith(u']')) {
            padded = line.toString() + u' ';
            line = padded;
        }
        QStringView view = stripBrackets(line);
        const int header = headerIndex(view);
        if (header >= 0) {
            LyricEntry& e = current();
            const qsizetype skip = header == 4 ? 7 : 3;
            e.tag = header == 4 ? QStringLiteral("offset") : view.left(2).toString();
            if (view.size() - skip - 2 >= 0)
                e.text = view.mid(skip, view.size() - skip - 2).toString();
            return;
        }
        // A lyric line: its text follows the last "]"; each time tag in front gives an entry.
        const qsizetype bracket = view.lastIndexOf(u']');
        const QString text = bracket < 0 ? QString() : view.mid(bracket + 1).toString();
        // The tags are taken eight characters at a time from the front of a view that only
        // moves forward; its end stops moving once it holds no bracket, so whether a bracket
        // is left is one comparison with the last bracket before that end.
        qsizetype lastBracket = -1;
        for (;;) {
            const QStringView tag = view.left(8);
            // A tag that is no time gives no entry: it would make the line before it current
            // for the rest of the song.
            if (tag.size() >= 2 && isDigit(tag[1]) && !full()) {
                LyricEntry& e = current();
                e.tag = tag.toString();
                e.text = text;
            }
            const QStringView next = stripBrackets(view.mid(std::min<qsizetype>(8, view.size())));
            const bool endMoved = next.isEmpty() || next.constEnd() != view.constEnd();
            view = next;
            if (endMoved || lastBracket < 0) {
                lastBracket = -1;
                for (qsizetype k = view.size() - 1; k >= 0; --k) {
                    if (view[k] == u'[' || view[k] == u']') {
                        lastBracket = view.constData() + k - line.constData();
                        break;
                    }
                }
            }
            // More than 1,000 entries: a line's further tags are ignored.
            const bool more = lastBracket >= view.constData() - line.constData();
            if (!more || static_cast<qsizetype>(entries.size()) > 1000) break;
        }
    });
    if (!entries.empty() && entries.back().tag.isEmpty()) entries.pop_back();

    // Times and header values; the first tag of each name in the file wins.
    qsizetype firstTimed = -1;
    std::array<bool, 5> seen{};
    for (qsizetype t = 0; t < static_cast<qsizetype>(entries.size()); ++t) {
        LyricEntry& e = entries[static_cast<size_t>(t)];
        if (firstTimed < 0 && !e.tag.isEmpty() && isDigit(e.tag[0])) firstTimed = t;
        const double ms = millisecondsOf(e.tag);
        rt::ResumeNext rn(lcLyrics(), __func__);
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
    if (firstTimed < 0) return store;

    // The exchange sort by time text, in character-code order: for each place, every later
    // entry whose text is smaller takes the place, and the one there goes to where it was. Its
    // result is worked out without its quadratic passes (exchangeSortOrder).
    const qsizetype last = static_cast<qsizetype>(entries.size()) - 1;
    std::vector<QString> distinct;
    for (qsizetype t = firstTimed; t <= last; ++t)
        distinct.push_back(entries[static_cast<size_t>(t)].tag);
    std::sort(distinct.begin(), distinct.end(),
              [](const QString& a, const QString& b) { return a.compare(b) < 0; });
    distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
    std::vector<qint32> rank;
    for (qsizetype t = firstTimed; t <= last; ++t) {
        const QString& tag = entries[static_cast<size_t>(t)].tag;
        rank.push_back(static_cast<qint32>(
            std::lower_bound(distinct.begin(), distinct.end(), tag,
                             [](const QString& a, const QString& b) { return a.compare(b) < 0; }) -
            distinct.begin()));
    }
    const std::vector<qsizetype> order = exchangeSortOrder(rank);
    const size_t n = order.size();
    std::vector<LyricEntry> sorted;
    sorted.reserve(n);
    for (size_t k = 0; k < n; ++k)
        sorted.push_back(std::move(entries[static_cast<size_t>(firstTimed + order[k])]));
    std::move(sorted.begin(), sorted.end(), entries.begin() + firstTimed);
    return store;
}

QString lyricAt(const LyricStore& store, qint32 ReadTime, qint32& NextTimeLeft) {
    const std::vector<LyricEntry>& entries = store.entries;
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
            rt::ResumeNext rn(lcLyrics(), "LRC_GetTimeStr");
            rn([&] {
                NextTimeLeft = rt::toLong(static_cast<double>(entries[i + 1].time) - e.time + 1);
            });
        }
        return e.text;
    }
    return QString();
}

}  // namespace kelvarin
