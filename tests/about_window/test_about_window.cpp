// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "about_window/sponsor.h"
#include "build_info/app_info.h"
#include "window_harness.h"
#include "workout/wkout.h"
#include "workout/workout.h"

using namespace kelvarin;
using namespace kelvarin::testing;

namespace {

// Pixels of the picture box in a shadow colour of the first line (red) or the last two (yellow).
int haloPixels(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const bool red = c.red() > 200 && c.green() < 80 && c.blue() < 80;
            const bool yellow = c.red() > 200 && c.green() > 200 && c.blue() < 80;
            n += red || yellow;
        }
    }
    return n;
}

}  // namespace

class AboutWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();

    void closes_data();
    void closes();
    void reopenedWindowPrintsAgain();
    void sponsorButtonOpensPageEachTime();
    void aboutLayout();

  private:
    Harness* m_harness = nullptr;
    QWidget* m_owner = nullptr;
};

void AboutWindowTest::init() {
    m_harness = new Harness;
    // The about window uses the shared utility object the main window creates at load.
    if (wkOut == nullptr) wkOut = new workOut(m_harness->services());
    m_owner = new QWidget;
    m_owner->resize(651, 377);
    m_owner->show();
}

void AboutWindowTest::cleanup() {
    delete m_owner;
    delete m_harness;
}

void AboutWindowTest::closes_data() {
    QTest::addColumn<bool>("escape");
    QTest::newRow("Esc") << true;
    QTest::newRow("back button") << false;
}

void AboutWindowTest::closes() {
    QFETCH(bool, escape);
    sponsor about(m_harness->services(), m_owner);
    QTimer::singleShot(0, [&] {
        if (escape) {
            QTest::keyClick(about.findChild<QPushButton*>("Command8"), Qt::Key_Escape);
        } else {
            QTest::mouseClick(about.findChild<QPushButton*>("Command1"), Qt::LeftButton);
        }
    });
    about.exec();
    QVERIFY(!about.isVisible());
    QVERIFY(m_owner->isVisible());
    QCOMPARE(m_harness->program.ended, 0);
}

void AboutWindowTest::reopenedWindowPrintsAgain() {
    QList<int> halos;
    for (int n = 0; n < 2; ++n) {
        sponsor about(m_harness->services(), m_owner);
        halos << haloPixels(about.findChild<gui::PictureBox*>("Picture1")->canvas().image());
    }
    QVERIFY(halos[0] > 100);
    QCOMPARE(halos[1], halos[0]);
}

void AboutWindowTest::sponsorButtonOpensPageEachTime() {
    sponsor about(m_harness->services(), m_owner);
    about.show();
    auto* sponsorButton = about.findChild<QPushButton*>("Command8");
    QTest::mouseClick(sponsorButton, Qt::LeftButton);
    QTest::mouseClick(sponsorButton, Qt::LeftButton);
    QVERIFY(about.isVisible());
    QCOMPARE(m_harness->browser.opened, (QList<QUrl>{QUrl(sponsorUrl()), QUrl(sponsorUrl())}));
    QVERIFY(QUrl(sponsorUrl()).isValid());
}

void AboutWindowTest::aboutLayout() {
    sponsor about(m_harness->services(), m_owner);
    QCOMPARE(about.size(), QSize(425, 210));
    QCOMPARE(about.minimumSize(), about.maximumSize());
    QVERIFY(about.isModal());
    QCOMPARE(about.findChild<gui::PictureBox*>("Picture1")->geometry(), QRect(32, 16, 361, 137));
    QCOMPARE(about.findChild<QPushButton*>("Command1")->text(), QStringLiteral("返回"));
    QCOMPARE(about.windowIcon().actualSize(QSize(128, 128)), QSize(128, 128));
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    // The background is the diagonal sweep from the top-left corner.
    QCOMPARE(about.canvas().image().pixelColor(0, 0), QColor(200, 180, 180));
}

QTEST_MAIN(AboutWindowTest)
#include "test_about_window.moc"
