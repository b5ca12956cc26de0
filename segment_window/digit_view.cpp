// SPDX-License-Identifier: MIT
// Drawing a digit's segments as paths.

#include "segment_window/digit_view.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

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

// A diagonal bar: the line from one point to the other, thick wide, its ends cut square.
QPainterPath slanted(QPointF from, QPointF to, double thick) {
    const QPointF d = to - from;
    const double length = std::hypot(d.x(), d.y());
    const QPointF n = QPointF(-d.y(), d.x()) * (thick / 2 / length);
    QPainterPath p;
    p.moveTo(from + n);
    p.lineTo(to + n);
    p.lineTo(to - n);
    p.lineTo(from - n);
    p.closeSubpath();
    return p;
}

struct Shape {
    QList<QPainterPath> segments;  // in the kind's order
    QList<QPointF> labels;         // where each name is written
};

Shape sevenSegments() {
    Shape s;
    const double l = 10, r = 46, t = 8, m = 50, b = 92, k = 7;
    s.segments = {bar({l + 2, t}, {r - 2, t}, k), bar({r, t + 2}, {r, m - 2}, k),
                  bar({r, m + 2}, {r, b - 2}, k), bar({l + 2, b}, {r - 2, b}, k),
                  bar({l, m + 2}, {l, b - 2}, k), bar({l, t + 2}, {l, m - 2}, k),
                  bar({l + 2, m}, {r - 2, m}, k), QPainterPath()};
    s.segments[7].addEllipse(QPointF(54, b), 3.5, 3.5);  // dp
    s.labels = {QPointF(28, t + 12), QPointF(r - 11, 29), QPointF(r - 11, 71), QPointF(28, b - 10),
                QPointF(l + 6, 71),  QPointF(l + 6, 29),  QPointF(28, m - 9),  QPointF(55, b - 10)};
    return s;
}

// 14 and 16 segments: the outer bars (the top and bottom halved for 16), the middle halves, the
// upper and lower diagonals and verticals, dp.
Shape wideSegments(bool sixteen) {
    Shape s;
    const double l = 10, r = 46, t = 8, m = 50, b = 92, c = 28, k = 5.5;
    const QPainterPath a = bar({l + 2, t}, {r - 2, t}, k), a1 = bar({l + 2, t}, {c - 1.5, t}, k),
                       a2 = bar({c + 1.5, t}, {r - 2, t}, k);
    const QPainterPath d = bar({l + 2, b}, {r - 2, b}, k), d1 = bar({c + 1.5, b}, {r - 2, b}, k),
                       d2 = bar({l + 2, b}, {c - 1.5, b}, k);
    const QPainterPath upperRight = bar({r, t + 2}, {r, m - 2}, k),
                       lowerRight = bar({r, m + 2}, {r, b - 2}, k),
                       lowerLeft = bar({l, m + 2}, {l, b - 2}, k),
                       upperLeft = bar({l, t + 2}, {l, m - 2}, k);
    const QPainterPath g1 = bar({l + 2, m}, {c - 1.5, m}, k), g2 = bar({c + 1.5, m}, {r - 2, m}, k);
    const QPainterPath diagonalUpLeft = slanted({l + 5, t + 7}, {c - 3, m - 6}, k - 1),
                       verticalUp = bar({c, t + 5}, {c, m - 4}, k - 1),
                       diagonalUpRight = slanted({r - 5, t + 7}, {c + 3, m - 6}, k - 1),
                       diagonalDownLeft = slanted({c - 3, m + 6}, {l + 5, b - 7}, k - 1),
                       verticalDown = bar({c, m + 4}, {c, b - 5}, k - 1),
                       diagonalDownRight = slanted({c + 3, m + 6}, {r - 5, b - 7}, k - 1);
    QPainterPath dp;
    dp.addEllipse(QPointF(54, b), 3.5, 3.5);
    if (sixteen) {
        s.segments = {a1,
                      a2,
                      upperRight,
                      lowerRight,
                      d1,
                      d2,
                      lowerLeft,
                      upperLeft,
                      g1,
                      g2,
                      diagonalUpLeft,
                      verticalUp,
                      diagonalUpRight,
                      diagonalDownRight,
                      verticalDown,
                      diagonalDownLeft,
                      dp};
    } else {
        s.segments = {a,
                      upperRight,
                      lowerRight,
                      d,
                      lowerLeft,
                      upperLeft,
                      g1,
                      g2,
                      diagonalUpLeft,
                      verticalUp,
                      diagonalUpRight,
                      diagonalDownLeft,
                      verticalDown,
                      diagonalDownRight,
                      dp};
    }
    // Fifteen or seventeen names do not fit between the segments: each is written on its own
    // segment, in a tag that reads over it lit or dark; dp's above its dot.
    for (const QPainterPath& path : s.segments)
        s.labels << path.boundingRect().center();
    s.labels.back() = QPointF(53, b - 8);
    return s;
}

