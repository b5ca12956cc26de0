// SPDX-License-Identifier: MIT
#include <QTest>

#include "service_doubles.h"
#include "workout/workout.h"

using namespace kelvarin;

class NumericTest : public QObject {
    Q_OBJECT
  private slots:
    void plusMinus_data();
    void plusMinus();
    void maxAndBetween();
    void xorRunTwice_data();
    void xorRunTwice();
    void randomTwice_data();
    void randomTwice();
    void randomTwiceDrawsFromItsGenerator();
    void bases_data();
    void bases();
    void binaryRoundTrip();
    void decTrans_data();
    void decTrans();
    void sqrTen_data();
    void sqrTen();
    void formatNum_data();
    void formatNum();
    void smallHelpers();
    void powersOfTwo_data();
    void powersOfTwo();
    void powerMembership_data();
    void powerMembership();
    void trueFalse_data();
    void trueFalse();
};

void NumericTest::plusMinus_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("total");
    QTest::addColumn<QString>("last");
    QTest::newRow("mixed") << "12+3-4" << 11.0 << "-4";
    QTest::newRow("two minus") << "10-2-3" << 5.0 << "-3";
    QTest::newRow("leading plus") << "+5" << 5.0 << "+5";
    QTest::newRow("fractions") << "1.5+1.5" << 3.0 << "+1.5";
    QTest::newRow("exponent") << "2e2+1" << 201.0 << "+1";
    QTest::newRow("double minus folds to plus") << "5--2" << 7.0 << "+2";
    QTest::newRow("plus minus folds to minus") << "-1+-1" << -2.0 << "-1";
    QTest::newRow("long run of signs") << "1---+--2" << -1.0 << "-2";
    QTest::newRow("trailing sign") << "5+" << 5.0 << "+";
    QTest::newRow("other characters end a term") << "3*4+1" << 4.0 << "+1";
    QTest::newRow("empty") << "" << 0.0 << "";
}

void NumericTest::plusMinus() {
    QFETCH(QString, text);
    QFETCH(double, total);
    QFETCH(QString, last);
    workOut w;
    QCOMPARE(w.plusMinus(text), total);
    QCOMPARE(text, last);
}

void NumericTest::maxAndBetween() {
    workOut w;
    // Ties give the second argument: tell them apart by type.
    QCOMPARE(w.Max(3, 3.0).typeId(), QMetaType::Double);
    QCOMPARE(w.Max(4, 3.5), QVariant(4));
    QCOMPARE(w.Max(QStringLiteral("b"), QStringLiteral("ab")), QVariant(QStringLiteral("b")));
    QCOMPARE(w.Max(QStringLiteral("10"), QStringLiteral("9")), QVariant(QStringLiteral("9")));
    QVERIFY(!w.Between(5, 5, 10));
    QVERIFY(!w.Between(10, 5, 10));
    QVERIFY(w.Between(5.5f, 5, 10));
}

void NumericTest::xorRunTwice_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("aAfter");
    QTest::addColumn<QString>("bAfter");
    QTest::newRow("equal length") << "1100"
                                  << "1010"
                                  << "0110"
                                  << "1100"
                                  << "1010";
    QTest::newRow("longer first") << "111000"
                                  << "0101"
                                  << "111101"
                                  << "111000"
                                  << "0101";
    QTest::newRow("shorter first is exchanged") << "01"
                                                << "1110"
                                                << "1111"
                                                << "1110"
                                                << "01";
    QTest::newRow("spaces trimmed") << " 1 "
                                    << "1"
                                    << "0"
                                    << "1"
                                    << "1";
    QTest::newRow("both empty") << ""
                                << ""
                                << ""
                                << ""
                                << "";
    QTest::newRow("not binary") << "10"
                                << "12"
                                << "-1"
                                << "10"
                                << "12";
}

void NumericTest::xorRunTwice() {
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, result);
    QFETCH(QString, aAfter);
    QFETCH(QString, bAfter);
    workOut w;
    QCOMPARE(w.XorRunTwice(a, b), result);
    QCOMPARE(a, aAfter);
    QCOMPARE(b, bAfter);
}

void NumericTest::randomTwice_data() {
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("first1");
    QTest::addColumn<int>("size");
    QTest::newRow("eight from one") << 8 << true << 8;
    QTest::newRow("eight from zero") << 8 << false << 8;
    QTest::newRow("one") << 1 << true << 1;
    QTest::newRow("below one") << -4 << false << 1;
    QTest::newRow("long") << 4000 << true << 4000;
}

