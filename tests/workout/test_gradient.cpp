// SPDX-License-Identifier: MIT
#include <QTest>

#include "recording_surfaces.h"
#include "runtime/conversion.h"
#include "workout/workout.h"

using namespace kelvarin;
using kelvarin::testing::Figure;
using kelvarin::testing::RecordingSurface;

namespace {

qint32 red(qint32 c) {
    return c & 0xFF;
}

qint32 paint(RecordingSurface& s, qint32 from, qint32 to, qint32 mode, qint32 x1 = 0, qint32 y1 = 0,
             qint32 x2 = 0, qint32 y2 = 0, float effect = 0.2f, qint32 number = 1) {
    workOut w;
    return w.DrawChange(s, from, to, mode, x1, y1, x2, y2, effect, number);
}

}  // namespace

class GradientTest : public QObject {
    Q_OBJECT
  private slots:
    void horizontalLinesEndOnEndColour();
    void redFollowsColourIndex();
    void coloursRoundTiesToEven();
    void topByteIgnored();
    void diagonalSweeps_data();
    void diagonalSweeps();
    void diagonalOvershootClampsAtZero();
    void concentricRectangles();
    void bandsOfModeMinusSix();
    void bandsOfModeMinusSeven();
    void ringsOfModeMinusTwenty();
    void circlesCentreAndPoint();
    void nothingDrawn_data();
    void nothingDrawn();
    void resultBits();
    void loopsEndBeyondSinglePrecision();
};

void GradientTest::horizontalLinesEndOnEndColour() {
    RecordingSurface s(50, 100);
    const qint32 from = rt::rgb(10, 20, 30), to = rt::rgb(250, 100, 3);
    QCOMPARE(paint(s, from, to, -1), 0);
    QCOMPARE(s.figures.size(), 101);
    for (int y = 0; y <= 100; ++y) {
        const Figure& f = s.figures[y];
        QCOMPARE(f.kind, Figure::Line);
        QCOMPARE(f.y1, float(y));
        QCOMPARE(f.y2, float(y));
        QCOMPARE(f.x1, 0.0f);
        QCOMPARE(f.x2, 50.0f);
    }
    QCOMPARE(s.figures.first().color, from);
    QCOMPARE(s.figures.last().color, to);
    QCOMPARE(s.mode, scale::Pixels);
}

void GradientTest::redFollowsColourIndex() {
    RecordingSurface s(255, 255);
    QCOMPARE(paint(s, 0, rt::rgb(255, 0, 0), -2), 0);
    QCOMPARE(s.figures.size(), 256);
    for (int j = 0; j <= 255; ++j) {
        QCOMPARE(s.figures[j].color, j);
        QCOMPARE(s.figures[j].x1, float(j));
    }
}

void GradientTest::coloursRoundTiesToEven() {
    // One step of red over two lines: 0, 0.5 and 1; the tie goes to the even 0.
    RecordingSurface s(10, 2);
    paint(s, rt::rgb(0, 3, 0), rt::rgb(1, 0, 0), -1);
    QCOMPARE(s.figures.size(), 3);
    QCOMPARE(red(s.figures[1].color), 0);
    QCOMPARE(red(s.figures[2].color), 1);
    // Green falls 3 -> 1.5 -> 0: the tie 1.5 goes to 2.
    QCOMPARE((s.figures[1].color >> 8) & 0xFF, 2);
}

void GradientTest::topByteIgnored() {
    RecordingSurface a(10, 10), b(10, 10);
    paint(a, rt::rgb(1, 2, 3), rt::rgb(200, 100, 50), -1);
    paint(b, rt::rgb(1, 2, 3) | qint32(0xFF000000), rt::rgb(200, 100, 50) | 0x12000000, -1);
    QCOMPARE(a.figures.size(), b.figures.size());
    for (qsizetype k = 0; k < a.figures.size(); ++k)
        QCOMPARE(a.figures[k].color, b.figures[k].color);
}

void GradientTest::diagonalSweeps_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QList<float>>("first");  // x1 y1 x2 y2 of the first line
    QTest::addColumn<QList<float>>("last");
    QTest::newRow("-3 wide") << -3 << 20 << 10 << QList<float>{0, 0, 0, -1}
                             << QList<float>{20, 10, 20, 10};
    QTest::newRow("-3 square") << -3 << 10 << 10 << QList<float>{0, 0, 0, -1}
                               << QList<float>{10, 10, 10, 10};
    QTest::newRow("-3 tall") << -3 << 10 << 20 << QList<float>{0, 0, 0, -1}
                             << QList<float>{10, 20, 10, 20};
    QTest::newRow("-4 wide") << -4 << 20 << 10 << QList<float>{0, 10, 0, 10}
                             << QList<float>{20, 0, 20, 0};
    QTest::newRow("-4 square") << -4 << 10 << 10 << QList<float>{0, 10, 0, 10}
                               << QList<float>{10, 0, 10, 0};
    QTest::newRow("-4 tall") << -4 << 10 << 20 << QList<float>{0, 20, 0, 20}
                             << QList<float>{10, 0, 10, 0};
}

