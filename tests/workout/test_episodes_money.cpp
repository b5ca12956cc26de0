// SPDX-License-Identifier: MIT
#include <QTest>

#include "outcome.h"
#include "workout/workout.h"

using namespace kelvarin;
using kelvarin::testing::expectText;

class EpisodesMoneyTest : public QObject {
    Q_OBJECT
  private slots:
    void episodes_data();
    void episodes();
    void money_data();
    void money();
    void moneyOfAMillionDigits();
};

void EpisodesMoneyTest::episodes_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("result");  // "!n": error n
    QTest::addColumn<QString>("left");    // what the scan leaves of the name
    QTest::newRow("trailing extension") << "Title 05.avi"
                                        << "5;"
                                        << "05";
    QTest::newRow("format number") << "Title 123.mp4"
                                   << "123;"
                                   << "4";
    QTest::newRow("bit rate") << "Song 128kbps 07.mp3"
                              << "7;"
                              << "3";
    QTest::newRow("Chinese episode") << "Title 第12集 1080p"
                                     << "12;"
                                     << "1080";
    QTest::newRow("year") << "Movie 2010年 part 3"
                          << "3;"
                          << "3";
    QTest::newRow("brackets") << "[Group] Title 123 [720p].mkv"
                              << "123;"
                              << "720";
    QTest::newRow("dot after bracket") << "[Group] Title 123 [720p].mp4"
                                       << "!13"
                                       << "4";
    QTest::newRow("same number twice") << "A 07 B 07 C"
                                       << "7;7;"
                                       << "07";
    QTest::newRow("codec and resolution") << "Show 26 x264 1280x720.mkv"
                                          << "1280;"
                                          << "720";
    QTest::newRow("no digits") << "Title.mkv"
                               << "!5"
                               << "";
    QTest::newRow("nothing at all") << "Title"
                                    << "!5"
                                    << "";
    QTest::newRow("EP dot") << "Show EP.12.mkv"
                            << "12;"
                            << ".12";
    QTest::newRow("Vol dot") << "Vol.3"
                             << "3;"
                             << ".3";
    QTest::newRow("dots only") << "a..b 1"
                               << "!13"
                               << "1";
    QTest::newRow("ties to even") << "Ep 2.5 end"
                                  << "2;"
                                  << "2.5";
    QTest::newRow("beyond 32 bits") << "Rec 20240101123000 x"
                                    << "!6"
                                    << "20240101123000";
    QTest::newRow("checksum length") << "[crc32] Show 04"
                                     << "4;"
                                     << "04";
    QTest::newRow("minutes and seconds") << "Talk 3'20\" 9"
                                         << "9;"
                                         << "9";
    QTest::newRow("ten thousand") << "5万字 第8章"
                                  << "8;"
                                  << "8";
    QTest::newRow("leading zeros") << "Show - 0012"
                                   << "12;"
                                   << "0012";
}

void EpisodesMoneyTest::episodes() {
    QFETCH(QString, name);
    QFETCH(QString, result);
    QFETCH(QString, left);
    workOut w;
    QString text = name;
    expectText([&] { return w.pGetCartoonNum(text); }, result);
    QCOMPARE(text, left);
}

void EpisodesMoneyTest::money_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("result");
    QTest::newRow("four") << "1234"
                          << "1,234";
    QTest::newRow("six") << "123456"
                         << "123,456";
    QTest::newRow("eleven") << "12345678901"
                            << "12,345,678,901";
    QTest::newRow("three") << "123"
                           << "123";
    QTest::newRow("two") << "12"
                         << "12";
    QTest::newRow("one") << "7"
                         << "7";
    QTest::newRow("fraction") << "1234567.89"
                              << "1,234,567.89";
    QTest::newRow("already grouped") << "1,234,567.89"
                                     << "1,234,567.89";
    QTest::newRow("badly grouped") << "12,34"
                                   << "1,234";
    QTest::newRow("minus three") << "-123"
                                 << "-123";
    QTest::newRow("minus four") << "-1234"
                                << "-1,234";
    QTest::newRow("minus six") << "-123456"
                               << "-123,456";
    QTest::newRow("plus grouped") << "+123"
                                  << "+,123";
    QTest::newRow("point first") << ".5"
                                 << ".5";
    QTest::newRow("point last") << "12."
                                << "12.";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("two points") << "1234.5.6"
                                << "1,234.6";
    QTest::newRow("letters") << "abcd"
                             << "a,bcd";
    QTest::newRow("fraction keeps its commas") << "1234.5,6"
                                               << "1,234.5,6";
    QTest::newRow("minus comma in fraction") << "12.-,5"
                                             << "12.-5";
}

void EpisodesMoneyTest::money() {
    QFETCH(QString, text);
    QFETCH(QString, result);
    workOut w;
    QCOMPARE(w.FormatMoney(text), result);
}

void EpisodesMoneyTest::moneyOfAMillionDigits() {
    workOut w;
    const QString grouped = w.FormatMoney(QString(1000000, u'9') + QStringLiteral(".5"));
    QCOMPARE(grouped.size(), 1000000 + 333333 + 2);
    QVERIFY(grouped.startsWith(QStringLiteral("9,999,")));
    QVERIFY(grouped.endsWith(QStringLiteral("999,999.5")));
}

QTEST_APPLESS_MAIN(EpisodesMoneyTest)
#include "test_episodes_money.moc"
