#pragma once

// The line raster: one-pixel lines painted band by band into a 32-bit image.
//
// Rasterising one-pixel lines into a 32-bit image. Lines are queued and painted band by band:
// a band of rows stays in the cache while every queued line paints its part of it, in the order
// the lines came, so the last line over a pixel still decides its colour. Vertical and diagonal
// lines, which touch a new row with every pixel, then run from the cache instead of from memory.

#include <QtGlobal>

#include <vector>

class QImage;

namespace kelvarin::raster {

// A line between two pixel centres inside the image, in one colour.
struct PixelLine {
    int x0, y0, x1, y1;
    quint32 pixel;
};

// Clips the segment (x1, y1)-(x2, y2), in pixels, to a width x height image and rounds its ends
// to pixel centres; false when nothing of it lies on the image.
bool clipToImage(double x1, double y1, double x2, double y2, int width, int height,
                 PixelLine& line);

// Paints the pixels of the line that lie in rows top to bottom (inclusive). A line has one
// pixel per row when it is steep and one per column otherwise; both ends are painted.
void paintRows(quint32* bits, qsizetype stride, const PixelLine& line, int top, int bottom);

class LineQueue {
  public:
    bool empty() const { return m_lines.empty(); }
    std::size_t size() const { return m_lines.size(); }
    void add(const PixelLine& line) { m_lines.push_back(line); }
    // Paints every queued line into the image, band by band, and empties the queue.
    void paintInto(QImage& image);

  private:
    std::vector<PixelLine> m_lines;
};

}  // namespace kelvarin::raster
