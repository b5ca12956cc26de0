// SPDX-License-Identifier: MIT
#include <QTest>

#include "service_doubles.h"
#include "workout/workout.h"

using namespace kelvarin;

class DatesTest : public QObject {
    Q_OBJECT
  private slots:
    void leapYears_data();
    void leapYears();
    void currentYear();
    void secondsInYear_data();
    void secondsInYear();
    void leaveAway_data();
    void leaveAway();
};

void DatesTest::leapYears_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<bool>("leap");
    QTest::newRow("2024") << 2024 << true;
    QTest::newRow("2000") << 2000 << true;
    QTest::newRow("1900") << 1900 << false;
    QTest::newRow("2100") << 2100 << false;
    QTest::newRow("2023") << 2023 << false;
    QTest::newRow("year 0") << 0 << true;
    QTest::newRow("-4") << -4 << true;
}

void DatesTest::leapYears() {
    QFETCH(int, year);
    QFETCH(bool, leap);
    workOut w;
    QCOMPARE(w.iFYunNian(year), leap);
}

void DatesTest::currentYear() {
    testing::FixedClock clock;
    platform::Services services;
    services.clock = &clock;
    workOut w(services);
    for (int year : {2023, 2024, 2100, 2000}) {
        clock.moment = QDateTime(QDate(year, 6, 1), QTime(12, 0));
        QCOMPARE(w.iFYunNian(-1), QDate::isLeapYear(year));
    }
}

void DatesTest::secondsInYear_data() {
    QTest::addColumn<QDateTime>("moment");
    QTest::addColumn<int>("seconds");
    QTest::newRow("1 March, leap year") << QDateTime(QDate(2024, 3, 1), QTime(0, 0)) << 5270400;
    QTest::newRow("1 March, common year") << QDateTime(QDate(2023, 3, 1), QTime(0, 0)) << 5184000;
    QTest::newRow("1 January") << QDateTime(QDate(2023, 1, 1), QTime(0, 0)) << 86400;
    QTest::newRow("31 December, common")
        << QDateTime(QDate(2023, 12, 31), QTime(23, 59, 59)) << 31622399;
    QTest::newRow("31 December, leap")
        << QDateTime(QDate(2024, 12, 31), QTime(23, 59, 59)) << 31708799;
    QTest::newRow("time of day") << QDateTime(QDate(2023, 2, 3), QTime(4, 5, 6))
                                 << (((31 + 3) * 24 + 4) * 60 + 5) * 60 + 6;
}

void DatesTest::secondsInYear() {
    QFETCH(QDateTime, moment);
    QFETCH(int, seconds);
    workOut w;
    QCOMPARE(w.DateTransSecend(moment), seconds);
}

void DatesTest::leaveAway_data() {
    QTest::addColumn<int>("milliseconds");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0 << "00分00秒";
    QTest::newRow("just below a minute") << 59999 << "00分59秒";
    QTest::newRow("a minute") << 60000 << "01分00秒";
    QTest::newRow("twelve thirty-four") << 754000 << "12分34秒";
    QTest::newRow("hundreds of minutes keep two digits") << 7505000 << "25分05秒";
    QTest::newRow("largest") << 2147483647 << "91分23秒";
    QTest::newRow("negative") << -61500 << "-01分01秒";
    QTest::newRow("lowest") << int(0x80000000) << "-91分23秒";
}

void DatesTest::leaveAway() {
    QFETCH(int, milliseconds);
    QFETCH(QString, text);
    workOut w;
    QCOMPARE(w.LeaveAway(milliseconds), text);
}

QTEST_APPLESS_MAIN(DatesTest)
#include "test_dates.moc"