void GradientTest::diagonalSweeps() {
    QFETCH(int, mode);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QList<float>, first);
    QFETCH(QList<float>, last);
    RecordingSurface s(width, height);
    const qint32 from = rt::rgb(0, 0, 0), to = rt::rgb(0, 0, 250);
    QCOMPARE(paint(s, from, to, mode), 0);
    QCOMPARE(s.figures.size(), width + height + 3);
    const Figure& f = s.figures.first();
    QCOMPARE((QList<float>{f.x1, f.y1, f.x2, f.y2}), first);
    const Figure& l = s.figures.last();
    QCOMPARE((QList<float>{l.x1, l.y1, l.x2, l.y2}), last);
    QCOMPARE(f.color, from);
    // Every line runs at 45 degrees; those ending at the top edge end one pixel beyond it.
    for (const Figure& g : s.figures) {
        const float slack = std::abs(g.y2 - g.y1) - std::abs(g.x2 - g.x1);
        QVERIFY(slack == 0.0f || slack == 1.0f);
    }
    // The sweep reaches the end colour two lines before its end.
    QCOMPARE(s.figures[s.figures.size() - 3].color, to);
}

void GradientTest::diagonalOvershootClampsAtZero() {
    // Blue falls from 255 to 0; the two lines past the end colour would be negative.
    RecordingSurface s(30, 20);
    QCOMPARE(paint(s, rt::rgb(0, 0, 255), 0, -3), 0);
    QCOMPARE(s.figures.size(), 53);
    QCOMPARE(s.figures[50].color, 0);
    QCOMPARE(s.figures[52].color, 0);
}

void GradientTest::concentricRectangles() {
    RecordingSurface s(200, 100);
    const qint32 from = rt::rgb(0, 0, 0), to = rt::rgb(200, 0, 100);
    QCOMPARE(paint(s, from, to, -5), 0);
    QCOMPARE(s.figures.size(), 51);
    for (int d = 0; d <= 50; ++d) {
        const Figure& f = s.figures[d];
        QCOMPARE(f.kind, Figure::Box);
        QCOMPARE((QList<float>{f.x1, f.y1, f.x2, f.y2}),
                 (QList<float>{float(d), float(d), float(200 - d), float(100 - d)}));
        QCOMPARE(red(f.color), 2 * d * 2);  // j = 2d, red step 2 per j
    }
    QCOMPARE(s.figures.last().color, to);
    // A square area steps along x to its middle, which may end in .5.
    RecordingSurface sq(5, 5);
    paint(sq, from, to, -5);
    QCOMPARE(sq.figures.size(), 3);
}

void GradientTest::bandsOfModeMinusSix() {
    RecordingSurface s(40, 90);
    const qint32 from = rt::rgb(0, 0, 0), to = rt::rgb(30, 0, 0);
    QCOMPARE(paint(s, from, to, -6, 0, 0, 0, 0, 0.2f, 3), 0);
    QCOMPARE(s.figures.size(), 3 * 31);
    for (int band = 0; band < 3; ++band) {
        for (int k = 0; k <= 30; ++k) {
            const Figure& f = s.figures[band * 31 + k];
            QCOMPARE(f.y1, float(band * 30 + k));
            QCOMPARE(red(f.color), k);  // every band is a full gradient of its own
        }
    }
}

void GradientTest::bandsOfModeMinusSeven() {
    RecordingSurface s(10, 40);
    QCOMPARE(paint(s, 0, rt::rgb(0, 5, 0), -7, 0, 0, 0, 0, 0.2f, 2), 0);
    // Bands 0-5 and 5-10, six vertical lines each.
    QCOMPARE(s.figures.size(), 12);
    QCOMPARE(s.figures[0].x1, 0.0f);
    QCOMPARE(s.figures[5].x1, 5.0f);
    QCOMPARE(s.figures[6].x1, 5.0f);
    QCOMPARE(s.figures[11].x1, 10.0f);
    QCOMPARE(s.figures[6].color, 0);
}

