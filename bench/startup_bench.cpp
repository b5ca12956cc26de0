// SPDX-License-Identifier: MIT
// Start-up to the first painted window under Xvfb: the program's main window beside a bare Qt
// window of the same size, each in a fresh process of its own, taken by turns.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
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
            QCoreApplication::postEvent(this, new QEvent(QEvent::User));
        }
        return QObject::eventFilter(watched, event);
    }
    void customEvent(QEvent*) override {
        const qint64 launched = qEnvironmentVariable("KELVARIN_BENCH_LAUNCH_NS").toLongLong();
        std::printf("%.3f\n", (monotonicNs() - launched) / 1e6);
        std::fflush(stdout);
        QCoreApplication::quit();
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
    // The bare window with a line of CJK text in the main window's typeface, or nothing at all.
    if (std::strcmp(argv[2], "cjk") == 0) {
        auto* line = new QLabel(QStringLiteral("共阴数码管常用段码"), &window);
        QFont font;
        font.setFamilies({QStringLiteral("微软雅黑"), QStringLiteral("WenQuanYi Micro Hei")});
        font.setPointSizeF(10.5);
        line->setFont(font);
        line->move(20, 20);
    }
    window.installEventFilter(&firstPaint);
    window.show();
    return QApplication::exec();
}

namespace {

// The first paint of a program that writes the start-up trace, launched under the display:
// milliseconds from launch, and its peak resident memory then (MB); the program is ended there.
struct Launch {
    double paintedMs = 0;
    double peakMb = 0;
};

Launch launchToFirstPaint(const QString& program, const QString& display) {
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("DISPLAY"), display);
    env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("kelvarin.startup=true"));
    // A configuration folder of its own: the main window as a new user first sees it.
    env.insert(QStringLiteral("XDG_CONFIG_HOME"),
               QDir::tempPath() + QStringLiteral("/kelvarin-bench-config"));
    child.setProcessEnvironment(env);
    // The trace is on standard error: read it as the channel waited on.
    child.setProcessChannelMode(QProcess::MergedChannels);
    const qint64 launched = monotonicNs();
    child.start(program, {});
    Launch launch;
    QByteArray seen;
    static const QRegularExpression paint(QStringLiteral("first paint: monotonic (\\d+) ns"));
    while (child.waitForReadyRead(10000)) {
        seen += child.readAll();
        const QRegularExpressionMatch m = paint.match(QString::fromUtf8(seen));
        if (!m.hasMatch()) continue;
        launch.paintedMs = (m.captured(1).toLongLong() - launched) / 1e6;
        QFile status(QStringLiteral("/proc/%1/status").arg(child.processId()));
        if (status.open(QIODevice::ReadOnly)) {
            static const QRegularExpression peak(QStringLiteral("VmHWM:\\s+(\\d+) kB"));
            const QRegularExpressionMatch p = peak.match(QString::fromLatin1(status.readAll()));
            launch.peakMb = p.captured(1).toDouble() / 1024;
        }
        break;
    }
    child.kill();
    child.waitForFinished(5000);
    return launch;
}

}  // namespace

void startup() {
    header("start-up to the first painted window under Xvfb, medians of 21 starts by turns");
    testing::XvfbServer server;
    if (!server.start()) {
        std::printf("(no Xvfb: skipped)\n");
        return;
    }
    auto median = [](std::vector<double>& v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    // The program as installed: kelvarin, its windows' module, the system's libraries.
    const QString folder = QCoreApplication::applicationDirPath();
    const QString program = folder + QStringLiteral("/kelvarin");
    const QString cjk = folder + QStringLiteral("/kelvarin_bare_window");
    launchToFirstPaint(program, server.display());  // fills the font caches for both
    std::vector<double> paint, paintCjk, peak, peakCjk;
    for (int run = 0; run < 21; ++run) {
        const Launch ours = launchToFirstPaint(program, server.display());
        const Launch bare = launchToFirstPaint(cjk, server.display());
        paint.push_back(ours.paintedMs);
        peak.push_back(ours.peakMb);
        paintCjk.push_back(bare.paintedMs);
        peakCjk.push_back(bare.peakMb);
    }
    report("kelvarin launched to first paint", median(paint), "a bare window with a CJK line",
           median(paintCjk), "within 1.2x");
    const double peakOurs = median(peak), peakBare = median(peakCjk);
    std::printf("%-46s %8.1f MB  %-34s %8.1f MB %7.2fx  %s\n", "kelvarin peak resident memory",
                peakOurs, "the bare window with a CJK line", peakBare, peakOurs / peakBare,
                "within 1.1x");
    figures().push_back({"kelvarin peak resident memory", peakOurs / peakBare, 1.1, "within 1.1x"});

    // The main window within the bench's own process, beside a bare QWidget.
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
    std::vector<double> ours, bare, cjk2, oursWhole, bareWhole;
    for (int run = 0; run < 15; ++run) {
        const auto [painted, ended] = start("program");
        ours.push_back(painted);
        oursWhole.push_back(ended);
        const auto [barePainted, bareEnded] = start("bare");
        bare.push_back(barePainted);
        bareWhole.push_back(bareEnded);
        cjk2.push_back(start("cjk").first);
    }
    const double seg8 = median(ours);
    report("SEG8 in the bench, launched to first paint", seg8, "the bare window with a CJK line",
           median(cjk2), "within 1.2x");
    // Beside a window that shows no text the figure includes the start of the font system.
    report("SEG8 in the bench, launched to first paint", seg8, "a bare QWidget of the same size",
           median(bare), "figures only (no text in the reference)");
    report("SEG8 launched, painted and ended", median(oursWhole), "the bare QWidget likewise",
           median(bareWhole), "");
}

}  // namespace kelvarin::bench
