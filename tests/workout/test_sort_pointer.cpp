// SPDX-License-Identifier: MIT
#include <QTest>

#include <algorithm>

#include "service_doubles.h"
#include "workout/workout.h"

using namespace kelvarin;

namespace {

// A form or control with fixed twips; a form's client area starts clientX, clientY inside it.
struct FakeObject : FormObject {
    double l = 0, t = 0, w = 0, h = 0, clientX = 0, clientY = 0;
    bool isForm = true, broken = false;
    double read(double v) const {
        if (broken) raiseError(err::NotSupported);
        return v;
    }
    double left() const override { return read(l); }
    double top() const override { return read(t); }
    double width() const override { return read(w); }
    double height() const override { return read(h); }
    double clientLeft() const override {
        if (!isForm) raiseError(err::NotSupported);
        return clientX;
    }
    double clientTop() const override {
        if (!isForm) raiseError(err::NotSupported);
        return clientY;
    }
};

}  // namespace

class SortPointerTest : public QObject {
    Q_OBJECT
  private slots:
    void sort_data();
    void sort();
    void sortLongOrderedRanges();
    void pointerOverControl_data();
    void pointerOverControl();
    void pointerOverForm();
    void grid_data();
    void grid();
    void gridRoundTrip();
};

void SortPointerTest::sort_data() {
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<bool>("up");
    QTest::addColumn<QStringList>("sorted");
    const QStringList bac{"b", "a", "c"};
    QTest::newRow("ascending") << bac << 0 << 2 << true << QStringList{"a", "b", "c"};
    QTest::newRow("descending") << bac << 0 << 2 << false << QStringList{"c", "b", "a"};
    QTest::newRow("capitals first")
        << QStringList{"b", "B", "a"} << 0 << 2 << true << QStringList{"B", "a", "b"};
    QTest::newRow("one element") << bac << 1 << 1 << true << bac;
    QTest::newRow("inner range") << QStringList{"z", "c", "b", "a", "0"} << 1 << 3 << true
                                 << QStringList{"z", "a", "b", "c", "0"};
    QTest::newRow("equal texts adjacent")
        << QStringList{"b", "a", "b", "a"} << 0 << 3 << true << QStringList{"a", "a", "b", "b"};
    QTest::newRow("code units, not locale")
        << QStringList{"é", "z", "Z", "中"} << 0 << 3 << true << QStringList{"Z", "z", "é", "中"};
    QTest::newRow("reversed range") << bac << 2 << 0 << true << bac;
    QTest::newRow("past the end") << bac << 0 << 3 << true << bac;
    QTest::newRow("before the start") << bac << -1 << 2 << true << bac;
}

void SortPointerTest::sort() {
    QFETCH(QStringList, texts);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(bool, up);
    QFETCH(QStringList, sorted);
    workOut w;
    QCOMPARE(w.RowHotTime(texts, from, to, up), 0);
    QCOMPARE(texts, sorted);
}

void SortPointerTest::sortLongOrderedRanges() {
    // Ordered, reversed and equal ranges of 200,000 texts: no deep recursion, no quadratic time.
    QStringList texts;
    for (int k = 0; k < 200000; ++k)
        texts << QStringLiteral("%1").arg(k, 6, 10, QLatin1Char('0'));
    QStringList expected = texts;
    workOut w;
    w.RowHotTime(texts, 0, 199999, true);
    QCOMPARE(texts, expected);
    w.RowHotTime(texts, 0, 199999, false);
    std::reverse(expected.begin(), expected.end());
    QCOMPARE(texts, expected);
    QStringList same(200000, QStringLiteral("x"));
    w.RowHotTime(same, 0, 199999, true);
    QCOMPARE(same, QStringList(200000, QStringLiteral("x")));
}

void SortPointerTest::pointerOverControl_data() {
    // Form frame at (1500, 1500) twips, client area 60 twips in and 450 down (border and title
    // bar); the control at (300, 150) in the client area, 600 x 300. The control therefore spans
    // x 1860..2460 and y 2100..2400 on the screen. Pixels at 1 twip per pixel reach every edge.
    QTest::addColumn<QPoint>("pointer");
    QTest::addColumn<bool>("inside");
    QTest::newRow("left edge") << QPoint(1860, 2200) << false;
    QTest::newRow("one twip inside left") << QPoint(1861, 2200) << true;
    QTest::newRow("right edge") << QPoint(2460, 2200) << false;
    QTest::newRow("one twip inside right") << QPoint(2459, 2200) << true;
    QTest::newRow("top edge") << QPoint(2000, 2100) << false;
    QTest::newRow("one twip inside top") << QPoint(2000, 2101) << true;
    QTest::newRow("bottom edge") << QPoint(2000, 2400) << false;
    QTest::newRow("one twip inside bottom") << QPoint(2000, 2399) << true;
    // Where the control would be if its place were measured from the frame's corner.
    QTest::newRow("title bar strip") << QPoint(1830, 1700) << false;
}

