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
#include "segment_codes/driver.h"
#include "segment_codes/formats.h"
#include "segment_codes/frames.h"

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
    void scanDriverOnSimulated8051();
    void animationOnSimulated8051();
    void scanDriverForOtherTargets();
};

// Each format a tool builds, for the standard tables and mixed texts, with and without
// comments, and a scrolled text's frames; and a broken text that the same tool must refuse, so that
// a passing row means the tool read the file.
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
    // A scrolled text's frames, with one delay and with a delay a frame.
    for (const QList<int>& delays : {QList<int>{250}, QList<int>{100, 200, 300, 400, 500, 600, 700,
                                                                 800, 900, 1000, 1100, 1200}}) {
        const QList<Frame> frames = *framesOf({QStringLiteral("HELLO 12.5")}, 4, true, delays,
                                              Wiring(), Polarity::CommonAnode, nullptr);
        Output output;
        output.format = formatNamed(format);
        output.name = QStringLiteral("hello");
        const QString text = renderFrames(frames, output, Wiring(), Polarity::CommonAnode);
        const Run built = build(text);
        QVERIFY2(built.status == 0, qPrintable(text + built.output));
    }
    // Frames drawn by hand: one without a label, and labels that would end their comment or
    // carry it on to the next line were they written as given.
    {
        const QList<DrawnFrame> drawn = {{{0x01, 0x00}, 100, QString()},
                                         {{0x00, 0x40}, 200, QStringLiteral("a\\")},
                                         {{0x08, 0x08}, 300, QStringLiteral("*/ ??/\nx")}};
        Output output;
        output.format = formatNamed(format);
        output.name = QStringLiteral("drawn");
        const QString text =
            renderFrames(*framesOfDrawn(drawn, Wiring(), Polarity::CommonCathode, nullptr), output,
                         Wiring(), Polarity::CommonCathode);
        const Run built = build(text);
        QVERIFY2(built.status == 0, qPrintable(text + built.output));
    }
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
    // A scrolled text's frames: the rows' entries in order, once each.
    const QList<Frame> frames = *framesOf({QStringLiteral("HELLO")}, 4, true, {200}, Wiring(),
                                          Polarity::CommonCathode, nullptr);
    Output output;
    output.format = f;
    const QString text = renderFrames(frames, output, Wiring(), Polarity::CommonCathode);
    QList<qint64> codes;
    for (const Frame& frame : frames)
        for (const Code c : frame.codes)
            codes << c;
    QCOMPARE(entriesOf(text, format, 8), codes);
    if (format == u"a51") QVERIFY(text.contains(QStringLiteral("seg_cc_FRAMES\tEQU\t8\n")));
    if (format == u"classic" || format == u"c51")
        QVERIFY(text.contains(QStringLiteral(" code seg_cc[8][4]")));
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

namespace {

// A port write seen by the simulator: when (in clock ticks from the start), which port or bit was
// written, and the two ports after it.
struct PortWrite {
    qint64 tick;
    bool segments;  // P1 written (else a select bit of P2)
    int bit;        // the bit of P2 written
    int p1;
    int p2;
};

// The driver built with SDCC and run in s51, stopping at each write to P1 and to the select bits
// P2.0 to P2.3 (or only P1), for stops stops.
QList<PortWrite> traceOnSimulator(const QString& program, int stops, bool selects) {
    QTemporaryDir dir;
    writeBytes(dir.filePath(QStringLiteral("driver.c")), program.toUtf8());
    const Run built = run(QStringLiteral("sdcc"), {"-mmcs51", "driver.c"}, dir.path());
    if (built.status != 0) qFatal("sdcc: %s", qPrintable(built.output));
    QString script = QStringLiteral("break sfr w 0x90\n");
    if (selects)
        for (int b = 0; b < 4; ++b)
            script += QStringLiteral("break bits w 0xa%1\n").arg(b);
    for (int k = 0; k < stops; ++k)
        script += QStringLiteral("run\nget sfr 0x90 0xa0\n");
    script += QStringLiteral("quit\n");
    const Run simulated = run(QStringLiteral("s51"), {"-t", "8051", "-X", "12MHz", "driver.ihx"},
                              dir.path(), script.toUtf8());
    QList<PortWrite> writes;
    qint64 tick = 0;
    static const QRegularExpression event(
        QStringLiteral("Event `write' at (sfr|bits)\\[0x(?:90|a([0-7]))\\]"));
    static const QRegularExpression ticks(QStringLiteral("Simulated (\\d+) ticks"));
    static const QRegularExpression port(
        QStringLiteral("0x(90|a0) P[12]:\\s+0b[01]+ 0x([0-9a-f]{2})"));
    for (const QString& stop : simulated.output.split(QStringLiteral("Stop at")).mid(1)) {
        const QRegularExpressionMatch e = event.match(stop);
        const QRegularExpressionMatch t = ticks.match(stop);
        if (!e.hasMatch() || !t.hasMatch()) continue;
        tick += t.captured(1).toLongLong();
        PortWrite w{tick, e.captured(1) == u"sfr", e.captured(2).toInt(), -1, -1};
        for (const auto& m : port.globalMatch(stop))
            (m.captured(1) == u"90" ? w.p1 : w.p2) = m.captured(2).toInt(nullptr, 16);
        writes << w;
    }
    return writes;
}

DriverRequest request8051(const QStringList& texts, const QList<int>& delays) {
    DriverRequest r;
    r.target = QStringLiteral("sdcc");
    r.segments = QStringLiteral("P1");
    r.digits = QStringLiteral("P2.0,P2.1,P2.2,P2.3");
    r.clock = QStringLiteral("12MHz");
    r.refresh = QStringLiteral("100Hz");
    r.frames = *framesOf(texts, 4, false, delays, r.wiring, r.polarity, nullptr);
    r.shows = texts.join(u' ');
    return r;
}

}  // namespace

