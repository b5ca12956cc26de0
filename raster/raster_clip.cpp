// SPDX-License-Identifier: MIT
// Clipping a line to the image and rounding its ends to pixel centres.

#include <algorithm>
#include <cmath>

#include "raster/line_raster.h"

namespace kelvarin::raster {

namespace {

// Liang-Barsky clipping of a segment to [xmin, xmax] x [ymin, ymax]; only the sides an end lies
// beyond are worked out.
bool clip(double& x1, double& y1, double& x2, double& y2, double xmin, double ymin, double xmax,
          double ymax) {
    const double dx = x2 - x1, dy = y2 - y1;
    double t0 = 0.0, t1 = 1.0;
    // One side: p the change towards it, q the room before it.
    auto side = [&](bool beyond, double p, double q) {
        if (!beyond) return true;
        if (p == 0.0) return q >= 0.0;
        const double t = q / p;
        if (p < 0.0) {
            if (t > t1) return false;
            if (t > t0) t0 = t;
        } else {
            if (t < t0) return false;
            if (t < t1) t1 = t;
        }
        return true;
    };
    if (!side(x1 < xmin || x2 < xmin, -dx, x1 - xmin) ||
        !side(x1 > xmax || x2 > xmax, dx, xmax - x1) ||
        !side(y1 < ymin || y2 < ymin, -dy, y1 - ymin) ||
        !side(y1 > ymax || y2 > ymax, dy, ymax - y1))
        return false;
    const double nx1 = x1 + t0 * dx, ny1 = y1 + t0 * dy;
    x2 = x1 + t1 * dx;
    y2 = y1 + t1 * dy;
    x1 = nx1;
    y1 = ny1;
    return true;
}

// The clipping, inlined into a version for the baseline processor and one for SSE4.1.
[[gnu::always_inline]] inline bool clipped(double x1, double y1, double x2, double y2, int width,
                                           int height, PixelLine& line) {
    if (width <= 0 || height <= 0) return false;
    if (!std::isfinite(x1 + y1 + x2 + y2)) return false;
    // Ends to pixel centres first, then clipped to the centres of the image's pixels: a line
    // between whole pixels keeps its slope where it is cut (a diagonal stays diagonal).
    x1 = std::floor(x1 + 0.5);
    y1 = std::floor(y1 + 0.5);
    x2 = std::floor(x2 + 0.5);
    y2 = std::floor(y2 + 0.5);
    const double right = width - 1.0, bottom = height - 1.0;
    auto inside = [&](double x, double y) {
        return x >= 0.0 && x <= right && y >= 0.0 && y <= bottom;
    };
    // Most lines lie in the image already: their rounded ends are the pixels.
    if (inside(x1, y1) && inside(x2, y2)) {
        line.x0 = static_cast<int>(x1);
        line.y0 = static_cast<int>(y1);
        line.x1 = static_cast<int>(x2);
        line.y1 = static_cast<int>(y2);
        return true;
    }
    if (!clip(x1, y1, x2, y2, 0.0, 0.0, right, bottom)) return false;
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

// Where the processor has SSE4.1 its rounding instruction takes each floor in one step. The
// version is chosen once when the program starts (a plain flag, not an ifunc: resolvers run
// before a sanitizer's runtime does).
#if defined(__x86_64__) && defined(__GNUC__)
__attribute__((target("sse4.1"))) bool clippedWithRounding(double x1, double y1, double x2,
                                                           double y2, int width, int height,
                                                           PixelLine& line) {
    return clipped(x1, y1, x2, y2, width, height, line);
}

bool hasRounding() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("sse4.1") != 0;
}

const bool kRounding = hasRounding();
#endif

}  // namespace

bool clipToImage(double x1, double y1, double x2, double y2, int width, int height,
                 PixelLine& line) {
#if defined(__x86_64__) && defined(__GNUC__)
    if (kRounding) return clippedWithRounding(x1, y1, x2, y2, width, height, line);
#endif
    return clipped(x1, y1, x2, y2, width, height, line);
}

}  // namespace kelvarin::raster
