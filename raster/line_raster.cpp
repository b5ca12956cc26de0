// SPDX-License-Identifier: MIT
// The line raster: the rows of one line, and the queue painted band by band.

#include "raster/line_raster.h"

#include <QImage>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <thread>
#include <utility>
#include <vector>

#include "raster/raster_groups.h"
#include "raster/raster_steep.h"

namespace kelvarin::raster {

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

namespace {

// Rows per band. A steep line touches one cache line per row; 256 of them (16 KB) stay in the
// first-level cache while the next lines, one pixel further along, touch the same ones again.
constexpr int kBandRows = 16;

// Every line at a device pixel ratio other than 1: each logical pixel paints the block of device
// pixels it covers.
void paintScaled(const std::vector<PixelLine>& lines, const QImage& image, quint32* bits,
                 qsizetype stride, qreal ratio) {
    // Logical pixel x covers the device columns from edge(x) to edge(x + 1) - 1.
    const int width = static_cast<int>(image.width() / ratio);
    const int height = static_cast<int>(image.height() / ratio);
    auto edges = [ratio](int count, int limit) {
        std::vector<int> e(static_cast<size_t>(count) + 1);
        for (int k = 0; k <= count; ++k)
            e[static_cast<size_t>(k)] = std::min(limit, static_cast<int>(std::floor(k * ratio)));
        return e;
    };
    const std::vector<int> columns = edges(width, image.width());
    const std::vector<int> rows = edges(height, image.height());
    for (const PixelLine& line : lines) {
        forEachRun(line, 0, height - 1, [&](int y, int xa, int xb) {
            if (y >= height || xb >= width) return;
            const int from = columns[static_cast<size_t>(xa)];
            const int to = columns[static_cast<size_t>(xb) + 1];
            for (int dy = rows[static_cast<size_t>(y)]; dy < rows[static_cast<size_t>(y) + 1]; ++dy)
                std::fill(bits + dy * stride + from, bits + dy * stride + to, line.pixel);
        });
    }
}

// The four lines of a box outline as the drawing surfaces queue it: its top from left to right,
// its right side down, its bottom from right to left and its left side up, in one colour.
struct Box {
    int left, top, right, bottom;
};
bool boxAt(const std::vector<PixelLine>& lines, size_t k, Box& box) {
    if (k + 4 > lines.size()) return false;
    const PixelLine &a = lines[k], &b = lines[k + 1], &c = lines[k + 2], &d = lines[k + 3];
    box = {a.x0, a.y0, a.x1, b.y1};
    return box.left < box.right && box.top < box.bottom && a.y1 == box.top && b.x0 == box.right &&
           b.y0 == box.top && b.x1 == box.right && c.x0 == box.right && c.y0 == box.bottom &&
           c.x1 == box.left && c.y1 == box.bottom && d.x0 == box.left && d.y0 == box.bottom &&
           d.x1 == box.left && d.y1 == box.top && a.pixel == b.pixel && b.pixel == c.pixel &&
           c.pixel == d.pixel;
}

// Runs of boxes each strictly inside the one before (the rectangle gradient) share no pixel
// between boxes, and within a box only corners of one colour: their lines may be painted in any
// order. Such a run is queued side by side instead, all tops, all right sides, all bottoms, all
// left sides, so that the sides group into rows of copies. Nothing else is moved.
bool sortNestedBoxes(std::vector<PixelLine>& lines) {
    bool moved = false;
    std::vector<PixelLine> sides[4];
    for (size_t k = 0; k < lines.size();) {
        Box outer{};
        if (!boxAt(lines, k, outer)) {
            ++k;
            continue;
        }
        size_t end = k + 4;
        Box inner{};
        for (Box last = outer;
             boxAt(lines, end, inner) && inner.left > last.left && inner.top > last.top &&
             inner.right < last.right && inner.bottom < last.bottom;
             last = inner)
            end += 4;
        if (end - k >= 8) {
            for (auto& side : sides)
                side.clear();
            for (size_t j = k; j < end; ++j)
                sides[(j - k) % 4].push_back(lines[j]);
            size_t at = k;
            for (const auto& side : sides)
                for (const PixelLine& line : side)
                    lines[at++] = line;
            moved = true;
        }
        k = end;
    }
    return moved;
}

// Every line at ratio 1, band by band, in the rows from `from` to `to` (exclusive); the groups
// are shared, the steep lines' states are the caller's own.
void paintBandsIn(const std::vector<PixelLine>& lines, const std::vector<Item>& items,
                  const std::vector<LineGroup>& groups, const QImage& image, quint32* bits,
                  qsizetype stride, int from, int to) {
    // Groups of lines side by side paint their rows as copies; other steep lines go on from band to
    // band where they left off; the rest are painted from their formula in each band they cross. In
    // a band the lines are painted in their order.
    std::vector<SteepState> states(lines.size());
    for (const Item& item : items)
        if (item.group < 0)
            states[item.line] = SteepState::at(lines[item.line], bits, stride, from);
    // Each band visits only the items that reach it, in their order: those still going on from
    // the band before, merged with those starting in it (items sorted by their first band).
    const int height = image.height();
    const int bands = (height + kBandRows - 1) / kBandRows;
    const int firstPainted = from / kBandRows;
    auto rowsOf = [&](const Item& item) {
        if (item.group >= 0) {
            const LineGroup& g = groups[static_cast<size_t>(item.group)];
            return std::pair(g.top, g.bottom);
        }
        const PixelLine& line = lines[item.line];
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
    for (int band = 0; band < bands && band * kBandRows < to; ++band) {
        const int top = band * kBandRows, bottom = std::min(height, top + kBandRows) - 1;
        active.erase(std::remove_if(active.begin(), active.end(),
                                    [&](size_t k) { return rowsOf(items[k]).second < top; }),
                     active.end());
        merged.clear();
        std::merge(active.begin(), active.end(), byBand.begin() + firstBand[band],
                   byBand.begin() + firstBand[band + 1], std::back_inserter(merged));
        active.swap(merged);
        if (band < firstPainted) continue;  // another thread's rows
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
            paintRows(bits, stride, lines[item.line], top, bottom);
        }
    }
}

// Every line at ratio 1: the boxes of a rectangle gradient side by side, the lines grouped, and
// the bands painted, the lower half of a large image on a second thread (bands share no pixel,
// and each keeps the lines' order).
void paintBands(std::vector<PixelLine>& lines, const QImage& image, quint32* bits,
                qsizetype stride) {
    sortNestedBoxes(lines);
    std::vector<Item> items;
    std::vector<LineGroup> groups;
    groupLines(lines, items, groups);
    const int height = image.height();
    // Worth a thread only for a large image and many lines.
    if (lines.size() < 256 || height < 8 * kBandRows ||
        static_cast<qint64>(image.width()) * height < (qint64(1) << 20)) {
        paintBandsIn(lines, items, groups, image, bits, stride, 0, height);
        return;
    }
    // The bands split where the work is half done: the work of a band is counted as the pixels
    // its lines' rows cover (a group as wide as its lines, a line as its width in the band).
    const int bands = (height + kBandRows - 1) / kBandRows;
    std::vector<double> work(static_cast<size_t>(bands) + 1, 0.0);
    auto spread = [&](int top, int bottom, double perRow) {
        top = std::clamp(top, 0, height - 1);
        bottom = std::clamp(bottom, 0, height - 1);
        for (int b = top / kBandRows; b <= bottom / kBandRows; ++b) {
            const int rows =
                std::min(bottom, b * kBandRows + kBandRows - 1) - std::max(top, b * kBandRows) + 1;
            work[static_cast<size_t>(b)] += rows * perRow;
        }
    };
    for (const Item& item : items) {
        if (item.group >= 0) {
            const LineGroup& g = groups[static_cast<size_t>(item.group)];
            spread(g.top, g.bottom, static_cast<double>(g.end - g.first));
            continue;
        }
        const Downward d = downward(lines[item.line]);
        spread(d.y0, d.y1, d.ady == 0 ? d.adx + 1.0 : std::max(1.0, double(d.adx) / d.ady));
    }
    double total = 0;
    for (const double w : work)
        total += w;
    int split = 0;
    for (double done = 0; split < bands && done + work[static_cast<size_t>(split)] <= total / 2;
         ++split)
        done += work[static_cast<size_t>(split)];
    const int half = std::clamp(split, 1, bands - 1) * kBandRows;
    std::thread lower(
        [&] { paintBandsIn(lines, items, groups, image, bits, stride, half, height); });
    paintBandsIn(lines, items, groups, image, bits, stride, 0, half);
    lower.join();
}

}  // namespace

void LineQueue::paintInto(QImage& image) {
    if (m_lines.empty()) return;
    const qreal ratio = image.devicePixelRatio();
    const qsizetype stride = image.bytesPerLine() / 4;
    quint32* const bits = reinterpret_cast<quint32*>(image.bits());
    if (ratio != 1.0) {
        paintScaled(m_lines, image, bits, stride, ratio);
    } else {
        paintBands(m_lines, image, bits, stride);
    }
    m_lines.clear();
}

}  // namespace kelvarin::raster
