// SPDX-License-Identifier: MIT
// The frames window: frames edited, bad input said and refused, playback at the frames' delays,
// the scan program for the board's pins, and the frames taken into a project that builds them.
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "segment_codes/presets.h"
#include "segment_codes/project.h"
#include "segment_window/digit_view.h"
#include "segment_window/driver_window.h"
#include "segment_window/frames_window.h"
#include "segment_window/import_window.h"
#include "segment_window/seg8.h"
#include "window_harness.h"

using namespace kelvarin;
using namespace kelvarin::testing;

namespace {

QStringList labels(const QList<codes::DrawnFrame>& frames) {
    QStringList out;
    for (const codes::DrawnFrame& f : frames)
        out << f.label;
    return out;
}

}  // namespace

class FramesWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void editing();
    void badInput_data();
    void badInput();
    void playsAtTheDelays();
    void driver_data();
    void driver();
    void projectBuildsWhatTheWindowShows();
    void import_data();
    void import();
    void importTakenIntoTheBoard();
    void windowsFitTheScreen();
};

void FramesWindowTest::editing() {
    Harness harness;
    FramesWindow w(BoardSettings(), codes::Polarity::CommonCathode, {}, {}, nullptr, nullptr,
                   nullptr);
    // One blank frame of four digits to begin with.
    QCOMPARE(w.frames().size(), 1);
    QCOMPARE(w.digitViews().size(), 4);
    w.setFrameText(QStringLiteral("12"));
    QCOMPARE(w.frames()[0].patterns, (QList<quint32>{0, 0, 0x06, 0x5b}));
    w.duplicateFrame();
    w.setFrameText(QStringLiteral("34"));
    w.addFrame();
    QCOMPARE(labels(w.frames()), (QStringList{"12", "34", ""}));
    QCOMPARE(w.current(), 2);
    // A click on a digit's segment lights it in the frame shown.
    QTest::mouseClick(w.digitViews()[0], Qt::LeftButton, {},
                      w.digitViews()[0]->segmentCentre(0).toPoint());
    QCOMPARE(w.frames()[2].patterns[0], 0x01u);
    w.moveFrame(-2);  // the others move down one
    QCOMPARE(labels(w.frames()), (QStringList{"", "12", "34"}));
    w.moveFrame(-1);  // already first: nothing moves
    QCOMPARE(w.current(), 0);
    w.selectFrame(1);
    w.deleteFrame();
    QCOMPARE(labels(w.frames()), (QStringList{"", "34"}));
    // Fewer digits keep the right ones, more add blanks at the left.
    w.setDigits(2);
    QCOMPARE(w.frames()[1].patterns, (QList<quint32>{0x4f, 0x66}));
    w.setDigits(3);
    QCOMPARE(w.frames()[1].patterns, (QList<quint32>{0, 0x4f, 0x66}));
    QVERIFY(w.table().contains(QStringLiteral("frames[2][3]")));
    // Enter in the scroll box scrolls the text, and does not close the window.
    w.show();
    auto* scroll = w.findChild<QLineEdit*>(QStringLiteral("scrollText"));
    scroll->setFocus();
    scroll->setText(QStringLiteral("HI"));
    QTest::keyClick(scroll, Qt::Key_Return);
    QVERIFY(w.isVisible());
    QCOMPARE(w.frames().size(), 2 + 4);  // " HI" scrolled through three digits
}

void FramesWindowTest::badInput_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("a delay of 0") << "delay"
                                  << "0"
                                  << "延时“0”无效";
    QTest::newRow("text for a delay") << "delay"
                                      << "fast"
                                      << "延时“fast”无效";
    QTest::newRow("a delay too long") << "delay"
                                      << "60001"
                                      << "1 到 60000";
    QTest::newRow("a character no digit shows") << "frameText"
                                                << "1%"
                                                << "数码管无法显示";
    QTest::newRow("more than the digits") << "frameText"
                                          << "12345"
                                          << "要 5 位";
    QTest::newRow("a scroll of nothing") << "scrollText"
                                         << ""
                                         << "请先输入";
    QTest::newRow("a scroll no digit shows") << "scrollText"
                                             << "%%"
                                             << "无法显示";
    QTest::newRow("a bad name") << "name"
                                << "2frames"
                                << "名称“2frames”不能用于";
}

