// A picture box over a backing image.

#include "platform/gui/picture_box.h"

#include <QMouseEvent>
#include <QPainter>

namespace kelvarin {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent), m_canvas(*this) {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Base));
    pal.setColor(QPalette::WindowText, pal.color(QPalette::Text));
    setPalette(pal);
    m_canvas.setBackground(pal.color(QPalette::Base));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::clearDrawing() {
    m_canvas.clear();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    m_canvas.paintOnto(p);
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void PictureBox::resizeEvent(QResizeEvent*) {
    m_canvas.followOwnerSize();
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button() == Qt::LeftButton;
    setFocus(Qt::MouseFocusReason);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click) emit clicked();
}

}  // namespace kelvarin
