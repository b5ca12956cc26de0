// SPDX-License-Identifier: MIT
// Grouping the queued lines that lie side by side.

#include "raster/raster_groups.h"

#include <limits>

namespace kelvarin::raster {

namespace {

// The average length of a group's runs of one colour from which its rows are filled run by run.
constexpr size_t kFilledRun = 16;

}  // namespace

void groupLines(const std::vector<PixelLine>& lines, std::vector<Item>& items,
                std::vector<LineGroup>& groups) {
    struct Steep {
        bool is = false, diagonal = false;
        int sx = 1, top = 0, bottom = 0, jog = 0;  // jog: the jog's row, or bottom + 1
        qint64 adx = 0, x = 0, column0 = 0;        // x: the column at the top
    };
    auto steep = [](const PixelLine& line) {
        const Downward w = downward(line);
        Steep d;
        d.is = w.steep();
        // A vertical is a diagonal of slope 0: its column moves by 0 with every row. A line one
        // column short of a diagonal is one with a jog: row y0 + n has its pixel n columns on
        // while 2n <= ady, n - 1 after (the line formula's rounding, line_raster.h).
        const bool jogs = d.is && w.adx >= 1 && w.adx == w.ady - 1;
        d.diagonal = d.is && (w.adx == w.ady || w.adx == 0 || jogs);
        d.sx = w.adx == 0 ? 0 : w.sx;
        d.top = w.y0;
        d.bottom = w.y1;
        d.jog = jogs ? w.y0 + static_cast<int>(w.ady / 2) + 1 : w.y1 + 1;
        d.adx = w.adx;
        d.x = w.x0;
        d.column0 = w.x0 - qint64(d.sx) * w.y0;
        return d;
    };
    // Which way a sequence moves: 0 while it has not moved.
    auto way = [](int from, int to) { return to > from ? 1 : to < from ? -1 : 0; };
    // Each line's shape, worked out once for the grouping and the groups.
    std::vector<Steep> shapes(lines.size());
    for (size_t j = 0; j < lines.size(); ++j)
        shapes[j] = steep(lines[j]);
    size_t k = 0;
    while (k < lines.size()) {
        const Steep& first = shapes[k];
        size_t end = k + 1;
        int towards = 0, topWay = 0, bottomWay = 0, jogWay = 0;
        bool diagonals = first.diagonal;
        Steep last = first;
        while (first.is && end < lines.size()) {
            const Steep& next = shapes[end];
            if (!next.is || next.sx != first.sx) break;
            if (end == k + 1) diagonals = first.diagonal && next.diagonal;
            const qint64 step = diagonals ? next.column0 - last.column0 : next.x - last.x;
            if ((step != 1 && step != -1) || (towards != 0 && step != towards)) break;
            if (diagonals) {
                if (!next.diagonal) break;
                const int t = way(last.top, next.top), b = way(last.bottom, next.bottom);
                const int j = way(last.jog, next.jog);
                if ((t != 0 && topWay != 0 && t != topWay) ||
                    (b != 0 && bottomWay != 0 && b != bottomWay) ||
                    (j != 0 && jogWay != 0 && j != jogWay))
                    break;
                if (t != 0) topWay = t;
                if (b != 0) bottomWay = b;
                if (j != 0) jogWay = j;
            } else if (next.top != first.top || next.bottom != first.bottom ||
                       next.adx != first.adx) {
                break;
            }
            towards = static_cast<int>(step);
            last = next;
            ++end;
        }
        if (end - k < 2) {
            items.push_back({k});
            ++k;
            continue;
        }
        LineGroup g;
        g.first = k;
        g.end = end;
        g.diagonals = diagonals;
        g.sx = first.sx;
        g.towards = towards;
        g.column0 = diagonals ? first.column0 : first.x;
        g.adx = first.adx;
        g.ady = first.bottom - first.top;
        g.top = std::numeric_limits<int>::max();
        g.bottom = std::numeric_limits<int>::min();
        const size_t n = end - k;
        g.colours.resize(n);
        g.tops.reserve(n);
        g.bottoms.reserve(n);
        g.jogs.reserve(n);
        for (size_t j = 0; j < n; ++j) {
            const Steep& d = shapes[k + j];
            g.tops.push_back(d.top);
            g.bottoms.push_back(d.bottom);
            g.jogs.push_back(d.jog);
            g.jogging = g.jogging || (diagonals && d.jog <= d.bottom);
            g.top = std::min(g.top, d.top);
            g.bottom = std::max(g.bottom, d.bottom);
            g.colours[towards > 0 ? j : n - 1 - j] = lines[k + j].pixel;
        }
        // Runs of one colour, kept when they are long enough on average for filling them to
        // beat copying the colours.
        for (size_t j = 1; j <= n; ++j)
            if (j == n || g.colours[j] != g.colours[j - 1]) g.runEnds.push_back(j);
        if (g.runEnds.size() * kFilledRun > n) g.runEnds.clear();
        items.push_back({k, static_cast<int>(groups.size())});
        groups.push_back(std::move(g));
        k = end;
    }
}

}  // namespace kelvarin::raster
