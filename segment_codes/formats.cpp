// SPDX-License-Identifier: MIT
// Writing tables of codes in the toolchains' formats.

#include "segment_codes/formats.h"

#include <QCoreApplication>

#include <QHash>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <array>

#include "segment_codes/font.h"

namespace kelvarin::codes {

namespace {

// Keywords of C and of the 8051 and AVR compilers, which no array may be named.
const QStringList kKeywords = {
    QStringLiteral("auto"), QStringLiteral("break"), QStringLiteral("case"), QStringLiteral("char"),
    QStringLiteral("const"), QStringLiteral("continue"), QStringLiteral("default"),
    QStringLiteral("do"), QStringLiteral("double"), QStringLiteral("else"), QStringLiteral("enum"),
    QStringLiteral("extern"), QStringLiteral("float"), QStringLiteral("for"),
    QStringLiteral("goto"), QStringLiteral("if"), QStringLiteral("inline"), QStringLiteral("int"),
    QStringLiteral("long"), QStringLiteral("register"), QStringLiteral("restrict"),
    QStringLiteral("return"), QStringLiteral("short"), QStringLiteral("signed"),
    QStringLiteral("sizeof"), QStringLiteral("static"), QStringLiteral("struct"),
    QStringLiteral("switch"), QStringLiteral("typedef"), QStringLiteral("union"),
    QStringLiteral("unsigned"), QStringLiteral("void"), QStringLiteral("volatile"),
    QStringLiteral("while"), QStringLiteral("asm"), QStringLiteral("bool"), QStringLiteral("true"),
    QStringLiteral("false"),
    // Keil C51 and SDCC
    QStringLiteral("bit"), QStringLiteral("sbit"), QStringLiteral("sfr"), QStringLiteral("sfr16"),
    QStringLiteral("data"), QStringLiteral("idata"), QStringLiteral("xdata"),
    QStringLiteral("pdata"), QStringLiteral("bdata"), QStringLiteral("code"),
    QStringLiteral("small"), QStringLiteral("compact"), QStringLiteral("large"),
    QStringLiteral("interrupt"), QStringLiteral("using"), QStringLiteral("reentrant"),
    QStringLiteral("at"), QStringLiteral("critical"), QStringLiteral("naked"),
    // the AVR's program memory
    QStringLiteral("PROGMEM"), QStringLiteral("uint8_t")};

// A comment made safe for C: no "??" that a trigraph could make into a line continuation.
QString safeInC(QString text) {
    while (text.contains(QStringLiteral("??")))
        text.replace(QStringLiteral("??"), QStringLiteral("? ?"));
    return text;
}

// A line as written: a run of a table line's entries, and its comment.
struct Span {
    const TableEntry* entries;
    qsizetype size;
    QString comment;
};

// What a line says about itself: its group's comment and, when asked for, its entries' labels.
QString lineComment(const Span& line, const Output& output) {
    if (!output.comments) return line.comment;
    // The line's comment, then each entry's label, one space between: written into one text.
    QString text = line.comment;
    for (qsizetype k = 0; k < line.size; ++k) {
        const TableEntry& e = line.entries[k];
        if (e.index < 0 && e.digit.character == 0 && !e.digit.dot) continue;  // drawn by hand
        if (!text.isEmpty()) text += u' ';
        if (e.index >= 0) {
            text += u'[' + QString::number(e.index) + u']';
        } else {
            text += u'\'';
            text += e.digit.label();
            text += u'\'';
        }
    }
    return text;
}

// The lines as written: the table's own grouping, or perLine entries a line, as runs of the
// table's entries (nothing is copied).
QList<Span> layout(const Table& table, const Output& output) {
    QList<Span> spans;
    const int standardPerLine = output.format->perLine;
    if (output.perLine <= 0 &&
        (table.lines.size() > 1 || (!table.lines.isEmpty() && !table.lines[0].comment.isEmpty()))) {
        spans.reserve(table.lines.size());
        for (const TableLine& line : table.lines)
            spans.append(Span{line.entries.constData(), line.entries.size(), line.comment});
        return spans;
    }
    const qsizetype perLine = output.perLine > 0 ? output.perLine : standardPerLine;
    for (const TableLine& line : table.lines) {
        for (qsizetype from = 0; from < line.entries.size(); from += perLine) {
            spans.append(Span{line.entries.constData() + from,
                              std::min(perLine, line.entries.size() - from), QString()});
        }
    }
    return spans;
}

}  // namespace

bool validName(const QString& name, const FormatDescription& format, QString* error) {
    static const QRegularExpression identifier(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    QString why;
    if (!identifier.match(name).hasMatch()) {
        why = QStringLiteral("it is no C identifier (a letter or _, then letters, digits or _)");
    } else if (kKeywords.contains(name)) {
        why = QStringLiteral("it is a keyword of C or of the 8051 compilers");
    } else if (format.reserved->contains(name.toUpper())) {
        why = QStringLiteral("it is a register, directive or instruction of the assembler");
    }
    if (why.isEmpty()) return true;
    if (error != nullptr) *error = QStringLiteral("bad array name \"%1\": %2").arg(name, why);
    return false;
}

QString render(const Table& table, const Output& output, Polarity polarity) {
    const FormatDescription& f = *output.format;
    FormatContext context;
    context.name = output.name;
    context.polarity = polarity;
    context.eol = output.crlf ? QStringLiteral("\r\n") : QStringLiteral("\n");
    context.bits = table.bits;
    context.upper = output.upper;
    const QList<Span> lines = layout(table, output);
    const bool cComments = f.comments == CommentStyle::C;
    QString text;
    // Room for the entries, each line's comment and its labels, and the line's own text.
    qsizetype count = 0;
    for (const Span& line : lines)
        count +=
            line.size * (table.bits / 2 + 4 + (output.comments ? 6 : 0)) + line.comment.size() + 12;
    text.reserve(count + 256);
    // Each code's entry, written once (the codes of a table are few and often repeated).
    QHash<Code, QString> entryTexts;
    auto entry = [&](Code code) -> const QString& {
        auto it = entryTexts.find(code);
        if (it == entryTexts.end())
            it = entryTexts.insert(code, f.entry(code, table.bits, output.upper));
        return *it;
    };
    const QString separator = QString::fromLatin1(f.separator);
    text += f.prologue(context);
    text += f.opening(context, cComments ? safeInC(table.comment) : table.comment);
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const Span& line = lines[n];
        text += f.rowPrefix(context, n);
        for (qsizetype k = 0; k < line.size; ++k) {
            if (k > 0) text += separator;
            text += entry(line.entries[k].code);
        }
        text += f.rowEnd(n + 1 == lines.size());
        QString comment = lineComment(line, output);
        if (cComments) comment = safeInC(comment);
        if (!comment.isEmpty() && line.size > 0) {
            const qsizetype width =
                line.size * (entry(line.entries[0].code).size() + separator.size());
            text += f.rowComment(width, comment);
        }
        text += context.eol;
    }
    text += f.closing(context);
    return text;
}

QString joinTexts(const FormatDescription& format, const QStringList& texts, const QString& eol) {
    FormatContext context;
    context.eol = eol;
    const QString prologue = format.prologue(context);
    const QString closing = format.closing(context);
    QString out;
    for (qsizetype k = 0; k < texts.size(); ++k) {
        QStringView text = texts[k];
        if (k > 0 && !prologue.isEmpty() && text.startsWith(prologue))
            text = text.mid(prologue.size());
        if (format.closingEndsFile && k + 1 < texts.size() && text.endsWith(closing))
            text.chop(closing.size());
        if (k > 0 && format.comments != CommentStyle::None) out += eol;
        out += text;
    }
    return out;
}

Table textTable(const QString& text, const QList<Digit>& digits, const Wiring& wiring,
                Polarity polarity) {
    Table table;
    table.comment = QStringLiteral("\"%1\"").arg(text);
    table.bits = entryBits(wiring.bits());
    TableLine line;
    line.entries.reserve(digits.size());
    if (wiring.kind() == DisplayKind::Seven) {
        // Every pattern's code under the wiring and polarity, worked out once.
        std::array<Code, 256> codes;
        for (int p = 0; p < 256; ++p)
            codes[static_cast<size_t>(p)] = codeOf(static_cast<quint8>(p), wiring, polarity);
        for (const Digit& d : digits)
            line.entries << TableEntry{codes[d.pattern & 0xFF], d, -1};
    } else {
        for (const Digit& d : digits)
            line.entries << TableEntry{codeOf(d.pattern, wiring, polarity), d, -1};
    }
    table.lines << line;
    return table;
}

// The standard table of the 14- and 16-segment digits: the printable ASCII characters from ' '
// to '~', sixteen a row.
Table asciiTable(const Wiring& wiring, Polarity polarity) {
    Table table;
    table.bits = entryBits(wiring.bits());
    table.comment = QStringLiteral("%1-segment ASCII ' ' to '~' (0x20-0x7e), %2")
                        .arg(kindNumber(wiring.kind()))
                        .arg(polarity == Polarity::CommonAnode ? QStringLiteral("common anode")
                                                               : QStringLiteral("common cathode"));
    const QString all = asciiCharacters();
    for (qsizetype from = 0; from < all.size(); from += 16) {
        TableLine l;
        const QString row = all.mid(from, 16);
        for (qsizetype k = 0; k < row.size(); ++k)
            l.entries << TableEntry{codeOf(*glyphOf(row[k], wiring.kind()), wiring, polarity),
                                    Digit{}, static_cast<int>(from + k)};
        l.comment = QStringLiteral("0x%1-0x%2 [%3-%4]")
                        .arg(0x20 + from, 2, 16, QLatin1Char('0'))
                        .arg(0x20 + from + row.size() - 1, 2, 16, QLatin1Char('0'))
                        .arg(from)
                        .arg(from + row.size() - 1);
        table.lines << l;
    }
    return table;
}

Table standardTable(const Wiring& wiring, Polarity polarity) {
    if (wiring.kind() != DisplayKind::Seven) return asciiTable(wiring, polarity);
    Table table;
    // In the window's language (the command line, which installs no translation, keeps them).
    table.comment =
        polarity == Polarity::CommonAnode
            ? QCoreApplication::translate("kelvarin::codes::Formats", "共阳数码管常用段码")
            : QCoreApplication::translate("kelvarin::codes::Formats", "共阴数码管常用段码");
    int index = 0;
    auto line = [&](const char* characters, bool dotted, bool blank, const char* comment) {
        TableLine l;
        auto add = [&](quint8 pattern) {
            l.entries << TableEntry{codeOf(pattern, wiring, polarity), Digit{}, index++};
        };
        for (const char* c = characters; *c != '\0'; ++c)
            add(static_cast<quint8>(*glyphOf(QChar::fromLatin1(*c)) |
                                    (dotted ? kDecimalPoint : 0)));
        if (blank) add(0);
        l.comment = QString::fromUtf8(comment);
        table.lines << l;
    };
    line("0123456789abcdef", false, false, "0-f           [0-15]");
    line("0123456789abcdef", true, true, "0.-f.,' '     [16-32]");
    line("hjlnopqruvxy", false, false, "h j l n o p q r u v x y  [33-44]");
    line("hjlnopqruvxy", true, false, "h.j.l.n.o.p.q.r.u.v.x.y. [45-56]");
    return table;
}

}  // namespace kelvarin::codes
