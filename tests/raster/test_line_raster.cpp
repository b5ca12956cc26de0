// SPDX-License-Identifier: MIT
#include <QImage>
#include <QRandomGenerator>
#include <QTest>

#include <cmath>

#include "raster/line_raster.h"
#include "raster/raster_steep.h"

using namespace kelvarin::raster;

namespace {

constexpr quint32 kBackground = 0xFF000000u;

QImage blank(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kBackground);
    return image;
}

quint32* bitsOf(QImage& image) {
    return reinterpret_cast<quint32*>(image.bits());
}

PixelLine randomLine(QRandomGenerator& random, int width, int height, quint32 colour) {
    PixelLine line{};
    line.x0 = random.bounded(width);
    line.y0 = random.bounded(height);
    line.x1 = random.bounded(width);
    line.y1 = random.bounded(height);
    line.pixel = 0xFF000000u | colour;
    return line;
}

}  // namespace

class LineRasterTest : public QObject {
    Q_OBJECT
  private slots:
    void runsWriteTheirPixelsAlone();
    void bandsPaintWhatWholeLinesPaint_data();
    void bandsPaintWhatWholeLinesPaint();
    void paintingFollowsTheLineFormula();
    void nestedBoxesAndThreadsPaintWhatWholeLinesPaint();
    void devicePixelsCoverLogicalOnes_data();
    void devicePixelsCoverLogicalOnes();
    void lineShape_data();
    void lineShape();
    void clipping_data();
    void clipping();
};

// Filled and copied runs of every length up to a few vectors, from every alignment: each writes
// its own pixels, and none before or after it.
void LineRasterTest::runsWriteTheirPixelsAlone() {
    std::vector<quint32> source(200);
    for (size_t k = 0; k < source.size(); ++k)
        source[k] = 0xFF000000u | static_cast<quint32>(k);
    for (size_t offset = 0; offset < 8; ++offset) {
        for (size_t length = 0; length <= 90; ++length) {
            for (const bool copy : {false, true}) {
                std::vector<quint32> row(128, 7u), expected(128, 7u);
                quint32* at = row.data() + 8 + offset;
                if (copy) {
                    copyRun(at, source.data() + offset, length);
                    std::copy_n(source.begin() + static_cast<qsizetype>(offset), length,
                                expected.begin() + 8 + static_cast<qsizetype>(offset));
                } else {
                    fillRun(at, at + length, 0xFF123456u);
                    std::fill_n(expected.begin() + 8 + static_cast<qsizetype>(offset), length,
                                0xFF123456u);
                }
                QVERIFY2(row == expected, qPrintable(QStringLiteral("%1 of %2 at +%3")
                                                         .arg(copy ? "copy" : "fill")
                                                         .arg(length)
                                                         .arg(offset)));
            }
        }
    }
}

void LineRasterTest::bandsPaintWhatWholeLinesPaint_data() {
    QTest::addColumn<int>("bundle");   // 0: lines of every slope; n: bundles of n diagonals
    QTest::addColumn<int>("shortBy");  // a diagonal's columns short of its rows, now and then
    QTest::addColumn<int>("width");    // from 1000 the image is painted by two threads
    QTest::addColumn<int>("shade");    // neighbouring lines of a bundle sharing a colour
    QTest::newRow("random slopes") << 0 << 0 << 300 << 3;
    QTest::newRow("diagonal pairs") << 2 << 0 << 300 << 3;
    QTest::newRow("diagonal bundles") << 40 << 0 << 300 << 3;
    // Lines to a corner one column short of a diagonal, among diagonals and lines two short.
    QTest::newRow("one column short") << 40 << 1 << 300 << 3;
    QTest::newRow("two columns short") << 40 << 2 << 300 << 3;
    // Bundles whose rows are filled colour by colour, as a gradient's are.
    QTest::newRow("bundles in shades") << 40 << 1 << 300 << 24;
    // Steep lines that go on across the bands each thread takes, and groups painted row by row
    // between them.
    QTest::newRow("random slopes, two threads") << 0 << 0 << 1000 << 3;
    QTest::newRow("one column short, two threads") << 40 << 1 << 1000 << 3;
    QTest::newRow("shades, two threads") << 40 << 1 << 1000 << 24;
}

