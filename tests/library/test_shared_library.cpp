// SPDX-License-Identifier: MIT
// A program linked with the shared library, as another program would use it: operations run,
// errors cross the library's boundary as workOutError, services the program implements are
// called from inside the library, and the shared object wkOut is one for library and program.

#include <QTemporaryDir>
#include <QTest>

#include "workout/wkout.h"
#include "workout/workout.h"

using namespace kelvarin;

namespace {

class YearClock : public platform::Clock {
  public:
    explicit YearClock(int year) : m_year(year) {}
    QDateTime now() const override { return QDateTime(QDate(m_year, 6, 1), QTime(12, 0)); }

  private:
    int m_year;
};

}  // namespace

class SharedLibraryTest : public QObject {
    Q_OBJECT
  private slots:
    void operations_data();
    void operations();
    void errorsCrossTheBoundary_data();
    void errorsCrossTheBoundary();
    void servicesOfTheProgram();
    void sharedObject();
};

void SharedLibraryTest::operations_data() {
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("expected");
    workOut w;
    bool wrong = false;
    QTest::newRow("jzToDec") << QString::number(w.jzToDec(QStringLiteral("ff"), 16, wrong))
                             << "255";
    QTest::newRow("XorTwice") << w.XorTwice(QStringLiteral("0101")) << "1010";
    QTest::newRow("FormatMoney") << w.FormatMoney(QStringLiteral("1234567.5")) << "1,234,567.5";
    QTest::newRow("LeaveAway") << w.LeaveAway(61000) << "01分01秒";
}

void SharedLibraryTest::operations() {
    QFETCH(QString, result);
    QFETCH(QString, expected);
    QCOMPARE(result, expected);
}

void SharedLibraryTest::errorsCrossTheBoundary_data() {
    QTest::addColumn<int>("operation");
    QTest::addColumn<int>("number");
    QTest::newRow("SpaceChar negative") << 0 << err::InvalidArgument;
    QTest::newRow("HashFile missing") << 1 << err::FileNotFound;
    QTest::newRow("HashFile bad algorithm") << 2 << int(0x80090008u);
    QTest::newRow("registry without store") << 3 << err::ObjectNotSet;
}

void SharedLibraryTest::errorsCrossTheBoundary() {
    QFETCH(int, operation);
    QFETCH(int, number);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("f"));
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    workOut w;
    int caught = 0;
    try {
        switch (operation) {
            case 0:
                w.SpaceChar(QStringLiteral("ab"), -1);
                break;
            case 1:
                w.HashFile(dir.filePath(QStringLiteral("none")), 0x8003);
                break;
            case 2:
                w.HashFile(file, 0x1234);
                break;
            default:
                w.REG_CreateNewKey(platform::reg::HKEY_CURRENT_USER, QStringLiteral("S"));
        }
    } catch (const std::runtime_error& e) {
        // Caught by its base as well: the type information is the library's.
        const auto* error = dynamic_cast<const workOutError*>(&e);
        QVERIFY(error != nullptr);
        caught = error->number();
    }
    QCOMPARE(caught, number);
}

void SharedLibraryTest::servicesOfTheProgram() {
    YearClock leap(2024), common(2023);
    platform::Services services;
    services.clock = &leap;
    workOut a(services);
    services.clock = &common;
    workOut b(services);
    QVERIFY(a.iFYunNian(-1));
    QVERIFY(!b.iFYunNian(-1));
}

void SharedLibraryTest::sharedObject() {
    QVERIFY_THROWS_EXCEPTION(workOutError, sharedWorkOut());
    workOut mine;
    wkOut = &mine;
    QCOMPARE(&sharedWorkOut(), &mine);
    wkOut = nullptr;
}

QTEST_GUILESS_MAIN(SharedLibraryTest)
#include "test_shared_library.moc"
