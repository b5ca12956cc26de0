// SPDX-License-Identifier: MIT
// The formats' output built by the real tools: SDCC and its assembler for the 8051, gcc for
// portable C, avr-gcc for the AVR; the Keil dialects, which no Debian tool reads, parsed back.
// And an SDCC table run on the simulated 8051 (s51): every code read back from the port.
//
// A tool that is not installed skips its rows, unless KELVARIN_REQUIRE_TOOLCHAINS is set (as CI
// sets it): then it fails them.
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "file_helpers.h"
#include "segment_codes/declaration.h"
#include "segment_codes/formats.h"

using namespace kelvarin;
using namespace kelvarin::codes;
using namespace kelvarin::testing;

namespace {

struct Run {
    int status = -1;
    QString output;
};

Run run(const QString& program, const QStringList& arguments, const QString& folder,
        const QByteArray& input = QByteArray()) {
    QProcess p;
    p.setWorkingDirectory(folder);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, arguments);
    if (!p.waitForStarted(10000)) return {};
    p.write(input);
    p.closeWriteChannel();
    if (!p.waitForFinished(60000)) {
        p.kill();
        return {};
    }
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAll())};
}

// Whether the tool is there; when it is not, the test skips or, with the toolchains required,
// fails.
bool have(const QString& tool) {
    if (!QStandardPaths::findExecutable(tool).isEmpty()) return true;
    if (qEnvironmentVariableIsSet("KELVARIN_REQUIRE_TOOLCHAINS"))
        qFatal("%s is required (KELVARIN_REQUIRE_TOOLCHAINS) but not installed", qPrintable(tool));
    return false;
}

// The codes of a Keil or hex text, read back from its entries (as wide as the table's; A51 writes
// a 32-bit entry as its high word and then its low one).
QList<qint64> entriesOf(const QString& text, const QString& format, int bits) {
    QList<qint64> codes;
    QRegularExpression entry;
    const int digits = (format == u"a51" ? std::min(bits, 16) : bits) / 4;
    if (format == u"a51") {
        entry.setPattern(QStringLiteral("\\b0([0-9A-F]{%1})H\\b").arg(digits));
    } else if (format == u"hex") {
        entry.setPattern(QStringLiteral("(?:^|\\s)([0-9a-fA-F]{%1})(?=\\s|$)").arg(digits));
    } else {
        entry.setPattern(QStringLiteral("\\b0x([0-9a-fA-F]{%1})\\b").arg(digits));
    }
    // Comments are left out before the entries are read.
    const QRegularExpression comment(format == u"a51" ? QStringLiteral(";[^\\n]*")
                                                      : QStringLiteral("//[^\\n]*"));
    QString body = text;
    body.remove(comment);
    for (const auto& m : entry.globalMatch(body))
        codes << m.captured(1).toLongLong(nullptr, 16);
    return codes;
}

// The table's codes, as words where A51 writes a 32-bit entry as two.
QList<qint64> codesOf(const Table& table, bool words = false) {
    QList<qint64> codes;
    for (const TableLine& l : table.lines)
        for (const TableEntry& e : l.entries) {
            if (words && table.bits == 32)
                codes << (e.code >> 16) << (e.code & 0xFFFF);
            else
                codes << e.code;
        }
    return codes;
}

Table mixedText(Polarity polarity) {
    QList<Unshowable> bad;
    const QString text = QStringLiteral("HELLO 12.5");
    return textTable(text, digitsOf(text, bad), *Wiring::parse(u"e,dp,c,d,g,f,a,b"), polarity);
}

// "A-1." on a 14- or 16-segment digit, wired in reverse.
Table wideText(DisplayKind kind, Polarity polarity) {
    QList<Unshowable> bad;
    const QString text = QStringLiteral("A-1.");
    return textTable(text, digitsOf(text, bad, kind), Wiring::reversed(kind), polarity);
}

