#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "about_window/sponsor.h"
#include "platform/wkout.h"
#include "segment_window/author_contact.h"
#include "segment_window/seg8.h"
#include "window_doubles.h"

using namespace kelvarin;
using namespace kelvarin::testing;

namespace {

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

// Runs the action on the modal about window once it is open.
void whenAboutOpens(std::function<void(sponsor*)> action) {
    QTimer::singleShot(0, [action] {
        auto* about = qobject_cast<sponsor*>(QApplication::activeModalWidget());
        QVERIFY(about != nullptr);
        action(about);
    });
}

}  // namespace

class AboutWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();

    void bannerShowsShadowedTitle();
    void aboutOpensModalAndCloses_data();
    void aboutOpensModalAndCloses();
    void reopenedWindowPrintsAgain();
    void sponsorButtonOpensPageEachTime();
    void aboutLayout();

  private:
    Harness* m_harness = nullptr;
    SEG8* m_window = nullptr;
    QList<QUrl> m_opened;
};

void AboutWindowTest::init() {
    m_harness = new Harness;
    m_opened.clear();
    WindowServices services = m_harness->services();
    services.openUrl = [this](const QUrl& url) { m_opened << url; };
    m_window = new SEG8(services);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void AboutWindowTest::cleanup() {
    delete m_window;
    delete m_harness;
}

void AboutWindowTest::bannerShowsShadowedTitle() {
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

void AboutWindowTest::aboutOpensModalAndCloses_data() {
    QTest::addColumn<bool>("escape");
    QTest::newRow("Esc") << true;
    QTest::newRow("back button") << false;
}

void AboutWindowTest::aboutOpensModalAndCloses() {
    QFETCH(bool, escape);
    bool seen = false;
    whenAboutOpens([&](sponsor* about) {
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
    QTest::mouseClick(m_window->findChild<QPushButton*>("Command8"), Qt::LeftButton);
    QVERIFY(seen);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QCOMPARE(m_harness->ended, 0);
    QVERIFY(m_window->isVisible());
}

void AboutWindowTest::reopenedWindowPrintsAgain() {
    QList<int> halos;
    for (int n = 0; n < 2; ++n) {
        whenAboutOpens([&](sponsor* about) {
            int halo = 0, text = 0;
            countBanner(about->findChild<PictureBox*>("Picture1")->canvas().image(), halo, text);
            halos << halo;
            about->close();
        });
        m_window->Command8_Click();
    }
    QCOMPARE(halos.size(), 2);
    QVERIFY(halos[0] > 50);
    QCOMPARE(halos[1], halos[0]);
}

void AboutWindowTest::sponsorButtonOpensPageEachTime() {
    whenAboutOpens([&](sponsor* about) {
        auto* sponsorButton = about->findChild<QPushButton*>("Command8");
        QTest::mouseClick(sponsorButton, Qt::LeftButton);
        QTest::mouseClick(sponsorButton, Qt::LeftButton);
        QVERIFY(about->isVisible());
        about->close();
    });
    m_window->Command8_Click();
    QCOMPARE(m_opened, (QList<QUrl>{QUrl(sponsorUrl()), QUrl(sponsorUrl())}));
    QVERIFY(QUrl(sponsorUrl()).isValid());
}

void AboutWindowTest::aboutLayout() {
    sponsor about(m_harness->services(), m_window);
    QCOMPARE(about.size(), QSize(425, 210));
    QCOMPARE(about.minimumSize(), about.maximumSize());
    QCOMPARE(about.findChild<PictureBox*>("Picture1")->geometry(), QRect(32, 16, 361, 137));
    QCOMPARE(about.findChild<QPushButton*>("Command1")->text(), QStringLiteral("返回"));
    QCOMPARE(about.windowIcon().actualSize(QSize(128, 128)), QSize(128, 128));
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    // The background is the diagonal sweep from the top-left corner.
    QCOMPARE(about.canvas().image().pixelColor(0, 0), QColor(200, 180, 180));
}

QTEST_MAIN(AboutWindowTest)
#include "test_about_window.moc"
