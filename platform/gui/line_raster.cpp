// SPDX-License-Identifier: MIT
// The line raster: clipping, rows of a line, and band-by-band painting.

#include "platform/gui/line_raster.h"

#include <QImage>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
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

    static SteepState of(const PixelLine& line, quint32* bits, qsizetype stride) {
        SteepState s;
        int x0 = line.x0, y0 = line.y0, x1 = line.x1, y1 = line.y1;
        if (y0 > y1 || (y0 == y1 && x0 > x1)) {
            std::swap(x0, x1);
            std::swap(y0, y1);
        }
        const qint64 adx = std::abs(x1 - x0), ady = y1 - y0;
        s.steep = ady > 0 && adx <= ady;
        if (!s.steep) return s;
        s.pixel = line.pixel;
        s.p = bits + y0 * stride + x0;
        s.y = y0;
        s.last = y1;
        // Row y0 + n has its pixel at x0 + floor((2 n adx + ady) / (2 ady)); num is the remainder.
        s.den = 2 * ady;
        s.rise = 2 * adx;
        s.e = s.den - s.rise;
        s.num = ady;
        s.stride = stride;
        s.sx = x1 < x0 ? -1 : 1;
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
        // After each pixel the column moves on when num + rise reaches den: while num >= e it
        // moves on, losing e each time; while num < e it stays, gaining rise each time. Each run
        // of either is one tight loop.
        const qsizetype diagonal = stride + sx;
        while (rows > 0) {
            if (num >= e) {
                qint64 k = std::min(rows, num / e);
                rows -= k;
                num -= k * e;
                for (; k > 0; --k, q += diagonal)
                    *q = colour;
            } else {
                qint64 h = std::min(rows, (e - num + rise - 1) / rise);
                rows -= h;
                num += h * rise;
                for (; h > 0; --h, q += stride)
                    *q = colour;
            }
        }
        p = q;
    }
};

// Consecutive diagonal lines one column apart, all in the same row and going on past the band,
// paint the same rows with neighbouring pixels: each row of them is one contiguous copy of their
// colours. Returns the end of such a run starting at states[k] (k + 1 when there is none).
size_t diagonalRun(const std::vector<SteepState>& states, size_t k, int bottom, int& towards) {
    auto joins = [bottom](const SteepState& s, const SteepState& first) {
        return s.steep && s.e == 0 && s.rise != 0 && s.sx == first.sx && s.y == first.y &&
               s.last >= bottom;
    };
    const SteepState& first = states[k];
    if (!joins(first, first) || k + 1 >= states.size() || !joins(states[k + 1], first)) return k + 1;
    towards = static_cast<int>(states[k + 1].p - first.p);
    if (towards != 1 && towards != -1) return k + 1;
    size_t end = k + 1;
    while (end < states.size() && joins(states[end], first) &&
           states[end].p - states[end - 1].p == towards)
        ++end;
    return end;
}

