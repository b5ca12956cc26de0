// SPDX-License-Identifier: MIT
// The main window for real boards: codes typed back, the context menu, the board's settings and
// what follows them, and the two windows it opens.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <utility>

#include "build_info/app_info.h"
#include "segment_codes/formats.h"
#include "segment_codes/text_codes.h"
#include "segment_window/digit_view.h"
#include "segment_window/seg8.h"
#include "segment_window/standard_tables.h"
#include "segment_window/text_codes_window.h"
#include "segment_window/wiring_window.h"
#include "window_harness.h"

using namespace kelvarin;
using namespace kelvarin::testing;

class BoardsTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void readBack_data();
    void readBack();
    void markedCodeIsNotCollected();
    void settings_data();
    void settings();
    void menuAndItsKeys();
    void allSegmentsAndUndo();
    void undoTakesBackOneAction_data();
    void undoTakesBackOneAction();
    void reversedWiringFollowsEverywhere();
    void wiringWindowChoosesAndKeeps();
    void wiringWindowPresets_data();
    void wiringWindowPresets();
    void textToCodesWindow();
    void displayKinds_data();
    void displayKinds();

  private:
    QLineEdit* line(const char* name) { return m_window->findChild<QLineEdit*>(name); }
    QString declaration() const {
        return static_cast<gui::CrLfTextBox*>(m_window->findChild<QPlainTextEdit*>("Text5"))
            ->text();
    }
    quint8 litNow() const {
        quint8 p = 0;
        for (int k = 0; k < 8; ++k)
            p |= static_cast<quint8>(m_window->segState(k) << k);
        return p;
    }
    void newWindow() {
        delete m_window;
        m_window = new SEG8(m_harness->services());
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
    }
    // Runs step on the modal window the call opens, then closes it with OK or not. The timer
    // fires after this returns: what it runs is held by value.
    template <class Window, class Step>
    void onModal(Step step, bool ok) {
        QTimer::singleShot(0, [step = std::move(step), ok]() mutable {
            auto* w = qobject_cast<Window*>(QApplication::activeModalWidget());
            QVERIFY(w != nullptr);
            step(*w);
            ok ? w->accept() : w->reject();
        });
    }

    Harness* m_harness = nullptr;
    SEG8* m_window = nullptr;
};

void BoardsTest::init() {
    m_harness = new Harness;
    m_window = nullptr;
    newWindow();
}

void BoardsTest::cleanup() {
    delete m_window;
    delete m_harness;
}

// A code typed into Text1 or Text4 and Enter: the segments it lights (and both boxes in their
// own form), or the box marked with the text left as typed.
void BoardsTest::readBack_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("anode");
    QTest::addColumn<int>("lit");  // -1: marked
    QTest::addColumn<QString>("text1");
    QTest::addColumn<QString>("text4");
    QTest::newRow("hex into Text1") << "Text1"
                                    << "0x6d" << false << 0x6d << "0x6d,"
                                    << "01101101b";
    QTest::newRow("H suffix") << "Text1"
                              << "6DH" << false << 0x6d << "0x6d,"
                              << "01101101b";
    QTest::newRow("binary into Text4") << "Text4"
                                       << "10000110b" << false << 0x86 << "0x86,"
                                       << "10000110b";
    QTest::newRow("decimal") << "Text4"
                             << "255" << false << 0xff << "0xff,"
                             << "11111111b";
    QTest::newRow("anode complements") << "Text1"
                                       << "0xf9," << true << 0x06 << "0xf9,"
                                       << "11111001b";
    QTest::newRow("garbage") << "Text1"
                             << "0xf9,zz" << false << -1 << "0xf9,zz"
                             << "00000000b";
    QTest::newRow("above 255") << "Text4"
                               << "300" << false << -1 << "0x00,"
                               << "300";
    QTest::newRow("empty") << "Text1"
                           << "" << false << -1 << ""
                           << "00000000b";
}

