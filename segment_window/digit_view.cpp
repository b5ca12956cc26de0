// SPDX-License-Identifier: MIT
// Drawing a digit's segments as paths.

#include "segment_window/digit_view.h"

#include <QPainter>
#include <QPainterPath>

#include <array>

#include "segment_codes/segments.h"

namespace kelvarin {

namespace {

// The digit in a box of 60 x 100 units: each segment a slanted bar, as a path.
QPainterPath bar(QPointF from, QPointF to, double thick) {
    const QPointF d = to - from;
    const bool horizontal = std::abs(d.x()) > std::abs(d.y());
    const double h = thick / 2;
    QPainterPath p;
    if (horizontal) {
        p.moveTo(from);
        p.lineTo(from + QPointF(h, -h));
        p.lineTo(to + QPointF(-h, -h));
        p.lineTo(to);
        p.lineTo(to + QPointF(-h, h));
        p.lineTo(from + QPointF(h, h));
    } else {
        p.moveTo(from);
        p.lineTo(from + QPointF(h, h));
        p.lineTo(to + QPointF(h, -h));
        p.lineTo(to);
        p.lineTo(to + QPointF(-h, -h));
        p.lineTo(from + QPointF(-h, h));
    }
    p.closeSubpath();
    return p;
}

struct Shape {
    std::array<QPainterPath, codes::kSegments> segments;
    std::array<QPointF, codes::kSegments> labels;  // where each name is written
};

const Shape& shape() {
    static const Shape s = [] {
        Shape s;
        const double l = 10, r = 46, t = 8, m = 50, b = 92, k = 7;
        s.segments[0] = bar({l + 2, t}, {r - 2, t}, k);      // a
        s.segments[1] = bar({r, t + 2}, {r, m - 2}, k);      // b
        s.segments[2] = bar({r, m + 2}, {r, b - 2}, k);      // c
        s.segments[3] = bar({l + 2, b}, {r - 2, b}, k);      // d
        s.segments[4] = bar({l, m + 2}, {l, b - 2}, k);      // e
        s.segments[5] = bar({l, t + 2}, {l, m - 2}, k);      // f
        s.segments[6] = bar({l + 2, m}, {r - 2, m}, k);      // g
        s.segments[7].addEllipse(QPointF(54, b), 3.5, 3.5);  // dp
        s.labels = {QPointF(28, t + 12), QPointF(r - 11, 29), QPointF(r - 11, 71),
                    QPointF(28, b - 10), QPointF(l + 6, 71),  QPointF(l + 6, 29),
                    QPointF(28, m - 9),  QPointF(55, b - 10)};
        return s;
    }();
    return s;
}

}  // namespace

DigitView::DigitView(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void DigitView::setPattern(quint8 pattern) {
    if (m_pattern == pattern) return;
    m_pattern = pattern;
    update();
}

void DigitView::setLabelled(bool labelled) {
    m_labelled = labelled;
    update();
}

void DigitView::setCaption(const QString& caption) {
    m_caption = caption;
    update();
}

void DigitView::setCrossed(bool crossed) {
    m_crossed = crossed;
    update();
}

QSize DigitView::sizeHint() const {
    const int base = m_labelled ? 180 : 60;
    return QSize(base * 6 / 10, base + (m_caption.isNull() ? 0 : fontMetrics().height() + 4));
}

void DigitView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const int captionHeight = m_caption.isNull() ? 0 : fontMetrics().height() + 4;
    const QRectF box(0, 0, width(), height() - captionHeight);
    // The 60 x 100 design fitted into the box, centred.
    const double scale = std::min(box.width() / 60.0, box.height() / 100.0);
    p.save();
    p.translate(box.center() - QPointF(30 * scale, 50 * scale));
    p.scale(scale, scale);
    const Shape& s = shape();
    for (int k = 0; k < codes::kSegments; ++k) {
        const bool lit = !m_crossed && (m_pattern >> k) & 1;
        p.setPen(Qt::NoPen);
        p.setBrush(lit ? QColor(220, 30, 30) : QColor(0, 0, 0, 28));
        p.drawPath(s.segments[static_cast<size_t>(k)]);
    }
    if (m_labelled) {
        QFont f = font();
        f.setPixelSize(8);
        p.setFont(f);
        p.setPen(palette().color(QPalette::WindowText));
        for (int k = 0; k < codes::kSegments; ++k) {
            const QPointF at = s.labels[static_cast<size_t>(k)];
            p.drawText(QRectF(at.x() - 6, at.y() - 5, 12, 10), Qt::AlignCenter,
                       codes::segmentName(k));
        }
    }
    if (m_crossed) {
        p.setPen(QPen(QColor(200, 0, 0), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(8, 8), QPointF(52, 92));
        p.drawLine(QPointF(52, 8), QPointF(8, 92));
    }
    p.restore();
    if (captionHeight > 0) {
        p.setPen(m_crossed ? QColor(200, 0, 0) : palette().color(QPalette::WindowText));
        p.drawText(QRectF(0, height() - captionHeight, width(), captionHeight), Qt::AlignCenter,
                   m_caption);
    }
}

}  // namespace kelvarin
