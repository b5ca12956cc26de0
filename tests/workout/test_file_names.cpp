// SPDX-License-Identifier: MIT
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "workout/workout.h"

using namespace kelvarin;

class FileNamesTest : public QObject {
    Q_OBJECT
  private slots:
    void parts_data();
    void parts();
    void separator_data();
    void separator();
    void commandLine_data();
    void commandLine();
    void commandLineCountsNamesBeyondTheArray();
};

void FileNamesTest::parts_data() {
    QTest::addColumn<QString>("method");
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("flag");
    QTest::addColumn<QString>("result");
    QTest::newRow("A name") << "A"
                            << "C:\\music\\song.mp3" << false << "song.mp3";
    QTest::newRow("A extension") << "A"
                                 << "C:\\music\\song.mp3" << true << "mp3";
    QTest::newRow("A without folder") << "A"
                                      << "song.mp3" << false << "song.mp3";
    QTest::newRow("A slash is no separator") << "A"
                                             << "C:/m/a.b" << false << "C:/m/a.b";
    QTest::newRow("A no dot: all extension") << "A"
                                             << "C:\\x\\README" << true << "README";
    QTest::newRow("B base") << "B"
                            << "C:\\music\\song.mp3" << false << "song";
    QTest::newRow("B last dot only") << "B"
                                     << "x.tar.gz" << false << "x.tar";
    QTest::newRow("B no dot") << "B"
                              << "C:\\music\\README" << false << "";
    QTest::newRow("B no dot kept") << "B"
                                   << "C:\\music\\README" << true << "README";
    QTest::newRow("B trailing dot") << "B"
                                    << "C:\\a\\name." << false << "name";
    QTest::newRow("B folder dot ignored") << "B"
                                          << "C:\\a.b\\name" << false << "";
    QTest::newRow("C folder") << "C"
                              << "C:\\music\\song.mp3" << false << "C:\\music\\";
    QTest::newRow("C no folder") << "C"
                                 << "song.mp3" << false << "\\";
    QTest::newRow("C flag ignored") << "C"
                                    << "C:\\m\\a" << true << "C:\\m\\";
    QTest::newRow("C empty") << "C"
                             << "" << false << "\\";
    QTest::newRow("Exp whole path") << "E"
                                    << "a.b\\c" << true << ".b\\c";
    QTest::newRow("Exp last dot") << "E"
                                  << "x.tar.gz" << false << "gz";
    QTest::newRow("Exp none") << "E"
                              << "abc" << false << "abc";
    QTest::newRow("Exp empty with point") << "E"
                                          << "" << true << ".";
    QTest::newRow("Chinese") << "A"
                             << "D:\\歌\\月亮.wma" << true << "wma";
}

void FileNamesTest::parts() {
    QFETCH(QString, method);
    QFETCH(QString, path);
    QFETCH(bool, flag);
    QFETCH(QString, result);
    workOut w;
    const QString got = method == u"A"   ? w.MainNameA(path, flag)
                        : method == u"B" ? w.MainNameB(path, flag)
                        : method == u"C" ? w.MainNameC(path, flag)
                                         : w.GetMainExp(path, flag);
    QCOMPARE(got, result);
}

void FileNamesTest::separator_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("minus");
    QTest::addColumn<QString>("result");
    QTest::newRow("add") << "C:\\dir" << false << "C:\\dir\\";
    QTest::newRow("keep") << "C:\\dir\\" << false << "C:\\dir\\";
    QTest::newRow("remove one") << "C:\\dir\\\\" << true << "C:\\dir\\";
    QTest::newRow("nothing to remove") << "C:\\dir" << true << "C:\\dir";
    QTest::newRow("empty add") << "" << false << "\\";
    QTest::newRow("empty remove") << "" << true << "";
}

void FileNamesTest::separator() {
    QFETCH(QString, path);
    QFETCH(bool, minus);
    QFETCH(QString, result);
    workOut w;
    QCOMPARE(w.AddPathChr92(path, minus), result);
}

void FileNamesTest::commandLine_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("names");
    // Files in the current folder: "a b.txt", "one.txt", "x;y.txt"; a folder "dir x".
    QTest::newRow("existing name with space") << "a b.txt" << QStringList{"a b.txt"};
    QTest::newRow("existing, quoted") << "\"a b.txt\"" << QStringList{"a b.txt"};
    QTest::newRow("wildcard") << "a*.t?t" << QStringList{"a*.t?t"};
    QTest::newRow("semicolon literal") << "x;y.txt" << QStringList{"x;y.txt"};
    QTest::newRow("folder is no file") << "dir x" << QStringList{"dir", "x"};
    QTest::newRow("plain word") << "missing" << QStringList{"missing"};
    QTest::newRow("two unquoted") << "a.txt b.txt" << QStringList{"a.txt", "b.txt"};
    QTest::newRow("quoted then unquoted") << "\"c d.txt\" e.txt" << QStringList{"c d.txt", "e.txt"};
    QTest::newRow("two quoted") << "\"c d\" \"e f\"" << QStringList{"c d", "e f"};
    QTest::newRow("quoted last without space") << "\"c d\" \"e\"" << QStringList{"c d", "e"};
    QTest::newRow("two spaces") << "x  y z" << QStringList{"x", " y", "z"};
    QTest::newRow("two spaces at the end") << "x  " << QStringList{"x", " "};
    QTest::newRow("unclosed quote first") << "\"a b" << QStringList{"a", "b"};
    QTest::newRow("unclosed quote later") << "a \"b c" << QStringList{"a", "b", "c"};
    QTest::newRow("trailing space") << "a b " << QStringList{"a", "b"};
    QTest::newRow("space only") << " " << QStringList{" "};
    // Taken in one pass however long: the quote ahead is not searched for again at every space.
    const QString spaces(400000, u' ');
    QTest::newRow("a quote and 400,000 spaces")
        << u'"' + spaces + QStringLiteral("\"x y") << QStringList{spaces, " y"};
}

void FileNamesTest::commandLine() {
    QFETCH(QString, text);
    QFETCH(QStringList, names);
    QTemporaryDir dir;
    for (const char* name : {"a b.txt", "one.txt", "x;y.txt"}) {
        QFile f(dir.filePath(QString::fromUtf8(name)));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("dir x")));
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    workOut w;
    QStringList array(8, QStringLiteral("-"));
    const qint32 n = w.GetSubCommandMain(text, array);
    QDir::setCurrent(before);
    QCOMPARE(n, names.size());
    QCOMPARE(array.mid(0, n), names);
    QCOMPARE(array[n], QStringLiteral("-"));
}

void FileNamesTest::commandLineCountsNamesBeyondTheArray() {
    workOut w;
    QStringList array(2);
    QCOMPARE(w.GetSubCommandMain(QStringLiteral("p q r s"), array), 4);
    QCOMPARE(array, (QStringList{"p", "q"}));
    QStringList none;
    QCOMPARE(w.GetSubCommandMain(QStringLiteral("single"), none), 1);
}

QTEST_APPLESS_MAIN(FileNamesTest)
#include "test_file_names.moc"
