// SPDX-License-Identifier: MIT
// The windows on a real X server with a window manager (Xvfb and openbox), where frames, places
// and maximising are the window manager's: what an offscreen test cannot see.
#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <cstdio>
#include <cstdlib>

#include <xcb/xcb.h>

#include "about_window/sponsor.h"
#include "gui/window_placement.h"
#include "segment_window/seg8.h"
#include "window_harness.h"
#include "xvfb_test_main.h"

using namespace kelvarin;
using namespace kelvarin::testing;

namespace {

// How long the window manager may take to answer (to show, frame or move a window): slowly in a
// sanitised build beside other tests, or while it is still starting, so the bound is generous;
// the waits return as soon as it has answered.
constexpr int kManagerAnswers = 10000;

// Waits until the condition holds.
template <class Condition>
bool within(int ms, Condition&& condition) {
    for (int waited = 0; waited < ms; waited += 20) {
        if (condition()) return true;
        QTest::qWait(20);
    }
    return condition();
}

// Whether the X server has the window's client area where the toolkit says it is: the toolkit
// takes a move at once, the window manager answers it later (and may place it otherwise).
// Where the X server has the window's client area (-1, -1 when it cannot say).
QPoint serverPlace(const QWidget& window) {
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    QPoint place(-1, -1);
    if (!xcb_connection_has_error(c)) {
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
        xcb_translate_coordinates_reply_t* at = xcb_translate_coordinates_reply(
            c,
            xcb_translate_coordinates(c, static_cast<xcb_window_t>(window.winId()), screen->root, 0,
                                      0),
            nullptr);
        if (at != nullptr) place = QPoint(at->dst_x, at->dst_y);
        std::free(at);
    }
    xcb_disconnect(c);
    return place;
}

bool serverAgrees(const QWidget& window) {
    return serverPlace(window) == window.geometry().topLeft();
}

// Puts the window's frame at the place, as a user's drag leaves it: its client area inside the
// manager's frame extents as the X server has them (the toolkit's own move takes the frame margins
// it learnt at the last configure, which a loaded manager may have changed since).
void moveFrame(QWidget& window, QPoint frameTopLeft) {
    const std::optional<QMargins> extents = gui::managerFrameExtents(window);
    const QPoint inside = extents ? QPoint(extents->left(), extents->top()) : QPoint(0, 0);
    window.setGeometry(QRect(frameTopLeft + inside, window.size()));
}

// What the toolkit and the server say of a window, for a failure's message.
QString placesOf(const QWidget& window) {
    const QPoint server = serverPlace(window);
    return QStringLiteral("pos %1,%2 client %3,%4 frame %5x%6 server client %7,%8")
        .arg(window.pos().x())
        .arg(window.pos().y())
        .arg(window.geometry().x())
        .arg(window.geometry().y())
        .arg(window.frameGeometry().width())
        .arg(window.frameGeometry().height())
        .arg(server.x())
        .arg(server.y());
}

QPoint centre(const QRect& r) {
    return QPoint(r.x() + r.width() / 2, r.y() + r.height() / 2);
}

}  // namespace

class OnDesktopTest : public QObject {
    Q_OBJECT
  private slots:
    void aboutWindowCentredOverTheMainWindow();
    void restoreAfterMaximiseKeepsThePlace();
};

void OnDesktopTest::aboutWindowCentredOverTheMainWindow() {
    Harness harness;
    SEG8 window(harness.services());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window, kManagerAnswers));
    // The main window's frame is centred on the screen once the manager has framed it.
    const QRect available = window.screen()->availableGeometry();
    QVERIFY2(
        within(kManagerAnswers,
               [&] {
                   // Centred as the X server has it: the user moves the window from there.
                   return window.frameGeometry().size() != window.size() &&
                          (centre(window.frameGeometry()) - centre(available)).manhattanLength() <=
                              2 &&
                          serverAgrees(window);
               }),
        qPrintable(QStringLiteral("frame %1,%2 %3x%4 on %5x%6")
                       .arg(window.frameGeometry().x())
                       .arg(window.frameGeometry().y())
                       .arg(window.frameGeometry().width())
                       .arg(window.frameGeometry().height())
                       .arg(available.width())
                       .arg(available.height())));
    const QPoint place = window.pos() + QPoint(-150, -60);  // a place of the user's
    moveFrame(window, place);
    QVERIFY2(within(kManagerAnswers, [&] { return window.pos() == place && serverAgrees(window); }),
             qPrintable(QStringLiteral("moved to %1,%2: ").arg(place.x()).arg(place.y()) +
                        placesOf(window)));
    sponsor about(harness.services(), &window);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about, kManagerAnswers));
    QVERIFY2(within(kManagerAnswers,
                    [&] {
                        return serverAgrees(about) && serverAgrees(window) &&
                               (centre(about.frameGeometry()) - centre(window.frameGeometry()))
                                       .manhattanLength() <= 2;
                    }),
             qPrintable(QStringLiteral("about %1,%2 main %3,%4")
                            .arg(centre(about.frameGeometry()).x())
                            .arg(centre(about.frameGeometry()).y())
                            .arg(centre(window.frameGeometry()).x())
                            .arg(centre(window.frameGeometry()).y())));
}

void OnDesktopTest::restoreAfterMaximiseKeepsThePlace() {
    Harness harness;
    SEG8 window(harness.services());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window, kManagerAnswers));
    QVERIFY(within(kManagerAnswers, [&] {
        return window.frameGeometry().size() != window.size() && serverAgrees(window);
    }));
    const QPoint place(120, 90);
    window.move(place);
    QVERIFY(within(kManagerAnswers, [&] { return window.pos() == place; }));
    window.showMaximized();
    QVERIFY(within(kManagerAnswers, [&] { return window.width() > SEG8::kDesignWidth; }));
    window.findChild<QPushButton*>(QStringLiteral("Command7"))->click();
    QVERIFY2(within(kManagerAnswers,
                    [&] {
                        return window.size() == QSize(SEG8::kDesignWidth, SEG8::kDesignHeight) &&
                               window.pos() == place;
                    }),
             qPrintable(QStringLiteral("at %1,%2").arg(window.pos().x()).arg(window.pos().y())));
}

KELVARIN_XVFB_TEST_MAIN(OnDesktopTest, QApplication, WindowManager)

#include "test_on_desktop.moc"
