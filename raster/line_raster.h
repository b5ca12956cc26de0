// SPDX-License-Identifier: MIT
#pragma once

// The line raster: one-pixel lines painted band by band into a 32-bit image.
//
// Rasterising one-pixel lines into a 32-bit image. Lines are queued and painted band by band:
// a band of rows stays in the cache while every queued line paints its part of it, in the order
// the lines came, so the last line over a pixel still decides its colour. Vertical and diagonal
// lines, which touch a new row with every pixel, then run from the cache instead of from memory.

#include <QtGlobal>

#include <algorithm>
#include <utility>
#include <vector>

class QImage;

namespace kelvarin::raster {

// A line between two pixel centres inside the image, in one colour.
struct PixelLine {
    int x0, y0, x1, y1;
    quint32 pixel;
};

// A line's ends from its upper end down (a horizontal line from its left end), its extent and
// the way its column moves.
struct Downward {
    int x0, y0, x1, y1;
    qint64 adx, ady;
    int sx;  // +1 rightwards, -1 leftwards
    bool steep() const { return ady > 0 && adx <= ady; }
};
inline Downward downward(const PixelLine& line) {
    Downward d{line.x0, line.y0, line.x1, line.y1, 0, 0, 1};
    if (d.y0 > d.y1 || (d.y0 == d.y1 && d.x0 > d.x1)) {
        std::swap(d.x0, d.x1);
        std::swap(d.y0, d.y1);
    }
    d.adx = d.x1 < d.x0 ? d.x0 - d.x1 : d.x1 - d.x0;
    d.ady = d.y1 - d.y0;
    d.sx = d.x1 < d.x0 ? -1 : 1;
    return d;
}

// Clips the segment (x1, y1)-(x2, y2), in pixels, to a width x height image and rounds its ends
// to pixel centres; false when nothing of it lies on the image.
bool clipToImage(double x1, double y1, double x2, double y2, int width, int height,
                 PixelLine& line);

// Paints the pixels of the line that lie in rows top to bottom (inclusive). A line has one
// pixel per row when it is steep and one per column otherwise; both ends are painted.
void paintRows(quint32* bits, qsizetype stride, const PixelLine& line, int top, int bottom);

// Calls run(y, xa, xb) for the pixels of the line in rows top to bottom: in each row the
// columns xa to xb (xa <= xb), the same pixels that paintRows paints.
template <class Run>
void forEachRun(const PixelLine& line, int top, int bottom, Run&& run) {
    const auto [x0, y0, x1, y1, adx, ady, sx] = downward(line);
    top = std::max(top, y0);
    bottom = std::min(bottom, y1);
    if (top > bottom) return;
    if (ady == 0) {
        run(y0, x0, x1);
        return;
    }
    if (adx <= ady) {
        for (int y = top; y <= bottom; ++y) {
            const qint64 n = y - y0;
            const int x = static_cast<int>(x0 + sx * ((2 * n * adx + ady) / (2 * ady)));
            run(y, x, x);
        }
        return;
    }
    const qint64 den = 2 * ady, last = adx + 1;
    for (int y = top; y <= bottom; ++y) {
        const qint64 k = y - y0;
        const qint64 from = k == 0 ? 0 : (adx * (2 * k - 1) + den - 1) / den;
        const qint64 to = std::min(last, (adx * (2 * k + 1) + den - 1) / den) - 1;
        if (from > to) continue;
        const qint64 a = x0 + sx * from, b = x0 + sx * to;
        run(y, static_cast<int>(std::min(a, b)), static_cast<int>(std::max(a, b)));
    }
}

// Marks the upper halves of the 256-bit vector registers unused, where the processor has them.
// Qt's own fills (QImage::fill among them) can return with those halves in use, and until they
// are cleared every 16-byte vector instruction of the code built for the base processor, the
// doubles of the drawing calls included, waits on them: queueing the 6,000 lines of a diagonal
// gradient after a fill took 0.65 ms instead of 0.23 ms.
void clearUpperVectorHalves();

class LineQueue {
  public:
    bool empty() const { return m_lines.empty(); }
    std::size_t size() const { return m_lines.size(); }
    // The first line of a batch also clears the vector state a fill before it may have left.
    void add(const PixelLine& line) {
        if (m_lines.empty()) clearUpperVectorHalves();
        m_lines.push_back(line);
    }
    // Paints every queued line into the image, band by band, and empties the queue. The lines
    // are in logical pixels; with a device pixel ratio other than 1 each logical pixel paints
    // the block of device pixels it covers.
    void paintInto(QImage& image);

  private:
    std::vector<PixelLine> m_lines;
};

}  // namespace kelvarin::raster
