// SPDX-License-Identifier: MIT
// The line raster: clipping, rows of a line, and band-by-band painting.

#include "platform/gui/line_raster.h"

#include <QImage>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <limits>
#include <utility>
#include <vector>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace kelvarin::raster {

namespace {

// Fills a run of pixels, sixteen bytes at a time.
inline void fillRun(quint32* from, quint32* to, quint32 pixel) {
#ifdef __SSE2__
    const __m128i v = _mm_set1_epi32(static_cast<int>(pixel));
    for (; to - from >= 4; from += 4)
        _mm_storeu_si128(reinterpret_cast<__m128i*>(from), v);
#endif
    for (; from < to; ++from)
        *from = pixel;
}

// A steep line being painted from its upper end down, row by row: where it is and how its column
// moves on, so that painting can stop at the end of a band and go on in the next.
struct SteepState {
    bool steep = false;
    quint32 pixel = 0;
    quint32* p = nullptr;  // the pixel of row y
    int y = 0, last = 0;
    qint64 num = 0, rise = 0, den = 0, e = 0;
    qsizetype stride = 0;
    int sx = 1;

    // The line's state at row `row` (its upper end when row is before it).
    static SteepState at(const PixelLine& line, quint32* bits, qsizetype stride, int row) {
        SteepState s;
        const Downward d = downward(line);
        s.steep = d.steep();
        if (!s.steep) return s;
        row = std::max(row, d.y0);
        // Row y0 + n has its pixel at x0 + floor((2 n adx + ady) / (2 ady)); num is the remainder.
        s.den = 2 * d.ady;
        s.rise = 2 * d.adx;
        s.e = s.den - s.rise;
        s.num = 2 * qint64(row - d.y0) * d.adx + d.ady;
        s.sx = d.sx;
        s.p = bits + row * stride + (d.x0 + s.sx * (s.num / s.den));
        s.num %= s.den;
        s.pixel = line.pixel;
        s.y = row;
        s.last = d.y1;
        s.stride = stride;
        return s;
    }