void BoardsTest::readBack() {
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(bool, anode);
    QFETCH(int, lit);
    QFETCH(QString, text1);
    QFETCH(QString, text4);
    if (anode) m_window->findChild<QRadioButton*>("Option2")->setChecked(true);
    m_window->findChild<QCheckBox*>("Check1")->setChecked(true);
    m_harness->clipboard->setText(QStringLiteral("untouched"));
    QLineEdit* target = line(qPrintable(box));
    target->clear();
    QTest::keyClicks(target, typed);
    QTest::keyClick(target, Qt::Key_Return);
    QCOMPARE(line("Text1")->text(), text1);
    QCOMPARE(line("Text4")->text(), text4);
    if (lit < 0) {
        QVERIFY(target->styleSheet().contains(QStringLiteral("border")));
        QVERIFY(!target->toolTip().isEmpty());
        QVERIFY(m_harness->boxes.shown.isEmpty());  // no modal message
        QCOMPARE(m_harness->clipboard->text(), QStringLiteral("untouched"));
        QTest::keyClick(target, Qt::Key_1);  // typing again takes the mark away
        QVERIFY(target->styleSheet().isEmpty());
    } else {
        QCOMPARE(litNow(), static_cast<quint8>(lit));
        QCOMPARE(m_harness->clipboard->text(), text1);  // copied as a click copies
        QVERIFY(target->styleSheet().isEmpty());
    }
}

void BoardsTest::markedCodeIsNotCollected() {
    const QString before = declaration();
    line("Text1")->setText(QStringLiteral("0xf9,zz"));
    QTest::keyClick(line("Text1"), Qt::Key_Return);
    QTest::mouseClick(m_window->findChild<QPushButton*>("Command3"), Qt::LeftButton);
    QCOMPARE(declaration(), before);
    QCOMPARE(m_window->codeCount(), 0);
    // The reason in the window's own language, quoting the text as typed.
    QCOMPARE(line("Text1")->toolTip(), QStringLiteral("无法识别为段码：“0xf9,zz”"));
}

// The board's settings as kept: what is loaded, and the warnings of what is not used.
void BoardsTest::settings_data() {
    QTest::addColumn<QVariantMap>("kept");
    QTest::addColumn<QString>("problem");
    QTest::addColumn<QString>("wiring");
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("warnings");
    QTest::newRow("nothing kept") << QVariantMap() << ""
                                  << "a,b,c,d,e,f,g,dp"
                                  << "classic" << 0;
    QTest::newRow("all kept") << QVariantMap{{"board/wiring", "dp,g,f,e,d,c,b,a"},
                                             {"board/format", "sdcc"},
                                             {"board/name", "digits"},
                                             {"board/perLine", "8"},
                                             {"board/upper", "true"}}
                              << ""
                              << "dp,g,f,e,d,c,b,a"
                              << "sdcc" << 0;
    QTest::newRow("bad values fall back one by one") << QVariantMap{{"board/wiring", "a,b"},
                                                                    {"board/format", "cobol"},
                                                                    {"board/name", "int"},
                                                                    {"board/perLine", "-3"},
                                                                    {"board/upper", "maybe"}}
                                                     << ""
                                                     << "a,b,c,d,e,f,g,dp"
                                                     << "classic" << 5;
    QTest::newRow("a store that cannot be read")
        << QVariantMap{{"board/format", "sdcc"}} << "kelvarin.conf is no settings file"
        << "a,b,c,d,e,f,g,dp"
        << "classic" << 1;
}

void BoardsTest::settings() {
    QFETCH(QVariantMap, kept);
    QFETCH(QString, problem);
    QFETCH(QString, wiring);
    QFETCH(QString, format);
    QFETCH(int, warnings);
    MemoryPreferences preferences;
    for (auto it = kept.cbegin(); it != kept.cend(); ++it)
        preferences.values.insert(it.key(), it.value());
    preferences.readProblem = problem;
    QStringList said;
    const BoardSettings board = BoardSettings::load(&preferences, said);
    QCOMPARE(board.wiring.text(), wiring);
    QCOMPARE(board.format->nameText(), format);
    QCOMPARE(said.size(), warnings);
    // What is saved loads as it was.
    MemoryPreferences again;
    board.save(&again);
    QStringList none;
    QVERIFY(BoardSettings::load(&again, none) == board);
    QVERIFY(none.isEmpty());
}

