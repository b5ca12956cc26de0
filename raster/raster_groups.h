// SPDX-License-Identifier: MIT
#pragma once

// Inside the line raster: steep lines that lie side by side, grouped so that a band paints each
// of their rows as one copy of their colours.

#include <algorithm>
#include <utility>
#include <vector>

#include "raster/line_raster.h"
#include "raster/raster_steep.h"

namespace kelvarin::raster {

// Consecutive steep lines that lie side by side, one column apart in every row they share:
// - diagonals on neighbouring diagonals, or verticals in neighbouring columns, whose upper ends
//   and lower ends each move one way along the group (in any row the lines that reach it are
//   then a contiguous part of the group), or
// - copies of one line moved sideways by one column each (same rows, same slope).
// The group paints each of its rows as one copy of their colours. No two of its lines share a
// pixel, so painting the group at once in a band paints what its lines would one after another.
// A diagonal group may hold lines one column short of a diagonal (the diagonal gradients' lines
// to a corner): such a line is a diagonal down to the row past its middle, where it stays in its
// column once ("jogs") and goes on one diagonal over. When the lines' jog rows move one way along
// the group, the lines of a row past their jog are a contiguous part too; a row is then painted
// as two copies, the lines' order kept where one's pixel covers its neighbour's.
struct LineGroup {
    size_t first = 0, end = 0;       // the lines' places in the queue
    bool diagonals = true;           // diagonals (or verticals), or copies of one line
    int sx = 1;                      // the column's move as the rows go down (0: verticals)
    int towards = 1;                 // the next line's column in the same row: +1 or -1
    qint64 column0 = 0;              // diagonals: the first line's column extended to row 0;
                                     // copies: the first line's column at its top
    qint64 adx = 0, ady = 0;         // copies: the slope
    std::vector<int> tops, bottoms;  // rows of each line's ends
    std::vector<int> jogs;           // diagonals: each line's jog row (past its bottom: none)
    bool jogging = false;            // some line of the group jogs
    std::vector<quint32> colours;    // left to right as the group lies in a row
    std::vector<size_t> runEnds;     // where each run of one colour in `colours` ends, when the
                                     // runs are long enough to fill rather than copy
    int top = 0, bottom = 0;         // rows the group reaches

    // The lines (0-based in the group) that reach row y: [from, to).
    std::pair<size_t, size_t> reaching(int y) const {
        const size_t n = tops.size();
        if (!diagonals) return {0, n};
        // Lines reach y where top <= y and bottom >= y; each is a prefix or suffix of the group.
        auto firstWhere = [n](auto holds) { return LineGroup::firstWhere(n, holds); };
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

    // Calls span(left, count, colour) for the parts of row y the group covers, in the order its
    // lines paint them: `count` pixels from column `left`, their colours from colours[colour]
    // on. Where the lines past their jog meet the others, the two parts share a pixel: the later
    // part's colour is the one its line leaves there.
    template <class Span>
    void rowSpans(int y, Span&& span) const {
        if (y < top || y > bottom) return;
        const size_t n = tops.size();
        // Lines p to q - 1 in row y, moved `back` columns against their slope.
        auto part = [&](size_t p, size_t q, qint64 back) {
            if (p >= q) return;
            // Columns of lines p and q - 1 in row y; the part starts at the leftmost.
            const qint64 columnP = firstColumn(y) + qint64(towards) * qint64(p) - back * sx;
            const qint64 left = towards > 0 ? columnP : columnP - qint64(q - 1 - p);
            span(left, q - p, towards > 0 ? p : n - q);
        };
        const auto [a, b] = reaching(y);
        if (a >= b) return;
        if (!jogging) {
            part(a, b, 0);
            return;
        }
        // The lines past their jog: a prefix of a to b when jog rows rise along the group,
        // a suffix when they fall. In the lines' order.
        if (jogs.front() <= jogs.back()) {
            const size_t m = std::clamp(firstWhere(n, [&](size_t j) { return jogs[j] > y; }), a, b);
            part(a, m, 1);
            part(m, b, 0);
        } else {
            const size_t m =
                std::clamp(firstWhere(n, [&](size_t j) { return jogs[j] <= y; }), a, b);
            part(a, m, 0);
            part(m, b, 1);
        }
    }

    // Writes `count` of the group's colours from colours[colour] on to `row`.
    void paintSpan(quint32* row, size_t count, size_t colour) const {
        if (runEnds.empty()) {
            copyRun(row, colours.data() + colour, count);
            return;
        }
        // A gradient's neighbouring lines mostly share a colour: a fill of each run stores what
        // the copy would, without loading it.
        fillColourRuns(row, colours.data(), runEnds, colour, colour + count);
    }

    void paintRows(quint32* bits, qsizetype stride, int bandTop, int bandBottom) const {
        for (int y = std::max(bandTop, top); y <= std::min(bandBottom, bottom); ++y) {
            quint32* const row = bits + y * stride;
            rowSpans(y, [&](qint64 left, size_t count, size_t colour) {
                paintSpan(row + left, count, colour);
            });
        }
    }

    // The first index below n where holds() turns true (holds is false, then true).
    template <class Holds>
    static size_t firstWhere(size_t n, Holds holds) {
        size_t lo = 0, hi = n;
        while (lo < hi) {
            const size_t mid = (lo + hi) / 2;
            if (holds(mid))
                hi = mid;
            else
                lo = mid + 1;
        }
        return lo;
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
