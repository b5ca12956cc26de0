// SPDX-License-Identifier: MIT
// The command line: its commands and options declared once, as tables that the parser (Qt's
// QCommandLineParser) and the help text are both made from.

#include "app/command_line.h"

#include <QCommandLineParser>
#include <QFile>
#include <QRegularExpression>

#include <vector>

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

using Apply = std::optional<Answer> (*)(Options&, const QString&);

// An option: its names (a one-letter one first, when it has one), the name of its value
// (nullptr: a flag), its help (lines after the first indented under it), the commands that
// take it (empty: every command), and what it sets.
struct OptionSpec {
    QStringList names;
    const char* value;
    const char* help;
    QStringList commands;
    Apply apply;
};

std::optional<Answer> setWiring(Options& o, const QString& v) {
    o.wiringText = v;
    return std::nullopt;
}

std::optional<Answer> setDisplay(Options& o, const QString& v) {
    o.kindGiven = codes::kindNamed(v);
    if (!o.kindGiven)
        return usageError(
            QStringLiteral("bad display \"%1\": give %2 (segments)").arg(v, codes::kindNames()));
    return std::nullopt;
}

const codes::FormatDescription* formatOf(const QString& v, std::optional<Answer>& problem) {
    const codes::FormatDescription* f = codes::formatNamed(v);
    if (f == nullptr)
        problem = usageError(QStringLiteral("unknown format \"%1\" (the formats are %2)")
                                 .arg(v, codes::formatNames()));
    return f;
}

std::optional<Answer> setFormat(Options& o, const QString& v) {
    std::optional<Answer> problem;
    if (const codes::FormatDescription* f = formatOf(v, problem)) o.output.format = f;
    return problem;
}

std::optional<Answer> setToFormat(Options& o, const QString& v) {
    std::optional<Answer> problem;
    o.toFormat = formatOf(v, problem);
    return problem;
}

// The kind, wiring and polarity once every option is read: a preset named by --wiring gives its
// kind (unless --display says another, which is an error) and its polarity (unless --anode or
// --cathode says otherwise).
std::optional<Answer> resolveWiring(Options& o) {
    o.kind = o.kindGiven.value_or(codes::DisplayKind::Seven);
    if (!o.kindGiven) {
        if (const codes::Preset* p = codes::presetNamed(o.wiringText)) o.kind = p->kind;
    }
    o.wiring = codes::Wiring(o.kind);
    QString error;
    if (!o.wiringText.isEmpty()) {
        const std::optional<codes::Wiring> w =
            codes::wiringNamed(o.wiringText, o.kind, &error, &o.preset);
        if (!w) return usageError(error);
        o.wiring = *w;
    }
    o.polarity = o.polarityGiven.value_or(o.preset != nullptr ? o.preset->polarity
                                                              : codes::Polarity::CommonCathode);
    o.toWiring = o.wiring;
    o.toPolarity = o.polarity;
    if (!o.toWiringText.isEmpty()) {
        const codes::Preset* to = nullptr;
        const std::optional<codes::Wiring> w =
            codes::wiringNamed(o.toWiringText, o.kind, &error, &to);
        if (!w) return usageError(QStringLiteral("--to-wiring: ") + error);
        o.toWiring = *w;
        if (to != nullptr) o.toPolarity = to->polarity;
    }
    if (o.toPolarityGiven) o.toPolarity = *o.toPolarityGiven;
    return std::nullopt;
}

std::optional<Answer> setPerLine(Options& o, const QString& v) {
    bool ok = false;
    const int n = v.toInt(&ok);
    if (!ok || n < 1 || n > 256)
        return usageError(QStringLiteral("bad number \"%1\" for --per-line: give 1 to 256").arg(v));
    o.output.perLine = n;
    return std::nullopt;
}

const QStringList kTables = {QStringLiteral("codes"), QStringLiteral("table"),
                             QStringLiteral("frames")};
const QStringList kWired = {QStringLiteral("codes"),   QStringLiteral("table"),
                            QStringLiteral("decode"),  QStringLiteral("import"),
                            QStringLiteral("convert"), QStringLiteral("frames"),
                            QStringLiteral("driver")};