void BoardsTest::menuAndItsKeys() {
    QMenu* menu = m_window->contextMenu();
    QStringList texts;
    for (QAction* a : menu->actions())
        if (!a->isSeparator()) texts << a->text() + u'|' + a->shortcut().toString();
    QCOMPARE(texts,
             (QStringList{"接线与输出…|Ctrl+,", "文字转段码…|Ctrl+T", "多位数码管与帧…|Ctrl+M",
                          "导入段码表…|Ctrl+I", "全部点亮|", "全部熄灭|", "撤销添加|Ctrl+Z",
                          "数码管|", "项目|", "语言 / Language|"}));
    QStringList project;
    for (QAction* a : menu->findChild<QMenu*>(QStringLiteral("projectMenu"))->actions())
        if (!a->isSeparator()) project << a->text() + u'|' + a->shortcut().toString();
    QCOMPARE(project, (QStringList{"新建项目|Ctrl+N", "打开项目…|Ctrl+O", "最近的项目|",
                                   "保存项目|Ctrl+S", "项目另存为…|Ctrl+Shift+S", "关闭项目|"}));
    // Shift+F10 and a right click on a segment open it.
    m_window->findChild<QPushButton*>("Command3")->setFocus();
    QTest::keyClick(m_window, Qt::Key_F10, Qt::ShiftModifier);
    QVERIFY(menu->isVisible());
    menu->hide();
    auto* segment = m_window->findChild<QWidget*>(QStringLiteral("Picture1(2)"));
    QContextMenuEvent right(QContextMenuEvent::Mouse, QPoint(3, 3),
                            segment->mapToGlobal(QPoint(3, 3)));
    QApplication::sendEvent(segment, &right);
    QVERIFY(menu->isVisible());
    menu->hide();
    QVERIFY(segment->toolTip().contains(QStringLiteral("右键")));
}

