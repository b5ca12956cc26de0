// SPDX-License-Identifier: MIT
// The program's only entry: answers --help and --version on the terminal, otherwise builds the
// program's services once and starts the main window SEG8 on them; the program ends when it
// ends.

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringView>

#include "app/composition.h"
#include "gui/app_info.h"
#include "segment_window/seg8.h"

namespace {

void describeApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("Kelvarin"));
    QCoreApplication::setApplicationVersion(kelvarin::version());
    QCoreApplication::setOrganizationName(QStringLiteral("Kelvarin"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("kelvarin.org"));
}

// Parses the command line, printing help, the version or an error and ending the program when
// asked to or when an argument is unknown.
void processCommandLine(const QCoreApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Works out the segment codes of 8-segment LED digits for 8051 firmware.\n"
                       "Without options it opens its window."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(app);
}

// Help and the version are answered without a display: only a core application is made for them.
bool asksForTerminalOnly(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const QLatin1StringView arg(argv[i]);
        if (arg == "-h" || arg == "--help" || arg == "-?" || arg == "--help-all" || arg == "-v" ||
            arg == "--version")
            return true;
    }
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (asksForTerminalOnly(argc, argv)) {
        QCoreApplication core(argc, argv);
        describeApplication();
        processCommandLine(core);  // prints and exits
        return 0;
    }

    QApplication app(argc, argv);
    describeApplication();
    QGuiApplication::setDesktopFileName(kelvarin::applicationId());
    processCommandLine(app);

    const kelvarin::app::ProgramServices services(true);
    kelvarin::SEG8 window(services.services());
    window.show();
    return app.exec();
}
