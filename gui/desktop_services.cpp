// SPDX-License-Identifier: MIT
// The desktop's services: message boxes, clipboard, URL handler, the event loop.

#include "gui/desktop_services.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QScreen>
#include <QStyle>
#include <QWindow>

#include <algorithm>

namespace kelvarin::gui {

namespace {

// The message box's icon drawn at the device pixel ratio it is shown at, so that it is as sharp
// at 2x as at 1x: a blue disc with a white "i", or a yellow triangle with a black "!".
QPixmap drawnIcon(platform::MessageBoxes::Icon icon, int size, qreal ratio) {
    QPixmap pixmap(QSize(size, size) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box(1, 1, size - 2, size - 2);
    QFont font = QGuiApplication::font();
    font.setBold(true);
    font.setPixelSize(size * 2 / 3);
    p.setFont(font);
    if (icon == platform::MessageBoxes::Icon::Warning) {
        QPainterPath triangle;
        triangle.moveTo(box.center().x(), box.top());
        triangle.lineTo(box.right(), box.bottom());
        triangle.lineTo(box.left(), box.bottom());
        triangle.closeSubpath();
        p.setPen(QPen(QColor(180, 130, 0), 1.0));
        p.setBrush(QColor(250, 200, 40));
        p.drawPath(triangle);
        p.setPen(Qt::black);
        p.drawText(box.adjusted(0, size / 6.0, 0, 0), Qt::AlignCenter, QStringLiteral("!"));
    } else {
        p.setPen(QPen(QColor(20, 80, 160), 1.0));
        p.setBrush(QColor(40, 110, 200));
        p.drawEllipse(box);
        p.setPen(Qt::white);
        p.drawText(box, Qt::AlignCenter, QStringLiteral("i"));
    }
    return pixmap;
}

// A message box as the program shows them: a table unwrapped in a fixed-width font (so both
// standard tables get boxes of one size), a box wide enough for its whole title, and an icon
// drawn at the screen's pixel ratio.
class ProgramMessageBox final : public QMessageBox {
  public:
    ProgramMessageBox(platform::MessageBoxes::Icon icon, const QString& title,
                      const QString& prompt, StandardButtons buttons, QWidget* owner, bool table)
        : QMessageBox(icon == platform::MessageBoxes::Icon::Warning ? Warning : Information, title,
                      prompt, buttons, owner),
          m_icon(icon),
          m_table(table) {
        setTextFormat(Qt::PlainText);
        if (QAbstractButton* yes = button(Yes))
            yes->setText(QCoreApplication::translate("kelvarin::gui::MessageBoxes", "是(&Y)"));
        if (QAbstractButton* no = button(No))
            no->setText(QCoreApplication::translate("kelvarin::gui::MessageBoxes", "否(&N)"));
        if (QAbstractButton* ok = button(Ok))
            ok->setText(QCoreApplication::translate("kelvarin::gui::MessageBoxes", "确定"));
        if (QAbstractButton* cancel = button(Cancel))
            cancel->setText(QCoreApplication::translate("kelvarin::gui::MessageBoxes", "取消"));
        auto* label = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        if (label == nullptr) return;
        QFont font = label->font();
        if (table) {
            // The entries and comments line up; Chinese text comes from a CJK face.
            font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
            font.setFamilies({font.family(), QStringLiteral("WenQuanYi Micro Hei Mono")});
            font.setFixedPitch(true);
            label->setFont(font);
            label->setWordWrap(false);
        }
        // The box sizes itself from its text's narrowest layout, wrapping what is wider than
        // half the screen; a label as wide as its longest line keeps a table unwrapped (both
        // tables then get boxes of one size), and one as wide as the title keeps a short box
        // from cutting its title beside a window manager's buttons.
        const QStringList lines =
            prompt.split(QRegularExpression(QStringLiteral("\\r\\n|\\n|\\r")));
        auto widestIn = [&lines](const QFont& f) {
            const QFontMetrics metrics(f);
            int w = 0;
            for (const QString& line : lines)
                w = std::max(w, metrics.horizontalAdvance(line));
            return w;
        };
        const QScreen* screen =
            owner != nullptr ? owner->screen() : QGuiApplication::primaryScreen();
        if (table && screen != nullptr) {
            // Qt keeps a box within the screen's width less 480 pixels (at most 1000; a screen of
            // 1024 or less whole), which on a laptop cuts a table's longer lines: the table's
            // type is made smaller until its lines fit that (not below 6 points).
            const int available = screen->availableGeometry().width();
            const int limit = available <= 1024 ? available : std::min(available - 480, 1000);
            const int around = style()->pixelMetric(QStyle::PM_MessageBoxIconSize) + 80;
            while (widestIn(font) + around > limit && font.pointSizeF() > 6.0) {
                font.setPointSizeF(font.pointSizeF() - 0.5);
                label->setFont(font);
            }
        }
        const int widest = widestIn(font);
        const int titleRoom = QFontMetrics(QGuiApplication::font()).horizontalAdvance(title) + 100;
        // Running text as wide as its longest line, up to 60% of the screen, wrapped beyond
        // that: a line without spaces (Chinese) is not cut at the box's edge.
        const int proseRoom =
            screen != nullptr ? screen->availableGeometry().width() * 6 / 10 : widest + 4;
        if (!table) label->setWordWrap(true);
        label->setMinimumWidth(
            std::max(table ? widest + 4 : std::min(widest + 4, proseRoom), titleRoom));
    }

  protected:
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);
        // The icon is drawn once the screen, and so its pixel ratio, is known.
        const qreal ratio =
            windowHandle() != nullptr ? windowHandle()->devicePixelRatio() : devicePixelRatioF();
        const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
        setIconPixmap(drawnIcon(m_icon, size, ratio));
    }

