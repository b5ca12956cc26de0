// SPDX-License-Identifier: MIT
// Start-up to the first painted window under Xvfb: the program's main window beside a bare Qt
// window of the same size, each in a fresh process of its own, taken by turns.

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <vector>

#include "app/composition.h"
#include "bench/bench.h"
#include "bench/groups.h"
#include "segment_window/seg8.h"
#include "services/services.h"
#include "xvfb.h"

namespace kelvarin::bench {

namespace {

qint64 monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// Once the window it watches has been painted (and the paint flushed to the server), prints the
// milliseconds since the parent launched the process and ends the program.
class FirstPaint : public QObject {
  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, qApp, [] {
                const qint64 launched =
                    qEnvironmentVariable("KELVARIN_BENCH_LAUNCH_NS").toLongLong();
                std::printf("%.3f\n", (monotonicNs() - launched) / 1e6);
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    bool m_seen = false;
};

// The client size of the main window.
constexpr int kWidth = 651, kHeight = 377;

}  // namespace

int startupChild(int argc, char* argv[]) {
    QApplication app(argc, argv);
    FirstPaint firstPaint;
    const bool program = std::strcmp(argv[2], "program") == 0;
    if (program) {
        const app::ProgramServices services(true);
        SEG8 window(services.services());
        window.installEventFilter(&firstPaint);
        window.show();
        return QApplication::exec();
    }
    QWidget window;
    window.resize(kWidth, kHeight);
    window.installEventFilter(&firstPaint);
    window.show();
    return QApplication::exec();
}

void startup() {
    header("start-up to the first painted window under Xvfb, medians of 15 starts by turns");
    testing::XvfbServer server;
    if (!server.start()) {
        std::printf("(no Xvfb: skipped)\n");
        return;
    }
    // Milliseconds from launching a child to its first painted window, and to its end.
    auto start = [&](const char* which) {
        QElapsedTimer whole;
        whole.start();
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.insert(QStringLiteral("DISPLAY"), server.display());
        env.insert(QStringLiteral("KELVARIN_BENCH_LAUNCH_NS"), QString::number(monotonicNs()));
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--startup-child"), QString::fromLatin1(which)});
        child.waitForFinished(30000);
        return std::pair(child.readAllStandardOutput().trimmed().toDouble(),
                         whole.nsecsElapsed() / 1e6);
    };
    start("program");  // the first start fills the font caches for both
    std::vector<double> ours, bare, oursWhole, bareWhole;
    for (int run = 0; run < 15; ++run) {
        const auto [painted, ended] = start("program");
        ours.push_back(painted);
        oursWhole.push_back(ended);
        const auto [barePainted, bareEnded] = start("bare");
        bare.push_back(barePainted);
        bareWhole.push_back(bareEnded);
    }
    auto median = [](std::vector<double>& v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    report("SEG8 launched to first paint", median(ours), "a bare QWidget of the same size",
           median(bare), "within 1.1x");
    report("SEG8 launched, painted and ended", median(oursWhole), "the bare QWidget likewise",
           median(bareWhole), "");
}

}  // namespace kelvarin::bench
