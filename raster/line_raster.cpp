// SPDX-License-Identifier: MIT
// The line raster: the rows of one line, and the queue painted band by band.

#include "raster/line_raster.h"

#include <QImage>
#include <QThreadPool>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <future>
#include <iterator>
#include <memory>
#include <mutex>
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

// The queued items and, shared by the threads that paint, which items reach which band: each
// band visits only the items that reach it, in their order.
struct BandPlan {
    const std::vector<PixelLine>& lines;
    const std::vector<Item>& items;
    const std::vector<LineGroup>& groups;
    int height = 0, bands = 0;
    std::vector<size_t> firstBand, byBand;  // items by their first band, in their order

    BandPlan(const std::vector<PixelLine>& l, const std::vector<Item>& i,
             const std::vector<LineGroup>& g, int imageHeight)
        : lines(l),
          items(i),
          groups(g),
          height(imageHeight),
          bands((imageHeight + kBandRows - 1) / kBandRows),
          firstBand(static_cast<size_t>(bands) + 1, 0),
          byBand(items.size()) {
        for (const Item& item : items)
            ++firstBand[bandOf(rowsOf(item).first) + 1];
        for (size_t b = 1; b < firstBand.size(); ++b)
            firstBand[b] += firstBand[b - 1];
        std::vector<size_t> next(firstBand.begin(), firstBand.end() - 1);
        for (size_t k = 0; k < items.size(); ++k)
            byBand[next[bandOf(rowsOf(items[k]).first)]++] = k;
    }

    // The band of a row; rows above the image count as the first band.
    static size_t bandOf(int row) { return static_cast<size_t>(std::max(0, row) / kBandRows); }

    std::pair<int, int> rowsOf(const Item& item) const {
        if (item.group >= 0) {
            const LineGroup& g = groups[static_cast<size_t>(item.group)];
            return {g.top, g.bottom};
        }
        const PixelLine& line = lines[item.line];
        return {std::min(line.y0, line.y1), std::max(line.y0, line.y1)};
    }

    // Groups and horizontal lines paint each row on its own; the other lines go on from row to
    // row and are painted a band at a time.
    bool rowByRow(const Item& item) const {
        if (item.group >= 0) return true;
        const PixelLine& line = lines[item.line];
        return line.y0 == line.y1;
    }
};

// One painting thread's own state: the steep lines' places and the items of the band.
struct BandPainter {
    // One part of a row: `count` pixels from column `left`, of one colour or of a group's.
    struct RowSpan {
        qint64 left;
        qint64 count;
        const LineGroup* group;  // nothing: a horizontal line's
        size_t colour;           // a group's first colour
        quint32 pixel;           // a horizontal line's colour
    };

    const BandPlan& plan;
    quint32* bits;
    qsizetype stride;
    std::vector<SteepState> states;  // by item; a group's is left unused
    std::vector<size_t> active, merged;
    std::vector<RowSpan> spans, ordered;  // the parts of a row as they come, and from the left

    BandPainter(const BandPlan& p, quint32* b, qsizetype s)
        : plan(p), bits(b), stride(s), states(p.items.size()) {}

    // A line's state where this painter first meets it.
    void start(size_t k, int row) {
        const Item& item = plan.items[k];
        if (item.group < 0) states[k] = SteepState::at(plan.lines[item.line], bits, stride, row);
    }

    void paintItem(size_t k, int rowFrom, int rowTo) {
        const Item& item = plan.items[k];
        if (item.group >= 0) {
            plan.groups[static_cast<size_t>(item.group)].paintRows(bits, stride, rowFrom, rowTo);
            return;
        }
        SteepState& state = states[k];
        if (state.steep) {
            if (state.y <= rowTo && state.y <= state.last) state.paintUpTo(rowTo);
            return;
        }
        paintRows(bits, stride, plan.lines[item.line], rowFrom, rowTo);
    }

    // Row y of the active items i to j - 1, all groups and horizontal lines. When their parts of
    // the row share no pixel they are written from left to right (the processor streams stores
    // in the order of their addresses best: a row written middle first, then its ends, takes
    // nearly twice as long); otherwise in the items' order, the last item's colour winning.
    void paintRow(int y, size_t i, size_t j) {
        spans.clear();
        for (size_t r = i; r < j; ++r) {
            const Item& item = plan.items[active[r]];
            if (item.group >= 0) {
                const LineGroup& group = plan.groups[static_cast<size_t>(item.group)];
                group.rowSpans(y, [&](qint64 left, size_t count, size_t colour) {
                    spans.push_back({left, static_cast<qint64>(count), &group, colour, 0});
                });
                continue;
            }
            const PixelLine& line = plan.lines[item.line];
            const Downward d = downward(line);
            if (d.y0 == y) spans.push_back({d.x0, qint64(d.x1) - d.x0 + 1, nullptr, 0, line.pixel});
        }
        // In the items' order, unless that is not from the left and the parts may be written
        // in any order.
        const std::vector<RowSpan>* order = &spans;
        if (!std::is_sorted(spans.begin(), spans.end(), leftOf)) {
            ordered.assign(spans.begin(), spans.end());
            std::sort(ordered.begin(), ordered.end(), leftOf);
            if (inAnyOrder()) order = &ordered;
        }
        quint32* const row = bits + y * stride;
        for (const RowSpan& span : *order) {
            if (span.group != nullptr)
                span.group->paintSpan(row + span.left, static_cast<size_t>(span.count),
                                      span.colour);
            else
                fillRun(row + span.left, row + span.left + span.count, span.pixel);
        }
    }

