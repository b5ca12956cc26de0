// SPDX-License-Identifier: MIT
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

#include "file_helpers.h"
#include "workout/workout.h"

using namespace kelvarin;
using namespace kelvarin::testing;

namespace {

// Keys before any section, a section S with spaces around "=", duplicates, a comment, a key
// whose key is empty, a header line with "=", an unnamed section and one behind it.
const QByteArray kSample =
    "a=1\r\n"
    "  A=2\r\n"
    "; note=comment lines are key lines too\r\n"
    "\r\n"
    "[S]\r\n"
    "x = 2\r\n"
    "url=a=b\r\n"
    "=lost\r\n"
    "k=first\r\n"
    "[s]\n"
    "k=second\r"
    "K2=third\r\n"
    "[a=b]\r\n"
    "[]\r\n"
    "hidden=1\r\n"
    "[T]\r\n"
    "t=behind the unnamed row";

}  // namespace

class IniStoreTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void lookups_data();
    void lookups();
    void notOpen();
    void newFileWrittenBack();
    void editsAndNewSections_data();
    void editsAndNewSections();
    void capacityDecidesWhereTheSectionsEnd();
    void roundTripOf99Sections();

  private:
    QString path(const char* name) const { return m_dir.filePath(QString::fromUtf8(name)); }
    QTemporaryDir m_dir;
};

void IniStoreTest::init() {
    QVERIFY(writeBytes(path("sample.ini"), kSample));
}

void IniStoreTest::lookups_data() {
    QTest::addColumn<QString>("sign");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("wrong");
    QTest::addColumn<QString>("titleAfter");
    QTest::newRow("before sections by number") << "a"
                                               << "[0]"
                                               << "1" << 0 << "[0]";
    QTest::newRow("number ignores case") << "A"
                                         << "[0]"
                                         << "1" << 0 << "[0]";
    QTest::newRow("every section, small letters") << "a"
                                                  << ""
                                                  << "1" << 0 << "*";
    QTest::newRow("every section keeps stored case") << "k2"
                                                     << "*"
                                                     << "" << 2 << "*";
    QTest::newRow("every section trims Sign") << " url "
                                              << "*"
                                              << "a=b" << 0 << "*";
    QTest::newRow("comment line is a key") << "; note"
                                           << "[0]"
                                           << "comment lines are key lines too" << 0 << "[0]";
    QTest::newRow("key with trailing space") << "x"
                                             << "S"
                                             << "" << 2 << "S";
    QTest::newRow("untrimmed by number") << "x "
                                         << "[1]"
                                         << " 2" << 0 << "[1]";
    QTest::newRow("value with =") << "url"
                                  << "S"
                                  << "a=b" << 0 << "S";
    QTest::newRow("section case ignored") << "K"
                                          << " s "
                                          << "first" << 0 << " s ";
    QTest::newRow("first section that has it") << "k2"
                                               << "S"
                                               << "third" << 0 << "S";
    QTest::newRow("bracketed name") << "k"
                                    << "[S]"
                                    << "first" << 0 << "S";
    QTest::newRow("section number") << "k"
                                    << "[2]"
                                    << "second" << 0 << "[2]";
    QTest::newRow("leading zero is a name") << "k"
                                            << "[02]"
                                            << "" << 2 << "02";
    QTest::newRow("header with =") << "[a"
                                   << "a=b"
                                   << "b]" << 0 << "a=b";
    QTest::newRow("empty key line dropped") << "k"
                                            << "[1]"
                                            << "first" << 0 << "[1]";
    QTest::newRow("unnamed row by number") << "hidden"
                                           << "[4]"
                                           << "1" << 0 << "[4]";
    QTest::newRow("unnamed row ends names") << "t"
                                            << "T"
                                            << "" << 2 << "T";
    QTest::newRow("behind it by number") << "t"
                                         << "[5]"
                                         << "behind the unnamed row" << 0 << "[5]";
    QTest::newRow("Title of spaces: the keys before the sections") << "a"
                                                                   << "   "
                                                                   << "1" << 0 << "   ";
    QTest::newRow("Title of spaces: an unnamed row") << "hidden"
                                                     << " "
                                                     << "1" << 0 << " ";
    QTest::newRow("empty brackets") << "a"
                                    << "[]"
                                    << "" << 32 << "[]";
    QTest::newRow("below zero") << "a"
                                << "[-1]"
                                << "" << 8 << "[-1]";
    QTest::newRow("above 99") << "a"
                              << "[100]"
                              << "" << 16 << "[100]";
    QTest::newRow("empty Sign") << ""
                                << "S"
                                << "" << 64 << "S";
    QTest::newRow("Sign of spaces") << "   "
                                    << ""
                                    << "" << 64 << "";
}

