// SPDX-License-Identifier: MIT
// The backing canvas: scale modes, lines, boxes, circles and printed text in a backing image.

#include "gui/backing_canvas.h"

#include <QFontMetricsF>
#include <QLineF>
#include <QPainter>
#include <QWidget>

#include <sys/mman.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

#include "runtime/errors.h"

namespace kelvarin::gui {

namespace {

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

void BackingCanvas::resizeTo(int logicalWidth, int logicalHeight, qreal ratio) {
    logicalWidth = std::max(logicalWidth, 0);
    logicalHeight = std::max(logicalHeight, 0);
    if (!(ratio >= 1.0) || !std::isfinite(ratio)) ratio = 1.0;
    // The image has the screen's device pixels; drawing stays in logical pixels.
    const int width = static_cast<int>(std::ceil(logicalWidth * ratio));
    const int height = static_cast<int>(std::ceil(logicalHeight * ratio));
    if (m_image.width() == width && m_image.height() == height && m_ratio == ratio &&
        m_logicalWidth == logicalWidth)
        return;
    flushLines();
    // Large images go into huge pages where the system offers them: a vertical or diagonal
    // line touches one row after another, and with small pages every row is a page of its own,
    // so the line would spend its time on address translation rather than on pixels.
    // Rows are padded to an odd number of cache lines: with an even number the pixels of one
    // column fall into a few cache sets only, and a band of rows no longer stays in the cache.
    constexpr qsizetype pixelsPerCacheLine = 16;
    qsizetype cacheLines =
        (static_cast<qsizetype>(width) + pixelsPerCacheLine - 1) / pixelsPerCacheLine;
    if (cacheLines % 2 == 0) ++cacheLines;
    const qsizetype stride = cacheLines * pixelsPerCacheLine;
    const size_t bytes = static_cast<size_t>(stride) * static_cast<size_t>(std::max(height, 1)) * 4;
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
    // Without memory for the new size the canvas keeps its image: a resize never fails.
    if (!pixels) return;
    QImage next(reinterpret_cast<uchar*>(pixels.get()), width, height, stride * 4,
                QImage::Format_RGB32);
    next.setDevicePixelRatio(ratio);
    next.fill(m_background);
    if (!m_image.isNull()) {
        QPainter p(&next);
        p.drawImage(0, 0, m_image);
    }
    m_image = next;
    m_pixels = std::move(pixels);
    m_ratio = ratio;
    m_logicalWidth = logicalWidth;
    m_logicalHeight = logicalHeight;
    touched();
}

void BackingCanvas::followOwnerSize() {
    resizeTo(m_owner.width(), m_owner.height(), m_owner.devicePixelRatioF());
}

void BackingCanvas::followOwnerWidthAndHeight() {
    // The ratio is looked up on resizes and paints; drawing only follows the size.
    if (m_owner.width() != m_logicalWidth || m_owner.height() != m_logicalHeight ||
        m_image.isNull())
        followOwnerSize();
}

void BackingCanvas::clear() {
    followOwnerSize();
    // Lines not yet painted would be covered anyway.
    m_lines = raster::LineQueue();
    m_image.fill(m_background);
    m_lastPrint.reset();
    touched();
}

void BackingCanvas::setBackground(const QColor& colour) {
    m_background = colour;
}

void BackingCanvas::paintOnto(QPainter& painter) {
    m_updatePending = false;
    followOwnerSize();  // the screen may have another pixel ratio now
    flushLines();
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
    return static_cast<float>(fromPixelsX(m_logicalWidth));
}

float BackingCanvas::scaleHeight() const {
    return static_cast<float>(fromPixelsY(m_owner.height()));
}

void BackingCanvas::line(float x1, float y1, float x2, float y2, qint32 color) {
    followOwnerWidthAndHeight();
    plotLine(toPixelsX(x1), toPixelsY(y1), toPixelsX(x2), toPixelsY(y2), pixelOf(color));
    touched();
}

void BackingCanvas::box(float x1, float y1, float x2, float y2, qint32 color) {
    followOwnerWidthAndHeight();
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
    flushLines();
    QPainter p(&m_image);
    p.setRenderHint(QPainter::Antialiasing, false);
    // One logical pixel wide: as many device pixels as the ratio has.
    p.setPen(QPen(colourFromRgb(color), m_ratio > 1.0 ? 1.0 : 0.0));
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
    double x = toPixelsX(m_currentX), top = toPixelsY(m_currentY);
    // Text stands on whole logical pixels, as it does at ratio 1: copies printed a fraction of
    // a pixel apart (a shadow's halo) keep the same distances in device pixels, scaled with the
    // ratio, and do not drift apart into ghosts.
    if (m_ratio != 1.0 && std::isfinite(x) && std::isfinite(top)) {
        x = std::round(x);
        top = std::round(top);
    }
    if (!text.isEmpty() && !m_image.isNull() && std::isfinite(x) && std::isfinite(top)) {
        flushLines();
        QPainter p(&m_image);
        p.setFont(font);
        p.setPen(colourFromRgb(m_foreColor));
        // The position is the top of the text; Qt places text by its baseline.
        const QPointF at(x, top + metrics.ascent());
        p.drawText(at, text);
        // Copies of one text in one colour, a few pixels apart, are a halo. At ratio 1 its
        // copies, a pixel or two apart, join into one outline; at a higher ratio the glyphs'
        // strokes are thinner in logical pixels and the copies would stand apart as specks.
        // So each copy covers its whole logical pixel (as a border's line does): it is painted
        // again at every device pixel of it. The text printed over the halo, in its own
        // colour, is painted once.
        const bool halo = m_ratio > 1.0 && m_lastPrint && m_lastPrint->text == text &&
                          m_lastPrint->colour == m_foreColor && m_lastPrint->bold == m_fontBold &&
                          QLineF(m_lastPrint->at, at).length() < 2.0 * metrics.height();
        auto spread = [&](QPointF from) {
            const int steps = static_cast<int>(std::ceil(m_ratio));
            for (int i = 0; i < steps; ++i)
                for (int j = 0; j < steps; ++j)
                    if (i != 0 || j != 0)
                        p.drawText(from + QPointF(i / m_ratio, j / m_ratio), text);
        };
        if (halo) {
            if (!m_lastPrint->spread) spread(m_lastPrint->at);
            spread(at);
        }
        m_lastPrint = Printed{text, m_foreColor, m_fontBold, at, halo};
        touched();
    }
    // The print position moves to the start of the next line.
    m_currentX = 0.0f;
    m_currentY = static_cast<float>(m_currentY + fromPixelsY(metrics.height()));
}

void BackingCanvas::plotLine(double x1, double y1, double x2, double y2, quint32 pixel) {
    // In logical pixels: the queue paints each logical pixel over the device pixels it covers.
    raster::PixelLine line{0, 0, 0, 0, pixel};
    if (!raster::clipToImage(x1, y1, x2, y2, m_logicalWidth, m_logicalHeight, line)) return;
    m_lines.add(line);
    // Bounded: a long run of lines is painted in batches.
    if (m_lines.size() >= (std::size_t(1) << 16)) flushLines();
}

void BackingCanvas::flushLines() const {
    m_lines.paintInto(m_image);
}

const QImage& BackingCanvas::image() const {
    flushLines();
    return m_image;
}

}  // namespace kelvarin::gui
