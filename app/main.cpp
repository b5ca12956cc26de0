// SPDX-License-Identifier: MIT
// The program's only entry. Commands, help and the version are answered on the terminal with a
// core application only, never touching a display, and without loading the widget libraries
// (which would take twice the time of the whole command). Otherwise the windows' module, beside
// the program or in its library folder, is loaded and started.

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <string>

#include <dlfcn.h>
#include <unistd.h>

#include "app/command_line.h"
#include "build_info/app_info.h"

namespace {

int give(const kelvarin::app::Answer& answer) {
    std::fwrite(answer.out.constData(), 1, static_cast<size_t>(answer.out.size()), stdout);
    std::fwrite(answer.err.constData(), 1, static_cast<size_t>(answer.err.size()), stderr);
    std::fflush(stdout);
    return answer.status;
}

// The folder of the running program.
std::string programFolder() {
    char path[4096];
    const ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) return ".";
    const std::string exe(path, static_cast<size_t>(n));
    return exe.substr(0, exe.rfind('/'));
}

int openWindows(int argc, char* argv[]) {
    const std::string folder = programFolder();
    std::string tried;
    for (const std::string& candidate :
         {folder + "/kelvarin-windows.so",
          folder + "/" KELVARIN_WINDOWS_FOLDER "/kelvarin-windows.so"}) {
        if (::access(candidate.c_str(), R_OK) != 0) {
            tried += "\n  " + candidate;
            continue;
        }
        void* module = ::dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (module == nullptr) {
            std::fprintf(stderr, "kelvarin: the windows cannot be loaded: %s\n", ::dlerror());
            return 1;
        }
        using Entry = int (*)(int, char**);
        const auto entry = reinterpret_cast<Entry>(::dlsym(module, "kelvarin_windows_main"));
        if (entry == nullptr) {
            std::fprintf(stderr, "kelvarin: %s holds no windows\n", candidate.c_str());
            return 1;
        }
        return entry(argc, argv);
    }
    std::fprintf(stderr, "kelvarin: the windows' module is missing; looked for:%s\n",
                 tried.c_str());
    return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc > 1) {
        QCoreApplication core(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("Kelvarin"));
        QCoreApplication::setApplicationVersion(kelvarin::version());
        if (const auto answer =
                kelvarin::app::answerOnTerminal(QCoreApplication::arguments().mid(1)))
            return give(*answer);
    }
    return openWindows(argc, argv);
}