  private:
    platform::MessageBoxes::Icon m_icon;
    bool m_table;
};

}  // namespace

platform::MessageBoxes::Answer DesktopMessageBoxes::show(QObject* owner, const QString& prompt,
                                                         Buttons buttons, Icon icon,
                                                         const QString& title, Text text) {
    const QMessageBox::StandardButtons offered =
        buttons == Buttons::YesNo ? (QMessageBox::Yes | QMessageBox::No)
        : buttons == Buttons::YesNoCancel
            ? (QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)
            : QMessageBox::Ok;
    ProgramMessageBox box(icon, title, prompt, offered, qobject_cast<QWidget*>(owner),
                          text == Text::Table);
    if (buttons == Buttons::YesNoCancel) box.setEscapeButton(QMessageBox::Cancel);
    const int pressed = box.exec();
    if (buttons == Buttons::Ok) return Answer::Ok;
    if (pressed == QMessageBox::Yes) return Answer::Yes;
    if (buttons == Buttons::YesNoCancel && pressed != QMessageBox::No) return Answer::Cancel;
    return Answer::No;
}

void DesktopClipboard::clear() {
    if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->clear();
}

void DesktopClipboard::setText(const QString& text) {
    if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setText(text);
}

QString DesktopClipboard::text() const {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard != nullptr ? clipboard->text() : QString();
}

void DesktopUrlOpener::open(const QUrl& url) {
    if (!QDesktopServices::openUrl(url)) showUnopenedAddress(url);
}

void showUnopenedAddress(const QUrl& url) {
    auto* box = new QMessageBox(
        QMessageBox::Information, QObject::tr("打开网页"),
        QObject::tr("没有能打开网页的浏览器。网址如下，可选中复制：\n\n%1").arg(url.toString()),
        QMessageBox::Ok, QApplication::activeWindow());
    box->setObjectName(QStringLiteral("unopenedAddress"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box->setWindowModality(Qt::NonModal);
    box->show();
}

void ApplicationControl::end() {
    QCoreApplication::exit(0);
}

}  // namespace kelvarin::gui
