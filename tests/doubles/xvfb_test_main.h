// SPDX-License-Identifier: MIT
#pragma once

// The one main of the tests that run on an X server of their own (link them with xcb):
// KELVARIN_XVFB_TEST_MAIN(Test, QApplication, WindowManager) at the end of the test.

#include <QTest>

#include <cstdio>

#include "xvfb.h"

namespace kelvarin::testing {

// What a test on its own X server starts before its tests run.
enum class OnTheServer { Nothing, WindowManager };

// The X server the running test started (for a test that starts or stops its window manager).
inline XvfbServer*& runningServer() {
    static XvfbServer* server = nullptr;
    return server;
}

// The main of a Qt Test on its own X server: Xvfb started (with a window manager when asked, its
// start-up awaited), DISPLAY pointed at it, the toolkit on X11, then the application of type App
// and the tests of type Test.
template <class Test, class App>
int xvfbTestMain(int argc, char* argv[], OnTheServer extra) {
    XvfbServer xvfb;
    const bool manager = extra == OnTheServer::WindowManager;
    if (!xvfb.start() || (manager && !xvfb.startWindowManager(true))) {
        std::fprintf(stderr, manager ? "Xvfb with openbox could not be started\n"
                                     : "Xvfb could not be started\n");
        return 1;
    }
    runningServer() = &xvfb;
    qputenv("QT_QPA_PLATFORM", "xcb");
    App app(argc, argv);
    Test test;
    const int failed = QTest::qExec(&test, argc, argv);
    runningServer() = nullptr;
    return failed;
}

}  // namespace kelvarin::testing

// The main of a test on its own X server: KELVARIN_XVFB_TEST_MAIN(Test, QApplication, Nothing).
#define KELVARIN_XVFB_TEST_MAIN(Test, App, extra)                                                 \
    int main(int argc, char* argv[]) {                                                            \
        return kelvarin::testing::xvfbTestMain<Test, App>(argc, argv,                             \
                                                          kelvarin::testing::OnTheServer::extra); \
    }
