// SPDX-License-Identifier: MIT
// The commands presets, import, infer and convert: tables read from a firmware text, their
// wiring worked out, and rewritten for another wiring or format.

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include "app/commands.h"
#include "segment_codes/code_description.h"
#include "segment_codes/infer.h"
#include "segment_codes/table_reader.h"

namespace kelvarin::app {

namespace {

// "common cathode" or "common anode".
QString polarityText(codes::Polarity p) {
    return p == codes::Polarity::CommonAnode ? QStringLiteral("common anode")
                                             : QStringLiteral("common cathode");
}

// The tables of the command's text, or the answer saying why there are none.
std::optional<QList<codes::FoundTable>> tablesOf(const Options& o, QString& text, Answer& problem) {
    const std::optional<QString> read = inputText(o, problem);
    if (!read) return std::nullopt;
    text = *read;
    QString error;
    std::optional<QList<codes::FoundTable>> tables = codes::readTables(text, o.kind, &error);
    if (!tables)
        problem = failure(kBadInput, QStringLiteral("%1: %2").arg(
                                         o.operands.value(0, QStringLiteral("-")), error));
    return tables;
}

QString bitList(quint32 bits) {
    QStringList list;
    for (int k = 0; k < 32; ++k)
        if (bits & (1u << k)) list << QString::number(k);
    if (list.size() < 2) return list.join(QString());
    const QString last = list.takeLast();
    return list.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
}

// " (the preset max7219)", " (the presets standard, tm1637)" or "".
QString presetsSaid(const codes::Wiring& w, codes::Polarity polarity) {
    const QString names = codes::presetsOf(w, polarity);
    if (names.isEmpty()) return QString();
    return QStringLiteral(" (the preset%1 %2)")
        .arg(names.contains(u',') ? QStringLiteral("s") : QString(), names);
}

}  // namespace

std::optional<QString> inputText(const Options& o, Answer& problem) {
    const QString file = o.operands.value(0, QStringLiteral("-"));
    if (o.operands.size() > 1) {
        problem = usageError(
            QStringLiteral("%1 reads one FILE, not %2").arg(o.command).arg(o.operands.size()));
        return std::nullopt;
    }
    QByteArray data;
    if (file == u"-") {
        const std::optional<QByteArray> in = o.standardInput ? o.standardInput() : std::nullopt;
        if (!in) {
            problem = failure(kBadInput, QStringLiteral("cannot read standard input"));
            return std::nullopt;
        }
        data = *in;
    } else {
        const QFileInfo info(file);
        QFile f(file);
        if (!info.exists() || !info.isFile() || !f.open(QIODevice::ReadOnly)) {
            problem = failure(kBadInput,
                              QStringLiteral("cannot read %1: %2")
                                  .arg(file, !info.exists()   ? QStringLiteral("no such file")
                                             : !info.isFile() ? QStringLiteral("not a regular file")
                                                              : f.errorString()));
            return std::nullopt;
        }
        data = f.read(kLargestInput + 1);
    }
    if (data.size() > kLargestInput) {
        problem = failure(kBadInput, QStringLiteral("%1 is larger than 16 MiB").arg(file));
        return std::nullopt;
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(data);
    if (utf8.hasError()) {
        problem = failure(kBadInput, QStringLiteral("%1 is not UTF-8 text").arg(file));
        return std::nullopt;
    }
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    return text;
}

Answer written(const Options& o, const QString& text) {
    if (o.outputFile.isEmpty() || o.outputFile == u"-") return success(text);
    QSaveFile out(o.outputFile);
    const QByteArray data = text.toUtf8();
    if (!out.open(QIODevice::WriteOnly) || out.write(data) != data.size() || !out.commit())
        return failure(kBadInput,
                       QStringLiteral("cannot write %1: %2").arg(o.outputFile, out.errorString()));
    return success(QString());
}

Answer presetsCommand(const Options& o) {
    if (!o.operands.isEmpty())
        return usageError(
            QStringLiteral("presets takes no operand (\"%1\")").arg(o.operands.first()));
    return success(codes::presetList());
}

Answer importCommand(const Options& o) {
    QString text;
    Answer problem;
    const std::optional<QList<codes::FoundTable>> tables = tablesOf(o, text, problem);
    if (!tables) return problem;
    QString out;
    for (const codes::FoundTable& t : *tables) {
        if (!out.isEmpty()) out += o.eol();
        out += QStringLiteral("%1 (line %2): %3 entries, %4-segment, %5%6")
                   .arg(t.name.isEmpty() ? QStringLiteral("(no name)") : t.name)
                   .arg(t.line)
                   .arg(t.entries.size())
                   .arg(codes::kindNumber(o.kind))
                   .arg(polarityText(o.polarity), o.eol());
        for (qsizetype k = 0; k < t.entries.size(); ++k) {
            const codes::FoundEntry& e = t.entries[k];
            out += o.eol() +
                   QStringLiteral("[%1] %2 (line %3, column %4)")
                       .arg(k)
                       .arg(text.mid(e.start, e.length))
                       .arg(e.line)
                       .arg(e.column) +
                   o.eol();
            out += codes::describe(e.code, o.wiring, o.polarity).join(o.eol()) + o.eol();
        }
    }
    return success(out);
}

Answer inferCommand(const Options& o) {
    QString text;
    Answer problem;
    const std::optional<QList<codes::FoundTable>> tables = tablesOf(o, text, problem);
    if (!tables) return problem;
    const QString chars = o.chars.isEmpty() ? QStringLiteral("0123456789") : o.chars;
    QList<codes::Unshowable> bad;
    const QList<codes::Digit> digits = codes::digitsOf(chars, bad, o.kind);
    if (!bad.isEmpty())
        return usageError(QStringLiteral("--chars: no %1-segment digit can show %2")
                              .arg(codes::kindNumber(o.kind))
                              .arg(codes::describe(bad)));
    const codes::FoundTable& table = tables->first();
    if (table.entries.size() < digits.size())
        return failure(kBadInput,
                       QStringLiteral("the table %1 (line %2) has %3 entries, fewer than "
                                      "the %4 characters it should show")
                           .arg(table.name)
                           .arg(table.line)
                           .arg(table.entries.size())
                           .arg(digits.size()));
    QList<codes::Code> values;
    for (qsizetype k = 0; k < digits.size(); ++k)
        values << table.entries[k].code;
    const codes::Inference r = codes::inferWiring(values, digits, o.kind);
    const QString eol = o.eol();
    QString out = QStringLiteral("table: %1 (line %2), entries 0 to %3 showing \"%4\"")
                      .arg(table.name.isEmpty() ? QStringLiteral("(no name)") : table.name)
                      .arg(table.line)
                      .arg(digits.size() - 1)
                      .arg(chars) +
                  eol;
    if (!r.exact) {
        QStringList misfits;
        for (const int i : r.misfits)
            misfits << QStringLiteral("[%1] %2 '%3'")
                           .arg(i)
                           .arg(text.mid(table.entries[i].start, table.entries[i].length))
                           .arg(digits[i].label());
        out += QStringLiteral(
                   "no wiring gives these codes: the closest, %1 %2, leaves %3 "
                   "unexplained")
                   .arg(polarityText(r.polarity), r.wirings.first().text(),
                        misfits.join(QStringLiteral(", "))) +
               eol;
        return {kBadInput, QByteArray(), (QStringLiteral("kelvarin: ") + out).toUtf8()};
    }
    out += QStringLiteral("polarity: %1").arg(polarityText(r.polarity)) + eol;
    for (const QString& v : r.variants)
        out += QStringLiteral("glyph: %1").arg(v) + eol;
    if (r.fitting == 1) {
        out += QStringLiteral("wiring: %1").arg(r.wirings.first().text()) +
               presetsSaid(r.wirings.first(), r.polarity) + eol;
        return success(out);
    }
    out += QStringLiteral("wirings: %1 fit; bit%2 %3 %4 undetermined (no entry tells them apart)")
               .arg(r.fitting)
               .arg(__builtin_popcount(r.undetermined) == 1 ? QString() : QStringLiteral("s"))
               .arg(bitList(r.undetermined))
               .arg(__builtin_popcount(r.undetermined) == 1 ? QStringLiteral("is")
                                                            : QStringLiteral("are")) +
           eol;
    for (const codes::Wiring& w : r.wirings) {
        out += QStringLiteral("wiring: %1").arg(w.text()) + presetsSaid(w, r.polarity) + eol;
    }
    if (r.fitting > r.wirings.size())
        out += QStringLiteral("and %1 more").arg(r.fitting - r.wirings.size()) + eol;
    return success(out);
}

Answer convertCommand(const Options& o) {
    if (o.wiringText.isEmpty() ||
        (o.toWiringText.isEmpty() && !o.toPolarityGiven && o.toFormat == nullptr))
        return usageError(
            QStringLiteral("convert needs --wiring FROM and --to-wiring TO (or "
                           "--to-anode, --to-cathode or --to-format)"));
    QString text;
    Answer problem;
    const std::optional<QList<codes::FoundTable>> tables = tablesOf(o, text, problem);
    if (!tables) return problem;
    // From the last table back, so that the places of those before stay where they were.
    for (qsizetype t = tables->size() - 1; t >= 0; --t) {
        const codes::FoundTable& table = (*tables)[t];
        QList<codes::Code> converted;
        for (const codes::FoundEntry& e : table.entries)
            converted << codes::codeOf(codes::patternOf(e.code, o.wiring, o.polarity), o.toWiring,
                                       o.toPolarity);
        if (o.toFormat != nullptr) {
            codes::Table written;
            written.bits = codes::entryBits(o.toWiring.bits());
            codes::TableLine line;
            for (const codes::Code c : converted)
                line.entries << codes::TableEntry{c, codes::Digit{}, -1};
            written.lines << line;
            codes::Output output = o.output;
            output.format = o.toFormat;
            output.name = table.name;
            QString error;
            if (!table.name.isEmpty() && !codes::validName(table.name, *o.toFormat, &error))
                return failure(kBadInput, QStringLiteral("line %1: %2").arg(table.line).arg(error));
            text.replace(table.start, table.end - table.start,
                         codes::render(written, output, o.toPolarity));
            continue;
        }
        for (qsizetype k = table.entries.size() - 1; k >= 0; --k) {
            const codes::FoundEntry& e = table.entries[k];
            text.replace(
                e.start, e.length,
                codes::rewriteEntry(QStringView(text).mid(e.start, e.length), converted[k]));
        }
    }
    return written(o, text);
}

}  // namespace kelvarin::app