void IniStoreTest::lookups() {
    QFETCH(QString, sign);
    QFETCH(QString, title);
    QFETCH(QString, value);
    QFETCH(int, wrong);
    QFETCH(QString, titleAfter);
    workOut w;
    QCOMPARE(w.ini_SetOpenFiles(path("sample.ini")), 0);
    qint32 flags = 0;
    QCOMPARE(w.ini_GetDatas(sign, title, flags), value);
    QCOMPARE(flags, wrong);
    QCOMPARE(title, titleAfter);
}

void IniStoreTest::notOpen() {
    workOut w;
    QString title = QStringLiteral("S"), where = QStringLiteral("*");
    qint32 flags = 6;
    QCOMPARE(w.ini_GetDatas(QStringLiteral("a"), title, flags), QString());
    QCOMPARE(flags, 1);  // replaces what was there
    flags = 4;
    QCOMPARE(w.ini_AddOrEditorData(QStringLiteral("a"), 1, title, flags), 0);
    QCOMPARE(flags, 1);
    QCOMPARE(w.ini_WriteToFile(where), 1);
    w.ini_SetOpenFiles(path("sample.ini"));
    w.ini_SetCloseFiles();
    where = QStringLiteral("*");
    QCOMPARE(w.ini_WriteToFile(where), 1);
    QCOMPARE(where, path("sample.ini"));  // the name stays after closing
}

void IniStoreTest::newFileWrittenBack() {
    workOut w;
    QCOMPARE(w.ini_SetOpenFiles(path("new.ini")), 1);
    QString title = QStringLiteral("S"), where = QStringLiteral("*"), none;
    qint32 flags = 0;
    w.ini_AddOrEditorData(QStringLiteral("k"), QStringLiteral("v"), title, flags);
    w.ini_AddOrEditorData(QStringLiteral("n"), 12.5, title, flags);
    w.ini_AddOrEditorData(QStringLiteral("b"), true, title, flags);
    QCOMPARE(flags, 0);
    QCOMPARE(w.ini_WriteToFile(none), 2);
    QCOMPARE(w.ini_WriteToFile(where), 0);
    QCOMPARE(readBytes(path("new.ini")), QByteArray("[S]\r\nk=v\r\nn=12.5\r\nb=True\r\n"));
}

void IniStoreTest::editsAndNewSections_data() {
    // Each step: Sign, Value, Title; then the file written back and the flags summed.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QByteArray>("written");
    QTest::addColumn<int>("wrong");
    const QByteArray before = "a=1\r\nA=2\r\n; note=comment lines are key lines too\r\n";
    const QByteArray sections =
        "[S]\r\nx =  2\r\nurl=a=b\r\nk=first\r\n[s]\r\nk=second\r\n"
        "K2=third\r\n[a=b]\r\n[a=b]\r\n";
    QTest::newRow("unchanged") << QStringList{}
                               << before + sections +
                                      "[T]\r\nt=behind the "
                                      "unnamed row\r\n"
                               << 0;
    QTest::newRow("change ignores case")
        << QStringList{"K", "new", "S"}
        << before + QByteArray(sections).replace("k=first", "k=new") +
               "[T]\r\nt=behind the unnamed row\r\n"
        << 0;
    QTest::newRow("new section takes the unnamed row and its keys")
        << QStringList{"z", "9", "New"}
        << before + sections + "[New]\r\nhidden=1\r\nz=9\r\n[T]\r\nt=behind the unnamed row\r\n"
        << 0;
    QTest::newRow("bracketed bracket names a section")
        << QStringList{"z", "9", "[[5]]"}
        << before + sections + "[[5]]\r\nhidden=1\r\nz=9\r\n[T]\r\nt=behind the unnamed row\r\n"
        << 0;
    QTest::newRow("empty Title is section 0")
        << QStringList{"q", "1", ""}
        << before + "q=1\r\n" + sections + "[T]\r\nt=behind the unnamed row\r\n"
        << 0;
    QTest::newRow("flags add up") << QStringList{"",   "1", "S", "  ",   "1", "S", "q",    "1",
                                                 "[]", "q", "1", "[-2]", "q", "1", "[100]"}
                                  << before + sections + "[T]\r\nt=behind the unnamed row\r\n"
                                  << 2 + 2 + 32 + 8 + 16;
}

