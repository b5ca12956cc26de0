// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextCursor>
#include <QTimer>

#include "about_window/sponsor.h"
#include "segment_window/seg8.h"
#include "segment_window/standard_tables.h"
#include "window_harness.h"

using namespace kelvarin;
using namespace kelvarin::testing;

namespace {

const QString kHeaderCc =
    QStringLiteral("unsigned char code seg-cc[]{ // 创建于: 26年12月07日 design:______\r\n");
const QString kHeaderCa =
    QStringLiteral("unsigned char code seg-ca[]{ // 创建于: 26年12月07日 design:______\r\n");

QString clipboardText() {
    return QGuiApplication::clipboard()->text();
}

bool haloPixel(const QColor& c) {
    return c.red() > 200 && c.green() < 80 && c.blue() < 80;
}

// Number of pixels of an image in the halo colour, and of white pixels lying between halo
// pixels on their row (the text itself, printed over the halo).
void countBanner(const QImage& image, int& halo, int& text) {
    halo = text = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (haloPixel(c)) ++halo;
            if (c == Qt::white) {
                bool left = false, right = false;
                for (int d = 1; d <= 4; ++d) {
                    left = left || (x - d >= 0 && haloPixel(image.pixelColor(x - d, y)));
                    right =
                        right || (x + d < image.width() && haloPixel(image.pixelColor(x + d, y)));
                }
                if (left && right) ++text;
            }
        }
    }
}

}  // namespace

class SegmentWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();

    void startsDarkWithHeader();
    void layoutFollowsDesign();
    void workedExample();
    void everyPatternInBothModes();
    void typeChangeFollowsAndResetsDeclaration();
    void automaticCopying();
    void litSegmentIsPaintedDarkCleared();
    void tenCodesToALine();
    void copyRestartsCountButNotLine();
    void copyConfirms();
    void failedCopyIsReported();
    void standardTables_data();
    void standardTables();
    void escapeEndsProgram();
    void closingEndsProgram();
    void minimumSizeAndRestore();
    void backgroundGradient();
    void randomColours_data();
    void randomColours();
    void bannerShowsShadowedTitle();
    void aboutOpensModalAndCloses_data();
    void aboutOpensModalAndCloses();
    void tabOrder();
    void keyboardPressesButtonsAndSegments_data();
    void keyboardPressesButtonsAndSegments();
    void aboutIsCentredOverItsOwner();

  private:
    QPushButton* button(const char* name) { return m_window->findChild<QPushButton*>(name); }
    QLineEdit* line(const char* name) { return m_window->findChild<QLineEdit*>(name); }
    QPlainTextEdit* text5() { return m_window->findChild<QPlainTextEdit*>("Text5"); }
    QString declaration() const {
        return static_cast<CrLfTextBox*>(m_window->findChild<QPlainTextEdit*>("Text5"))->text();
    }
    PictureBox* segment(int k) {
        return m_window->findChild<PictureBox*>(QStringLiteral("Picture1(%1)").arg(k));
    }
    void clickSegment(int k) { QTest::mouseClick(segment(k), Qt::LeftButton); }
    void press(const char* name, int times = 1) {
        for (int n = 0; n < times; ++n)
            QTest::mouseClick(button(name), Qt::LeftButton);
    }

    Harness* m_harness = nullptr;
    SEG8* m_window = nullptr;
};