const Shape& shape(codes::DisplayKind kind) {
    static const Shape seven = sevenSegments(), fourteen = wideSegments(false),
                       sixteen = wideSegments(true);
    switch (kind) {
        case codes::DisplayKind::Fourteen:
            return fourteen;
        case codes::DisplayKind::Sixteen:
            return sixteen;
        case codes::DisplayKind::Seven:
            break;
    }
    return seven;
}

}  // namespace

DigitView::DigitView(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void DigitView::setKind(codes::DisplayKind kind) {
    if (m_kind == kind) return;
    m_kind = kind;
    m_pattern &= codes::allSegments(kind);
    update();
}

void DigitView::setEditable(bool editable) {
    m_editable = editable;
    setCursor(editable ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

QTransform DigitView::design() const {
    const int captionHeight = m_caption.isNull() ? 0 : fontMetrics().height() + 4;
    const QRectF box(0, 0, width(), height() - captionHeight);
    // The 60 x 100 design fitted into the box, centred.
    const double scale = std::min(box.width() / 60.0, box.height() / 100.0);
    QTransform t;
    t.translate(box.center().x() - 30 * scale, box.center().y() - 50 * scale);
    t.scale(scale, scale);
    return t;
}

int DigitView::segmentAt(QPointF point) const {
    const QPointF at = design().inverted().map(point);
    const Shape& s = shape(m_kind);
    // On a segment, or within two units of one (the gaps between them are narrow).
    int nearest = -1;
    double best = 2.0 * 2.0;
    for (qsizetype k = 0; k < s.segments.size(); ++k) {
        const QPainterPath& path = s.segments[k];
        if (path.contains(at)) return static_cast<int>(k);
        const QRectF r = path.boundingRect().adjusted(-2, -2, 2, 2);
        if (!r.contains(at)) continue;
        for (int step = 0; step <= 20; ++step) {
            const QPointF d = path.pointAtPercent(step / 20.0) - at;
            const double squared = d.x() * d.x() + d.y() * d.y();
            if (squared < best) {
                best = squared;
                nearest = static_cast<int>(k);
            }
        }
    }
    return nearest;
}

QPointF DigitView::segmentCentre(int segment) const {
    const Shape& s = shape(m_kind);
    if (segment < 0 || segment >= s.segments.size()) return {};
    const QPainterPath& path = s.segments[segment];
    // A bar's middle lies on it; dp's centre too.
    return design().map(path.boundingRect().center());
}

void DigitView::mousePressEvent(QMouseEvent* event) {
    if (!m_editable || event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const int segment = segmentAt(event->position());
    if (segment >= 0) emit segmentClicked(segment);
    event->accept();
}

void DigitView::setPattern(quint32 pattern) {
    pattern &= codes::allSegments(m_kind);
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
    p.save();
    p.setTransform(design(), true);
    const Shape& s = shape(m_kind);
    for (qsizetype k = 0; k < s.segments.size(); ++k) {
        const bool lit = !m_crossed && (m_pattern >> k) & 1;
        p.setPen(Qt::NoPen);
        // An editable digit's dark segments stand out from any background.
        p.setBrush(lit          ? QColor(220, 30, 30)
                   : m_editable ? QColor(255, 255, 255, 200)
                                : QColor(0, 0, 0, 28));
        p.drawPath(s.segments[k]);
        if (m_editable) {
            p.setPen(QPen(QColor(0, 0, 0, 90), 0));
            p.setBrush(Qt::NoBrush);
            p.drawPath(s.segments[k]);
        }
    }
    if (m_labelled) {
        QFont f = font();
        f.setPixelSize(m_kind == codes::DisplayKind::Seven ? 8 : 5);
        p.setFont(f);
        p.setPen(palette().color(QPalette::WindowText));
        const bool tagged = m_kind != codes::DisplayKind::Seven;
        const QFontMetricsF metrics(f);
        for (qsizetype k = 0; k < s.labels.size(); ++k) {
            const QPointF at = s.labels[k];
            const QString name = codes::segmentName(m_kind, static_cast<int>(k));
            if (tagged) {
                const QSizeF size(metrics.horizontalAdvance(name) + 1.6, metrics.height());
                const QRectF tag(at - QPointF(size.width() / 2, size.height() / 2), size);
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(255, 255, 255, 225));
                p.drawRoundedRect(tag, 1.2, 1.2);
                p.setPen(QColor(20, 20, 20));
                p.drawText(tag, Qt::AlignCenter, name);
            } else {
                p.drawText(QRectF(at.x() - 6, at.y() - 5, 12, 10), Qt::AlignCenter, name);
            }
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
