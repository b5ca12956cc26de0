// SPDX-License-Identifier: MIT
#include <QCoreApplication>
#include <QProcess>
#include <QTest>

#include "app/command_line.h"
#include "segment_window/standard_tables.h"

using namespace kelvarin;
using namespace kelvarin::app;

class CommandLineTest : public QObject {
    Q_OBJECT
  private slots:
    void answers_data();
    void answers();
    void standardTablesByteForByte();
    void windowsTakeNoOtherArguments();
    void runsWithoutADisplay();
};

// Arguments, the exit status, and what standard output holds (all of it, or a part of it with
// "~" before); on failure standard output stays empty and standard error names the fault.
void CommandLineTest::answers_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");  // a part of standard error
    QTest::newRow("codes") << QStringList{"codes", "0123"} << 0
                           << "unsigned char code seg_cc[]={  //\"0123\"\n0x3f,0x06,0x5b,0x4f};\n"
                           << "";
    QTest::newRow("codes, anode, named, per line")
        << QStringList{"codes", "--anode",  "--name=digits", "--per-line",
                       "2",     "--format", "hex",           "12.5"}
        << 0 << "f9 24\n92\n"
        << "";
    QTest::newRow("codes, wiring")
        << QStringList{"codes", "--wiring", "dp,g,f,e,d,c,b,a", "--format", "hex", "1."} << 0
        << "61\n"
        << "";
    QTest::newRow("several words are one text")
        << QStringList{"codes", "--format", "hex", "1", "2"} << 0 << "06 00 5b\n"
        << "";
    QTest::newRow("a text after --")
        << QStringList{"codes", "--format", "hex", "--", "-1"} << 0 << "40 06\n"
        << "";
    QTest::newRow("CR LF") << QStringList{"codes", "--crlf", "--format", "hex", "1"} << 0
                           << "06\r\n"
                           << "";
    QTest::newRow("decode") << QStringList{"decode", "0x6d"} << 0
                            << "0x6d = 109 = 01101101b\nsegments: a c d f g\nshows: 5 s S\n"
                               " _\n|_\n _|\n"
                            << "";
    QTest::newRow("decode, dp, anode")
        << QStringList{"decode", "--anode", "0x7F"} << 0 << "~segments: dp\nshows: .\n"
        << "";
    QTest::newRow("decode several") << QStringList{"decode", "3fh", "B00000110"} << 0
                                    << "~shows: 0 O\n _\n| |\n|_|\n\n0x06 = 6 = 00000110b"
                                    << "";
    QTest::newRow("help") << QStringList{"--help"} << 0 << "~kelvarin codes [OPTIONS] TEXT"
                          << "";
    QTest::newRow("version") << QStringList{"--version"} << 0 << "~Kelvarin 1.1.0"
                             << "";
    // Usage errors: 2.
    QTest::newRow("unknown command") << QStringList{"encode", "x"} << 2 << ""
                                     << "unknown command \"encode\"";
    QTest::newRow("unknown option") << QStringList{"codes", "--fast", "1"} << 2 << ""
                                    << "unknown option --fast";
    QTest::newRow("bad wiring") << QStringList{"table", "--wiring", "a,b,c"} << 2 << ""
                                << "names 3 bits";
    QTest::newRow("bad name") << QStringList{"table", "--name", "seg-cc"} << 2 << ""
                              << "bad array name \"seg-cc\"";
    QTest::newRow("bad format") << QStringList{"table", "--format", "pascal"} << 2 << ""
                                << "unknown format \"pascal\"";
    QTest::newRow("bad number") << QStringList{"table", "--per-line", "0"} << 2 << ""
                                << "bad number \"0\"";
    QTest::newRow("option without its value") << QStringList{"codes", "1", "--format"} << 2 << ""
                                              << "--format needs a value";
    QTest::newRow("no text") << QStringList{"codes"} << 2 << ""
                             << "codes needs a TEXT";
    QTest::newRow("empty text") << QStringList{"codes", ""} << 2 << ""
                                << "TEXT is empty";
    QTest::newRow("table takes no text") << QStringList{"table", "x"} << 2 << ""
                                         << "table takes no TEXT";
    // Input no digit shows, or no code reads: 3, and nothing on standard output.
    QTest::newRow("unshowable text") << QStringList{"codes", "OK 1"} << 3 << ""
                                     << "no digit can show 'K' at 2 in \"OK 1\"";
    QTest::newRow("one code unread") << QStringList{"decode", "0x6d", "0x6g", "256"} << 3 << ""
                                     << "CODE 2: cannot read \"0x6g\"";
}

void CommandLineTest::answers() {
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    const std::optional<Answer> answer = answerOnTerminal(arguments);
    QVERIFY(answer);
    QCOMPARE(answer->status, status);
    const QString got = QString::fromUtf8(answer->out);
    if (out.startsWith(u'~')) {
        QVERIFY2(got.contains(out.mid(1)), qPrintable(got));
    } else {
        QCOMPARE(got, out);
    }
    QVERIFY2(QString::fromUtf8(answer->err).contains(err), answer->err.constData());
    QCOMPARE(answer->err.isEmpty(), status == 0);
}

void CommandLineTest::standardTablesByteForByte() {
    QCOMPARE(answerOnTerminal({"table", "--crlf"})->out, commonCathodeTable().toUtf8());
    QCOMPARE(answerOnTerminal({"table", "--anode", "--crlf"})->out, commonAnodeTable().toUtf8());
}

void CommandLineTest::windowsTakeNoOtherArguments() {
    QVERIFY(!answerOnTerminal({}));
    QVERIFY(!answerOnTerminal({"-platform", "offscreen"}));  // the toolkit's, for the windows
    const Answer refused = refuseForWindows({"--fast"});
    QCOMPARE(refused.status, 2);
    QVERIFY(refused.out.isEmpty());
}

// The program itself, with no display server to reach.
void CommandLineTest::runsWithoutADisplay() {
    QProcess p;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    p.setProcessEnvironment(environment);
    p.start(QCoreApplication::applicationDirPath() + QStringLiteral("/kelvarin"),
            {QStringLiteral("codes"), QStringLiteral("0123")});
    QVERIFY(p.waitForFinished(20000));
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), 0);
    QCOMPARE(p.readAllStandardOutput(),
             QByteArray("unsigned char code seg_cc[]={  //\"0123\"\n0x3f,0x06,0x5b,0x4f};\n"));
    QCOMPARE(p.readAllStandardError(), QByteArray());
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "test_command_line.moc"
