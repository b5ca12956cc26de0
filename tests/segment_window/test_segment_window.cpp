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

  private:
    QPushButton* button(const char* name) { return m_window->findChild<QPushButton*>(name); }
    QLineEdit* line(const char* name) { return m_window->findChild<QLineEdit*>(name); }
    QPlainTextEdit* text5() { return m_window->findChild<QPlainTextEdit*>("Text5"); }
    QString declaration() const {
        return static_cast<gui::CrLfTextBox*>(m_window->findChild<QPlainTextEdit*>("Text5"))
            ->text();
    }
    gui::PictureBox* segment(int k) {
        return m_window->findChild<gui::PictureBox*>(QStringLiteral("Picture1(%1)").arg(k));
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

QTEST_MAIN(SegmentWindowTest)
#include "test_segment_window.moc"
