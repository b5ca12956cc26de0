#include "segment_window/window_services.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMessageBox>

namespace kelvarin {

MessageBoxes::Answer DesktopMessageBoxes::show(QWidget* parent, const QString& prompt,
                                               Buttons buttons, Icon icon, const QString& title) {
    QMessageBox box(
        icon == Icon::Warning ? QMessageBox::Warning : QMessageBox::Information, title, prompt,
        buttons == Buttons::YesNo ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok, parent);
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

WindowServices programServices() {
    static DesktopMessageBoxes boxes;
    static DesktopClipboard clipboard;
    WindowServices services;
    services.messageBoxes = &boxes;
    services.clipboard = &clipboard;
    services.random = &platform::runtimeRandom();
    services.today = [] { return QDate::currentDate(); };
    services.endProgram = [] { QCoreApplication::exit(0); };
    services.openUrl = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    return services;
}

}  // namespace kelvarin
