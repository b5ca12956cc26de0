// SPDX-License-Identifier: MIT
#pragma once

// Inside the line raster: steep lines that lie side by side, grouped so that a band paints each
// of their rows as one copy of their colours.

#include <cstring>
#include <utility>
#include <vector>

#include "raster/line_raster.h"

namespace kelvarin::raster {

// Consecutive steep lines that lie side by side, one column apart in every row they share:
// - diagonals on neighbouring diagonals, or verticals in neighbouring columns, whose upper ends
//   and lower ends each move one way along the group (in any row the lines that reach it are
//   then a contiguous part of the group), or
// - copies of one line moved sideways by one column each (same rows, same slope).
// The group paints each of its rows as one copy of their colours. No two of its lines share a
// pixel, so painting the group at once in a band paints what its lines would one after another.
struct LineGroup {
    size_t first = 0, end = 0;       // the lines' places in the queue
    bool diagonals = true;           // diagonals (or verticals), or copies of one line
    int sx = 1;                      // the column's move as the rows go down (0: verticals)
    int towards = 1;                 // the next line's column in the same row: +1 or -1
    qint64 column0 = 0;              // diagonals: the first line's column extended to row 0;
                                     // copies: the first line's column at its top
    qint64 adx = 0, ady = 0;         // copies: the slope
    std::vector<int> tops, bottoms;  // rows of each line's ends
    std::vector<quint32> colours;    // left to right as the group lies in a row
    int top = 0, bottom = 0;         // rows the group reaches

    // The lines (0-based in the group) that reach row y: [from, to).
    std::pair<size_t, size_t> reaching(int y) const {
        const size_t n = tops.size();
        if (!diagonals) return {0, n};
        // Lines reach y where top <= y and bottom >= y; each is a prefix or suffix of the group.
        auto firstWhere = [n](auto holds) {  // the first index where holds() turns true
            size_t lo = 0, hi = n;
            while (lo < hi) {
                const size_t mid = (lo + hi) / 2;
                if (holds(mid))
                    hi = mid;
                else
                    lo = mid + 1;
            }
            return lo;
        };
        size_t from = 0, to = n;
        if (tops.front() <= tops.back())  // rising tops: a prefix has top <= y
            to = std::min(to, firstWhere([&](size_t j) { return tops[j] > y; }));
        else
            from = std::max(from, firstWhere([&](size_t j) { return tops[j] <= y; }));
        if (bottoms.front() <= bottoms.back())  // rising bottoms: a suffix has bottom >= y
            from = std::max(from, firstWhere([&](size_t j) { return bottoms[j] >= y; }));
        else
            to = std::min(to, firstWhere([&](size_t j) { return bottoms[j] < y; }));
        return {from, std::max(from, to)};
    }

    // The first line's column in row y (extended beyond its ends for diagonals).
    qint64 firstColumn(int y) const {
        if (diagonals) return column0 + qint64(sx) * y;
        const qint64 n = y - top;
        return column0 + sx * ((2 * n * adx + ady) / (2 * ady));
    }

    void paintRows(quint32* bits, qsizetype stride, int bandTop, int bandBottom) const {
        const int from = std::max(bandTop, top), to = std::min(bandBottom, bottom);
        const size_t n = tops.size();
        for (int y = from; y <= to; ++y) {
            const auto [a, b] = reaching(y);
            if (a >= b) continue;
            // Columns of lines a and b - 1 in row y; the row's copy starts at the leftmost.
            const qint64 columnA = firstColumn(y) + qint64(towards) * qint64(a);
            const qint64 left = towards > 0 ? columnA : columnA - qint64(b - 1 - a);
            const size_t colour = towards > 0 ? a : n - b;
            std::memcpy(bits + y * stride + left, colours.data() + colour,
                        (b - a) * sizeof(quint32));
        }
    }
};

// The queued lines in order: a LineGroup of two lines or more, or a line on its own.
struct Item {
    size_t line;     // a line on its own, or the group's first line
    int group = -1;  // the group's index, or -1
};

// Splits the queued lines into items in their order: groups of two lines or more, and lines on
// their own.
void groupLines(const std::vector<PixelLine>& lines, std::vector<Item>& items,
                std::vector<LineGroup>& groups);

}  // namespace kelvarin::raster
