// SPDX-License-Identifier: MIT
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
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
    void filesInAndOut_data();
    void filesInAndOut();
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
    QTest::newRow("a preset") << QStringList{"codes", "--wiring", "max7219", "0"} << 0
                              << "unsigned char code seg_cc[]={  //\"0\"\n0x7e};\n"
                              << "";
    QTest::newRow("a preset's polarity")
        << QStringList{"codes", "--wiring=74hc595", "--format=hex", "8", "--", "8"} << 0
        << "80 ff 80\n"
        << "";
    QTest::newRow("--cathode over a preset's polarity")
        << QStringList{"codes", "--wiring=74hc595", "--cathode", "--format=hex", "8"} << 0 << "7f\n"
        << "";
    QTest::newRow("14 segments in C")
        << QStringList{"codes", "--display", "14", "--format", "c", "A-"} << 0
        << "#include <stdint.h>\n\nconst uint16_t seg_cc[] = {  // "
           "\"A-\"\n    0x00f7, 0x00c0,\n};\n"
        << "";
    QTest::newRow("a 14-segment preset sets the kind")
        << QStringList{"codes", "--wiring", "ht16k33-14", "--format", "hex", "W"} << 0 << "2836\n"
        << "";
    QTest::newRow("16-segment decode")
        << QStringList{"decode", "--display", "16", "0x10000"} << 0 << "~segments: dp\nshows: ."
        << "";
    QTest::newRow("bad display") << QStringList{"codes", "--display", "9", "1"} << 2 << ""
                                 << "bad display \"9\": give 7, 14 or 16";
    QTest::newRow("preset of another kind")
        << QStringList{"table", "--display", "16", "--wiring", "ht16k33-14"} << 2 << ""
        << "the preset ht16k33-14 is for 14-segment digits";
    QTest::newRow("not shown on 14 segments")
        << QStringList{"codes", "--display", "14", "\u00b0"} << 3 << ""
        << "no 14-segment digit can show";
    QTest::newRow("presets") << QStringList{"presets"} << 0
                             << "~max7219\n  MAX7219 / MAX7221 in no-decode mode"
                             << "";
    QTest::newRow("an option of another command")
        << QStringList{"codes", "--chars", "01", "1"} << 2 << ""
        << "option --chars is not for the command codes";
    QTest::newRow("convert without a target")
        << QStringList{"convert", "--wiring", "max7219"} << 2 << ""
        << "convert needs --wiring FROM and --to-wiring TO";
    QTest::newRow("frames, scrolled, in C")
        << QStringList{"frames",   "--digits", "2",      "--scroll", "--delay", "40",
                       "--format", "c",        "--name", "hi",       "HI"}
        << 0
        << "#include <stdint.h>\n\n#define hi_FRAMES 3\n#define hi_DIGITS 2\n#define "
           "hi_DELAY_MS 40\nconst uint8_t hi[3][2] = {  // 3 frames of 2 digits\n    {0x00, "
           "0x76},  // 40 ms \" H\"\n    {0x76, 0x30},  // 40 ms \"HI\"\n    {0x30, 0x00},  // "
           "40 ms \"I \"\n};\n"
        << "";
    QTest::newRow("frames: a delay a frame")
        << QStringList{"frames", "--digits=1", "--delays", "10,20", "--format", "sdcc", "1", "2"}
        << 0 << "~__code unsigned int seg_cc_delays[] = {\n    0x000a, 0x0014,\n};"
        << "";
    QTest::newRow("frames: a text too long")
        << QStringList{"frames", "--digits", "2", "123"} << 2 << ""
        << "\"123\" takes 3 digits";
    QTest::newRow("driver") << QStringList{"driver",
                                           "--target",
                                           "sdcc",
                                           "--segments",
                                           "P1",
                                           "--digits",
                                           "P2.0,P2.1,P2.2,P2.3",
                                           "--clock",
                                           "12MHz",
                                           "--refresh",
                                           "100Hz",
                                           "12.5"}
                            << 0 << "~    {0x00, 0x06, 0xdb, 0x6d},  /* \" 12.5\", 500 ms */"
                            << "";
    QTest::newRow("driver: more digits than select pins")
        << QStringList{"driver", "--target", "sdcc", "--segments", "P1", "--digits", "P2.0", "12"}
        << 2 << ""
        << "\"12\" takes 2 digits, more than the display's 1";
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