void BoardsTest::allSegmentsAndUndo() {
    m_window->lightAll();
    QCOMPARE(litNow(), quint8(0xff));
    QCOMPARE(line("Text1")->text(), QStringLiteral("0xff,"));
    m_window->clearAll();
    QCOMPARE(litNow(), quint8(0x00));
    // Ten codes make a line; undoing the tenth takes its line break and count back.
    const QString header = declaration();
    for (int k = 0; k < 10; ++k)
        QTest::mouseClick(m_window->findChild<QPushButton*>("Command3"), Qt::LeftButton);
    QCOMPARE(declaration(), header + QStringLiteral("0x00,").repeated(10) + QStringLiteral("\r\n"));
    m_window->findChild<QPushButton*>("Command6")->setFocus();  // outside the text boxes
    QTest::keyClick(m_window, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(declaration(), header + QStringLiteral("0x00,").repeated(9));
    QCOMPARE(m_window->codeCount(), 9);
    QTest::mouseClick(m_window->findChild<QPushButton*>("Command3"), Qt::LeftButton);
    QCOMPARE(declaration(), header + QStringLiteral("0x00,").repeated(10) + QStringLiteral("\r\n"));
    for (int k = 0; k < 12; ++k)
        m_window->undoAdd();
    QCOMPARE(declaration(), header);
    QCOMPARE(m_window->codeCount(), 0);
}

void BoardsTest::undoTakesBackOneAction_data() {
    QTest::addColumn<QString>("action");
    for (const char* a : {"clear", "polarity", "new board", "text window's codes"})
        QTest::newRow(a) << QString::fromLatin1(a);
}

// What one user action did to the declaration, one Ctrl+Z takes back: the codes the text
// window added all at once, and what clearing, a polarity change or a new board discarded.
void BoardsTest::undoTakesBackOneAction() {
    QFETCH(QString, action);
    QAction* undo = m_window->findChild<QAction*>(QStringLiteral("undoAdd"));
    QVERIFY(undo != nullptr);
    QVERIFY(!undo->isEnabled());  // nothing to take back yet
    for (int k = 0; k < 3; ++k)
        QTest::mouseClick(m_window->findChild<QPushButton*>("Command3"), Qt::LeftButton);
    const QString before = declaration();
    const int countBefore = m_window->codeCount();
    if (action == u"clear") {
        QTest::mouseClick(m_window->findChild<QPushButton*>("Command4"), Qt::LeftButton);
    } else if (action == u"polarity") {
        QTest::mouseClick(m_window->findChild<QRadioButton*>("Option2"), Qt::LeftButton);
    } else if (action == u"new board") {
        m_window->chooseKind(codes::DisplayKind::Sixteen);
        m_window->chooseKind(codes::DisplayKind::Seven);
        undo->trigger();  // the second change discarded nothing of the codes
    } else {
        onModal<TextCodesWindow>(
            [](TextCodesWindow& w) {
                w.setText(QStringLiteral("HELLO"));
                QTest::mouseClick(w.findChild<QPushButton*>("add"), Qt::LeftButton);
            },
            false);
        m_window->openTextCodesWindow();
        QCOMPARE(m_window->codeCount(), countBefore + 5);
    }
    QVERIFY(declaration() != before);
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    m_window->findChild<QPushButton*>("Command6")->setFocus();  // outside the text boxes
    QTest::keyClick(m_window, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(declaration(), before);
    QCOMPARE(m_window->codeCount(), countBefore);
    // The three codes go one by one, and then there is nothing left to take back.
    for (int k = 0; k < 3; ++k)
        undo->trigger();
    QVERIFY(!undo->isEnabled());
}

void BoardsTest::reversedWiringFollowsEverywhere() {
    m_harness->preferences.values.insert(QStringLiteral("board/wiring"), "dp,g,f,e,d,c,b,a");
    newWindow();
    // Shown in the window whole, the caption left as it is.
    auto* summary = m_window->findChild<QLabel*>(QStringLiteral("boardSummary"));
    QVERIFY(summary->isVisible());
    QVERIFY(summary->text().contains(QStringLiteral("dp,g,f,e,d,c,b,a")));
    QVERIFY(summary->sizeHint().width() <= summary->width());
    QVERIFY(summary->geometry().bottom() < m_window->height());
    QVERIFY(m_window->windowTitle().endsWith(authorEmail()));
    QTest::mouseClick(m_window->findChild<QWidget*>(QStringLiteral("Picture1(0)")), Qt::LeftButton);
    QCOMPARE(line("Text1")->text(), QStringLiteral("0x80,"));
    QCOMPARE(line("Text4")->text(), QStringLiteral("10000000b"));
    // The standard table copied from its message box has the stored table's layout, each
    // entry with its bits in reverse order.
    m_harness->boxes.answers = {platform::MessageBoxes::Answer::Yes};
    QTest::mouseClick(m_window->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    const QString copied = m_harness->clipboard->text();
    QString expected = commonCathodeTable();
    static const QRegularExpression entry(QStringLiteral("0x([0-9a-f]{2})"));
    qsizetype at = 0;
    for (QRegularExpressionMatch m = entry.match(expected); m.hasMatch();
         m = entry.match(expected, at)) {
        const uint value = m.captured(1).toUInt(nullptr, 16);
        uint reversed = 0;
        for (int bit = 0; bit < 8; ++bit)
            if (value & (1u << bit)) reversed |= 0x80u >> bit;
        expected.replace(m.capturedStart(1), 2,
                         QStringLiteral("%1").arg(reversed, 2, 16, QLatin1Char('0')));
        at = m.capturedEnd();
    }
    QCOMPARE(copied, expected);
    QVERIFY(
        copied.startsWith(QStringLiteral("unsigned char code seg_cc[]={  //共阴数码管常用段码\r\n"
                                         "0xfc,0x60,")));
}

void BoardsTest::wiringWindowChoosesAndKeeps() {
    onModal<WiringWindow>(
        [](WiringWindow& w) {
            QTest::mouseClick(w.findChild<QPushButton*>("reversedOrder"), Qt::LeftButton);
            QCOMPARE(w.board().wiring, codes::Wiring::reversed());
            // The window fits the screen (the rest scrolls), OK on it.
            const QRect screen = w.screen()->availableGeometry();
            QVERIFY(w.height() <= screen.height() && w.width() <= screen.width());
            QVERIFY(w.rect().contains(w.findChild<QDialogButtonBox*>()->geometry()));
            // Bit 0 set to a: the bit that drove a now drives dp, the eight stay distinct.
            w.setSegmentOfBit(0, 0);
            QCOMPARE(w.board().wiring.text(), QStringLiteral("a,g,f,e,d,c,b,dp"));
            w.findChild<QComboBox*>("format")->setCurrentText(QStringLiteral("sdcc"));
            w.findChild<QLineEdit*>("name")->setText(QStringLiteral("int"));
            QVERIFY(!w.nameValid());
            w.findChild<QLineEdit*>("name")->setText(QStringLiteral("digits"));
            QVERIFY(w.nameValid());
            QVERIFY(w.findChild<QPlainTextEdit*>("tablePreview")
                        ->toPlainText()
                        .contains(QStringLiteral("__code unsigned char digits[]")));
        },
        true);
    QTest::keyClick(m_window, Qt::Key_Comma, Qt::ControlModifier);
    QCOMPARE(m_window->board().wiring.text(), QStringLiteral("a,g,f,e,d,c,b,dp"));
    QCOMPARE(m_window->board().format->nameText(), QStringLiteral("sdcc"));
    QVERIFY(declaration().startsWith(QStringLiteral("__code unsigned char digits[] = {")));
    // Kept for the next run, and the window's place too.
    QCOMPARE(m_harness->preferences.values.value("board/format").toString(),
             QStringLiteral("sdcc"));
    QVERIFY(m_harness->preferences.values.contains("windows/wiring/geometry"));
    newWindow();
    QCOMPARE(m_window->board().name, QStringLiteral("digits"));
    // Closed without OK, nothing changes.
    onModal<WiringWindow>([](WiringWindow& w) { w.setWiring(codes::Wiring()); }, false);
    m_window->openWiringWindow();
    QCOMPARE(m_window->board().wiring.text(), QStringLiteral("a,g,f,e,d,c,b,dp"));
}

// A preset chosen sets the bits and the polarity; a wiring set bit by bit shows the preset it is,
// or 自定义; the bits are labelled with the port chosen, which is kept.
void BoardsTest::wiringWindowPresets_data() {
    QTest::addColumn<QString>("preset");
    QTest::addColumn<QString>("wiring");
    QTest::addColumn<bool>("anode");
    QTest::addColumn<int>("port");
    QTest::newRow("max7219") << "max7219"
                             << "g,f,e,d,c,b,a,dp" << false << 2;
    QTest::newRow("74hc595") << "74hc595"
                             << "a,b,c,d,e,f,g,dp" << true << 0;
    QTest::newRow("standard") << "standard"
                              << "a,b,c,d,e,f,g,dp" << false << 3;
    QTest::newRow("tm1637 shares standard's") << "tm1637"
                                              << "a,b,c,d,e,f,g,dp" << false << 1;
}

void BoardsTest::wiringWindowPresets() {
    QFETCH(QString, preset);
    QFETCH(QString, wiring);
    QFETCH(bool, anode);
    QFETCH(int, port);
    onModal<WiringWindow>(
        [=](WiringWindow& w) {
            auto* presets = w.findChild<QComboBox*>("preset");
            w.setWiring(*codes::Wiring::parse(QStringLiteral("b,a,c,d,e,f,g,dp")));
            QCOMPARE(presets->currentIndex(), 0);  // no preset wires it so
            const int index = presets->findData(preset);
            QVERIFY(index > 0);
            presets->setCurrentIndex(index);
            emit presets->activated(index);
            QCOMPARE(w.board().wiring.text(), wiring);
            QCOMPARE(w.polarity() == codes::Polarity::CommonAnode, anode);
            QCOMPARE(presets->currentIndex(), index);
            w.findChild<QComboBox*>("port")->setCurrentIndex(port);
            const QString label = QStringLiteral("位 7 (P%1.7)").arg(port);
            bool labelled = false;
            for (const QLabel* l : w.findChildren<QLabel*>())
                labelled = labelled || l->text() == label;
            QVERIFY2(labelled, qPrintable(label));
            // Each format with what it is, in the window's language.
            auto* formats = w.findChild<QComboBox*>("format");
            formats->setCurrentText(QStringLiteral("sdcc"));
            QCOMPARE(w.findChild<QLabel*>("formatDescription")->text(),
                     QStringLiteral("SDCC 8051 C（__code）"));
        },
        true);
    m_window->openWiringWindow();
    QCOMPARE(m_window->board().wiring.text(), wiring);
    QCOMPARE(m_harness->preferences.values.value("board/port").toInt(), port);
}

void BoardsTest::textToCodesWindow() {
    onModal<TextCodesWindow>(
        [](TextCodesWindow& w) {
            w.setText(QStringLiteral("HELLO 12.5"));
            QCOMPARE(w.digits().size(), 9);  // the "." lights the dp of the 2
            QCOMPARE(w.digits()[7]->caption(), QStringLiteral("2."));
            QVERIFY(w.table().startsWith(QStringLiteral("unsigned char code seg_cc[]={")));
            QTest::mouseClick(w.findChild<QPushButton*>("add"), Qt::LeftButton);
            w.setText(QStringLiteral("OK"));
            QVERIFY(w.digits()[1]->crossed());
            QVERIFY(w.table().isEmpty());
            QVERIFY(!w.findChild<QPushButton*>("add")->isEnabled());
            QVERIFY(w.findChild<QLineEdit*>("text")->toolTip().contains(
                QStringLiteral("第 2 个字符 'K'")));
            // The problem line kept its room when it had nothing to say.
            const int withProblem = w.findChild<QLabel*>("problem")->height();
            w.setText(QStringLiteral("12"));
            QTest::qWait(0);
            QCOMPARE(w.findChild<QLabel*>("problem")->height(), withProblem);
            w.setText(QStringLiteral("OK"));
        },
        false);
    QTest::keyClick(m_window, Qt::Key_T, Qt::ControlModifier);
    // Nine codes added as Command3 adds them: the count follows.
    QCOMPARE(m_window->codeCount(), 9);
    QVERIFY(
        declaration().endsWith(QStringLiteral("0x76,0x79,0x38,0x38,0x3f,0x00,0x06,0xdb,0x6d,")));
    // Opened again, the window has its text of the last time.
    onModal<TextCodesWindow>(
        [](TextCodesWindow& w) {
            QCOMPARE(w.findChild<QLineEdit*>("text")->text(), QStringLiteral("OK"));
        },
        false);
    m_window->openTextCodesWindow();
}

void BoardsTest::displayKinds_data() {
    // A kind chosen in the menu: its digit drawn where the eight boxes are, a click on a segment
    // and the code in the kind's width, typed back, all lit, the standard table, the wiring and
    // text windows in the kind, and the kind kept for the next start.
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("clicked");  // two segments clicked
    QTest::addColumn<QString>("text4");
    QTest::addColumn<QString>("text1");
    QTest::addColumn<QString>("typed");  // into Text1, and the segments it lights
    QTest::addColumn<QString>("typedLights");
    QTest::newRow("14 segments") << 14 << "a n"
                                 << "010000000000001b"
                                 << "0x2001,"
                                 << "0x0006,"
                                 << "b c";
    QTest::newRow("16 segments") << 16 << "a1 k"
                                 << "00010000000000001b"
                                 << "0x00002001,"
                                 << "0x0300,"
                                 << "g1 g2";
    QTest::newRow("back to 7") << 7 << "a g"
                               << "01000001b"
                               << "0x41,"
                               << "0x06,"
                               << "b c";
}

void BoardsTest::displayKinds() {
    QFETCH(int, kind);
    QFETCH(QString, clicked);
    QFETCH(QString, text4);
    QFETCH(QString, text1);
    QFETCH(QString, typed);
    QFETCH(QString, typedLights);
    const codes::DisplayKind k = *codes::kindNamed(QString::number(kind));
    // Through the menu's action, from a window of another kind.
    m_window->chooseKind(k == codes::DisplayKind::Seven ? codes::DisplayKind::Sixteen
                                                        : codes::DisplayKind::Seven);
    m_window->findChild<QAction*>(QStringLiteral("kind%1").arg(kind))->trigger();
    QCOMPARE(m_window->kind(), k);
    QVERIFY(m_window->findChild<QAction*>(QStringLiteral("kind%1").arg(kind))->isChecked());
    auto* wide = m_window->findChild<DigitView*>(QStringLiteral("wideDigit"));
    const bool seven = k == codes::DisplayKind::Seven;
    QCOMPARE(m_window->findChild<QWidget*>(QStringLiteral("Picture1(0)"))->isVisible(), seven);
    QCOMPARE(wide->isVisible(), !seven);
    for (const QString& name : clicked.split(u' ')) {
        const int s = codes::segmentNamed(k, name);
        if (seven) {
            QTest::mouseClick(m_window->findChild<QWidget*>(QStringLiteral("Picture1(%1)").arg(s)),
                              Qt::LeftButton);
        } else {
            // Where the eight boxes are, and each segment's middle hits that segment.
            QCOMPARE(wide->segmentAt(wide->segmentCentre(s)), s);
            QTest::mouseClick(wide, Qt::LeftButton, {}, wide->segmentCentre(s).toPoint());
        }
    }
    QCOMPARE(m_window->litSegments(), *codes::patternOfNames(k, clicked));
    QCOMPARE(line("Text4")->text(), text4);
    QCOMPARE(line("Text1")->text(), text1);
    line("Text1")->setText(typed);
    QTest::keyClick(line("Text1"), Qt::Key_Return);
    QCOMPARE(m_window->litSegments(), *codes::patternOfNames(k, typedLights));
    m_window->lightAll();
    QCOMPARE(m_window->litSegments(), codes::allSegments(k));
    // The standard table of the kind, and the windows in it.
    const QString table =
        m_window->findChild<QPlainTextEdit*>("Text2")->toPlainText().replace(u'\n', u' ');
    QVERIFY(table.contains(seven ? QStringLiteral("0x3f") : QStringLiteral("0x")));
    onModal<WiringWindow>(
        [&](WiringWindow& w) {
            QCOMPARE(
                w.findChildren<QComboBox*>(QRegularExpression(QStringLiteral("^bit\\d+$"))).size(),
                codes::segmentCount(k));
            QCOMPARE(w.board().wiring.kind(), k);
        },
        false);
    m_window->openWiringWindow();
    onModal<TextCodesWindow>(
        [&](TextCodesWindow& w) {
            w.setText(QStringLiteral("1"));
            QCOMPARE(w.digits().front()->kind(), k);
            QList<codes::Unshowable> bad;
            QCOMPARE(w.digits().front()->pattern(),
                     codes::digitsOf(QStringLiteral("1"), bad, k).front().pattern);
        },
        false);
    m_window->openTextCodesWindow();
    newWindow();
    QCOMPARE(m_window->kind(), k);
    QCOMPARE(line("Text4")->text().size(), codes::segmentCount(k) + 1);
}

QTEST_MAIN(BoardsTest)
#include "test_boards.moc"