// Runs check on every rendering the toolchain checks try in a format: the standard tables of
// every kind of digit, "HELLO 12.5" and a text on the wider digits, in both polarities, bare and
// with comments and upper-case digits (and then CR LF line ends, where crlf says so).
template <class Check>
void forEachRendering(const FormatDescription* format, bool crlf, Check&& check) {
    for (const Polarity polarity : {Polarity::CommonCathode, Polarity::CommonAnode}) {
        for (const Table& table : {standardTable(Wiring(), polarity), mixedText(polarity),
                                   standardTable(Wiring(DisplayKind::Fourteen), polarity),
                                   standardTable(Wiring::reversed(DisplayKind::Sixteen), polarity),
                                   wideText(DisplayKind::Fourteen, polarity),
                                   wideText(DisplayKind::Sixteen, polarity)}) {
            for (const bool comments : {false, true}) {
                Output output;
                output.format = format;
                output.comments = comments;
                output.upper = comments;
                output.crlf = crlf && comments;
                check(render(table, output, polarity), table);
            }
        }
    }
}

}  // namespace

class ToolchainsTest : public QObject {
    Q_OBJECT
  private slots:
    void builds_data();
    void builds();
    void keilDialectsReadBack_data();
    void keilDialectsReadBack();
    void simulated8051ReadsEveryCode();
};

// Each format a tool builds, for the standard table and a mixed text, with and without
// comments; and a broken text that the same tool must refuse, so that a passing row means the
// tool read the file.
void ToolchainsTest::builds_data() {
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QStringList>("arguments");  // %1: the file
    QTest::addColumn<QString>("suffix");
    const QStringList sdcc = {"-mmcs51", "-c", "%1"};
    const QStringList sdas = {"-o", "out.rel", "%1"};
    const QStringList gcc = {"-std=c11", "-Wall", "-Werror", "-c", "%1", "-o", "out.o"};
    const QStringList avr = {"-mmcu=atmega328p", "-Wall", "-Werror", "-c", "%1", "-o", "out.o"};
    QTest::newRow("sdcc") << "sdcc"
                          << "sdcc" << sdcc << ".c";
    QTest::newRow("sdas") << "sdas"
                          << "sdas8051" << sdas << ".asm";
    QTest::newRow("c") << "c"
                       << "gcc" << gcc << ".c";
    QTest::newRow("arduino") << "arduino"
                             << "avr-gcc" << avr << ".c";
}

void ToolchainsTest::builds() {
    QFETCH(QString, format);
    QFETCH(QString, tool);
    QFETCH(QStringList, arguments);
    QFETCH(QString, suffix);
    if (!have(tool)) QSKIP("the tool is not installed");
    QTemporaryDir dir;
    int n = 0;
    auto build = [&](const QString& text) {
        const QString file = QStringLiteral("table%1%2").arg(n++).arg(suffix);
        writeBytes(dir.filePath(file), text.toUtf8());
        QStringList args = arguments;
        args.replaceInStrings(QStringLiteral("%1"), file);
        return run(tool, args, dir.path());
    };
    // The tool refuses a broken table: it really reads what it is given.
    const Run broken = build(QStringLiteral("this is no table ,,, }\n"));
    QVERIFY2(broken.status != 0, qPrintable(broken.output));
    forEachRendering(formatNamed(format), true, [&](const QString& text, const Table&) {
        const Run built = build(text);
        QVERIFY2(built.status == 0, qPrintable(text + built.output));
    });
    // The main window's declaration in the format, as it stands after each code added: one
    // code, a whole row, and a row and a part.
    const Declaration declaration(*formatNamed(format), {}, Polarity::CommonAnode);
    QString text = declaration.header(QDate(2026, 12, 7));
    for (qint32 count = 0; count < 13; ++count) {
        text += declaration.piece(static_cast<Code>(0x11 * count), count);
        if (count == 0 || count == 9 || count == 12) {
            const QString whole = text + declaration.closing(count + 1);
            const Run built = build(whole);
            QVERIFY2(built.status == 0, qPrintable(whole + built.output));
        }
    }
}

void ToolchainsTest::keilDialectsReadBack_data() {
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("declaration");  // what the text must hold around its entries
    QTest::newRow("classic") << "classic"
                             << "^unsigned (?:char|int|long) code seg_c[ac]\\[\\]=\\{[^\\n]*\\n";
    QTest::newRow("c51") << "c51"
                         << "^unsigned (?:char|int|long) code seg_c[ac]\\[\\] = \\{[^\\n]*\\n";
    QTest::newRow("a51") << "a51"
                         << "^; [^\\n]*\\n\\tCSEG\\nseg_c[ac]:\\tD[BW]\\t";
    QTest::newRow("hex") << "hex"
                         << "^[0-9a-fA-F]{2,8} ";
}

