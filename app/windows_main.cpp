// SPDX-License-Identifier: MIT
// The windows' entry, in a module the program loads only when it opens its windows: the command
// line starts without the widget libraries, the windows with them. The program's services are
// built once here and the main window SEG8 starts on them; the program ends when it ends.

#include <QApplication>

#include <cstdio>

#include "app/command_line.h"
#include "app/composition.h"
#include "app/startup_trace.h"
#include "build_info/app_info.h"
#include "segment_window/language.h"
#include "segment_window/seg8.h"

extern "C" __attribute__((visibility("default"))) int kelvarin_windows_main(int argc,
                                                                            char* argv[]) {
    kelvarin::app::StartupTrace trace;
    QApplication app(argc, argv);
    trace.mark("application");
    QCoreApplication::setApplicationName(QStringLiteral("Kelvarin"));
    QCoreApplication::setApplicationVersion(kelvarin::version());
    QCoreApplication::setOrganizationName(QStringLiteral("Kelvarin"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("kelvarin.org"));
    QGuiApplication::setDesktopFileName(kelvarin::applicationId());
    // What the toolkit did not take as its own options is none of the window's.
    if (const QStringList left = QCoreApplication::arguments().mid(1); !left.isEmpty()) {
        const kelvarin::app::Answer refused = kelvarin::app::refuseForWindows(left);
        std::fwrite(refused.err.constData(), 1, static_cast<size_t>(refused.err.size()), stderr);
        return refused.status;
    }
    const kelvarin::app::ProgramServices services(true);
    // The windows speak the language kept in the settings (Chinese by default).
    kelvarin::installLanguage(kelvarin::chosenLanguage(services.services().preferences));
    trace.mark("services");
    kelvarin::SEG8 window(services.services());
    // A settings file that could not be read is said in the window, which may begin a new one.
    window.setSettingsRepair({services.preferencesFile(), [&services](QString* error) {
                                  return services.startPreferencesAfresh(error);
                              }});
    trace.mark("window");
    trace.watchFirstPaint(window);
    window.show();
    return QApplication::exec();
}
