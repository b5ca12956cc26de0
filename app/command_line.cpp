// SPDX-License-Identifier: MIT
// The commands of the command line and their options.

#include "app/command_line.h"

#include <QStringList>

#include "gui/app_info.h"
#include "segment_codes/code_reader.h"
#include "segment_codes/font.h"
#include "segment_codes/formats.h"
#include "segment_codes/segments.h"
#include "segment_codes/text_codes.h"

namespace kelvarin::app {

namespace {

const QStringList kCommands = {QStringLiteral("codes"), QStringLiteral("table"),
                               QStringLiteral("decode")};

bool isHelp(const QString& a) {
    return a == u"-h" || a == u"--help" || a == u"-?" || a == u"--help-all";
}

bool isVersion(const QString& a) {
    return a == u"-v" || a == u"--version";
}

Answer usageError(const QString& message) {
    return {kUsageError, QByteArray(),
            (QStringLiteral("kelvarin: ") + message +
             QStringLiteral("\nTry 'kelvarin --help' for the commands and options.\n"))
                .toUtf8()};
}

// The options of a command, read from its arguments.
struct Options {
    codes::Polarity polarity = codes::Polarity::CommonCathode;
    codes::Wiring wiring;
    codes::Output output;
    QStringList operands;
};

// Reads the options; on a usage error the answer says what is wrong.
std::optional<Answer> readOptions(const QStringList& args, Options& o) {
    bool operandsOnly = false;
    for (qsizetype k = 0; k < args.size(); ++k) {
        QString arg = args[k];
        if (operandsOnly || !arg.startsWith(u'-') || arg == u"-") {
            o.operands << arg;
            continue;
        }
        if (arg == u"--") {
            operandsOnly = true;
            continue;
        }
        // --name=value or --name value
        QString value;
        bool inlineValue = false;
        if (arg.startsWith(QStringLiteral("--")) && arg.contains(u'=')) {
            value = arg.section(u'=', 1);
            arg = arg.section(u'=', 0, 0);
            inlineValue = true;
        }
        auto takeValue = [&]() -> std::optional<QString> {
            if (inlineValue) return value;
            if (k + 1 >= args.size()) return std::nullopt;
            return args[++k];
        };
        auto flag = [&](bool& target) -> std::optional<Answer> {
            if (inlineValue) return usageError(QStringLiteral("option %1 takes no value").arg(arg));
            target = true;
            return std::nullopt;
        };
        std::optional<Answer> problem;
        if (arg == u"--anode") {
            bool anode = false;
            problem = flag(anode);
            if (anode) o.polarity = codes::Polarity::CommonAnode;
        } else if (arg == u"--upper") {
            problem = flag(o.output.upper);
        } else if (arg == u"--crlf") {
            problem = flag(o.output.crlf);
        } else if (arg == u"--comments") {
            problem = flag(o.output.comments);
        } else if (arg == u"--wiring" || arg == u"--format" || arg == u"--name" ||
                   arg == u"--per-line") {
            const std::optional<QString> v = takeValue();
            if (!v) return usageError(QStringLiteral("option %1 needs a value").arg(arg));
            if (arg == u"--wiring") {
                QString error;
                const std::optional<codes::Wiring> w = codes::Wiring::parse(*v, &error);
                if (!w) return usageError(error);
                o.wiring = *w;
            } else if (arg == u"--format") {
                const std::optional<codes::Format> f = codes::formatNamed(*v);
                if (!f) {
                    QStringList names;
                    for (const codes::FormatInfo& i : codes::formats())
                        names << QString::fromLatin1(i.name);
                    return usageError(QStringLiteral("unknown format \"%1\" (the formats are %2)")
                                          .arg(*v, names.join(QStringLiteral(", "))));
                }
                o.output.format = *f;
            } else if (arg == u"--name") {
                o.output.name = *v;
            } else {
                bool ok = false;
                const int n = v->toInt(&ok);
                if (!ok || n < 1 || n > 256)
                    return usageError(
                        QStringLiteral("bad number \"%1\" for --per-line: give 1 to 256").arg(*v));
                o.output.perLine = n;
            }
        } else {
            return usageError(QStringLiteral("unknown option %1").arg(arg));
        }
        if (problem) return problem;
    }
    // The name is checked against the format it is written in.
    QString error;
    if (!o.output.name.isEmpty() && !codes::validName(o.output.name, o.output.format, &error))
        return usageError(error);
    return std::nullopt;
}

QString eol(const Options& o) {
    return o.output.crlf ? QStringLiteral("\r\n") : QStringLiteral("\n");
}

Answer codesCommand(const Options& o) {
    if (o.operands.isEmpty()) return usageError(QStringLiteral("codes needs a TEXT"));
    const QString text = o.operands.join(u' ');
    if (text.isEmpty()) return usageError(QStringLiteral("TEXT is empty: nothing to encode"));
    QList<codes::Unshowable> bad;
    const QList<codes::Digit> digits = codes::digitsOf(text, bad);
    if (!bad.isEmpty()) {
        return {kBadInput, QByteArray(),
                QStringLiteral("kelvarin: no digit can show %1 in \"%2\"\n")
                    .arg(codes::describe(bad), text)
                    .toUtf8()};
    }
    const codes::Table table = codes::textTable(text, digits, o.wiring, o.polarity);
    return {kSuccess, codes::render(table, o.output, o.polarity).toUtf8(), QByteArray()};
}

Answer tableCommand(const Options& o) {
    if (!o.operands.isEmpty())
        return usageError(QStringLiteral("table takes no TEXT (\"%1\")").arg(o.operands.first()));
    const codes::Table table = codes::standardTable(o.wiring, o.polarity);
    return {kSuccess, codes::render(table, o.output, o.polarity).toUtf8(), QByteArray()};
}

// What a code lights: its value and bits, the segments by name, the characters that show that
// way, and the digit in three rows.
QString describeCode(quint8 code, const Options& o) {
    const QString n = eol(o);
    const quint8 pattern = codes::patternOf(code, o.wiring, o.polarity);
    QStringList lit;
    for (int s = 0; s < codes::kSegments; ++s) {
        if (pattern & (1u << s)) lit << codes::segmentName(s);
    }
    const bool dp = pattern & codes::kDecimalPoint;
    const QString characters = codes::charactersShowing(pattern);
    QStringList shows;
    for (const QChar c : characters)
        shows << QString(c) + (dp ? QStringLiteral(".") : QString());
    if (shows.isEmpty() && pattern == codes::kDecimalPoint) shows << QStringLiteral(".");
    if (shows.isEmpty() && pattern == 0) shows << QStringLiteral("(the blank)");
    QString text = QStringLiteral("0x%1 = %2 = %3b")
                       .arg(code, 2, 16, QLatin1Char('0'))
                       .arg(code)
                       .arg(code, 8, 2, QLatin1Char('0')) +
                   n;
    text += QStringLiteral("segments: ") +
            (lit.isEmpty() ? QStringLiteral("none") : lit.join(u' ')) + n;
    text += QStringLiteral("shows: ") +
            (shows.isEmpty() ? QStringLiteral("no character of the font") : shows.join(u' ')) + n;
    for (QString row : codes::picture(pattern)) {
        while (row.endsWith(u' '))
            row.chop(1);
        text += row + n;
    }
    return text;
}

Answer decodeCommand(const Options& o) {
    if (o.operands.isEmpty()) return usageError(QStringLiteral("decode needs a CODE"));
    QString out, err;
    for (qsizetype k = 0; k < o.operands.size(); ++k) {
        QString error;
        const std::optional<quint8> code = codes::readCode(o.operands[k], &error);
        if (!code) {
            err += QStringLiteral("kelvarin: CODE %1: %2\n").arg(k + 1).arg(error);
            continue;
        }
        if (!out.isEmpty()) out += eol(o);
        out += describeCode(*code, o);
    }
    if (!err.isEmpty()) return {kBadInput, QByteArray(), err.toUtf8()};
    return {kSuccess, out.toUtf8(), QByteArray()};
}

}  // namespace

QString helpText() {
    QString formats;
    for (const codes::FormatInfo& f : codes::formats())
        formats += QStringLiteral("  %1%2\n")
                       .arg(QString::fromLatin1(f.name), -10)
                       .arg(QString::fromLatin1(f.description));
    return QStringLiteral(
               "Usage: kelvarin                      open the window\n"
               "       kelvarin codes [OPTIONS] TEXT the table of TEXT's codes\n"
               "       kelvarin table [OPTIONS]      the 57-entry standard table\n"
               "       kelvarin decode [OPTIONS] CODE...\n"
               "                                     what each code lights, drawn\n"
               "       kelvarin --help | --version\n"
               "\n"
               "Works out the segment codes of 8-segment LED digits (segments a to g and dp)\n"
               "for 8051-family firmware. In TEXT a '.' lights the dp of the character before\n"
               "it (\"12.5\" is three digits). A CODE may be written 0x6d, 6DH, 01101101b,\n"
               "0b01101101, B01101101 or 109.\n"
               "\n"
               "Options:\n"
               "  --anode           common anode (every code complemented); common cathode\n"
               "                    otherwise\n"
               "  --wiring LIST     the segment each port bit drives, from bit 0 up\n"
               "                    (default a,b,c,d,e,f,g,dp)\n"
               "  --format NAME     the table's format (default classic; see below)\n"
               "  --name NAME       the array's name (default seg_cc, or seg_ca with --anode)\n"
               "  --per-line N      entries a line\n"
               "  --upper           upper-case hexadecimal digits\n"
               "  --comments        a comment naming each entry's character or index\n"
               "  --crlf            CR LF line ends (LF otherwise)\n"
               "  --                what follows is TEXT or CODEs, even when it starts with -\n"
               "  -h, --help        this help; -v, --version: the version\n"
               "\n"
               "Formats:\n") +
           formats +
           QStringLiteral(
               "\n"
               "Examples:\n"
               "  kelvarin codes \"HELLO 12.5\"\n"
               "  kelvarin codes --format sdcc --anode --name digits 0123456789 > digits.c\n"
               "  kelvarin table --wiring e,dp,c,d,g,f,a,b --format arduino\n"
               "  kelvarin decode 0x6d 0xf9\n"
               "\n"
               "Exit status: 0 done; 2 a usage error (unknown command or option, bad wiring,\n"
               "name, format or number); 3 a TEXT character no digit can show, or a CODE that\n"
               "cannot be read. Results go to standard output, messages to standard error.\n");
}

std::optional<Answer> answerOnTerminal(const QStringList& arguments) {
    for (const QString& a : arguments) {
        if (a == u"--") break;
        if (isHelp(a)) return Answer{kSuccess, helpText().toUtf8(), QByteArray()};
        if (isVersion(a))
            return Answer{kSuccess, (QStringLiteral("Kelvarin ") + version() + u'\n').toUtf8(),
                          QByteArray()};
    }
    if (arguments.isEmpty() || arguments.first().startsWith(u'-')) return std::nullopt;
    const QString& command = arguments.first();
    if (!kCommands.contains(command))
        return usageError(QStringLiteral("unknown command \"%1\" (the commands are codes, "
                                         "table and decode)")
                              .arg(command));
    Options options;
    if (std::optional<Answer> problem = readOptions(arguments.mid(1), options)) return problem;
    if (command == u"codes") return codesCommand(options);
    if (command == u"table") return tableCommand(options);
    return decodeCommand(options);
}

Answer refuseForWindows(const QStringList& left) {
    return usageError(QStringLiteral("unknown option %1").arg(left.value(0)));
}

}  // namespace kelvarin::app
