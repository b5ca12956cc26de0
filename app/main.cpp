// SPDX-License-Identifier: MIT
// The program's only entry. Commands, help and the version are answered on the terminal with a
// core application only, never touching a display; otherwise the program's services are built
// once and the main window SEG8 starts on them, and the program ends when it ends.

#include <QApplication>
#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

#include "app/command_line.h"
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

int give(const kelvarin::app::Answer& answer) {
    std::fwrite(answer.out.constData(), 1, static_cast<size_t>(answer.out.size()), stdout);
    std::fwrite(answer.err.constData(), 1, static_cast<size_t>(answer.err.size()), stderr);
    std::fflush(stdout);
    return answer.status;
}

}  // namespace

int main(int argc, char* argv[]) {
    {
        QStringList arguments;
        for (int k = 1; k < argc; ++k)
            arguments << QString::fromLocal8Bit(argv[k]);
        if (arguments.size() > 0) {
            QCoreApplication core(argc, argv);
            describeApplication();
            if (const auto answer = kelvarin::app::answerOnTerminal(core.arguments().mid(1)))
                return give(*answer);
        }
    }

    QApplication app(argc, argv);
    describeApplication();
    QGuiApplication::setDesktopFileName(kelvarin::applicationId());
    // What the toolkit did not take as its own options is none of the window's.
    if (const QStringList left = app.arguments().mid(1); !left.isEmpty())
        return give(kelvarin::app::refuseForWindows(left));

    const kelvarin::app::ProgramServices services(true);
    kelvarin::SEG8 window(services.services());
    window.show();
    return app.exec();
}
