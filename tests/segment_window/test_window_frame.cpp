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

class WindowFrameTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();

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

void WindowFrameTest::init() {
    QGuiApplication::clipboard()->setText(QStringLiteral("untouched"));
    m_harness = new Harness;
    m_window = new SEG8(m_harness->services());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void WindowFrameTest::cleanup() {
    delete m_window;
    delete m_harness;
}

void WindowFrameTest::escapeEndsProgram() {
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

void WindowFrameTest::closingEndsProgram() {
    m_window->close();
    QCOMPARE(m_harness->program.ended, 1);
}

void WindowFrameTest::minimumSizeAndRestore() {
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

void WindowFrameTest::backgroundGradient() {
    const QImage& image = m_window->canvas().image();
    QCOMPARE(image.size(), QSize(651, 377));
    QCOMPARE(image.pixelColor(0, 0), QColor(130, 200, 180));
    QCOMPARE(image.pixelColor(650, 376), QColor(130, 130, 180));
    // Half way along the sweep, green is half way between its two ends.
    QVERIFY(qAbs(image.pixelColor(325, 188).green() - 165) <= 1);
}

void WindowFrameTest::randomColours_data() {
    QTest::addColumn<float>("colour");
    QTest::addColumn<float>("type");
    QTest::addColumn<int>("channel");
    QTest::addColumn<QPoint>("probe");  // a pixel that shows the start colour for this sweep
    QTest::newRow("lowest, -1") << 0.0f << 0.0f << 50 << QPoint(300, 0);
    QTest::newRow("highest, -4") << 0.99999994f << 0.99999994f << 250 << QPoint(0, 376);
    QTest::newRow("middle, -3") << 0.5f << 0.5f << 150 << QPoint(0, 0);
    QTest::newRow("tie to even, -2") << 0.0025f << 0.25f << 50 << QPoint(0, 200);
}

void WindowFrameTest::randomColours() {
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

void WindowFrameTest::bannerShowsShadowedTitle() {
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

void WindowFrameTest::aboutOpensModalAndCloses_data() {
    QTest::addColumn<bool>("escape");
    QTest::newRow("Esc") << true;
    QTest::newRow("back button") << false;
}

void WindowFrameTest::aboutOpensModalAndCloses() {
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

void WindowFrameTest::tabOrder() {
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

void WindowFrameTest::keyboardPressesButtonsAndSegments_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    QTest::newRow("Space") << int(Qt::Key_Space);
}

void WindowFrameTest::keyboardPressesButtonsAndSegments() {
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

void WindowFrameTest::aboutIsCentredOverItsOwner() {
    m_window->move(40, 60);
    QPoint aboutCentre;
    QTimer::singleShot(0, [&] {
        auto* about = qobject_cast<sponsor*>(QApplication::activeModalWidget());
        QVERIFY(about != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(about));
        aboutCentre = about->frameGeometry().center();
        about->close();
    });
    button("Command8")->click();
    QVERIFY(qAbs(aboutCentre.x() - m_window->frameGeometry().center().x()) <= 1);
    QVERIFY(qAbs(aboutCentre.y() - m_window->frameGeometry().center().y()) <= 1);
}

QTEST_MAIN(WindowFrameTest)
#include "test_window_frame.moc"
