// The program's only entry: the main window SEG8 is the start-up window, and the program ends
// when it ends.

#include <QApplication>

#include "segment_window/seg8.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvarin"));
    QApplication::setDesktopFileName(QStringLiteral("kelvarin"));

    kelvarin::SEG8 window;
    // Opens centred on the screen.
    window.move(window.screen()->availableGeometry().center() - window.rect().center());
    window.show();
    return app.exec();
}
