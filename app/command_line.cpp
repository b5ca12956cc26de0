// SPDX-License-Identifier: MIT
// The command line: its commands and options declared once, as tables that the parser (Qt's
// QCommandLineParser) and the help text are both made from.

#include "app/command_line.h"

#include <QCommandLineParser>
#include <QFile>
#include <QRegularExpression>

#include <vector>

#include "app/command_options.h"
#include "app/commands.h"
#include "build_info/app_info.h"
#include "segment_codes/frames.h"

namespace kelvarin::app {

namespace {

// A command: its name, what follows it on the command line, what it does, and its function.
struct CommandSpec {
    const char* name;
    const char* synopsis;
    const char* summary;
    Answer (*run)(const Options&);
};

const std::vector<CommandSpec>& commandTable() {
    static const std::vector<CommandSpec> table = {
        {"codes", "codes [OPTIONS] TEXT", "the table of TEXT's codes", codesCommand},
        {"table", "table [OPTIONS]", "the 57-entry standard table", tableCommand},
        {"decode", "decode [OPTIONS] CODE...", "what each code lights, drawn", decodeCommand},
        {"presets", "presets", "the driver-chip and module presets", presetsCommand},
        {"import", "import [OPTIONS] [FILE|-]", "every table of a C or assembler text, decoded",
         importCommand},
        {"infer", "infer [--chars TEXT] [FILE|-]", "the wiring and polarity of a table",
         inferCommand},
        {"convert", "convert --wiring FROM --to-wiring TO [FILE|-]",
         "the tables of a text for another wiring", convertCommand},
        {"build", "build PROJECT [-o FILE]", "a project's tables as one file", buildCommand},
        {"frames", "frames --digits N [--scroll] TEXT...",
         "frames of a multi-digit display as a table", framesCommand},
        {"driver", "driver --target T --segments PINS --digits PINS TEXT...",
         "a scan driver program for the pins", driverCommand},
    };
    return table;
}

const CommandSpec* commandNamed(const QString& name) {
    for (const CommandSpec& c : commandTable())
        if (name == QLatin1StringView(c.name)) return &c;
    return nullptr;
}

// "--name VALUE" or "-h, --help" as the help lists an option.
QString optionUsage(const QStringList& names, const char* value) {
    QStringList written;
    for (const QString& n : names)
        written << (n.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + n;
    QString usage = written.join(QStringLiteral(", "));
    if (value != nullptr) usage += u' ' + QLatin1StringView(value);
    return usage;
}

// A row of the help: the left part in a column of 18, the lines of the right part under each
// other.
QString helpRow(const QString& left, const QString& right, int column = 18) {
    QString text = QStringLiteral("  ") + left.leftJustified(column - 1) + u' ';
    if (left.size() >= column) text += u'\n' + QString(column + 2, u' ');
    text += QString(right).replace(u'\n', u'\n' + QString(column + 2, u' '));
    return text + u'\n';
}

bool isHelp(const QString& a) {
    return a == u"-h" || a == u"--help" || a == u"-?" || a == u"--help-all";
}

bool isVersion(const QString& a) {
    return a == u"-v" || a == u"--version";
}

// The arguments read with the declared options, or the usage error they make.
std::optional<Answer> readOptions(const QStringList& arguments, Options& o) {
    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    std::vector<QCommandLineOption> declared;
    declared.reserve(optionTable().size());
    for (const OptionSpec& spec : optionTable()) {
        QCommandLineOption option(spec.names, QString::fromUtf8(spec.help));
        if (spec.value != nullptr) option.setValueName(QString::fromLatin1(spec.value));
        declared.push_back(option);
        parser.addOption(option);
    }
    if (!parser.parse(QStringList{QStringLiteral("kelvarin")} + arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty())
            return usageError(
                QStringLiteral("unknown option %1").arg(optionUsage({unknown.first()}, nullptr)));
        // The parser names the option it could not read between quotes.
        const QString error = parser.errorText();
        const QString name =
            QRegularExpression(QStringLiteral("'([^']*)'")).match(error).captured(1);
        if (error.startsWith(QStringLiteral("Missing value")))
            return usageError(QStringLiteral("option %1 needs a value").arg(name));
        if (error.startsWith(QStringLiteral("Unexpected value")))
            return usageError(QStringLiteral("option %1 takes no value").arg(name));
        return usageError(error);
    }
    const QStringList positional = parser.positionalArguments();
    o.command = positional.value(0);
    o.operands = positional.mid(1);
    // Each option given, in the table's order, checked against the command.
    for (size_t k = 0; k < declared.size(); ++k) {
        const OptionSpec& spec = optionTable()[k];
        if (!parser.isSet(declared[k])) continue;
        if (!spec.commands.isEmpty() && !spec.commands.contains(o.command))
            return usageError(QStringLiteral("option %1 is not for the command %2")
                                  .arg(optionUsage({spec.names.last()}, nullptr), o.command));
        const QString value = spec.value != nullptr ? parser.value(declared[k]) : QString();
        if (std::optional<Answer> problem = spec.apply(o, value)) return problem;
    }
    if (std::optional<Answer> problem = resolveWiring(o)) return problem;
    // The name is checked against the format it is written in.
    QString error;
    if (!o.output.name.isEmpty() && !codes::validName(o.output.name, *o.output.format, &error))
        return usageError(error);
    return std::nullopt;
}

// Standard input, up to one byte more than a text may have (so that a larger one is told).
std::optional<QByteArray> readStandardInput() {
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly)) return std::nullopt;
    QByteArray data;
    while (data.size() <= kLargestInput) {
        const QByteArray chunk =
            in.read(std::min<qint64>(1 << 16, kLargestInput + 1 - data.size()));
        if (chunk.isEmpty()) break;
        data += chunk;
    }
    if (in.error() != QFileDevice::NoError) return std::nullopt;
    return data;
}

}  // namespace