void SegmentWindowTest::init() {
    QGuiApplication::clipboard()->setText(QStringLiteral("untouched"));
    m_harness = new Harness;
    m_window = new SEG8(m_harness->services());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void SegmentWindowTest::cleanup() {
    delete m_window;
    delete m_harness;
}

void SegmentWindowTest::startsDarkWithHeader() {
    QCOMPARE(line("Text4")->text(), QStringLiteral("00000000b"));
    QCOMPARE(line("Text1")->text(), QStringLiteral("0x00,"));
    QVERIFY(m_window->findChild<QRadioButton*>("Option1")->isChecked());
    QVERIFY(!m_window->findChild<QCheckBox*>("Check1")->isChecked());
    QCOMPARE(declaration(), kHeaderCc);
    QCOMPARE(m_window->codeCount(), 0);
    QCOMPARE(clipboardText(), QStringLiteral("untouched"));
    QCOMPARE(m_harness->random.seeded, 1);
}

void SegmentWindowTest::layoutFollowsDesign() {
    QCOMPARE(m_window->size(), QSize(651, 377));
    QCOMPARE(segment(0)->geometry(), QRect(72, 32, 57, 17));
    QCOMPARE(segment(7)->geometry(), QRect(160, 176, 17, 17));
    QCOMPARE(text5()->geometry(), QRect(216, 160, 417, 140));
    QVERIFY(m_window->windowTitle().startsWith(
        QStringLiteral("Kelvarin      design bY:Quarvel  mailto:")));
    QVERIFY(!m_window->findChild<QPlainTextEdit*>("Text2")->isVisible());
    QCOMPARE(button("Command5")->text(), QStringLiteral("复制到剪贴板"));
    // Keyboard order starts at the frame's options and runs through the segments.
    QCOMPARE(m_window->findChild<QRadioButton*>("Option2")->nextInFocusChain(), segment(0));
}

void SegmentWindowTest::workedExample() {
    for (int k : {0, 1, 2})
        clickSegment(k);
    QCOMPARE(line("Text4")->text(), QStringLiteral("00000111b"));
    QCOMPARE(line("Text1")->text(), QStringLiteral("0x07,"));
    QTest::mouseClick(m_window->findChild<QRadioButton*>("Option2"), Qt::LeftButton);
    QCOMPARE(line("Text4")->text(), QStringLiteral("11111000b"));
    QCOMPARE(line("Text1")->text(), QStringLiteral("0xf8,"));
    for (int k : {3, 4, 5})
        clickSegment(k);
    QCOMPARE(line("Text1")->text(), QStringLiteral("0xc0,"));
    QTest::mouseClick(m_window->findChild<QRadioButton*>("Option1"), Qt::LeftButton);
    QCOMPARE(line("Text4")->text(), QStringLiteral("00111111b"));
    QCOMPARE(line("Text1")->text(), QStringLiteral("0x3f,"));
}

void SegmentWindowTest::everyPatternInBothModes() {
    auto* anode = m_window->findChild<QRadioButton*>("Option2");
    auto* cathode = m_window->findChild<QRadioButton*>("Option1");
    for (QRadioButton* mode : {cathode, anode}) {
        QTest::mouseClick(mode, Qt::LeftButton);
        unsigned pattern = 0;
        // Walk all 256 patterns in Gray-code order: one click per step.
        for (unsigned n = 1; n <= 256; ++n) {
            const unsigned gray = (n % 256) ^ ((n % 256) >> 1);
            const unsigned changed = gray ^ pattern;
            for (int k = 0; k < 8; ++k)
                if (changed & (1u << k)) clickSegment(k);
            pattern = gray;
            unsigned expected = 0;
            for (int k = 0; k < 8; ++k)
                expected |= unsigned(m_window->segState(k)) << k;
            QCOMPARE(expected, pattern);
            if (mode == anode) expected ^= 0xffu;
            QCOMPARE(line("Text4")->text(),
                     QStringLiteral("%1b").arg(expected, 8, 2, QLatin1Char('0')));
            QCOMPARE(line("Text1")->text(),
                     QStringLiteral("0x%1,").arg(expected, 2, 16, QLatin1Char('0')));
        }
    }
}

void SegmentWindowTest::typeChangeFollowsAndResetsDeclaration() {
    clickSegment(7);
    press("Command3", 3);
    QTest::mouseClick(m_window->findChild<QRadioButton*>("Option2"), Qt::LeftButton);
    QCOMPARE(line("Text1")->text(), QStringLiteral("0x7f,"));
    QCOMPARE(declaration(), kHeaderCa);
    QCOMPARE(m_window->codeCount(), 0);
    QCOMPARE(m_window->segState(7), quint8(1));  // the segment stays lit
}

void SegmentWindowTest::automaticCopying() {
    clickSegment(0);
    QCOMPARE(clipboardText(), QStringLiteral("untouched"));
    QTest::mouseClick(m_window->findChild<QCheckBox*>("Check1"), Qt::LeftButton);
    clickSegment(1);
    QCOMPARE(clipboardText(), QStringLiteral("0x03,"));
    QTest::mouseClick(m_window->findChild<QRadioButton*>("Option2"), Qt::LeftButton);
    QCOMPARE(clipboardText(), QStringLiteral("0xfc,"));
}

void SegmentWindowTest::litSegmentIsPaintedDarkCleared() {
    // Colour A from three draws of 0 (every channel 50), colour B from three draws just below
    // 1 (every channel 250): a sweep from the bottom-left corner over 57 + 17 steps.
    m_harness->random.values = {0.0f, 0.0f, 0.0f, 0.99999994f, 0.99999994f, 0.99999994f};
    m_harness->random.position = 0;
    clickSegment(0);
    QCOMPARE(m_harness->random.position, 6);
    const QImage lit = segment(0)->canvas().image();
    QCOMPARE(lit.size(), QSize(57, 17));
    // The first line inside the box is the second of the sweep; B is reached at (55, 0).
    QCOMPARE(lit.pixelColor(0, 16), QColor(53, 53, 53));
    QCOMPARE(lit.pixelColor(55, 0), QColor(250, 250, 250));
    // Every pixel is painted: none keeps the background.
    const QColor background = segment(0)->canvas().background();
    for (int y = 0; y < lit.height(); ++y)
        for (int x = 0; x < lit.width(); ++x)
            QVERIFY(lit.pixelColor(x, y) != background);
    clickSegment(0);
    const QImage dark = segment(0)->canvas().image();
    for (int y = 0; y < dark.height(); ++y)
        for (int x = 0; x < dark.width(); ++x)
            QCOMPARE(dark.pixelColor(x, y), background);
}

void SegmentWindowTest::tenCodesToALine() {
    clickSegment(1);
    clickSegment(2);
    press("Command3", 10);
    const QString ten = QString(QStringLiteral("0x06,")).repeated(10);
    QCOMPARE(declaration(), kHeaderCc + ten + QStringLiteral("\r\n"));
    press("Command3");
    QCOMPARE(declaration(), kHeaderCc + ten + QStringLiteral("\r\n0x06,"));
    QCOMPARE(m_window->codeCount(), 11);
}

void SegmentWindowTest::copyRestartsCountButNotLine() {
    press("Command3", 3);
    press("Command5");
    press("Command3", 10);
    QCOMPARE(declaration(),
             kHeaderCc + QString(QStringLiteral("0x00,")).repeated(13) + QStringLiteral("\r\n"));
}

void SegmentWindowTest::copyConfirms() {
    clickSegment(6);
    press("Command3", 2);
    press("Command5");
    QCOMPARE(clipboardText(), kHeaderCc + QStringLiteral("0x40,0x40,"));
    QCOMPARE(m_window->codeCount(), 0);
    QCOMPARE(m_harness->boxes.shown.size(), 1);
    const ShownMessage& m = m_harness->boxes.shown.first();
    QCOMPARE(m.prompt, QStringLiteral("复制成功"));
    QCOMPARE(m.title, QStringLiteral("复制到剪贴板"));
    QCOMPARE(m.icon, MessageBoxes::Icon::Information);
    QCOMPARE(m.buttons, MessageBoxes::Buttons::Ok);
    // A header-only declaration is copied and confirmed too.
    press("Command4");
    press("Command5");
    QCOMPARE(clipboardText(), kHeaderCc);
    QCOMPARE(m_harness->boxes.shown.last().prompt, QStringLiteral("复制成功"));
}

void SegmentWindowTest::failedCopyIsReported() {
    HeldClipboard held;
    Harness h;
    h.clipboard = &held;
    SEG8 window(h.services());
    window.findChild<QPushButton*>("Command3")->click();
    window.findChild<QPushButton*>("Command5")->click();
    QCOMPARE(h.boxes.shown.size(), 1);
    const ShownMessage& m = h.boxes.shown.first();
    QCOMPARE(m.prompt, QStringLiteral("复制失败"));
    QCOMPARE(m.icon, MessageBoxes::Icon::Warning);
    QCOMPARE(m.title, QStringLiteral("复制到剪贴板"));
    QCOMPARE(window.codeCount(), 0);
}

void SegmentWindowTest::standardTables_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("table");
    QTest::addColumn<bool>("yes");
    QTest::newRow("cathode yes") << "Command1" << commonCathodeTable() << true;
    QTest::newRow("cathode no") << "Command1" << commonCathodeTable() << false;
    QTest::newRow("anode yes") << "Command2" << commonAnodeTable() << true;
    QTest::newRow("anode no") << "Command2" << commonAnodeTable() << false;
}