void FramesWindowTest::badInput() {
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QString, message);
    const QList<codes::DrawnFrame> start = {{{0, 0, 0x06, 0x5b}, 250, QStringLiteral("12")}};
    FramesWindow w(BoardSettings(), codes::Polarity::CommonCathode, start, {}, nullptr, nullptr,
                   nullptr);
    auto* line = w.findChild<QLineEdit*>(box);
    QVERIFY(line != nullptr);
    // The whole text at once, as a paste gives it.
    line->setText(text);
    if (box == u"scrollText")
        w.scrollText(text);
    else
        emit line->textEdited(text);
    QVERIFY2(w.problem().contains(message), qPrintable(w.problem()));
    QCOMPARE(w.frames(), start);
    // A bad name leaves no table to take: OK is not offered.
    const bool named = box != u"name";
    QCOMPARE(w.findChild<QPushButton*>(QStringLiteral("copyFrames"))->isEnabled(), named);
}

void FramesWindowTest::playsAtTheDelays() {
    const QList<codes::DrawnFrame> start = {{{0x01}, 40, {}}, {{0x02}, 400, {}}, {{0x04}, 40, {}}};
    FramesWindow w(BoardSettings(), codes::Polarity::CommonCathode, start, {}, nullptr, nullptr,
                   nullptr);
    w.show();
    QElapsedTimer clock;
    clock.start();
    w.play(true);
    QTRY_COMPARE_WITH_TIMEOUT(w.current(), 1, 2000);
    QCOMPARE(w.digitViews()[0]->pattern(), 0x02u);
    const qint64 second = clock.elapsed();
    QTRY_COMPARE_WITH_TIMEOUT(w.current(), 2, 3000);
    // The second frame stays its 400 ms, not the first's 40.
    QVERIFY2(clock.elapsed() - second >= 350, qPrintable(QString::number(clock.elapsed())));
    QTRY_COMPARE_WITH_TIMEOUT(w.current(), 0, 2000);  // round again
    w.play(false);
    QVERIFY(!w.playing());
}

void FramesWindowTest::driver_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("segments");  // empty: the window's own pins
    QTest::addColumn<QString>("selects");
    QTest::addColumn<QString>("expected");  // in the program, or "!" and the problem
    QTest::newRow("the board's pins: the segments on P0, the digits on P1")
        << "sdcc" << QString() << QString() << "__sbit __at(0x91) SELECT1;  /* P1.1";
    QTest::newRow("Keil") << "c51" << QString() << QString() << "sbit SELECT0 = P1^0;";
    QTest::newRow("a port the 8051 has not") << "sdcc"
                                             << "P7"
                                             << "P2.0,P2.1"
                                             << "!无法生成扫描程序：8051 没有端口“P7”";
    QTest::newRow("fewer select pins than digits") << "sdcc"
                                                   << "P1"
                                                   << "P2.0"
                                                   << "!帧有 2 位，而位选引脚有 1 个";
}

void FramesWindowTest::driver() {
    QFETCH(QString, target);
    QFETCH(QString, segments);
    QFETCH(QString, selects);
    QFETCH(QString, expected);
    QString why;
    const auto frames = codes::framesOf({QStringLiteral("12")}, 2, false, {100}, codes::Wiring(),
                                        codes::Polarity::CommonCathode, &why);
    QVERIFY2(frames, qPrintable(why));
    DriverWindow w(BoardSettings(), codes::Polarity::CommonCathode, *frames,
                   QStringLiteral("clock"), nullptr, nullptr, nullptr);
    w.setTarget(target);
    if (!segments.isEmpty()) w.setPins(segments, selects);
    if (expected.startsWith(u'!')) {
        QVERIFY2(w.problem().contains(expected.mid(1)), qPrintable(w.problem()));
        QVERIFY(w.program().isEmpty());
        QVERIFY(!w.findChild<QPushButton*>(QStringLiteral("copyProgram"))->isEnabled());
    } else {
        QVERIFY2(w.program().contains(expected), qPrintable(w.program()));
        QVERIFY(w.problem().isEmpty());
    }
}

