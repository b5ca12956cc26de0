#include "segment_window/controls.h"

#include <QFontDatabase>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextCursor>

namespace kelvarin {

QRect twips(int left, int top, int width, int height) {
    return QRect(left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
                 height / kTwipsPerPixel);
}

QFont controlFont(double points) {
    QFont font;
    font.setFamilies({QStringLiteral("微软雅黑"), QStringLiteral("Microsoft YaHei"),
                      QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC"),
                      QStringLiteral("Noto Sans SC"), QStringLiteral("Droid Sans Fallback")});
    font.setPointSizeF(points);
    font.setWeight(QFont::Normal);
    return font;
}

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

CrLfTextBox::CrLfTextBox(QWidget* parent) : QPlainTextEdit(parent) {
    setLineWrapMode(QPlainTextEdit::NoWrap);
}

QString CrLfTextBox::text() const {
    QString s = toPlainText();
    s.replace(u'\n', QStringLiteral("\r\n"));
    return s;
}

void CrLfTextBox::setText(const QString& text) {
    QString s = text;
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setPlainText(s);
}

void CrLfTextBox::appendText(const QString& text) {
    QString s = text;
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(s);
}

}  // namespace kelvarin