// Paints states[k, end) (a diagonal run, see above) down to the band's bottom.
void paintDiagonalRun(std::vector<SteepState>& states, size_t k, size_t end, int towards,
                      int bottom, std::vector<quint32>& colours) {
    const size_t count = end - k;
    colours.resize(count);
    // Left to right in the row: the run's own order, or the reverse when it goes leftwards.
    for (size_t j = 0; j < count; ++j)
        colours[towards > 0 ? j : count - 1 - j] = states[k + j].pixel;
    const SteepState& first = states[k];
    const int rows = bottom - first.y + 1;
    const qsizetype step = first.stride + first.sx;
    quint32* row = towards > 0 ? first.p : first.p - (count - 1);
    for (int r = 0; r < rows; ++r, row += step)
        std::memcpy(row, colours.data(), count * sizeof(quint32));
    for (size_t j = k; j < end; ++j) {
        states[j].p += rows * step;
        states[j].y += rows;
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
    // Run from the upper end down; a horizontal line from its left end.
    int x0 = line.x0, y0 = line.y0, x1 = line.x1, y1 = line.y1;
    if (y0 > y1 || (y0 == y1 && x0 > x1)) {
        std::swap(x0, x1);
        std::swap(y0, y1);
    }
    top = std::max(top, y0);
    bottom = std::min(bottom, y1);
    if (top > bottom) return;
    const qint64 adx = std::abs(x1 - x0), ady = y1 - y0;
    const int sx = x1 < x0 ? -1 : 1;

    if (ady == 0) {
        quint32* row = bits + y0 * stride;
        fillRun(row + x0, row + x1 + 1, line.pixel);
        return;
    }
    if (adx <= ady) {
        // Steep: one pixel per row, at x0 + floor((2 n adx + ady) / (2 ady)) for row y0 + n.
        const qint64 n = top - y0;
        if (adx == 0 || adx == ady) {
            // Vertical or diagonal: the column moves by 0 or 1 with every row.
            const int slope = adx == 0 ? 0 : sx;
            quint32* p = bits + top * stride + (x0 + slope * n);
            const qsizetype step = stride + slope;
            for (int y = top; y <= bottom; ++y, p += step)
                *p = line.pixel;
            return;
        }
        const qint64 den = 2 * ady;
        qint64 num = 2 * n * adx + ady;
        quint32* p = bits + top * stride + (x0 + sx * (num / den));
        num %= den;
        qint64 rows = bottom - top + 1;
        // After each pixel the column moves on when num + 2 adx reaches den. Lines close to the
        // diagonal or to the vertical go in runs: a run of e-steps moves on k times in a row, a
        // run of holds stays h times; each run is one tight loop.
        const qint64 rise = 2 * adx, e = den - rise;
        const bool runs = 4 * e <= den || 4 * rise <= den;
        if (!runs) {
            for (; rows > 0; --rows, p += stride) {
                *p = line.pixel;
                num += rise;
                if (num >= den) {
                    num -= den;
                    p += sx;
                }
            }
            return;
        }
        const qsizetype diagonal = stride + sx;
        while (rows > 0) {
            if (num >= e) {
                // Moves on while num >= e, losing e each time.
                qint64 k = std::min(rows, num / e);
                rows -= k;
                num -= k * e;
                for (; k > 0; --k, p += diagonal)
                    *p = line.pixel;
            } else {
                // Stays while num < e, gaining 2 adx each time.
                qint64 h = std::min(rows, (e - num + rise - 1) / rise);
                rows -= h;
                num += h * rise;
                for (; h > 0; --h, p += stride)
                    *p = line.pixel;
            }
        }
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
    // Steep lines go on from band to band where they left off; the others are painted from
    // their formula in each band they cross. In a band the lines are painted in their order.
    std::vector<SteepState> states;
    states.reserve(m_lines.size());
    for (const PixelLine& line : m_lines)
        states.push_back(SteepState::of(line, bits, stride));
    const int height = image.height();
    std::vector<quint32> colours;
    for (int top = 0; top < height; top += kBandRows) {
        const int bottom = std::min(height, top + kBandRows) - 1;
        for (size_t k = 0; k < m_lines.size(); ++k) {
            SteepState& state = states[k];
            if (state.steep) {
                if (state.y > bottom || state.y > state.last) continue;
                int towards = 0;
                const size_t end = diagonalRun(states, k, bottom, towards);
                if (end - k > 1) {
                    paintDiagonalRun(states, k, end, towards, bottom, colours);
                    k = end - 1;
                } else {
                    state.paintUpTo(bottom);
                }
                continue;
            }
            const PixelLine& line = m_lines[k];
            if (std::max(line.y0, line.y1) < top || std::min(line.y0, line.y1) > bottom) continue;
            paintRows(bits, stride, line, top, bottom);
        }
    }
    m_lines.clear();
}

}  // namespace kelvarin::raster