void FramesWindowTest::projectBuildsWhatTheWindowShows() {
    // A 14-segment board with a preset's wiring and three frames, saved as a project: its
    // build holds the table the frames window shows, and the project reopens as it was.
    Harness harness;
    QTemporaryDir dir;
    auto window = std::make_unique<SEG8>(harness.services());
    window->show();
    window->chooseKind(codes::DisplayKind::Fourteen);
    const codes::Preset* preset = codes::presetNamed(QStringLiteral("ht16k33-14"));
    QVERIFY(preset != nullptr);
    QString shown;
    QTimer::singleShot(0, [&] {
        auto* w = qobject_cast<FramesWindow*>(QApplication::activeModalWidget());
        QVERIFY(w != nullptr);
        w->setFrameText(QStringLiteral("AB"));
        w->duplicateFrame();
        w->setFrameText(QStringLiteral("CD"));
        w->duplicateFrame();
        QTest::mouseClick(w->digitViews()[3], Qt::LeftButton, {},
                          w->digitViews()[3]->segmentCentre(14).toPoint());  // dp
        shown = w->table();
        w->accept();
    });
    window->openFramesWindow();
    QCOMPARE(window->frames().size(), 3);
    const QString file = dir.filePath(QStringLiteral("clock.toml"));
    QVERIFY(window->saveProjectAs(file));
    QFile f(file);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QString error;
    const auto project = codes::readProject(QString::fromUtf8(f.readAll()), file, &error);
    QVERIFY2(project, qPrintable(error));
    QCOMPARE(project->kind, codes::DisplayKind::Fourteen);
    QCOMPARE(project->wiring, preset->wiringOf());
    const QString built = codes::buildProject(*project, QStringLiteral("1"));
    // Byte for byte, CR LF line ends included.
    QVERIFY2(shown.contains(u'\r') && built.contains(shown), qPrintable(built + u'|' + shown));
    // Reopened in a fresh window: the same kind, frames and table.
    window = std::make_unique<SEG8>(harness.services());
    QVERIFY(window->openProject(file));
    QCOMPARE(window->kind(), codes::DisplayKind::Fourteen);
    QCOMPARE(window->frames().size(), 3);
    QCOMPARE(window->framesName(), QStringLiteral("frames"));
    QString again;
    QTimer::singleShot(0, [&] {
        auto* w = qobject_cast<FramesWindow*>(QApplication::activeModalWidget());
        QVERIFY(w != nullptr);
        again = w->table();
        w->reject();
    });
    window->openFramesWindow();
    QCOMPARE(again, shown);
    QVERIFY(!window->projectModified());
}

void FramesWindowTest::import_data() {
    // A text pasted into the import window: its tables, the wiring worked out from what the
    // first shows and how sure that is, or what is wrong (and nothing to take).
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shows");
    QTest::addColumn<int>("tables");
    QTest::addColumn<QString>("said");    // in the certainty, or "!" and the problem
    QTest::addColumn<QString>("wiring");  // taken, "*" any of several, or empty: nothing to take
    const QString max7219 = QStringLiteral(
        "const unsigned char d[] = {0x7e, 0x30, 0x6d, 0x79, 0x33, 0x5b, 0x5f, 0x70, 0x7f, 0x7b};");
    QTest::newRow("a module's table")
        << max7219 << "0123456789" << 1 << "确定：接线 g,f,e,d,c,b,a,dp"
        << "g,f,e,d,c,b,a,dp";
    QTest::newRow("anode, assembler, two tables") << "t1: DB 0C0H, 0F9H, 0A4H\nt2: DB 1, 2\n"
                                                  << "012" << 2 << "（共阳）"
                                                  << "a,b,c,d,e,f,g,dp";
    QTest::newRow("too few entries told") << "int t[] = {0x3f, 0x06};"
                                          << "1" << 1 << "种接线都符合"
                                          << "*";
    QTest::newRow("no wiring fits") << "int t[] = {0x3f, 0x3f, 0x3f};"
                                    << "012" << 1 << "没有完全符合的接线"
                                    << "";
    QTest::newRow("no table") << "int main(void) { return 0; }"
                              << "0" << 0 << "!文本中找不到段码表"
                              << "";
    QTest::newRow("an entry not read") << "int t[] = {0x3f, 0xg1};"
                                       << "0" << 0 << "!第 1 行第 18 列的项无法识别为段码"
                                       << "";
    QTest::newRow("characters no digit shows") << max7219 << "%%" << 1 << "请说明各项显示的字符"
                                               << "";
    QTest::newRow("more characters than entries") << "int t[] = {0x3f};"
                                                  << "0123" << 1 << "表只有 1 项"
                                                  << "";
}

