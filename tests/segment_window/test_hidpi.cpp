// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "gui/picture_box.h"
#include "segment_window/seg8.h"
#include "window_harness.h"
#include "workout/wkout.h"
#include "workout/workout.h"

using namespace kelvarin;
using namespace kelvarin::testing;

namespace {

// Whether some 2 x 2 block of device pixels holds two colours: a picture drawn at the device's
// resolution has them along every edge, one drawn at half of it never does.
bool finerThanLogicalPixels(const QImage& image) {
    for (int y = 0; y + 1 < image.height(); y += 2) {
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb c = image.pixel(x, y);
            if (image.pixel(x + 1, y) != c || image.pixel(x, y + 1) != c ||
                image.pixel(x + 1, y + 1) != c)
                return true;
        }
    }
    return false;
}

}  // namespace

class HiDpiTest : public QObject {
    Q_OBJECT
  private slots:
    void drawsAtTheDevicePixelRatio();
    void haloCopiesKeepTheirDistances();
    void haloIsOneOutline_data();
    void haloIsOneOutline();
    void windowsFitTheScreen();
};

void HiDpiTest::drawsAtTheDevicePixelRatio() {
    Harness harness;
    SEG8 window(harness.services());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.devicePixelRatioF(), 2.0);
    // Geometry and the twips arithmetic stay logical; the images have the device's pixels.
    QCOMPARE(window.size(), QSize(651, 377));
    QCOMPARE(window.canvas().scaleWidth(), 651.0f);  // DrawChange left it in pixels
    QCOMPARE(window.canvas().image().size(), QSize(1302, 754));
    QCOMPARE(window.canvas().image().devicePixelRatio(), 2.0);
    const QImage banner = window.banner().canvas().image();
    QCOMPARE(banner.size(), QSize(514, 66));
    QVERIFY(finerThanLogicalPixels(banner));
    // The banner's first halo copy starts at logical (300 - 50) / 15 = 16.7, 100 - 35 twips down:
    // a red pixel there at full resolution.
    bool red = false;
    for (int y = 8; y < 40 && !red; ++y)
        for (int x = 30; x < 40 && !red; ++x)
            red = banner.pixelColor(x, y) == QColor(255, 0, 0);
    QVERIFY(red);
    // A lit segment is gradient from edge to edge: no background left in its box.
    auto* segment = window.findChild<gui::PictureBox*>(QStringLiteral("Picture1(0)"));
    QTest::mouseClick(segment, Qt::LeftButton);
    const QImage lit = segment->canvas().image();
    QCOMPARE(lit.size(), QSize(114, 34));
    for (int y = 0; y < lit.height(); ++y)
        for (int x = 0; x < lit.width(); ++x)
            QVERIFY(lit.pixelColor(x, y) != segment->canvas().background());
    // The box's border is its outermost logical pixel on every side: both device pixels of it,
    // with no sliver of the picture outside.
    const QImage shown = segment->grab().toImage();
    const QColor border = segment->palette().color(QPalette::Mid);
    QCOMPARE(shown.size(), QSize(114, 34));
    for (const QPoint p : {QPoint(0, 17), QPoint(1, 17), QPoint(112, 17), QPoint(113, 17),
                           QPoint(57, 0), QPoint(57, 1), QPoint(57, 32), QPoint(57, 33)})
        QCOMPARE(shown.pixelColor(p).rgb(), border.rgb());
}

// Copies of a text printed a fraction of a pixel apart (a shadow's halo) stand the same whole
// number of logical pixels apart as at ratio 1: an even number of device pixels.
void HiDpiTest::haloCopiesKeepTheirDistances() {
    Harness harness;
    SEG8 window(harness.services());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    gui::BackingCanvas& canvas = window.banner().canvas();
    auto leftmost = [&canvas](float x) {
        canvas.clear();
        canvas.setForeColor(255);
        canvas.setCurrentX(x);
        canvas.setCurrentY(100);
        canvas.print(QStringLiteral("l"));
        const QImage image = canvas.image();
        for (int column = 0; column < image.width(); ++column)
            for (int row = 0; row < image.height(); ++row)
                if (image.pixelColor(column, row).red() > 200 &&
                    image.pixelColor(column, row).green() < 60)
                    return column;
        return -1;
    };
    const int base = leftmost(300);
    for (const int offset : {-50, -30, 20, 30, 50}) {
        const int moved = leftmost(300 + offset);
        QVERIFY(base >= 0 && moved >= 0);
        QCOMPARE((moved - base) % 2, 0);
    }
}

