#include "segment_window/window_services.h"

#include <QCoreApplication>
#include <QDesktopServices>
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

WindowServices programServices() {
    static DesktopMessageBoxes boxes;
    WindowServices services;
    services.messageBoxes = &boxes;
    services.random = &platform::runtimeRandom();
    services.today = [] { return QDate::currentDate(); };
    services.endProgram = [] { QCoreApplication::exit(0); };
    services.openUrl = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    return services;
}

}  // namespace kelvarin
