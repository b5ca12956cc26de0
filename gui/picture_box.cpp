// SPDX-License-Identifier: MIT
// A picture box over a backing image.

#include "gui/picture_box.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace kelvarin::gui {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent), m_canvas(*this) {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Base));
    pal.setColor(QPalette::WindowText, pal.color(QPalette::Text));
    setPalette(pal);
    m_canvas.setBackground(pal.color(QPalette::Base));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::setClickable(bool clickable) {
    setFocusPolicy(clickable ? Qt::StrongFocus : Qt::NoFocus);
}

void PictureBox::clearDrawing() {
    m_canvas.clear();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    m_canvas.paintOnto(p);
    // The border is the outermost logical pixel on every side: a pen one logical pixel wide on
    // the middle of that pixel covers all the device pixels it has at any pixel ratio.
    const QRectF outer = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(palette().color(QPalette::Mid), 1.0));
    p.drawRect(outer);
    if (hasFocus()) {
        // The focus mark: a dotted frame just inside the border, seen on light and dark alike.
        const QRectF inner = outer.adjusted(1, 1, -1, -1);
        p.setPen(QPen(Qt::white, 1.0));
        p.drawRect(inner);
        p.setPen(QPen(palette().color(QPalette::Text), 1.0, Qt::DotLine));
        p.drawRect(inner);
    }
}

void PictureBox::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if ((key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) &&
        !event->isAutoRepeat() && focusPolicy() != Qt::NoFocus) {
        event->accept();
        emit clicked();
        return;
    }
    QWidget::keyPressEvent(event);
}

void PictureBox::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void PictureBox::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void PictureBox::resizeEvent(QResizeEvent*) {
    m_canvas.followOwnerSize();
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button() == Qt::LeftButton;
    if (focusPolicy() != Qt::NoFocus) setFocus(Qt::MouseFocusReason);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click) emit clicked();
}

}  // namespace kelvarin::gui