void HiDpiTest::haloIsOneOutline_data() {
    QTest::addColumn<QString>("text");
    for (const char* t : {"Kelvarin ver:1.1.0.82", "design bY:Quarvel"})
        QTest::newRow(t) << QString::fromLatin1(t);
}

// A shadowed text at 2x: its halo is one outline, as at ratio 1, with no specks of the
// background between its copies; the text over it is printed once, at the device's resolution.
void HiDpiTest::haloIsOneOutline() {
    QFETCH(QString, text);
    Harness harness;
    SEG8 window(harness.services());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    gui::BackingCanvas& canvas = window.banner().canvas();
    canvas.setBackground(QColor(0, 128, 0));  // neither the halo's red nor the text's white
    canvas.clear();
    QVariant halo(qint32(255)), white(qint32(0xFFFFFF));
    sharedWorkOut().printShadow(canvas, QVariant(text), QVariant(300), QVariant(100), halo, white);
    const QImage image = canvas.image();
    const QRgb background = image.pixel(0, 0);
    // Specks: background pixels the halo encloses, not reached from the image's edge.
    const int w = image.width(), h = image.height();
    QList<bool> outside(qsizetype{w} * h, false);
    QList<QPoint> todo;
    for (int x = 0; x < w; ++x)
        todo << QPoint(x, 0) << QPoint(x, h - 1);
    for (int y = 0; y < h; ++y)
        todo << QPoint(0, y) << QPoint(w - 1, y);
    while (!todo.isEmpty()) {
        const QPoint p = todo.takeLast();
        if (p.x() < 0 || p.y() < 0 || p.x() >= w || p.y() >= h) continue;
        const qsizetype at = qsizetype{p.y()} * w + p.x();
        if (outside[at] || image.pixel(p) != background) continue;
        outside[at] = true;
        todo << p + QPoint(1, 0) << p - QPoint(1, 0) << p + QPoint(0, 1) << p - QPoint(0, 1);
    }
    int specks = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            specks += image.pixel(x, y) == background && !outside[qsizetype{y} * w + x];
    QCOMPARE(specks, 0);
    QVERIFY(finerThanLogicalPixels(image));
}

// At 2x the screen is half as large in logical pixels: every window the main window opens fits
// on it, its buttons too, the rest scrolling.
void HiDpiTest::windowsFitTheScreen() {
    Harness harness;
    SEG8 window(harness.services());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QStringList seen;
    auto look = [&](auto open) {
        QTimer::singleShot(0, [&] {
            auto* w = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(w != nullptr);
            seen << w->objectName();
            const QRect room = w->screen()->availableGeometry();
            QVERIFY2(w->width() <= room.width() && w->height() <= room.height(),
                     qPrintable(QStringLiteral("%1: %2x%3 on %4x%5")
                                    .arg(w->objectName())
                                    .arg(w->width())
                                    .arg(w->height())
                                    .arg(room.width())
                                    .arg(room.height())));
            for (auto* b : w->findChildren<QDialogButtonBox*>())
                QVERIFY2(w->rect().contains(b->geometry()), qPrintable(w->objectName()));
            w->reject();
        });
        open();
    };
    look([&] { window.openWiringWindow(); });
    look([&] { window.openTextCodesWindow(); });
    look([&] { window.openFramesWindow(); });
    look([&] { window.openImportWindow(); });
    QCOMPARE(seen,
             (QStringList{"WiringWindow", "TextCodesWindow", "FramesWindow", "ImportWindow"}));
}

int main(int argc, char* argv[]) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    HiDpiTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_hidpi.moc"