void IniStoreTest::editsAndNewSections() {
    QFETCH(QStringList, steps);
    QFETCH(QByteArray, written);
    QFETCH(int, wrong);
    QVERIFY(writeBytes(path("edit.ini"), QByteArray(kSample).replace("x = 2", "x =  2")));
    workOut w;
    QCOMPARE(w.ini_SetOpenFiles(path("edit.ini")), 0);
    qint32 flags = 0;
    for (qsizetype k = 0; k + 2 < steps.size(); k += 3) {
        QString title = steps[k + 2];
        QCOMPARE(w.ini_AddOrEditorData(steps[k], steps[k + 1], title, flags), 0);
    }
    QCOMPARE(flags, wrong);
    QString where = QStringLiteral("*");
    QCOMPARE(w.ini_WriteToFile(where), 0);
    QCOMPARE(readBytes(path("edit.ini")), written);
}

void IniStoreTest::capacityDecidesWhereTheSectionsEnd() {
    // An unnamed row ends the search by name only while it has a free slot; the slots of every
    // row are the shared capacity, 10 at first, growing by 10 when a row's keys need it.
    QByteArray file = "[]\r\n";
    for (int k = 1; k <= 9; ++k)
        file += "k" + QByteArray::number(k) + "=v\r\n";
    file += "[T]\r\nx=found\r\n";
    QVERIFY(writeBytes(path("cap.ini"), file));
    workOut w;
    w.ini_SetOpenFiles(path("cap.ini"));
    auto lookup = [&w] {
        QString title = QStringLiteral("T");
        qint32 flags = 0;
        return w.ini_GetDatas(QStringLiteral("x"), title, flags);
    };
    auto addToUnnamedRow = [&w](const QString& key) {
        QString title = QStringLiteral("[1]");
        qint32 flags = 0;
        w.ini_AddOrEditorData(key, 1, title, flags);
    };
    QCOMPARE(lookup(), QString());  // nine keys, one free slot
    addToUnnamedRow(QStringLiteral("k10"));
    QCOMPARE(lookup(), QStringLiteral("found"));  // ten keys fill the ten slots
    addToUnnamedRow(QStringLiteral("k11"));
    QCOMPARE(lookup(), QString());  // the capacity grew to 20
    // Reading ten keys into one row grows the capacity at the tenth already.
    QVERIFY(writeBytes(path("cap.ini"), QByteArray(file).replace("[T]", "k10=v\r\n[T]")));
    w.ini_SetOpenFiles(path("cap.ini"));
    QCOMPARE(lookup(), QString());
}

void IniStoreTest::roundTripOf99Sections() {
    QByteArray file = "; written by hand\r\n\r\n";
    QByteArray expected;
    for (int s = 1; s <= 100; ++s) {
        const QByteArray header = "[Section " + QByteArray::number(s) + "]\r\n";
        file += header + "  key=" + QByteArray::number(s) + "\r\ndup=a\r\ndup=b\r\n# gone\r\n";
        if (s <= 99) expected += header + "key=" + QByteArray::number(s) + "\r\ndup=a\r\ndup=b\r\n";
    }
    QVERIFY(writeBytes(path("big.ini"), file));
    workOut w;
    QCOMPARE(w.ini_SetOpenFiles(path("big.ini")), 0);
    QString title = QStringLiteral("section 42");
    qint32 flags = 0;
    QCOMPARE(w.ini_GetDatas(QStringLiteral("DUP"), title, flags), QStringLiteral("a"));
    title = QStringLiteral("Section 100");  // the 100th section was dropped
    QCOMPARE(w.ini_GetDatas(QStringLiteral("key"), title, flags), QString());
    QCOMPARE(flags, 2);
    title = QStringLiteral("Section 100");
    w.ini_AddOrEditorData(QStringLiteral("key"), 100, title, flags);
    QCOMPARE(flags, 2 + 64);  // no free row
    QString where = QStringLiteral("*");
    w.ini_WriteToFile(where);
    QCOMPARE(readBytes(path("big.ini")), expected);
}

// An edit written back keeps the bytes of every row it did not change, whatever they were;
// what changed is written in the encoding the file was read in.
// A file that is there but cannot be read is reported with its error and never replaced;
// special files are no files, and opening them never waits.
QTEST_APPLESS_MAIN(IniStoreTest)
#include "test_ini_store.moc"