void SegmentWindowTest::standardTables() {
    QFETCH(QString, button);
    QFETCH(QString, table);
    QFETCH(bool, yes);
    m_harness->boxes.answers = {yes ? MessageBoxes::Answer::Yes : MessageBoxes::Answer::No};
    press(button.toLatin1().constData());
    QCOMPARE(m_harness->boxes.shown.size(), 1);
    const ShownMessage& m = m_harness->boxes.shown.first();
    QCOMPARE(m.prompt, table + QStringLiteral("\r\n\r\n选择[是]复制到剪贴板,选择[否]返回."));
    QCOMPARE(m.title, QStringLiteral("选择[是]复制到剪贴板"));
    QCOMPARE(m.buttons, MessageBoxes::Buttons::YesNo);
    if (yes) {
        QCOMPARE(clipboardText(), table);
        QCOMPARE(clipboardText().size(), 518);
    } else {
        QCOMPARE(clipboardText(), QStringLiteral("untouched"));
    }
}

void SegmentWindowTest::escapeEndsProgram() {
    for (QWidget* focus :
         {static_cast<QWidget*>(text5()), static_cast<QWidget*>(button("Command3")),
          static_cast<QWidget*>(line("Text1"))}) {
        Harness h;
        SEG8 window(h.services());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QWidget* target = window.findChild<QWidget*>(focus->objectName());
        target->setFocus();
        QTest::keyClick(target, Qt::Key_A);
        QCOMPARE(h.program.ended, 0);
        QTest::keyClick(target, Qt::Key_Escape);
        QCOMPARE(h.program.ended, 1);
    }
}