// A file's text, the arguments (%1: the file, %2: a file to write), the status, and a part of
// standard output (or of the file written, after "=") or of standard error.
void CommandLineTest::filesInAndOut_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("expected");
    const QString max7219 = QStringLiteral(
        "// the digits\nconst uint8_t d[] = { 0x7e, 0x30, 0x6d, 0x79, 0x33, 0x5b, "
        "0x5f, 0x70, 0x7f, 0x7b }; // end\nint x;\n");
    QTest::newRow("import") << max7219 << QStringList{"import", "--wiring", "max7219", "%1"} << 0
                            << "d (line 2): 10 entries, 7-segment, common cathode\n\n[0] 0x7e "
                               "(line 2, column 23)\n0x7e = 126 = 01111110b\nsegments: a b c d e f";
    QTest::newRow("infer") << max7219 << QStringList{"infer", "%1"} << 0
                           << "polarity: common cathode\nwiring: g,f,e,d,c,b,a,dp (the preset "
                              "max7219)\n";
    QTest::newRow("infer, some bits undetermined")
        << "DB 3FH, 06H\n"
        << QStringList{"infer", "--chars", "01", "%1"} << 0
        << "wirings: 96 fit; bits 0, 1, 2, 3, 4, 5, 6 and 7 are undetermined";
    QTest::newRow("infer, an entry no wiring explains")
        << "int t[] = {0x3f, 0x06, 0x5b, 0x4f, 0x01, 0x6d, 0x7d, 0x07, 0x7f, 0x6f};"
        << QStringList{"infer", "%1"} << 3 << "leaves [4] 0x01 '4' unexplained";
    QTest::newRow("convert max7219 to tm1637, the text around kept")
        << max7219 << QStringList{"convert", "--wiring", "max7219", "--to-wiring", "tm1637", "%1"}
        << 0
        << "// the digits\nconst uint8_t d[] = { 0x3f, 0x06, 0x5b, 0x4f, 0x66, 0x6d, 0x7d, 0x07, "
           "0x7f, 0x6f }; // end\nint x;\n";
    QTest::newRow("convert to a format, into a file")
        << max7219 << QStringList{"convert",     "--wiring", "max7219", "--to-wiring", "standard",
                                  "--to-format", "sdcc",     "-o",      "%2",          "%1"}
        << 0 << "=// the digits\n__code unsigned char d[] = {\n    0x3f, 0x06,";
    QTest::newRow("build")
        << "schema = 1\nname = \"p\"\n[[table]]\nname = \"t\"\ntext = \"HELLO\"\n"
        << QStringList{"build", "%1", "-o", "%2"} << 0 << "=0x76,0x79,0x38,0x38,0x3f};";
    QTest::newRow("build: a bad project writes nothing")
        << "schema = 1\n[[table]]\nname = \"t\"\ntext = 5\n"
        << QStringList{"build", "%1", "-o", "%2"} << 3
        << "in.txt:4: [[table]] 1: text: give a text";
    QTest::newRow("driver of a project's animation")
        << "schema = 1\n[display]\nwiring = \"tm1637\"\n[[animation]]\nname = \"clock\"\n"
           "digits = 2\ntexts = [\"34\", \"12\"]\ndelays = [100, 300]\n"
        << QStringList{"driver",    "--target",  "sdcc", "--segments",  "P1",   "--digits",
                       "P2.0,P2.1", "--project", "%1",   "--animation", "clock"}
        << 0 << "    {0x06, 0x5b},  /* \"12\", 300 ms */\n};\n";
    QTest::newRow("driver: a project's animation too wide for the pins")
        << "schema = 1\n[[animation]]\nname = \"a\"\ndigits = 2\ntexts = [\"12\"]\n"
        << QStringList{"driver", "--target",  "sdcc", "--segments",  "P1", "--digits",
                       "P2.0",   "--project", "%1",   "--animation", "a"}
        << 2 << "a frame of 2 digits for 1 select pins";
    QTest::newRow("no table") << "int main(void) { return 0; }\n"
                              << QStringList{"import", "%1"} << 3 << "no table found";
    QTest::newRow("not UTF-8") << "\xff\xfe{" << QStringList{"import", "%1"} << 3
                               << "is not UTF-8 text";
    QTest::newRow("no such file") << "" << QStringList{"import", "missing.c"} << 3
                                  << "cannot read missing.c: no such file";
}

void CommandLineTest::filesInAndOut() {
    QFETCH(QString, text);
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    QVERIFY(QDir::setCurrent(dir.path()));
    QFile in(QStringLiteral("in.txt"));
    QVERIFY(in.open(QIODevice::WriteOnly));
    in.write(QTest::currentDataTag() == QByteArray("not UTF-8") ? QByteArray("\xff\xfe{")
                                                                : text.toUtf8());
    in.close();
    arguments.replaceInStrings(QStringLiteral("%1"), QStringLiteral("in.txt"));
    arguments.replaceInStrings(QStringLiteral("%2"), QStringLiteral("out.txt"));
    const std::optional<Answer> answer = answerOnTerminal(arguments);
    QVERIFY(answer);
    QCOMPARE(answer->status, status);
    QString got = QString::fromUtf8(status == 0 ? answer->out : answer->err);
    if (expected.startsWith(u'=')) {
        QFile out(QStringLiteral("out.txt"));
        QVERIFY(out.open(QIODevice::ReadOnly));
        got = QString::fromUtf8(out.readAll());
        expected.remove(0, 1);
    }
    QVERIFY2(got.contains(expected), qPrintable(got));
    if (status != 0) QVERIFY(!QFile::exists(QStringLiteral("out.txt")));
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
