#include "segment_window/backing_canvas.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QWidget>

#include <sys/mman.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <new>
#include <optional>

#include "workout/workout_error.h"

namespace kelvarin {

namespace {

constexpr double kTwipsPerPixel = 15.0;
constexpr size_t kHugePage = size_t(2) << 20;

struct UnitSize {
    double x, y;
};

// Twips in one unit of each scale mode, horizontally and vertically; nothing for a mode the
// canvas does not have.
std::optional<UnitSize> twipsPerUnit(qint16 mode) {
    switch (mode) {
        case scale::Twips:
            return UnitSize{1.0, 1.0};
        case scale::Points:
            return UnitSize{20.0, 20.0};
        case scale::Pixels:
            return UnitSize{kTwipsPerPixel, kTwipsPerPixel};
        case scale::Characters:
            return UnitSize{120.0, 240.0};
        case scale::Inches:
            return UnitSize{1440.0, 1440.0};
        case scale::Millimeters:
            return UnitSize{1440.0 / 25.4, 1440.0 / 25.4};
        case scale::Centimeters:
            return UnitSize{1440.0 / 2.54, 1440.0 / 2.54};
        default:
            return std::nullopt;
    }
}

quint32 pixelOf(qint32 rgb) {
    return qRgb(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

// Liang-Barsky clipping of a segment to [xmin, xmax] x [ymin, ymax]; false when nothing is left.
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

void BackingCanvas::FreePixels::operator()(quint32* p) const {
    std::free(p);
}

QColor colourFromRgb(qint32 rgb) {
    return QColor::fromRgb(pixelOf(rgb));
}

BackingCanvas::BackingCanvas(QWidget& owner) : m_owner(owner), m_scaleMode(scale::Twips) {
    m_background = owner.palette().color(QPalette::Window);
}

void BackingCanvas::resizeTo(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (m_image.width() == width && m_image.height() == height) return;
    // Large images go into huge pages where the system offers them: a vertical or diagonal
    // line touches one row after another, and with small pages every row is a page of its own,
    // so the line would spend its time on address translation rather than on pixels.
    const size_t bytes = static_cast<size_t>(width) * static_cast<size_t>(std::max(height, 1)) * 4;
    std::unique_ptr<quint32[], FreePixels> pixels;
    if (bytes >= kHugePage) {
        const size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
        pixels.reset(static_cast<quint32*>(std::aligned_alloc(kHugePage, rounded)));
#ifdef MADV_HUGEPAGE
        if (pixels) madvise(pixels.get(), rounded, MADV_HUGEPAGE);
#endif
    } else {
        pixels.reset(static_cast<quint32*>(std::malloc(std::max<size_t>(bytes, 4))));
    }
    if (!pixels) throw std::bad_alloc();
    QImage next(reinterpret_cast<uchar*>(pixels.get()), width, height,
                static_cast<qsizetype>(width) * 4, QImage::Format_RGB32);
    next.fill(m_background);
    if (!m_image.isNull()) {
        QPainter p(&next);
        p.drawImage(0, 0, m_image);
    }
    m_image = next;
    m_pixels = std::move(pixels);
    touched();
}

void BackingCanvas::followOwnerSize() {
    resizeTo(m_owner.width(), m_owner.height());
}

void BackingCanvas::clear() {
    followOwnerSize();
    m_image.fill(m_background);
    touched();
}

void BackingCanvas::setBackground(const QColor& colour) {
    m_background = colour;
}

void BackingCanvas::paintOnto(QPainter& painter) {
    m_updatePending = false;
    painter.drawImage(0, 0, m_image);
}

void BackingCanvas::touched() {
    if (!m_updatePending) {
        m_updatePending = true;
        m_owner.update();
    }
}

double BackingCanvas::toPixelsX(double units) const {
    return units * twipsPerUnit(m_scaleMode)->x / kTwipsPerPixel;
}

double BackingCanvas::toPixelsY(double units) const {
    return units * twipsPerUnit(m_scaleMode)->y / kTwipsPerPixel;
}

double BackingCanvas::fromPixelsX(double pixels) const {
    return pixels * kTwipsPerPixel / twipsPerUnit(m_scaleMode)->x;
}

double BackingCanvas::fromPixelsY(double pixels) const {
    return pixels * kTwipsPerPixel / twipsPerUnit(m_scaleMode)->y;
}

void BackingCanvas::setScaleMode(qint16 mode) {
    if (!twipsPerUnit(mode)) raiseError(err::InvalidPropertyValue);
    m_scaleMode = mode;
}

float BackingCanvas::scaleWidth() const {
    return static_cast<float>(fromPixelsX(m_image.width()));
}

float BackingCanvas::scaleHeight() const {
    return static_cast<float>(fromPixelsY(m_owner.height()));
}

void BackingCanvas::line(float x1, float y1, float x2, float y2, qint32 color) {
    followOwnerSize();
    plotLine(toPixelsX(x1), toPixelsY(y1), toPixelsX(x2), toPixelsY(y2), pixelOf(color));
    touched();
}

void BackingCanvas::box(float x1, float y1, float x2, float y2, qint32 color) {
    followOwnerSize();
    const double l = toPixelsX(x1), t = toPixelsY(y1), r = toPixelsX(x2), b = toPixelsY(y2);
    const quint32 pixel = pixelOf(color);
    plotLine(l, t, r, t, pixel);
    plotLine(r, t, r, b, pixel);
    plotLine(r, b, l, b, pixel);
    plotLine(l, b, l, t, pixel);
    touched();
}

void BackingCanvas::circle(float x, float y, float radius, qint32 color) {
    followOwnerSize();
    const double cx = toPixelsX(x), cy = toPixelsY(y);
    const double rx = std::fabs(toPixelsX(radius)), ry = std::fabs(toPixelsY(radius));
    if (m_image.isNull() || !std::isfinite(cx + cy + rx + ry)) return;
    // A circle lying wholly outside the image, or too large to matter, paints nothing visible
    // that the rasteriser could reach sensibly.
    const double limit = 4.0 * (m_image.width() + m_image.height()) + 1e6;
    if (std::fabs(cx) > limit || std::fabs(cy) > limit || rx > limit || ry > limit) return;
    QPainter p(&m_image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(colourFromRgb(color), 0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(cx, cy), rx, ry);
    touched();
}

void BackingCanvas::setFontBold(bool bold) {
    m_fontBold = bold;
}

void BackingCanvas::setForeColor(qint32 color) {
    m_foreColor = color;
}

void BackingCanvas::setCurrentX(float x) {
    m_currentX = x;
}

void BackingCanvas::setCurrentY(float y) {
    m_currentY = y;
}

void BackingCanvas::print(const QString& text) {
    followOwnerSize();
    QFont font = m_owner.font();
    font.setBold(m_fontBold);
    const QFontMetricsF metrics(font);
    const double x = toPixelsX(m_currentX), top = toPixelsY(m_currentY);
    if (!text.isEmpty() && !m_image.isNull() && std::isfinite(x) && std::isfinite(top)) {
        QPainter p(&m_image);
        p.setFont(font);
        p.setPen(colourFromRgb(m_foreColor));
        // The position is the top of the text; Qt places text by its baseline.
        p.drawText(QPointF(x, top + metrics.ascent()), text);
        touched();
    }
    // The print position moves to the start of the next line.
    m_currentX = 0.0f;
    m_currentY = static_cast<float>(m_currentY + fromPixelsY(metrics.height()));
}

void BackingCanvas::plotLine(double x1, double y1, double x2, double y2, quint32 pixel) {
    const int w = m_image.width(), h = m_image.height();
    if (w == 0 || h == 0) return;
    if (!std::isfinite(x1 + y1 + x2 + y2)) return;
    if (!clip(x1, y1, x2, y2, -0.5, -0.5, w - 0.5, h - 0.5)) return;

    // Pixel centres of the clipped end points, kept inside the image; the pixels between two
    // points inside a rectangle lie inside it too, so the loops below need no bounds checks.
    auto pixelAt = [](double v, int size) {
        return std::clamp(static_cast<int>(std::floor(v + 0.5)), 0, size - 1);
    };
    int px = pixelAt(x1, w), py = pixelAt(y1, h);
    const int ex = pixelAt(x2, w), ey = pixelAt(y2, h);
    const qsizetype stride = m_image.bytesPerLine() / 4;
    quint32* const bits = reinterpret_cast<quint32*>(m_image.bits());
    const int adx = std::abs(ex - px), ady = std::abs(ey - py);
    const int sx = px < ex ? 1 : -1, sy = py < ey ? 1 : -1;

    if (ady == 0) {
        quint32* row = bits + py * stride;
        std::fill(row + std::min(px, ex), row + std::max(px, ex) + 1, pixel);
        return;
    }
    if (adx == 0 || adx == ady) {
        // Vertical and 45-degree lines: one pixel per row at a fixed offset.
        const qsizetype step = sy * stride + (adx == 0 ? 0 : sx);
        quint32* p = bits + py * stride + px;
        for (int n = 0; n <= ady; ++n, p += step)
            *p = pixel;
        return;
    }
    const int dx = adx, dy = -ady;
    int error = dx + dy;
    for (;;) {
        bits[py * stride + px] = pixel;
        if (px == ex && py == ey) break;
        const int e2 = 2 * error;
        if (e2 >= dy) {
            error += dy;
            px += sx;
        }
        if (e2 <= dx) {
            error += dx;
            py += sy;
        }
    }
}

}  // namespace kelvarin