// "12.5" on 4 digits, P1 and P2.0 to P2.3 active low, 12 MHz, 100 Hz: each digit in turn with
// its own code, every select off whenever the segments change, and 100 Hz within 2 %.
void ToolchainsTest::scanDriverOnSimulated8051() {
    if (!have(QStringLiteral("sdcc")) || !have(QStringLiteral("s51")))
        QSKIP("SDCC and its simulator are not installed");
    const DriverRequest r = request8051({QStringLiteral("12.5")}, {500});
    const QList<PortWrite> writes = traceOnSimulator(*generateDriver(r, nullptr), 120, true);
    QVERIFY2(writes.size() > 100, qPrintable(QString::number(writes.size())));
    const QList<Code> codes = r.frames.first().codes;  // 0x00 0x06 0xdb 0x6d
    QList<int> order;
    QList<qint64> firstDigitAt;
    for (const PortWrite& w : writes) {
        const int selected = ~w.p2 & 0x0f;
        if (w.segments) {
            QVERIFY2(selected == 0, "the segments changed while a digit was selected");
            continue;
        }
        if (!(selected & (1 << w.bit))) continue;  // a select turned off
        QCOMPARE(selected, 1 << w.bit);            // and the others are
        const int digit = w.bit;
        QCOMPARE(static_cast<Code>(w.p1), codes[digit]);
        order << digit;
        if (digit == 0) firstDigitAt << w.tick;
    }
    QVERIFY(order.size() >= 12);
    for (qsizetype k = 0; k < order.size(); ++k)
        QCOMPARE(order[k], static_cast<int>(k % 4));
    QVERIFY(firstDigitAt.size() >= 3);
    const double period = static_cast<double>(firstDigitAt.back() - firstDigitAt.first()) /
                          static_cast<double>(firstDigitAt.size() - 1) / 12e6;
    QVERIFY2(std::abs(1 / period - 100) < 2, qPrintable(QString::number(1 / period)));
}

// Three frames of 20, 30 and 20 ms: the codes written change to the next frame's after each
// delay (within one interrupt, 2.5 ms).
void ToolchainsTest::animationOnSimulated8051() {
    if (!have(QStringLiteral("sdcc")) || !have(QStringLiteral("s51")))
        QSKIP("SDCC and its simulator are not installed");
    const DriverRequest r = request8051(
        {QStringLiteral("1234"), QStringLiteral("5678"), QStringLiteral("9AbC")}, {20, 30, 20});
    const QList<PortWrite> writes = traceOnSimulator(*generateDriver(r, nullptr), 40, false);
    QVERIFY(writes.size() >= 36);
    QList<qint64> changes;  // when the frame shown changed, from the first write
    int shown = 0;
    for (qsizetype k = 0; k < writes.size(); ++k) {
        const int digit = static_cast<int>(k % 4);
        int frame = -1;
        for (int f = 0; f < 3; ++f)
            if (r.frames[f].codes[digit] == static_cast<Code>(writes[k].p1)) frame = f;
        QVERIFY2(frame >= 0, qPrintable(QString::number(writes[k].p1, 16)));
        if (frame != shown) {
            QCOMPARE(frame, (shown + 1) % 3);
            changes << writes[k].tick - writes.first().tick;
            shown = frame;
        }
    }
    QVERIFY(changes.size() >= 3);
    const double ms[] = {20, 50, 70};
    for (int c = 0; c < 3; ++c)
        QVERIFY2(std::abs(static_cast<double>(changes[c]) / 12e3 - ms[c]) < 2.5,
                 qPrintable(QString::number(changes[c] / 12e3)));
}

// The same display for the AVR built with avr-gcc, and in Keil's dialect read back.
void ToolchainsTest::scanDriverForOtherTargets() {
    DriverRequest r = request8051({QStringLiteral("12.5")}, {500});
    r.target = QStringLiteral("c51");
    const QString keil = *generateDriver(r, nullptr);
    for (const char* part : {"#include <reg51.h>", "sbit SELECT3 = P2^3;", "interrupt 1 {",
                             "unsigned char code frames[FRAMES][DIGITS] = {",
                             "{0x00, 0x06, 0xdb, 0x6d}", "TMOD = (TMOD & 0xf0) | 0x01;"})
        QVERIFY2(keil.contains(QLatin1StringView(part)), part);
    QCOMPARE(keil.count(u'{'), keil.count(u'}'));
    if (!have(QStringLiteral("avr-gcc"))) QSKIP("avr-gcc is not installed");
    r.target = QStringLiteral("arduino");
    r.segments = QStringLiteral("6,7,8,9,10,11,12,13");
    r.digits = QStringLiteral("2,3,4,5");
    r.clock.clear();
    r.frames = *framesOf({QStringLiteral("1234"), QStringLiteral("5678")}, 4, false, {100, 200},
                         r.wiring, r.polarity, nullptr);
    QTemporaryDir dir;
    writeBytes(dir.filePath(QStringLiteral("sketch.c")), generateDriver(r, nullptr)->toUtf8());
    const Run built =
        run(QStringLiteral("avr-gcc"),
            {"-mmcu=atmega328p", "-Os", "-Wall", "-Werror", "-o", "sketch.elf", "sketch.c"},
            dir.path());
    QVERIFY2(built.status == 0, qPrintable(built.output));
}

QTEST_APPLESS_MAIN(ToolchainsTest)
#include "test_toolchains.moc"