    static bool leftOf(const RowSpan& a, const RowSpan& b) { return a.left < b.left; }

    // Whether the parts of the row, `ordered` from the left, may be written in any order: where
    // two share pixels, each of those pixels has one colour in both.
    bool inAnyOrder() const {
        auto colourAt = [](const RowSpan& s, qint64 x) {
            return s.group != nullptr ? s.group->colours[s.colour + static_cast<size_t>(x - s.left)]
                                      : s.pixel;
        };
        for (size_t k = 1; k < ordered.size(); ++k) {
            const RowSpan& later = ordered[k];
            for (size_t e = 0; e < k; ++e) {
                const RowSpan& earlier = ordered[e];
                const qint64 end = std::min(earlier.left + earlier.count, later.left + later.count);
                for (qint64 x = later.left; x < end; ++x)
                    if (colourAt(earlier, x) != colourAt(later, x)) return false;
            }
        }
        return true;
    }

    // Bands from `from` to `to` (exclusive). Groups of lines side by side paint their rows as
    // copies; other steep lines go on from band to band where they left off; the rest are painted
    // from their formula in each band they cross. In a band the lines are painted in their order.
    void paint(int from, int to) {
        const int firstRow = from * kBandRows;
        active.clear();
        for (size_t k = 0; k < plan.firstBand[static_cast<size_t>(from)]; ++k) {
            // The items that began in an earlier band and reach this one.
            const size_t item = plan.byBand[k];
            if (plan.rowsOf(plan.items[item]).second >= firstRow) active.push_back(item);
        }
        std::sort(active.begin(), active.end());
        for (const size_t k : active)
            start(k, firstRow);
        for (int band = from; band < to; ++band) {
            const int top = band * kBandRows, bottom = std::min(plan.height, top + kBandRows) - 1;
            active.erase(
                std::remove_if(active.begin(), active.end(),
                               [&](size_t k) { return plan.rowsOf(plan.items[k]).second < top; }),
                active.end());
            merged.clear();
            const auto b = static_cast<size_t>(band);
            for (size_t n = plan.firstBand[b]; n < plan.firstBand[b + 1]; ++n)
                start(plan.byBand[n], top);
            std::merge(active.begin(), active.end(), plan.byBand.begin() + plan.firstBand[b],
                       plan.byBand.begin() + plan.firstBand[b + 1], std::back_inserter(merged));
            active.swap(merged);
            for (size_t i = 0; i < active.size();) {
                // A run of groups and horizontal lines is painted row by row, every item of the
                // run in its order in each row: the rows are then written one after another, as
                // the processor streams them best, and each pixel still gets the last item's
                // colour.
                size_t j = i;
                while (j < active.size() && plan.rowByRow(plan.items[active[j]]))
                    ++j;
                if (j - i >= 2) {
                    for (int y = top; y <= bottom; ++y)
                        paintRow(y, i, j);
                    i = j;
                    continue;
                }
                paintItem(active[i], top, bottom);
                ++i;
            }
        }
    }
};

// Bands handed out to the two painting threads a few at a time: the first takes them from the
// top down, the second from the bottom up, until they meet.
constexpr int kBandsPerTake = 4;

// Every line at ratio 1: the boxes of a rectangle gradient side by side, the lines grouped, and
// the bands painted; a large image on two threads that meet where their work is done, so that
// neither waits for the other when its core is slower or busy (bands share no pixel, and each
// keeps the lines' order).
void paintBands(std::vector<PixelLine>& lines, const QImage& image, quint32* bits,
                qsizetype stride) {
    sortNestedBoxes(lines);
    std::vector<Item> items;
    std::vector<LineGroup> groups;
    groupLines(lines, items, groups);
    const BandPlan plan(lines, items, groups, image.height());
    // Worth a thread only for a large image and many lines.
    if (lines.size() < 256 || plan.bands < 4 * kBandsPerTake ||
        static_cast<qint64>(image.width()) * image.height() < (qint64(1) << 20)) {
        BandPainter(plan, bits, stride).paint(0, plan.bands);
        return;
    }
    std::mutex taking;
    int low = 0, high = plan.bands;  // the bands not yet taken
    auto takeBands = [&](bool fromTop) {
        BandPainter painter(plan, bits, stride);
        for (;;) {
            int from = 0, to = 0;
            {
                const std::lock_guard lock(taking);
                if (low >= high) return;
                if (fromTop) {
                    from = low;
                    low = to = std::min(high, low + kBandsPerTake);
                } else {
                    to = high;
                    high = from = std::max(low, high - kBandsPerTake);
                }
            }
            painter.paint(from, to);
        }
    };
    // The second painter on a thread of the application's pool, which keeps its threads between
    // repaints: starting a thread for each would cost about as much as a band of rows.
    // The promise's state is shared: the helper may still be leaving set_value() when this
    // thread, woken, returns and takes its stack frame down.
    auto helperDone = std::make_shared<std::promise<void>>();
    std::future<void> helped = helperDone->get_future();
    const bool pooled = QThreadPool::globalInstance()->tryStart([&takeBands, helperDone] {
        takeBands(false);
        helperDone->set_value();
    });
    if (!pooled) {
        std::thread helper(takeBands, false);
        takeBands(true);
        helper.join();
        return;
    }
    takeBands(true);
    helped.wait();
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
