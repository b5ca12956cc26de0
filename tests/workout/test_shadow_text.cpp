// SPDX-License-Identifier: MIT
#include <QTest>

#include "recording_surfaces.h"
#include "runtime/variant_rules.h"
#include "workout/workout.h"

using namespace kelvarin;

using kelvarin::testing::RecordingText;

class ShadowTextTest : public QObject {
    Q_OBJECT
  private slots:
    void ninePrintsAroundThePosition();
    void haloThenText();
    void defaultsAreWrittenBack_data();
    void defaultsAreWrittenBack();
    void emptyWordsStillSetsBoldAndColours();
    void valuesPrintAsThePlatformPrintsThem_data();
    void valuesPrintAsThePlatformPrintsThem();
    void positionsFromTextAndBadValues();
};

void ShadowTextTest::ninePrintsAroundThePosition() {
    RecordingText s;
    workOut w;
    QVariant bg(255), fg(0xFFFFFF);
    w.printShadow(s, QStringLiteral("Title"), 300, 100, bg, fg);
    QCOMPARE(s.positions(), (QStringList{"250,65", "350,135", "250,135", "350,65", "270,80",
                                         "330,120", "270,120", "320,80", "300,100"}));
}

void ShadowTextTest::haloThenText() {
    RecordingText s;
    workOut w;
    QVariant bg(65535), fg(65280);
    w.printShadow(s, QStringLiteral("design"), 2000, 1300, bg, fg);
    QCOMPARE(s.ops.first(), QStringLiteral("bold 1"));
    QCOMPARE(s.ops.count(QStringLiteral("print [design]")), 9);
    QCOMPARE(s.ops[1], QStringLiteral("colour 65535"));
    // The text colour is set once, after the eighth halo copy and before the last print.
    const qsizetype textColour = s.ops.indexOf(QStringLiteral("colour 65280"));
    QCOMPARE(s.ops.mid(0, textColour).count(QStringLiteral("print [design]")), 8);
    QCOMPARE(s.ops.last(), QStringLiteral("print [design]"));
    QCOMPARE(bg.toInt(), 65535);
    QCOMPARE(fg.toInt(), 65280);
}

void ShadowTextTest::defaultsAreWrittenBack_data() {
    QTest::addColumn<QVariant>("background");
    QTest::addColumn<QVariant>("foreground");
    QTest::addColumn<int>("halo");
    QTest::addColumn<int>("text");
    QTest::newRow("both zero") << QVariant(0) << QVariant(0) << 255 << 0xFFFFFF;
    QTest::newRow("empty counts as zero") << QVariant() << QVariant(0.0) << 255 << 0xFFFFFF;
    QTest::newRow("one is almost black") << QVariant(1) << QVariant(2) << 1 << 2;
}

void ShadowTextTest::defaultsAreWrittenBack() {
    QFETCH(QVariant, background);
    QFETCH(QVariant, foreground);
    QFETCH(int, halo);
    QFETCH(int, text);
    RecordingText s;
    workOut w;
    w.printShadow(s, QStringLiteral("a"), 0, 0, background, foreground);
    QCOMPARE(background.toInt(), halo);
    QCOMPARE(foreground.toInt(), text);
    QCOMPARE(s.ops[1], QStringLiteral("colour %1").arg(halo));
    QVERIFY(s.ops.contains(QStringLiteral("colour %1").arg(text)));
}

void ShadowTextTest::emptyWordsStillSetsBoldAndColours() {
    RecordingText s;
    workOut w;
    QVariant bg(0), fg(0);
    w.printShadow(s, QString(), 10, 10, bg, fg);
    QVERIFY(s.bold);
    QVERIFY(s.ops.contains(QStringLiteral("colour 255")));
    QVERIFY(s.ops.contains(QStringLiteral("colour 16777215")));
    QCOMPARE(s.ops.count(QStringLiteral("print []")), 9);
}

void ShadowTextTest::valuesPrintAsThePlatformPrintsThem_data() {
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("printed");
    QTest::newRow("text") << QVariant(QStringLiteral(" ab ")) << " ab ";
    QTest::newRow("positive") << QVariant(5) << " 5 ";
    QTest::newRow("negative") << QVariant(-5) << "-5 ";
    QTest::newRow("single") << QVariant(2.25f) << " 2.25 ";
    QTest::newRow("double fraction") << QVariant(-0.5) << "-.5 ";
    QTest::newRow("large single") << QVariant(12345678.0f) << " 1.234568E+07 ";
    QTest::newRow("true") << QVariant(true) << "True";
    QTest::newRow("empty") << QVariant() << "";
}

void ShadowTextTest::valuesPrintAsThePlatformPrintsThem() {
    QFETCH(QVariant, value);
    QFETCH(QString, printed);
    QCOMPARE(rt::printText(value), printed);
}

void ShadowTextTest::positionsFromTextAndBadValues() {
    workOut w;
    QVariant bg(1), fg(1);
    RecordingText numeric;
    w.printShadow(numeric, QStringLiteral("t"), QStringLiteral("300"), 100.5, bg, fg);
    QCOMPARE(numeric.positions().last(), QStringLiteral("300,100.5"));
    // A position that is not a number fails its steps only; every copy is still printed.
    RecordingText bad;
    w.printShadow(bad, QStringLiteral("t"), QStringLiteral("left"), 100, bg, fg);
    QCOMPARE(bad.ops.count(QStringLiteral("print [t]")), 9);
    QVERIFY(!bad.ops.join(u' ').contains(QStringLiteral("x ")));
}

QTEST_APPLESS_MAIN(ShadowTextTest)
#include "test_shadow_text.moc"