// Keil's dialects and the bare bytes are read back: the declaration in its place, and the
// entries, in order, the table's codes.
void ToolchainsTest::keilDialectsReadBack() {
    QFETCH(QString, format);
    QFETCH(QString, declaration);
    const FormatDescription* f = formatNamed(format);
    forEachRendering(f, false, [&](const QString& text, const Table& table) {
        QVERIFY2(QRegularExpression(declaration).match(text).hasMatch(), qPrintable(text));
        QCOMPARE(entriesOf(text, format, table.bits), codesOf(table, format == u"a51"));
        if (format == u"classic") QVERIFY(text.contains(QStringLiteral("};")));
        if (format == u"a51") QVERIFY(text.endsWith(QStringLiteral("\tEND\n")));
    });
}

// An SDCC program writes each entry of an emitted table to port 1 and stores what the port reads
// in external RAM; the simulator runs it to a breakpoint, and the bytes dumped are the codes.
void ToolchainsTest::simulated8051ReadsEveryCode() {
    if (!have(QStringLiteral("sdcc")) || !have(QStringLiteral("s51")))
        QSKIP("SDCC and its simulator are not installed");
    QTemporaryDir dir;
    const Polarity polarity = Polarity::CommonAnode;
    const Table table = standardTable(*Wiring::parse(u"e,dp,c,d,g,f,a,b"), polarity);
    const QList<qint64> codes = codesOf(table);
    Output output;
    output.format = formatNamed(u"sdcc");
    output.name = QStringLiteral("digits");
    writeBytes(dir.filePath(QStringLiteral("table.c")), render(table, output, polarity).toUtf8());
    writeBytes(dir.filePath(QStringLiteral("main.c")),
               QStringLiteral("#include <8052.h>\n"
                              "extern __code unsigned char digits[];\n"
                              "__xdata __at(0x0000) unsigned char seen[%1];\n"
                              "void done(void) { while (1); }\n"
                              "void main(void) {\n"
                              "    unsigned char i;\n"
                              "    for (i = 0; i < %1; ++i) {\n"
                              "        P1 = digits[i];\n"
                              "        seen[i] = P1;\n"
                              "    }\n"
                              "    done();\n"
                              "}\n")
                   .arg(codes.size())
                   .toUtf8());
    Run built = run(QStringLiteral("sdcc"), {"-mmcs51", "-c", "table.c"}, dir.path());
    QVERIFY2(built.status == 0, qPrintable(built.output));
    built = run(QStringLiteral("sdcc"), {"-mmcs51", "main.c", "table.rel", "-o", "program.ihx"},
                dir.path());
    QVERIFY2(built.status == 0, qPrintable(built.output));
    // The breakpoint: where done() begins, from the linker's map.
    const QString map = QString::fromUtf8(readBytes(dir.filePath(QStringLiteral("program.map"))));
    const QRegularExpressionMatch done =
        QRegularExpression(QStringLiteral("\\b([0-9A-Fa-f]{8})\\s+_done\\b")).match(map);
    QVERIFY2(done.hasMatch(), qPrintable(map));
    const QByteArray commands = QStringLiteral("break 0x%1\nrun\ndump xram 0 %2\nquit\n")
                                    .arg(done.captured(1))
                                    .arg(codes.size() - 1)
                                    .toUtf8();
    const Run simulated =
        run(QStringLiteral("s51"), {"-t", "8052", "program.ihx"}, dir.path(), commands);
    QVERIFY2(simulated.status == 0, qPrintable(simulated.output));
    // Dump lines: an address, then the bytes in hexadecimal.
    QList<qint64> seen;
    const QRegularExpression dumpLine(QStringLiteral("^0x[0-9a-f]{4}((?:\\s+[0-9a-f]{2})+)"),
                                      QRegularExpression::MultilineOption);
    for (const auto& m : dumpLine.globalMatch(simulated.output))
        for (const QString& byte : m.captured(1).split(u' ', Qt::SkipEmptyParts))
            seen << byte.toInt(nullptr, 16);
    QCOMPARE(seen, codes);
}

QTEST_APPLESS_MAIN(ToolchainsTest)
#include "test_toolchains.moc"