void NumericTest::randomTwice() {
    QFETCH(int, length);
    QFETCH(bool, first1);
    QFETCH(int, size);
    workOut w;
    const QString bits = w.RandomTwice(length, first1);
    QCOMPARE(bits.size(), size);
    QCOMPARE(bits[0], first1 ? u'1' : u'0');
    QCOMPARE(w.XorTwice(bits).size(), bits.size());  // only "0" and "1"
    if (size == 4000) {
        // Both digits turn up in a long text: a fair draw would have to be very unlucky.
        QVERIFY(bits.mid(1).contains(u'0') && bits.mid(1).contains(u'1'));
    }
}

void NumericTest::randomTwiceDrawsFromItsGenerator() {
    // A draw rounds to the nearer digit: below one half gives "0", from one half on "1".
    testing::SequenceRandom random;
    random.values = {0.2f, 0.5f, 0.49f, 0.99f};
    platform::Services services;
    services.random = &random;
    workOut w(services);
    QCOMPARE(w.RandomTwice(5, false), QStringLiteral("00101"));
    QCOMPARE(random.seeded, 1);  // reseeded from the clock on every call
    QCOMPARE(w.RandomTwice(2, true), QStringLiteral("10"));
    QCOMPARE(random.seeded, 2);
    // Without a generator the call fails as an object that is not set.
    workOut without{platform::Services()};
    QVERIFY_THROWS_EXCEPTION(workOutError, without.RandomTwice(3, true));
}

void NumericTest::bases_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("binary");
    QTest::addColumn<QString>("octal");
    QTest::newRow("ten") << 10 << "1010"
                         << "12";
    QTest::newRow("sixty-four") << 64 << "1000000"
                                << "100";
    QTest::newRow("zero") << 0 << "0"
                          << "0";
    QTest::newRow("negative") << -5 << "-1"
                              << "-1";
    QTest::newRow("largest") << 2147483647 << QString(31, u'1') << "17777777777";
}

void NumericTest::bases() {
    QFETCH(int, value);
    QFETCH(QString, binary);
    QFETCH(QString, octal);
    workOut w;
    QCOMPARE(w.jzTransTwice(value), binary);
    QCOMPARE(w.jzTransEighth(value), octal);
}

void NumericTest::binaryRoundTrip() {
    workOut w;
    for (qint32 n = 0; n <= 5000; ++n) {
        bool wrong = true;
        QCOMPARE(w.jzToDec(w.jzTransTwice(n), 2, wrong), n);
        QVERIFY(!wrong);
        const QString text = w.jzTransEighth(n);
        QCOMPARE(w.Opposite(w.Opposite(text)), text);
        QString octal = text;
        QCOMPARE(w.DecTrans(octal, 8), n);
    }
}

void NumericTest::decTrans_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("base");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("after");
    QTest::newRow("hex lower") << "ff" << 16 << 255 << "FF";
    QTest::newRow("base 36 with spaces") << " zz " << 36 << 1295 << "ZZ";
    QTest::newRow("no digit check") << "19" << 8 << 17 << "19";
    QTest::newRow("minus counts zero") << "-5" << 10 << 5 << "-5";
    QTest::newRow("overflow") << "ZZZZZZZ" << 36 << -1 << "ZZZZZZZ";
    QTest::newRow("Z in base 2") << "Z" << 2 << 35 << "Z";
    QTest::newRow("largest") << "7FFFFFFF" << 16 << 2147483647 << "7FFFFFFF";
    QTest::newRow("empty") << "" << 16 << 0 << "";
}

void NumericTest::decTrans() {
    QFETCH(QString, text);
    QFETCH(int, base);
    QFETCH(int, value);
    QFETCH(QString, after);
    workOut w;
    QCOMPARE(w.DecTrans(text, base), value);
    QCOMPARE(text, after);
}

void NumericTest::sqrTen_data() {
    QTest::addColumn<float>("number");
    QTest::addColumn<float>("to");
    QTest::addColumn<float>("result");
    QTest::newRow("cube") << 10.0f << 3.0f << 1000.0f;
    QTest::newRow("fraction cut") << 2.0f << 2.5f << 4.0f;
    QTest::newRow("below one") << 7.0f << 0.0f << 1.0f;
    QTest::newRow("negative base") << -2.0f << 3.0f << -8.0f;
    QTest::newRow("beyond single") << 10.0f << 39.0f << 0.0f;
    QTest::newRow("huge exponent, growing") << 2.0f << 3e38f << 0.0f;
    QTest::newRow("huge exponent, shrinking") << 0.5f << 3e38f << 0.0f;
    QTest::newRow("huge exponent, one") << 1.0f << 3e38f << 1.0f;
    QTest::newRow("huge even exponent, minus one") << -1.0f << 1e30f << 1.0f;
}