void LineRasterTest::bandsPaintWhatWholeLinesPaint() {
    // Overlapping lines across several bands: painting band by band must give the same pixels,
    // the later line winning, as painting each line whole in turn. Bundles of parallel diagonals
    // one column apart (as the diagonal gradients draw them), in both directions, with ends
    // inside bands, repeats and lines of other slopes between them, are painted row by row.
    QFETCH(int, bundle);
    QFETCH(int, shortBy);
    QFETCH(int, width);
    QFETCH(int, shade);
    QRandomGenerator random(20261208);
    const int height = 1100;
    QImage whole = blank(width, height), banded = blank(width, height);
    LineQueue queue;
    auto add = [&](const PixelLine& line) {
        paintRows(bitsOf(whole), whole.bytesPerLine() / 4, line, 0, height - 1);
        queue.add(line);
    };
    for (quint32 n = 1; n <= 3000; ++n) {
        if (bundle == 0 || n % 7 == 0) {
            add(randomLine(random, width, height, n));
            continue;
        }
        // A bundle: each line one diagonal further (or on the same one), its ends moving along
        // the bundle one way, or now and then not.
        const int length = random.bounded(1, height / 2), sx = random.bounded(2) ? 1 : -1;
        const int next = random.bounded(3) - 1, topStep = random.bounded(3) - 1;
        const int rowStep = random.bounded(5) - 2;
        const int count = random.bounded(1, bundle + 1);
        const int top0 = random.bounded(height / 4, height / 2), column0 = random.bounded(width);
        // Or copies of one steep line moved sideways (vertical ones included).
        const bool copies = random.bounded(2), jitter = random.bounded(2);
        const int slope = random.bounded(length + 1);
        for (int k = 0; k < count; ++k) {
            const int nudge = jitter && random.bounded(9) == 0 ? 1 : 0;
            const bool bend = copies && nudge && random.bounded(2);  // another slope
            const int top = copies ? top0 + (bend ? 0 : nudge) : top0 + topStep * k + nudge;
            const int rows = copies ? length : std::max(1, length + rowStep * k + nudge);
            const int x0 = column0 + next * k + (copies ? 0 : sx * (top - top0));
            const int shortened = shortBy && random.bounded(5) ? random.bounded(1, shortBy + 1) : 0;
            const int x1 = x0 + sx * (copies ? std::abs(slope - (bend ? 1 : 0))
                                             : std::max(0, rows - shortened));
            if (x0 < 0 || x0 >= width || x1 < 0 || x1 >= width || top + rows >= height) break;
            const quint32 colour = 0xFF000000u | (n * 64 + static_cast<quint32>(k / shade));
            add(random.bounded(2) ? PixelLine{x0, top, x1, top + rows, colour}
                                  : PixelLine{x1, top + rows, x0, top, colour});
        }
    }
    queue.paintInto(banded);
    QVERIFY(queue.empty());
    QCOMPARE(banded, whole);
}

