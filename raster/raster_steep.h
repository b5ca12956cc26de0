// SPDX-License-Identifier: MIT
#pragma once

// Inside the line raster: filling a run of pixels, and a steep line painted row by row from
// band to band where it left off.

#include <algorithm>
#include <vector>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "raster/line_raster.h"

namespace kelvarin::raster {

// Runs of 16 pixels or more, a row of a large image or of a group: thirty-two bytes at a time
// where the processor has the wider vectors, chosen once at run time (raster_runs.cpp).
inline constexpr qsizetype kLongRun = 16;
void fillLongRun(quint32* from, quint32* to, quint32 pixel);
void copyLongRun(quint32* to, const quint32* from, size_t count);
// Writes colours[from] to colours[to - 1] to out, where the colours come in runs of one colour
// ending at `ends` (ascending, the last one past `to`): each run as one fill.
void fillColourRuns(quint32* out, const quint32* colours, const std::vector<size_t>& ends,
                    size_t from, size_t to);

// Fills a run of pixels, sixteen bytes at a time; a long run as fillLongRun.
inline void fillRun(quint32* from, quint32* to, quint32 pixel) {
    if (to - from >= kLongRun) {
        fillLongRun(from, to, pixel);
        return;
    }
#ifdef __SSE2__
    const __m128i v = _mm_set1_epi32(static_cast<int>(pixel));
    for (; to - from >= 4; from += 4)
        _mm_storeu_si128(reinterpret_cast<__m128i*>(from), v);
#endif
    for (; from < to; ++from)
        *from = pixel;
}

// Copies a run of pixels. The library's memcpy moves runs of a few kilobytes with a string
// instruction, which on some processors stores at half the speed of a vector loop.
inline void copyRun(quint32* to, const quint32* from, size_t count) {
    if (count >= size_t(kLongRun)) {
        copyLongRun(to, from, count);
        return;
    }
    for (; count > 0; --count)
        *to++ = *from++;
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

}  // namespace kelvarin::raster