void NumericTest::sqrTen() {
    QFETCH(float, number);
    QFETCH(float, to);
    QFETCH(float, result);
    workOut w;
    QCOMPARE(w.SqrTen(number, to), result);
}

void NumericTest::formatNum_data() {
    QTest::addColumn<float>("number");
    QTest::addColumn<QString>("text");
    QTest::newRow("fraction") << 2.25f << "2.25";
    QTest::newRow("one") << 1.0f << "1";
    QTest::newRow("zero") << 0.0f << "00";
    QTest::newRow("negative") << -3.0f << "0-3";
    QTest::newRow("half") << 0.5f << "0.5";
    QTest::newRow("large") << 12345678.0f << "1.234568E+07";
}

void NumericTest::formatNum() {
    QFETCH(float, number);
    QFETCH(QString, text);
    workOut w;
    QCOMPARE(w.FormatNum(number), text);
}

void NumericTest::smallHelpers() {
    workOut w;
    QCOMPARE(w.Opposite(QStringLiteral("abc")), QStringLiteral("cba"));
    QCOMPARE(w.Opposite(QString()), QString());
    QCOMPARE(w.IncStr("a", "", "c"), QStringLiteral("ac"));
    QVariant first(1), second(QStringLiteral("two"));
    w.Swap(first, second);
    QCOMPARE(first, QVariant(QStringLiteral("two")));
    QCOMPARE(second, QVariant(1));
}

void NumericTest::powersOfTwo_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<QList<qint32>>("powers");
    QTest::addColumn<int>("size");
    QTest::newRow("seven") << 7 << QList<qint32>{4, 2, 1} << 11;
    QTest::newRow("six") << 6 << QList<qint32>{4, 2} << 11;
    QTest::newRow("five") << 5 << QList<qint32>{4, 1} << 11;
    QTest::newRow("one") << 1 << QList<qint32>{1} << 11;
    QTest::newRow("zero") << 0 << QList<qint32>{} << 11;
    QTest::newRow("negative") << -5 << QList<qint32>{} << 11;
    QTest::newRow("lowest") << int(0x80000000) << QList<qint32>{} << 11;
    QTest::newRow("2^30") << (1 << 30) << QList<qint32>{1 << 30} << 11;
    QList<qint32> all;
    for (int k = 30; k >= 0; --k)
        all << (1 << k);
    QTest::newRow("largest") << 2147483647 << all << 41;
    QList<qint32> ten, eleven;
    for (int k = 9; k >= 0; --k)
        ten << (1 << k);
    for (int k = 10; k >= 0; --k)
        eleven << (1 << k);
    QTest::newRow("ten powers fit") << 1023 << ten << 11;
    QTest::newRow("eleven powers grow the array") << 2047 << eleven << 21;
}

void NumericTest::powersOfTwo() {
    QFETCH(int, number);
    QFETCH(QList<qint32>, powers);
    QFETCH(int, size);
    workOut w;
    QList<qint32> array{99, 99};  // earlier contents are discarded
    QVERIFY(!w.Get_2N_inA(number, array).isValid());
    QCOMPARE(array.size(), size);
    QCOMPARE(array.mid(0, powers.size()), powers);
    for (qsizetype k = powers.size(); k < array.size(); ++k)
        QCOMPARE(array[k], 0);
}

void NumericTest::powerMembership_data() {
    QTest::addColumn<int>("power");
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("member");
    QTest::newRow("4 in 7") << 4 << 7 << true;
    QTest::newRow("8 in 7") << 8 << 7 << false;
    QTest::newRow("3 in 7") << 3 << 7 << false;
    QTest::newRow("0 always") << 0 << 7 << true;
    QTest::newRow("1 in 2^31-1") << 1 << 2147483647 << true;
    QTest::newRow("1 in 6") << 1 << 6 << false;
}

void NumericTest::powerMembership() {
    QFETCH(int, power);
    QFETCH(int, number);
    QFETCH(bool, member);
    workOut w;
    QCOMPARE(w.iF_2N_inA(power, number), member);
}

void NumericTest::trueFalse_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("value");
    QTest::addColumn<int>("wrong");
    QTest::newRow("TRUE") << "TRUE" << true << 0;
    QTest::newRow("false") << "False" << false << 0;
    QTest::newRow("leading space") << " true" << false << 1;
    QTest::newRow("other") << "yes" << false << 1;
}

void NumericTest::trueFalse() {
    QFETCH(QString, text);
    QFETCH(bool, value);
    QFETCH(int, wrong);
    workOut w;
    qint32 flag = 7;
    QCOMPARE(w.GetTrueFalse(text, flag), value);
    QCOMPARE(flag, wrong);
}

QTEST_APPLESS_MAIN(NumericTest)
#include "test_numeric.moc"
