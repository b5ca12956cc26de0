// SPDX-License-Identifier: MIT
// The desktop's services: message boxes, clipboard, URL handler, the event loop.

#include "gui/desktop_services.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>

namespace kelvarin::platform {

MessageBoxes::Answer DesktopMessageBoxes::show(QObject* owner, const QString& prompt,
                                               Buttons buttons, Icon icon, const QString& title,
                                               Text text) {
    QMessageBox box(
        icon == Icon::Warning ? QMessageBox::Warning : QMessageBox::Information, title, prompt,
        buttons == Buttons::YesNo ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok,
        qobject_cast<QWidget*>(owner));
    box.setTextFormat(Qt::PlainText);
    if (QAbstractButton* yes = box.button(QMessageBox::Yes)) yes->setText(QStringLiteral("是(&Y)"));
    if (QAbstractButton* no = box.button(QMessageBox::No)) no->setText(QStringLiteral("否(&N)"));
    if (QAbstractButton* ok = box.button(QMessageBox::Ok)) ok->setText(QStringLiteral("确定"));
    if (text == Text::Table) {
        if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
            // The entries and comments line up; Chinese text comes from a CJK face.
            QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
            mono.setFamilies({mono.family(), QStringLiteral("WenQuanYi Micro Hei Mono")});
            mono.setFixedPitch(true);
            label->setFont(mono);
            label->setWordWrap(false);
        }
    }
    const int pressed = box.exec();
    if (buttons == Buttons::Ok) return Answer::Ok;
    return pressed == QMessageBox::Yes ? Answer::Yes : Answer::No;
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
    QDesktopServices::openUrl(url);
}

void ApplicationControl::end() {
    QCoreApplication::exit(0);
}

}  // namespace kelvarin::platform