// Runs of nested box outlines (queued as the drawing surfaces queue a box: top, right side,
// bottom, left side), some of them touching or crossing the one before, between other lines, on
// an image large enough to be painted in two halves at once: the same pixels as painting each
// line whole in turn.
void LineRasterTest::nestedBoxesAndThreadsPaintWhatWholeLinesPaint() {
    QRandomGenerator random(20261209);
    const int width = 1300, height = 1000;
    QImage whole = blank(width, height), banded = blank(width, height);
    LineQueue queue;
    auto add = [&](const PixelLine& line) {
        paintRows(bitsOf(whole), whole.bytesPerLine() / 4, line, 0, height - 1);
        queue.add(line);
    };
    quint32 colour = 1;
    for (int run = 0; run < 60; ++run) {
        int l = random.bounded(width / 2), t = random.bounded(height / 2);
        int r = l + random.bounded(40, width / 2), b = t + random.bounded(40, height / 2);
        const int boxes = random.bounded(1, 40);
        for (int k = 0; k < boxes && l < r && t < b; ++k, ++colour) {
            const quint32 pixel = 0xFF000000u | colour;
            add({l, t, r, t, pixel});
            add({r, t, r, b, pixel});
            add({r, b, l, b, pixel});
            add({l, b, l, t, pixel});
            // Mostly one pixel further in; now and then on the one before, or further.
            const int step = random.bounded(6) == 0 ? 0 : random.bounded(1, 3);
            l += step;
            t += step;
            r -= random.bounded(6) == 0 ? 0 : step;
            b -= step;
        }
        if (run % 3 == 0) add(randomLine(random, width, height, 0xFF0000u | colour++));
    }
    queue.paintInto(banded);
    QCOMPARE(banded, whole);
}

void LineRasterTest::paintingFollowsTheLineFormula() {
    // However a line is painted (runs along the diagonal or the vertical, single steps), its
    // pixels are those of the line formula, for any rows it is cut to.
    QRandomGenerator random(99);
    const int width = 400, height = 400;
    for (int round = 0; round < 3000; ++round) {
        PixelLine line{static_cast<int>(random.bounded(width)),
                       static_cast<int>(random.bounded(height)), 0, 0,
                       0xFF000000u | random.generate()};
        // Slopes near the diagonal and near the vertical as often as any other.
        const int dy = static_cast<int>(random.bounded(height)) - line.y0;
        const int kind = static_cast<int>(random.bounded(3));
        int dx = kind == 0   ? dy - static_cast<int>(random.bounded(4))
                 : kind == 1 ? static_cast<int>(random.bounded(4))
                             : static_cast<int>(random.bounded(width)) - line.x0;
        if (random.bounded(2)) dx = -dx;
        line.x1 = std::clamp(line.x0 + dx, 0, width - 1);
        line.y1 = line.y0 + dy;
        const int top = static_cast<int>(random.bounded(height));
        const int bottom = top + static_cast<int>(random.bounded(height - top));
        QImage painted = blank(width, height), expected = blank(width, height);
        paintRows(bitsOf(painted), painted.bytesPerLine() / 4, line, top, bottom);
        forEachRun(line, top, bottom, [&](int y, int xa, int xb) {
            for (int x = xa; x <= xb; ++x)
                expected.setPixel(x, y, line.pixel);
        });
        QCOMPARE(painted, expected);
    }
}

void LineRasterTest::devicePixelsCoverLogicalOnes_data() {
    QTest::addColumn<double>("ratio");
    QTest::newRow("2x") << 2.0;
    QTest::newRow("1.5x") << 1.5;
    QTest::newRow("3x") << 3.0;
}

void LineRasterTest::devicePixelsCoverLogicalOnes() {
    // At a device pixel ratio each logical pixel of a line paints the device pixels it covers:
    // the picture is the 1x one, each pixel widened to its block, without gaps or seams.
    QFETCH(double, ratio);
    QRandomGenerator random(7);
    const int width = 90, height = 70;
    QImage logical = blank(width, height);
    QImage device = blank(static_cast<int>(std::ceil(width * ratio)),
                          static_cast<int>(std::ceil(height * ratio)));
    device.setDevicePixelRatio(ratio);
    LineQueue one, scaled;
    for (quint32 n = 1; n <= 400; ++n) {
        const PixelLine line = randomLine(random, width, height, n);
        one.add(line);
        scaled.add(line);
    }
    one.paintInto(logical);
    scaled.paintInto(device);
    for (int y = 0; y < device.height(); ++y) {
        for (int x = 0; x < device.width(); ++x) {
            const int lx = std::min(width - 1, static_cast<int>(std::floor((x + 0.5) / ratio)));
            const int ly = std::min(height - 1, static_cast<int>(std::floor((y + 0.5) / ratio)));
            QCOMPARE(device.pixel(x, y), logical.pixel(lx, ly));
        }
    }
}