void GradientTest::ringsOfModeMinusTwenty() {
    RecordingSurface s(100, 60);
    const qint32 to = rt::rgb(0, 80, 0);
    QCOMPARE(paint(s, 0, to, -20, 0, 0, 0, 0, 0.2f, 2), 0);
    // 0.2 gives four circles per pixel: radius 20 in 81 circles, then radius 10 in 41.
    QCOMPARE(s.figures.size(), 81 + 41);
    QCOMPARE(s.figures[80].x2, 20.0f);
    QCOMPARE(s.figures[80].color, to);
    QCOMPARE(s.figures[81].x2, 0.0f);
    QCOMPARE(s.figures.last().x2, 10.0f);
    QCOMPARE(s.figures.last().color, to);
    for (const Figure& f : s.figures) {
        QCOMPARE(f.kind, Figure::Circle);
        QCOMPARE(f.x1, 50.0f);
        QCOMPARE(f.y1, 30.0f);
    }
}

void GradientTest::circlesCentreAndPoint() {
    RecordingSurface s(100, 60);
    paint(s, 0, 0, 5);
    QCOMPARE(s.figures.size(), 21);
    QCOMPARE(s.figures[1].x2, 0.25f);
    QCOMPARE(s.figures[0].x1, 50.0f);
    RecordingSurface p(100, 60);
    paint(p, 0, 0, 5, 7, 0);
    QCOMPARE(p.figures[0].x1, 7.0f);
    QCOMPARE(p.figures[0].y1, 0.0f);
}

void GradientTest::nothingDrawn_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("result");
    QTest::newRow("-8") << -8 << 1 << 0;
    QTest::newRow("-9") << -9 << 1 << 0;
    QTest::newRow("-10") << -10 << 1 << 0;
    QTest::newRow("-6 with no bands") << -6 << 0 << 0;
    QTest::newRow("-7 with negative bands") << -7 << -3 << 0;
    QTest::newRow("rings with none") << -30 << 0 << 0;
    QTest::newRow("zero radius") << 0 << 1 << 6;
}

void GradientTest::nothingDrawn() {
    QFETCH(int, mode);
    QFETCH(int, number);
    QFETCH(int, result);
    RecordingSurface s(100, 60);
    QCOMPARE(paint(s, 0, 0xFFFFFF, mode, 0, 0, 0, 0, 0.2f, number), result);
    QVERIFY(s.figures.isEmpty());
    QCOMPARE(s.mode, scale::Pixels);
}

void GradientTest::resultBits() {
    {
        // A surface that refuses the scale mode: bit 1, and the gradient is still drawn.
        RecordingSurface s(10, 10);
        s.failScaleMode = true;
        QCOMPARE(paint(s, 0, 0xFF, -1), 1);
        QCOMPARE(s.figures.size(), 11);
    }
    {
        // An empty area has a step count of 0: bits 2 and 4, and nothing is drawn.
        RecordingSurface s(10, 0);
        QCOMPARE(paint(s, 0, 0xFF, -1), 6);
        QVERIFY(s.figures.isEmpty());
    }
    {
        // Figures that fail: every one is tried, and the result has bit 8.
        RecordingSurface s(10, 10);
        s.failFigures = true;
        QCOMPARE(paint(s, 0, 0xFF, -2), 8);
    }
    {
        // A circle density of 0 is a step count of 0 as well.
        RecordingSurface s(10, 10);
        QCOMPARE(paint(s, 0, 0xFF, 5, 0, 0, 0, 0, 0.0f), 6);
        QVERIFY(s.figures.isEmpty());
    }
    {
        // Reversed corners draw nothing and fail nothing.
        RecordingSurface s(10, 10);
        QCOMPARE(paint(s, 0, 0xFF, -1, 0, 8, 0, 2), 0);
        QVERIFY(s.figures.isEmpty());
    }
}

void GradientTest::loopsEndBeyondSinglePrecision() {
    // Past 2^24 adding 1 no longer moves a single-precision counter: the loop must end there.
    RecordingSurface lines(10, 10);
    lines.keepFigures = false;
    workOut w;
    QCOMPARE(w.DrawChange(lines, 0, 0xFF, -1, 0, 0, 0, 1 << 25, 0.2f, 1), 0);
    QCOMPARE(lines.count, (qint64(1) << 24) + 1);
    QCOMPARE(lines.last.y1, float(1 << 24));
    // Circles at 0.25 per step stop moving past 2^22.
    RecordingSurface circles(10, 10);
    circles.keepFigures = false;
    QCOMPARE(w.DrawChange(circles, 0, 0xFF, 1 << 23, 0, 0, 0, 0, 0.2f, 1), 0);
    QCOMPARE(circles.last.x2, float(1 << 22));
    QCOMPARE(circles.count, (qint64(1) << 24) + 1);
}

QTEST_APPLESS_MAIN(GradientTest)
#include "test_gradient.moc"
