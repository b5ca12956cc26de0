// The desktop's services: message boxes, clipboard, URL handler, the event loop.

#include "platform/gui/desktop_services.h"

#include "platform/gui/desktop_pointer.h"
#include "platform/gui/qt_dialogs.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMessageBox>

namespace kelvarin::platform {

MessageBoxes::Answer DesktopMessageBoxes::show(QObject* owner, const QString& prompt,
                                               Buttons buttons, Icon icon, const QString& title) {
    QMessageBox box(
        icon == Icon::Warning ? QMessageBox::Warning : QMessageBox::Information, title, prompt,
        buttons == Buttons::YesNo ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok,
        qobject_cast<QWidget*>(owner));
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

void installDesktopServices(Services& services) {
    static DesktopMessageBoxes boxes;
    static DesktopClipboard clipboard;
    static DesktopUrlOpener urlOpener;
    static ApplicationControl program;
    static DesktopPointer pointer;
    static QtDialogs dialogs;
    services.messageBoxes = &boxes;
    services.clipboard = &clipboard;
    services.urlOpener = &urlOpener;
    services.program = &program;
    services.pointer = &pointer;
    services.dialogs = &dialogs;
}

}  // namespace kelvarin::platform