    // Paints the rows from y to bottom (or to the line's end).
    void paintUpTo(int bottom) {
        qint64 rows = std::min(bottom, last) - y + 1;
        y += static_cast<int>(rows);
        const quint32 colour = pixel;  // kept in a register: no store can change it
        quint32* q = p;
        if (rise == 0 || e == 0) {
            // Vertical or diagonal: the column moves by 0 or 1 with every row.
            const qsizetype step = stride + (rise == 0 ? 0 : sx);
            for (; rows > 0; --rows, q += step)
                *q = colour;
            p = q;
            return;
        }
        // After each pixel the column moves on when num + rise reaches den.
        if (4 * e > den && 4 * rise > den) {
            // Far from the diagonal and the vertical: single steps.
            for (; rows > 0; --rows, q += stride) {
                *q = colour;
                num += rise;
                if (num >= den) {
                    num -= den;
                    q += sx;
                }
            }
            p = q;
            return;
        }
        // Close to either, the line goes in runs: while num >= e it moves on, losing e each time;
        // while num < e it stays, gaining rise each time. Each run is one tight loop.
        const qsizetype diagonal = stride + sx;
        while (rows > 0) {
            if (num >= e) {
                // Most runs outlast the rows left in the band: no division for those.
                qint64 k = num >= rows * e ? rows : num / e;
                rows -= k;
                num -= k * e;
                for (; k > 0; --k, q += diagonal)
                    *q = colour;
            } else {
                qint64 h = num + (rows - 1) * rise < e ? rows : (e - num + rise - 1) / rise;
                rows -= h;
                num += h * rise;
                for (; h > 0; --h, q += stride)
                    *q = colour;
            }
        }
        p = q;
    }
};

// Consecutive steep lines that lie side by side, one column apart in every row they share:
// - diagonals on neighbouring diagonals, whose upper ends and lower ends each move one way along
//   the group (in any row the lines that reach it are then a contiguous part of the group), or
// - copies of one line moved sideways by one column each (same rows, same slope).
// The group paints each of its rows as one copy of their colours. No two of its lines share a
// pixel, so painting the group at once in a band paints what its lines would one after another.
struct LineGroup {
    size_t first = 0, end = 0;       // the lines' places in the queue
    bool diagonals = true;           // diagonals, or copies of one line
    int sx = 1;                      // the column's move as the rows go down
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

void groupLines(const std::vector<PixelLine>& lines, std::vector<Item>& items,
                std::vector<LineGroup>& groups) {
    struct Steep {
        bool is = false, diagonal = false;
        int sx = 1, top = 0, bottom = 0;
        qint64 adx = 0, x = 0, column0 = 0;  // x: the column at the top
    };
    auto steep = [](const PixelLine& line) {
        const Downward w = downward(line);
        Steep d;
        d.is = w.steep();
        d.diagonal = d.is && w.adx == w.ady;
        d.sx = w.sx;
        d.top = w.y0;
        d.bottom = w.y1;
        d.adx = w.adx;
        d.x = w.x0;
        d.column0 = w.x0 - qint64(w.sx) * w.y0;
        return d;
    };
    // Which way a sequence moves: 0 while it has not moved.
    auto way = [](int from, int to) { return to > from ? 1 : to < from ? -1 : 0; };
    size_t k = 0;
    while (k < lines.size()) {
        const Steep first = steep(lines[k]);
        size_t end = k + 1;
        int towards = 0, topWay = 0, bottomWay = 0;
        bool diagonals = first.diagonal;
        Steep last = first;
        while (first.is && end < lines.size()) {
            const Steep next = steep(lines[end]);
            if (!next.is || next.sx != first.sx) break;
            if (end == k + 1) diagonals = first.diagonal && next.diagonal;
            const qint64 step = diagonals ? next.column0 - last.column0 : next.x - last.x;
            if ((step != 1 && step != -1) || (towards != 0 && step != towards)) break;
            if (diagonals) {
                if (!next.diagonal) break;
                const int t = way(last.top, next.top), b = way(last.bottom, next.bottom);
                if ((t != 0 && topWay != 0 && t != topWay) ||
                    (b != 0 && bottomWay != 0 && b != bottomWay))
                    break;
                if (t != 0) topWay = t;
                if (b != 0) bottomWay = b;
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
        for (size_t j = 0; j < n; ++j) {
            const Steep d = steep(lines[k + j]);
            g.tops.push_back(d.top);
            g.bottoms.push_back(d.bottom);
            g.top = std::min(g.top, d.top);
            g.bottom = std::max(g.bottom, d.bottom);
            g.colours[towards > 0 ? j : n - 1 - j] = lines[k + j].pixel;
        }
        items.push_back({k, static_cast<int>(groups.size())});
        groups.push_back(std::move(g));
        k = end;
    }
}

// Rows per band. A steep line touches one cache line per row; 256 of them (16 KB) stay in the
// first-level cache while the next lines, one pixel further along, touch the same ones again.
constexpr int kBandRows = 16;

// Liang-Barsky clipping of a segment to [xmin, xmax] x [ymin, ymax].
bool clip(double& x1, double& y1, double& x2, double& y2, double xmin, double ymin, double xmax,
          double ymax) {
    const double dx = x2 - x1, dy = y2 - y1;
    double t0 = 0.0, t1 = 1.0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - xmin, xmax - x1, y1 - ymin, ymax - y1};
    for (int k = 0; k < 4; ++k) {
        if (p[k] == 0.0) {
            if (q[k] < 0.0) return false;
            continue;
        }
        const double t = q[k] / p[k];
        if (p[k] < 0.0) {
            if (t > t1) return false;
            if (t > t0) t0 = t;
        } else {
            if (t < t0) return false;
            if (t < t1) t1 = t;
        }
    }
    const double nx1 = x1 + t0 * dx, ny1 = y1 + t0 * dy;
    x2 = x1 + t1 * dx;
    y2 = y1 + t1 * dy;
    x1 = nx1;
    y1 = ny1;
    return true;
}

}  // namespace

bool clipToImage(double x1, double y1, double x2, double y2, int width, int height,
                 PixelLine& line) {
    if (width <= 0 || height <= 0) return false;
    if (!std::isfinite(x1 + y1 + x2 + y2)) return false;
    // Ends to pixel centres first, then clipped to the centres of the image's pixels: a line
    // between whole pixels keeps its slope where it is cut (a diagonal stays diagonal).
    x1 = std::floor(x1 + 0.5);
    y1 = std::floor(y1 + 0.5);
    x2 = std::floor(x2 + 0.5);
    y2 = std::floor(y2 + 0.5);
    if (!clip(x1, y1, x2, y2, 0.0, 0.0, width - 1.0, height - 1.0)) return false;
    // The pixels between two pixels of the image lie in it too: the painting needs no checks.
    auto centre = [](double v, int size) {
        return std::clamp(static_cast<int>(std::floor(v + 0.5)), 0, size - 1);
    };
    line.x0 = centre(x1, width);
    line.y0 = centre(y1, height);
    line.x1 = centre(x2, width);
    line.y1 = centre(y2, height);
    return true;
}

void paintRows(quint32* bits, qsizetype stride, const PixelLine& line, int top, int bottom) {
    const auto [x0, y0, x1, y1, adx, ady, sx] = downward(line);
    top = std::max(top, y0);
    bottom = std::min(bottom, y1);
    if (top > bottom) return;
    if (ady == 0) {
        quint32* row = bits + y0 * stride;
        fillRun(row + x0, row + x1 + 1, line.pixel);
        return;
    }
    if (adx <= ady) {
        // Steep: one pixel per row.
        SteepState::at(line, bits, stride, top).paintUpTo(bottom);
        return;
    }
    // Shallow: one pixel per column, row y0 + floor((2 m ady + adx) / (2 adx)) for column
    // x0 + sx m. The columns of row y0 + k run from first(k) to first(k + 1) - 1, where first(0)
    // is 0 and first(k) = ceil(adx (2k - 1) / (2 ady)); first(k + 1) is followed row by row as a
    // quotient and remainder, so that no row needs a division.
    const qint64 den = 2 * ady, last = adx + 1;
    const qint64 k = top - y0;
    qint64 from = k == 0 ? 0 : (adx * (2 * k - 1) + den - 1) / den;
    const qint64 start = adx * (2 * k + 1) + den - 1;
    qint64 next = start / den, rest = start % den;
    const qint64 stepQuotient = (2 * adx) / den, stepRest = (2 * adx) % den;
    for (int y = top; y <= bottom; ++y) {
        const qint64 to = std::min(last, next) - 1;
        if (from <= to) {
            quint32* row = bits + y * stride;
            const qint64 a = x0 + sx * from, b = x0 + sx * to;
            fillRun(row + std::min(a, b), row + std::max(a, b) + 1, line.pixel);
        }
        from = std::min(last, next);
        next += stepQuotient;
        rest += stepRest;
        if (rest >= den) {
            rest -= den;
            ++next;
        }
    }
}

void LineQueue::paintInto(QImage& image) {
    if (m_lines.empty()) return;
    const qreal ratio = image.devicePixelRatio();
    const qsizetype stride = image.bytesPerLine() / 4;
    quint32* const bits = reinterpret_cast<quint32*>(image.bits());
    if (ratio != 1.0) {
        // Logical pixel x covers the device columns from edge(x) to edge(x + 1) - 1.
        const int width = static_cast<int>(image.width() / ratio);
        const int height = static_cast<int>(image.height() / ratio);
        auto edges = [ratio](int count, int limit) {
            std::vector<int> e(static_cast<size_t>(count) + 1);
            for (int k = 0; k <= count; ++k)
                e[static_cast<size_t>(k)] =
                    std::min(limit, static_cast<int>(std::floor(k * ratio)));
            return e;
        };
        const std::vector<int> columns = edges(width, image.width());
        const std::vector<int> rows = edges(height, image.height());
        for (const PixelLine& line : m_lines) {
            forEachRun(line, 0, height - 1, [&](int y, int xa, int xb) {
                if (y >= height || xb >= width) return;
                const int from = columns[static_cast<size_t>(xa)];
                const int to = columns[static_cast<size_t>(xb) + 1];
                for (int dy = rows[static_cast<size_t>(y)]; dy < rows[static_cast<size_t>(y) + 1];
                     ++dy)
                    std::fill(bits + dy * stride + from, bits + dy * stride + to, line.pixel);
            });
        }
        m_lines.clear();
        return;
    }
    // Groups of lines side by side paint their rows as copies; other steep lines go on from band to
    // band where they left off; the rest are painted from their formula in each band they cross. In
    // a band the lines are painted in their order.
    std::vector<Item> items;
    std::vector<LineGroup> groups;
    groupLines(m_lines, items, groups);
    std::vector<SteepState> states(m_lines.size());
    for (const Item& item : items)
        if (item.group < 0) states[item.line] = SteepState::at(m_lines[item.line], bits, stride, 0);
    // Each band visits only the items that reach it, in their order: those still going on from
    // the band before, merged with those starting in it (items sorted by their first band).
    const int height = image.height();
    const int bands = (height + kBandRows - 1) / kBandRows;
    auto rowsOf = [&](const Item& item) {
        if (item.group >= 0) {
            const LineGroup& g = groups[static_cast<size_t>(item.group)];
            return std::pair(g.top, g.bottom);
        }
        const PixelLine& line = m_lines[item.line];
        return std::pair(std::min(line.y0, line.y1), std::max(line.y0, line.y1));
    };
    std::vector<size_t> firstBand(static_cast<size_t>(bands) + 1, 0), byBand(items.size());
    for (const Item& item : items)
        ++firstBand[static_cast<size_t>(rowsOf(item).first / kBandRows) + 1];
    for (size_t b = 1; b < firstBand.size(); ++b)
        firstBand[b] += firstBand[b - 1];
    {
        std::vector<size_t> next(firstBand.begin(), firstBand.end() - 1);
        for (size_t k = 0; k < items.size(); ++k)
            byBand[next[static_cast<size_t>(rowsOf(items[k]).first / kBandRows)]++] = k;
    }
    std::vector<size_t> active, merged;
    for (int band = 0; band < bands; ++band) {
        const int top = band * kBandRows, bottom = std::min(height, top + kBandRows) - 1;
        active.erase(std::remove_if(active.begin(), active.end(),
                                    [&](size_t k) { return rowsOf(items[k]).second < top; }),
                     active.end());
        merged.clear();
        std::merge(active.begin(), active.end(), byBand.begin() + firstBand[band],
                   byBand.begin() + firstBand[band + 1], std::back_inserter(merged));
        active.swap(merged);
        for (const size_t k : active) {
            const Item& item = items[k];
            if (item.group >= 0) {
                groups[static_cast<size_t>(item.group)].paintRows(bits, stride, top, bottom);
                continue;
            }
            SteepState& state = states[item.line];
            if (state.steep) {
                if (state.y <= bottom && state.y <= state.last) state.paintUpTo(bottom);
                continue;
            }
            paintRows(bits, stride, m_lines[item.line], top, bottom);
        }
    }
    m_lines.clear();
}

}  // namespace kelvarin::raster
