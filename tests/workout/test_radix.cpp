// SPDX-License-Identifier: MIT
#include <QTest>

#include "workout/workout.h"

using namespace kelvarin;

class RadixTest : public QObject {
    Q_OBJECT
  private slots:
    void xorTwice_data();
    void xorTwice();
    void jzToDec_data();
    void jzToDec();
    void jzToDecReadsEveryByte();
};

void RadixTest::xorTwice_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");
    QTest::newRow("byte") << "00000111"
                          << "11111000";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("stray character") << "10x1"
                                     << "-1";
    QTest::newRow("stray last") << "0001 "
                                << "-1";
}

void RadixTest::xorTwice() {
    QFETCH(QString, input);
    QFETCH(QString, expected);
    workOut w;
    QCOMPARE(w.XorTwice(input), expected);
}

void RadixTest::jzToDec_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("base");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("wrong");
    QTest::newRow("binary byte") << "11111000" << 2 << 248 << false;
    QTest::newRow("empty binary") << "" << 2 << 0 << false;
    QTest::newRow("hex lower") << "ff" << 16 << 255 << false;
    QTest::newRow("hex upper") << "FF" << 16 << 255 << false;
    QTest::newRow("hex bad digit") << "1g" << 16 << 0 << true;
    QTest::newRow("hex prefix") << "0x1F" << 16 << 0 << true;
    QTest::newRow("octal") << "777" << 8 << 511 << false;
    QTest::newRow("no digit check below ten") << "19" << 8 << 17 << false;
    QTest::newRow("letter counts zero") << "1a" << 2 << 2 << false;
    QTest::newRow("digits beyond base") << "12" << 2 << 4 << false;
    QTest::newRow("base ten unsupported") << "12" << 10 << 0 << true;
    QTest::newRow("base 36 unsupported") << "z" << 36 << 0 << true;
    QTest::newRow("base one") << "111" << 1 << 3 << false;
    QTest::newRow("base zero") << "35" << 0 << 5 << false;
    QTest::newRow("negative base") << "11" << -2 << -1 << false;
    QTest::newRow("largest") << "7FFFFFFF" << 16 << 2147483647 << false;
    // The overflowing eighth digit: the seven digits read so far, now reported as wrong.
    QTest::newRow("overflow keeps partial") << "FFFFFFFF" << 16 << 268435455 << true;
    QTest::newRow("binary overflow") << QString(32, u'1') << 2 << 2147483647 << true;
    QTest::newRow("huge power of zeros") << QString(1100, u'0') << 2 << 0 << true;
}

void RadixTest::jzToDec() {
    QFETCH(QString, text);
    QFETCH(int, base);
    QFETCH(int, value);
    QFETCH(bool, wrong);
    workOut w;
    bool flag = !wrong;  // the method must set it either way
    QCOMPARE(w.jzToDec(text, base, flag), value);
    QCOMPARE(flag, wrong);
}

void RadixTest::jzToDecReadsEveryByte() {
    workOut w;
    for (int n = 0; n < 256; ++n) {
        const QString bits = QStringLiteral("%1").arg(n, 8, 2, QLatin1Char('0'));
        bool wrong = true;
        QCOMPARE(w.jzToDec(bits, 2, wrong), n);
        QVERIFY(!wrong);
        QCOMPARE(w.jzToDec(w.XorTwice(bits), 2, wrong), 255 - n);
    }
}

QTEST_APPLESS_MAIN(RadixTest)
#include "test_radix.moc"
