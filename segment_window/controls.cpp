#include "segment_window/controls.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTextCursor>

#include "platform/wkout.h"
#include "workout/workout.h"

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

workOut& sharedWorkOut() {
    if (wkOut == nullptr) raiseError(err::ObjectNotSet);
    return *wkOut;
}

QPushButton* addButton(QWidget* parent, const char* name, const QString& caption, QRect geometry) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->setFont(controlFont(9));
    button->setAutoDefault(false);
    return button;
}

KeyPreview::KeyPreview(QWidget& window, std::function<void(qint16)> handler)
    : QObject(&window), m_handler(std::move(handler)) {
    window.installEventFilter(this);
    for (QWidget* child : window.findChildren<QWidget*>())
        child->installEventFilter(this);
}

bool KeyPreview::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape) {
            m_handler(27);
            return true;
        }
        if (key->text().size() == 1) m_handler(static_cast<qint16>(key->text().at(0).unicode()));
    }
    return QObject::eventFilter(watched, event);
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