void SegmentWindowTest::closingEndsProgram() {
    m_window->close();
    QCOMPARE(m_harness->program.ended, 1);
}

void SegmentWindowTest::minimumSizeAndRestore() {
    m_window->resize(300, 200);
    QCOMPARE(m_window->size(), QSize(651, 377));
    m_window->resize(800, 500);
    QCOMPARE(m_window->size(), QSize(800, 500));
    QCOMPARE(m_window->canvas().image().size(), QSize(800, 500));
    // The enlarged window is repainted: its far corner holds the sweep's end colour.
    QCOMPARE(m_window->canvas().image().pixelColor(799, 499), QColor(130, 130, 180));
    m_window->showMaximized();
    QTest::qWait(20);
    press("Command7");
    QTest::qWait(20);
    QVERIFY(!(m_window->windowState() & Qt::WindowMaximized));
    QCOMPARE(m_window->size(), QSize(651, 377));
    // Minimising shows nothing and fails nothing; the restore button brings the window back.
    m_window->resize(700, 400);
    m_window->showMinimized();
    QTest::qWait(20);
    QVERIFY(m_harness->boxes.shown.isEmpty());
    press("Command7");
    QTest::qWait(20);
    QVERIFY(!(m_window->windowState() & Qt::WindowMinimized));
    QCOMPARE(m_window->size(), QSize(651, 377));
}

void SegmentWindowTest::backgroundGradient() {
    const QImage& image = m_window->canvas().image();
    QCOMPARE(image.size(), QSize(651, 377));
    QCOMPARE(image.pixelColor(0, 0), QColor(130, 200, 180));
    QCOMPARE(image.pixelColor(650, 376), QColor(130, 130, 180));
    // Half way along the sweep, green is half way between its two ends.
    QVERIFY(qAbs(image.pixelColor(325, 188).green() - 165) <= 1);
}

void SegmentWindowTest::randomColours_data() {
    QTest::addColumn<float>("colour");
    QTest::addColumn<float>("type");
    QTest::addColumn<int>("channel");
    QTest::addColumn<QPoint>("probe");  // a pixel that shows the start colour for this sweep
    QTest::newRow("lowest, -1") << 0.0f << 0.0f << 50 << QPoint(300, 0);
    QTest::newRow("highest, -4") << 0.99999994f << 0.99999994f << 250 << QPoint(0, 376);
    QTest::newRow("middle, -3") << 0.5f << 0.5f << 150 << QPoint(0, 0);
    QTest::newRow("tie to even, -2") << 0.0025f << 0.25f << 50 << QPoint(0, 200);
}

void SegmentWindowTest::randomColours() {
    QFETCH(float, colour);
    QFETCH(float, type);
    QFETCH(int, channel);
    QFETCH(QPoint, probe);
    m_harness->random.values = {colour, colour, colour, colour, colour, colour, type};
    m_harness->random.position = 0;
    press("Command6");
    QCOMPARE(m_harness->random.position, 7);
    QCOMPARE(m_window->canvas().image().pixelColor(probe), QColor(channel, channel, channel));
}

void SegmentWindowTest::bannerShowsShadowedTitle() {
    int halo = 0, text = 0;
    countBanner(m_window->banner().canvas().image(), halo, text);
    QVERIFY2(halo > 50, qPrintable(QString::number(halo)));
    QVERIFY2(text > 20, qPrintable(QString::number(text)));
    // Printed at load, it survives the window being hidden and shown again.
    m_window->hide();
    m_window->showMinimized();
    m_window->showNormal();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    const QImage shown = m_window->banner().grab().toImage();
    int haloShown = 0, textShown = 0;
    countBanner(shown, haloShown, textShown);
    QVERIFY(haloShown > 50);
    QVERIFY(textShown > 20);
}