void FramesWindowTest::import() {
    QFETCH(QString, text);
    QFETCH(QString, shows);
    QFETCH(int, tables);
    QFETCH(QString, said);
    QFETCH(QString, wiring);
    ImportWindow w(BoardSettings(), codes::Polarity::CommonCathode, nullptr, nullptr);
    w.setShown(shows);
    w.setText(text);
    QCOMPARE(w.tables().size(), tables);
    if (said.startsWith(u'!')) {
        QVERIFY2(w.problem().contains(said.mid(1)), qPrintable(w.problem()));
    } else {
        const QString shown = w.findChild<QLabel*>(QStringLiteral("certainty"))->text();
        QVERIFY2(shown.contains(said), qPrintable(shown));
        // Every entry drawn, as the wiring worked out reads it.
        QCOMPARE(w.digitViews().size(), w.tables().front().entries.size());
    }
    // Only a wiring that explains every entry is taken as it is; the closest one is offered too.
    const bool closest = said.contains(QStringLiteral("没有完全符合"));
    QCOMPARE(w.canTake(), !wiring.isEmpty() || closest);
    QCOMPARE(w.findChild<QPushButton*>(QStringLiteral("take"))->isEnabled(), w.canTake());
    if (!wiring.isEmpty() && wiring != u"*") QCOMPARE(w.board().wiring.text(), wiring);
}

void FramesWindowTest::importTakenIntoTheBoard() {
    Harness harness;
    SEG8 window(harness.services());
    window.show();
    QTimer::singleShot(0, [] {
        auto* w = qobject_cast<ImportWindow*>(QApplication::activeModalWidget());
        QVERIFY(w != nullptr);
        w->setText(QStringLiteral("t: DB 0C0H, 0F9H, 0A4H, 0B0H, 99H, 92H, 82H, 0F8H, 80H, 90H"));
        w->accept();
    });
    window.openImportWindow();
    QCOMPARE(window.board().wiring.text(), QStringLiteral("a,b,c,d,e,f,g,dp"));
    QVERIFY(window.findChild<QRadioButton*>(QStringLiteral("Option2"))->isChecked());
}

void FramesWindowTest::windowsFitTheScreen() {
    // Each new window within the available screen with its buttons on it, even where a size
    // kept from a larger screen (or another scale) is larger than this one; the rest scrolls.
    Harness harness;
    QWidget big;
    big.resize(4000, 3000);
    harness.preferences.values.insert(QStringLiteral("windows/frames/geometry"),
                                      big.saveGeometry());
    const QString frames = QStringLiteral("12");
    auto check = [](QDialog& w) {
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QRect room = w.screen()->availableGeometry();
        QVERIFY2(w.width() <= room.width() && w.height() <= room.height(),
                 qPrintable(QStringLiteral("%1x%2").arg(w.width()).arg(w.height())));
        for (auto* b : w.findChildren<QPushButton*>(QString(), Qt::FindDirectChildrenOnly))
            QVERIFY(w.rect().contains(b->geometry()));
    };
    FramesWindow f(BoardSettings(), codes::Polarity::CommonCathode, {}, {}, &harness.preferences,
                   nullptr, nullptr);
    check(f);
    const auto made = codes::framesOf({frames}, 2, false, {100}, codes::Wiring(),
                                      codes::Polarity::CommonCathode, nullptr);
    DriverWindow d(BoardSettings(), codes::Polarity::CommonCathode, *made, frames, nullptr, nullptr,
                   nullptr);
    check(d);
    ImportWindow i(BoardSettings(), codes::Polarity::CommonCathode, nullptr, nullptr);
    check(i);
}

QTEST_MAIN(FramesWindowTest)
#include "test_frames_window.moc"
