// SPDX-License-Identifier: MIT
// The command line's options: each one's names, value, help, commands and what it sets.

#include "app/command_options.h"

#include "app/commands.h"
#include "segment_codes/frames.h"

namespace kelvarin::app {

namespace {

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

}  // namespace

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

}  // namespace kelvarin::app