void SegmentWindowTest::aboutOpensModalAndCloses_data() {
    QTest::addColumn<bool>("escape");
    QTest::newRow("Esc") << true;
    QTest::newRow("back button") << false;
}

void SegmentWindowTest::aboutOpensModalAndCloses() {
    QFETCH(bool, escape);
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* about = qobject_cast<sponsor*>(QApplication::activeModalWidget());
        QVERIFY(about != nullptr);
        seen = true;
        QVERIFY(about->isModal());
        QCOMPARE(about->windowTitle(), QStringLiteral("sponsor"));
        QCOMPARE(about->parentWidget(), m_window);
        if (escape) {
            QTest::keyClick(about->findChild<QPushButton*>("Command8"), Qt::Key_Escape);
        } else {
            QTest::mouseClick(about->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        }
    });
    QTest::mouseClick(button("Command8"), Qt::LeftButton);
    QVERIFY(seen);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QCOMPARE(m_harness->program.ended, 0);
    QVERIFY(m_window->isVisible());
}

void SegmentWindowTest::tabOrder() {
    // The keyboard order of the tab indexes: the frame, the hidden table boxes and the banner take
    // no focus, and the option group is one stop (its selected option).
    const QStringList stops = {
        "Option1",     "Picture1(0)", "Picture1(1)", "Picture1(2)", "Picture1(3)", "Picture1(4)",
        "Picture1(5)", "Picture1(6)", "Picture1(7)", "Text1",       "Check1",      "Command1",
        "Command2",    "Text4",       "Command3",    "Text5",       "Command4",    "Command5",
        "Command6",    "Command7",    "Command8"};
    const QString before = declaration();
    m_window->findChild<QWidget*>("Option1")->setFocus();
    QStringList forward, backward;
    for (qsizetype k = 0; k < stops.size(); ++k) {
        forward << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Option1"));  // round
    for (qsizetype k = 0; k < stops.size(); ++k) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        backward.prepend(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(forward, stops);
    QCOMPARE(backward, stops);
    QCOMPARE(declaration(), before);  // no tab typed on the way through Text5
    // Ctrl+Tab types one where the box takes text.
    text5()->setFocus();
    text5()->moveCursor(QTextCursor::End);
    QTest::keyClick(text5(), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(declaration(), before + u'\t');
}

void SegmentWindowTest::keyboardPressesButtonsAndSegments_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    QTest::newRow("Space") << int(Qt::Key_Space);
}

void SegmentWindowTest::keyboardPressesButtonsAndSegments() {
    QFETCH(int, key);
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    // A segment box toggles its segment as a click does, and shows that it has the focus.
    segment(2)->setFocus();
    QTest::keyClick(segment(2), Qt::Key(key));
    QCOMPARE(line("Text4")->text(), QStringLiteral("00000100b"));
    QCOMPARE(m_window->segState(2), quint8(1));
    const QImage marked = segment(2)->grab().toImage();
    segment(3)->setFocus();
    QVERIFY(marked != segment(2)->grab().toImage());
    QTest::keyClick(segment(2), Qt::Key(key));
    QCOMPARE(line("Text4")->text(), QStringLiteral("00000000b"));
    // A button is pressed: the code goes into the declaration.
    button("Command3")->setFocus();
    QTest::keyClick(button("Command3"), Qt::Key(key));
    QCOMPARE(m_window->codeCount(), 1);
    QVERIFY(declaration().endsWith(QStringLiteral("0x00,")));
    // The banner does nothing, so it takes no focus.
    QCOMPARE(m_window->banner().focusPolicy(), Qt::NoFocus);
}

void SegmentWindowTest::aboutIsCentredOverItsOwner() {
    m_window->move(40, 60);
    QPoint aboutCentre;
    QTimer::singleShot(0, [&] {
        auto* about = qobject_cast<sponsor*>(QApplication::activeModalWidget());
        QVERIFY(about != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(about));
        aboutCentre = about->frameGeometry().center();
        about->close();
    });
    m_window->Command8_Click();
    QVERIFY(qAbs(aboutCentre.x() - m_window->frameGeometry().center().x()) <= 1);
    QVERIFY(qAbs(aboutCentre.y() - m_window->frameGeometry().center().y()) <= 1);
}

QTEST_MAIN(SegmentWindowTest)
#include "test_segment_window.moc"