void SortPointerTest::pointerOverControl() {
    QFETCH(QPoint, pointer);
    QFETCH(bool, inside);
    testing::FixedPointer mouse;
    mouse.at = pointer;
    mouse.twipsX = mouse.twipsY = 1.0;
    platform::Services services;
    services.pointer = &mouse;
    workOut w(services);
    FakeObject form, control;
    form.l = 1500, form.t = 1500, form.w = 3000, form.h = 2000, form.clientX = 60,
    form.clientY = 450;
    control.l = 300, control.t = 150, control.w = 600, control.h = 300, control.isForm = false;
    QCOMPARE(w.iFMouseInObject(control, form), inside);
    // A property that cannot be read makes the answer true.
    control.broken = true;
    QVERIFY(w.iFMouseInObject(control, form));
    control.broken = false;
    QVERIFY(w.iFMouseInObject(control, control));  // a control is no form
}

void SortPointerTest::pointerOverForm() {
    testing::FixedPointer mouse;
    platform::Services services;
    services.pointer = &mouse;
    workOut w(services);
    FakeObject form;
    form.l = 1500, form.t = 1500, form.w = 3000, form.h = 2000;
    mouse.at = QPoint(150, 150);  // 2250 twips at 15 per pixel
    QVERIFY(w.iFMouseInObject2(form));
    mouse.at = QPoint(100, 150);  // exactly on the left edge
    QVERIFY(!w.iFMouseInObject2(form));
    mouse.twipsX = 16.0;  // a denser screen moves the same pixel to 1600 twips
    QVERIFY(w.iFMouseInObject2(form));
}

void SortPointerTest::grid_data() {
    QTest::addColumn<QString>("method");
    QTest::addColumn<QList<int>>("args");
    QTest::addColumn<int>("result");
    QTest::newRow("index") << "index" << QList<int>{2, 4, 3, 0} << 6;
    QTest::newRow("index from one") << "index" << QList<int>{1, 5, 1, 1} << 1;
    QTest::newRow("index overflow") << "index" << QList<int>{2, 0x7FFFFFFF, 2, 0} << 0;
    QTest::newRow("column") << "col" << QList<int>{6, 4, 0} << 2;
    QTest::newRow("row") << "row" << QList<int>{6, 4, 0} << 3;
    QTest::newRow("column of zero rows") << "col" << QList<int>{6, 0, 0} << 0;
    QTest::newRow("row of zero rows") << "row" << QList<int>{6, 0, 0} << 0;
    QTest::newRow("column before start") << "col" << QList<int>{-1, 4, 0} << 1;
    QTest::newRow("row before start") << "row" << QList<int>{-1, 4, 0} << 0;
    QTest::newRow("column overflow") << "col" << QList<int>{int(0x80000000), 1, 1} << 0;
    QTest::newRow("lowest by -1") << "col" << QList<int>{int(0x80000000), -1, 0} << 0;
    QTest::newRow("row by -1") << "row" << QList<int>{int(0x80000000), -1, 0} << 1;
}

void SortPointerTest::grid() {
    QFETCH(QString, method);
    QFETCH(QList<int>, args);
    QFETCH(int, result);
    workOut w;
    const qint32 got = method == u"index" ? w.GetColRowControl(args[0], args[1], args[2], args[3])
                       : method == u"col" ? w.GetpColControl(args[0], args[1], args[2])
                                          : w.GetpRowControl(args[0], args[1], args[2]);
    QCOMPARE(got, result);
}

void SortPointerTest::gridRoundTrip() {
    workOut w;
    for (int start : {0, 1, 7}) {
        for (int rows : {1, 3, 4}) {
            for (int n = start; n < start + 30; ++n) {
                const qint32 col = w.GetpColControl(n, rows, start);
                const qint32 row = w.GetpRowControl(n, rows, start);
                QCOMPARE(w.GetColRowControl(col, rows, row, start), n);
            }
        }
    }
}

QTEST_APPLESS_MAIN(SortPointerTest)
#include "test_sort_pointer.moc"
