// The program's only entry: composes the services, and starts the main window SEG8; the program
// ends when it ends.

#include <QApplication>

#include "platform/gui/desktop_services.h"
#include "segment_window/seg8.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvarin"));
    QApplication::setDesktopFileName(QStringLiteral("kelvarin"));

    kelvarin::platform::Services& services = kelvarin::platform::programServices();
    kelvarin::platform::installDesktopServices(services);

    kelvarin::SEG8 window(services);
    window.show();
    return app.exec();
}