void LineRasterTest::lineShape_data() {
    QTest::addColumn<int>("x0");
    QTest::addColumn<int>("y0");
    QTest::addColumn<int>("x1");
    QTest::addColumn<int>("y1");
    QTest::newRow("point") << 5 << 5 << 5 << 5;
    QTest::newRow("horizontal") << 2 << 7 << 60 << 7;
    QTest::newRow("vertical upwards") << 9 << 60 << 9 << 1;
    QTest::newRow("diagonal") << 0 << 0 << 50 << 50;
    QTest::newRow("anti-diagonal") << 50 << 0 << 0 << 50;
    QTest::newRow("steep") << 3 << 2 << 20 << 61;
    QTest::newRow("steep leftwards") << 40 << 0 << 1 << 63;
    QTest::newRow("shallow") << 0 << 10 << 63 << 30;
    QTest::newRow("shallow upwards") << 63 << 40 << 1 << 10;
    QTest::newRow("one off diagonal") << 0 << 0 << 41 << 40;
}

void LineRasterTest::lineShape() {
    QFETCH(int, x0);
    QFETCH(int, y0);
    QFETCH(int, x1);
    QFETCH(int, y1);
    QImage image = blank(64, 64);
    const PixelLine line{x0, y0, x1, y1, 0xFFFFFFFFu};
    paintRows(bitsOf(image), image.bytesPerLine() / 4, line, 0, 63);
    const int adx = std::abs(x1 - x0), ady = std::abs(y1 - y0);
    int painted = 0;
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            if (image.pixel(x, y) == kBackground) continue;
            ++painted;
            // Every pixel lies within half a pixel of the ideal line, along its minor axis.
            if (adx >= ady && adx > 0) {
                const double ideal = y0 + double(y1 - y0) * (x - x0) / (x1 - x0);
                QVERIFY2(std::abs(y - ideal) <= 0.5,
                         qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            } else if (ady > 0) {
                const double ideal = x0 + double(x1 - x0) * (y - y0) / (y1 - y0);
                QVERIFY2(std::abs(x - ideal) <= 0.5,
                         qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            }
        }
    }
    // One pixel per step along the major axis, both ends included.
    QCOMPARE(painted, std::max(adx, ady) + 1);
    QVERIFY(image.pixel(x0, y0) != kBackground);
    QVERIFY(image.pixel(x1, y1) != kBackground);
}

void LineRasterTest::clipping_data() {
    QTest::addColumn<QList<double>>("segment");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<QList<int>>("ends");
    QTest::newRow("inside") << QList<double>{1, 2, 8, 9} << true << QList<int>{1, 2, 8, 9};
    QTest::newRow("one row above the top")
        << QList<double>{0, 5, 6, -1} << true << QList<int>{0, 5, 5, 0};
    QTest::newRow("across the whole image")
        << QList<double>{-100, 4, 100, 4} << true << QList<int>{0, 4, 9, 4};
    QTest::newRow("outside") << QList<double>{-5, -5, -1, -3} << false << QList<int>{};
    QTest::newRow("far away") << QList<double>{1e30, 0, 2e30, 5} << false << QList<int>{};
    QTest::newRow("not a number") << QList<double>{qQNaN(), 0, 5, 5} << false << QList<int>{};
}

void LineRasterTest::clipping() {
    QFETCH(QList<double>, segment);
    QFETCH(bool, visible);
    QFETCH(QList<int>, ends);
    PixelLine line{};
    QCOMPARE(clipToImage(segment[0], segment[1], segment[2], segment[3], 10, 10, line), visible);
    if (visible) QCOMPARE((QList<int>{line.x0, line.y0, line.x1, line.y1}), ends);
}

QTEST_APPLESS_MAIN(LineRasterTest)
#include "test_line_raster.moc"