Answer usageError(const QString& message) {
    return {kUsageError, QByteArray(),
            (QStringLiteral("kelvarin: ") + message +
             QStringLiteral("\nTry 'kelvarin --help' for the commands and options.\n"))
                .toUtf8()};
}

Answer failure(int status, const QString& message) {
    return {status, QByteArray(), (QStringLiteral("kelvarin: ") + message + u'\n').toUtf8()};
}

Answer success(const QString& text) {
    return {kSuccess, text.toUtf8(), QByteArray()};
}

QString helpText() {
    QString usage = QStringLiteral("Usage: kelvarin                      open the window\n");
    for (const CommandSpec& c : commandTable()) {
        const QString synopsis = QStringLiteral("kelvarin ") + QString::fromLatin1(c.synopsis);
        usage += QStringLiteral("       ") +
                 (synopsis.size() < 29 ? synopsis.leftJustified(29) + u' '
                                       : synopsis + u'\n' + QString(37, u' ')) +
                 QString::fromUtf8(c.summary) + u'\n';
    }
    usage += QStringLiteral("       kelvarin --help | --version\n");
    QString options;
    for (const OptionSpec& o : optionTable())
        options += helpRow(optionUsage(o.names, o.value), QString::fromUtf8(o.help));
    options += helpRow(QStringLiteral("--"),
                       QStringLiteral("what follows is TEXT or CODEs, even when it starts with -"));
    options += helpRow(QStringLiteral("-h, --help"),
                       QStringLiteral("this help; -v, --version: the version"));
    QString formats;
    for (const codes::FormatDescription* f : codes::formats())
        formats += QStringLiteral("  %1%2\n").arg(f->nameText(), -10).arg(f->descriptionText());
    return usage +
           QStringLiteral(
               "\n"
               "Works out the segment codes of LED digits of 7 segments and dp (a to g), 14\n"
               "or 16 for 8051-family and other firmware. In TEXT a '.' lights the dp of the\n"
               "character before it (\"12.5\" is three digits). A CODE may be written 0x6d,\n"
               "6DH, 01101101b, 0b01101101, B01101101 or 109. import, infer and convert read\n"
               "a FILE (standard input for - or none); build reads a TOML project (see\n"
               "man kelvarin).\n"
               "\n"
               "Options:\n") +
           options + QStringLiteral("\nFormats:\n") + formats +
           QStringLiteral(
               "\n"
               "Examples:\n"
               "  kelvarin codes \"HELLO 12.5\"\n"
               "  kelvarin codes --format sdcc --anode --name digits 0123456789 > digits.c\n"
               "  kelvarin table --wiring e,dp,c,d,g,f,a,b --format arduino\n"
               "  kelvarin decode 0x6d 0xf9\n"
               "  kelvarin codes --wiring max7219 0123456789\n"
               "  kelvarin codes --display 14 --format c HELLO\n"
               "  kelvarin infer table.asm\n"
               "  kelvarin convert --wiring max7219 --to-wiring tm1637 font.h > font_tm1637.h\n"
               "  kelvarin build clock.toml -o clock_digits.h\n"
               "  kelvarin frames --digits 4 --scroll --delay 250 \"HELLO 12.5\"\n"
               "  kelvarin driver --target sdcc --segments P1 --digits P2.0,P2.1,P2.2,P2.3 \\\n"
               "      --clock 12MHz --refresh 100Hz 12.5 > display.c\n"
               "\n"
               "Exit status: 0 done; 2 a usage error (unknown command or option, bad wiring,\n"
               "preset, display, name, format or number); 3 a TEXT character no digit can show,\n"
               "a CODE or FILE that cannot be read, a text without a table, a table no wiring\n"
               "explains, or a bad project. Results go to standard output, messages to\n"
               "standard error.\n");
}

std::optional<Answer> answerOnTerminal(const QStringList& arguments) {
    for (const QString& a : arguments) {
        if (a == u"--") break;
        if (isHelp(a)) return success(helpText());
        if (isVersion(a)) return success(QStringLiteral("Kelvarin ") + version() + u'\n');
    }
    if (arguments.isEmpty() || arguments.first().startsWith(u'-')) return std::nullopt;
    const CommandSpec* command = commandNamed(arguments.first());
    if (command == nullptr) {
        QStringList names;
        for (const CommandSpec& c : commandTable())
            names << QString::fromLatin1(c.name);
        const QString last = names.takeLast();
        return usageError(QStringLiteral("unknown command \"%1\" (the commands are %2 and %3)")
                              .arg(arguments.first(), names.join(QStringLiteral(", ")), last));
    }
    Options options;
    options.standardInput = readStandardInput;
    if (std::optional<Answer> problem = readOptions(arguments, options)) return problem;
    return command->run(options);
}

Answer refuseForWindows(const QStringList& left) {
    return usageError(QStringLiteral("unknown option %1").arg(left.value(0)));
}

}  // namespace kelvarin::app