const QStringList kMulti = {QStringLiteral("frames"), QStringLiteral("driver")};
const QStringList kDriver = {QStringLiteral("driver")};

// A whole number from low to high for an option, or the usage error.
std::optional<Answer> numberFor(const char* option, const QString& v, int low, int high,
                                int& into) {
    bool ok = false;
    const int n = v.trimmed().toInt(&ok);
    if (!ok || n < low || n > high)
        return usageError(QStringLiteral("bad number \"%1\" for --%2: give %3 to %4")
                              .arg(v, QLatin1StringView(option))
                              .arg(low)
                              .arg(high));
    into = n;
    return std::nullopt;
}

std::optional<Answer> setDelays(Options& o, const QString& v) {
    o.delays.clear();
    for (const QString& part : v.split(u',')) {
        int ms = 0;
        if (std::optional<Answer> problem = numberFor("delays", part, 1, 60000, ms)) return problem;
        o.delays << ms;
    }
    return std::nullopt;
}
const QStringList kKinds = kWired + QStringList{QStringLiteral("infer")};
const QStringList kConvert = {QStringLiteral("convert")};

const std::vector<OptionSpec>& optionTable() {
    static const std::vector<OptionSpec> table = {
        {{"anode"},
         nullptr,
         "common anode (every code complemented); common cathode\notherwise",
         kWired,
         [](Options& o, const QString&) -> std::optional<Answer> {
             o.polarityGiven = codes::Polarity::CommonAnode;
             return std::nullopt;
         }},
        {{"cathode"},
         nullptr,
         "common cathode, where a preset is common anode",
         kWired,
         [](Options& o, const QString&) -> std::optional<Answer> {
             o.polarityGiven = codes::Polarity::CommonCathode;
             return std::nullopt;
         }},
        {{"display"},
         "N",
         "the digit: 7 (a to g and dp, the default), 14 (a to f,\ng1 g2 h j k l m n, dp) or 16 "
         "(a1 a2 b c d1 d2 e f\ng1 g2 h i j k l m, dp) segments",
         kKinds,
         setDisplay},
        {{"wiring"},
         "LIST|PRESET",
         "the segment each port bit drives, from bit 0 up\n(default a,b,c,d,e,f,g,dp), or a "
         "preset (see\nkelvarin presets) with its polarity",
         kWired,
         setWiring},
        {{"format"}, "NAME", "the table's format (default classic; see below)", kTables, setFormat},
        {{"name"},
         "NAME",
         "the array's name (default seg_cc, or seg_ca with --anode)",
         kTables,
         [](Options& o, const QString& v) -> std::optional<Answer> {
             o.output.name = v;
             return std::nullopt;
         }},
        {{"per-line"}, "N", "entries a line", kTables, setPerLine},
        {{"upper"},
         nullptr,
         "upper-case hexadecimal digits",
         kTables,
         [](Options& o, const QString&) -> std::optional<Answer> {
             o.output.upper = true;
             return std::nullopt;
         }},
        {{"comments"},
         nullptr,
         "a comment naming each entry's character or index",
         kTables,
         [](Options& o, const QString&) -> std::optional<Answer> {
             o.output.comments = true;
             return std::nullopt;
         }},
        {{"to-wiring"},
         "LIST|PRESET",
         "convert: the wiring to rewrite the tables for",
         kConvert,
         [](Options& o, const QString& v) -> std::optional<Answer> {
             o.toWiringText = v;
             return std::nullopt;
         }},
        {{"to-anode"},
         nullptr,
         "convert: to common anode",
         kConvert,
         [](Options& o, const QString&) -> std::optional<Answer> {
             o.toPolarityGiven = codes::Polarity::CommonAnode;
             return std::nullopt;
         }},
        {{"to-cathode"},
         nullptr,
         "convert: to common cathode",
         kConvert,
         [](Options& o, const QString&) -> std::optional<Answer> {
             o.toPolarityGiven = codes::Polarity::CommonCathode;
             return std::nullopt;
         }},
        {{"to-format"},
         "NAME",
         "convert: each table written anew in the format",
         kConvert,
         setToFormat},
        {{"chars"},
         "TEXT",
         "infer: what the table's entries show (default\n0123456789)",
         {QStringLiteral("infer")},
         [](Options& o, const QString& v) -> std::optional<Answer> {
             o.chars = v;
             return std::nullopt;
         }},
        {{"digits"},
         "N|PINS",
         "frames: the display's digits (1 to 16); driver: the\nselect pin of each digit from the "
         "left (P2.0,P2.1,\n... or Arduino pins 2,3,4,5)",
         kMulti,
         [](Options& o, const QString& v) -> std::optional<Answer> {
             o.digitPins = v;
             if (o.command == u"driver") return std::nullopt;
             return numberFor("digits", v, 1, codes::kMostDigits, o.digits);
         }},
        {{"scroll"},
         nullptr,
         "frames, driver: one TEXT scrolled through the digits",
         kMulti,
         [](Options& o, const QString&) -> std::optional<Answer> {
             o.scroll = true;
             return std::nullopt;
         }},
        {{"delay"},
         "MS",
         "frames, driver: every frame's delay (default 500)",
         kMulti,
         [](Options& o, const QString& v) -> std::optional<Answer> {
             o.delays = {0};
             return numberFor("delay", v, 1, 60000, o.delays.first());
         }},
        {{"delays"}, "LIST", "frames, driver: each frame's delay, MS,MS,...", kMulti, setDelays},
        {{"order"},
         "LIST",
         "frames: the chip's position of each digit from the left\n(a preset's own: tm1637-6 "
         "is 2,1,0,5,4,3); a ':' in a\nTEXT lights a preset's colon",
         {QStringLiteral("frames")},
         [](Options& o, const QString& v) -> std::optional<Answer> {
             o.order = v;
             return std::nullopt;
         }},
        {{"target"},
         "T",
         "driver: sdcc, c51 (Keil C51) or arduino (plain AVR C\nfor the ATmega328P)",
         kDriver,
         [](Options& o, const QString& v) -> std::optional<Answer> {
             o.target = v;
             return std::nullopt;
         }},
        {{"segments"},
         "PINS",
         "driver: the segments' port (P1) or a pin a code bit\n(P1.0,P1.1,... / 6,7,...)",
         kDriver,
         [](Options& o, const QString& v) -> std::optional<Answer> {
             o.segmentPins = v;
             return std::nullopt;
         }},
        {{"select-active"},
         "low|high",
         "driver: the level that selects a digit (default low,\nfor PNP drivers)",
         kDriver,
         [](Options& o, const QString& v) -> std::optional<Answer> {
             if (v != u"low" && v != u"high")
                 return usageError(
                     QStringLiteral("bad --select-active \"%1\": give low or high").arg(v));
             o.selectActive = v;
             return std::nullopt;
         }},
        {{"clock"},
         "FREQ",
         "driver: the crystal (default 12MHz; 16MHz for arduino)",
         kDriver,
         [](Options& o, const QString& v) -> std::optional<Answer> {
             o.clock = v;
             return std::nullopt;
         }},
        {{"refresh"},
         "FREQ",
         "driver: the whole display's refresh rate (default\n100Hz)",
         kDriver,
         [](Options& o, const QString& v) -> std::optional<Answer> {
             o.refresh = v;
             return std::nullopt;
         }},
        {{"project"},
         "FILE",
         "driver: show an animation of the project FILE",
         kDriver,
         [](Options& o, const QString& v) -> std::optional<Answer> {
             o.projectFile = v;
             return std::nullopt;
         }},
        {{"animation"},
         "NAME",
         "driver: the project's animation to show",
         kDriver,
         [](Options& o, const QString& v) -> std::optional<Answer> {
             o.animation = v;
             return std::nullopt;
         }},
        {{"o", "output"},
         "FILE",
         "build, convert, frames, driver: write FILE (whole, or\nnot at all) instead of "
         "standard output",
         {QStringLiteral("build"), QStringLiteral("convert"), QStringLiteral("frames"),
          QStringLiteral("driver")},
         [](Options& o, const QString& v) -> std::optional<Answer> {
             o.outputFile = v;
             return std::nullopt;
         }},
        {{"crlf"},
         nullptr,
         "CR LF line ends (LF otherwise)",
         {},
         [](Options& o, const QString&) -> std::optional<Answer> {
             o.output.crlf = true;
             return std::nullopt;
         }},
    };
    return table;
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
