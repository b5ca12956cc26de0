// SPDX-License-Identifier: MIT
// Writing tables of codes in the toolchains' formats.

#include "segment_codes/formats.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <array>

#include "segment_codes/font.h"

namespace kelvarin::codes {

namespace {

const QList<FormatInfo> kFormats = {
    {Format::Classic, "classic", "Keil C51 in the style of the window's standard tables"},
    {Format::C51, "c51", "Keil C51, one entry after another with spaces"},
    {Format::Sdcc, "sdcc", "SDCC for the 8051 (__code)"},
    {Format::C, "c", "portable C (stdint.h, const uint8_t)"},
    {Format::Arduino, "arduino", "AVR with the table in program memory (PROGMEM, 0b...)"},
    {Format::Sdas, "sdas", "SDCC's 8051 assembler (.db)"},
    {Format::A51, "a51", "Keil A51 assembler (DB 03FH)"},
    {Format::Hex, "hex", "the bare bytes in hexadecimal"},
};

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

// Registers, directives and instructions of the 8051 assembler, which a label of A51 may not be.
const QStringList kAssemblerWords = {
    "A",     "AB",      "B",      "C",     "DPTR",  "PC",    "R0",   "R1",   "R2",   "R3",
    "R4",    "R5",      "R6",     "R7",    "AR0",   "AR1",   "AR2",  "AR3",  "AR4",  "AR5",
    "AR6",   "AR7",     "ACALL",  "ADD",   "ADDC",  "AJMP",  "ANL",  "CALL", "CJNE", "CLR",
    "CPL",   "DA",      "DEC",    "DIV",   "DJNZ",  "INC",   "JB",   "JBC",  "JC",   "JMP",
    "JNB",   "JNC",     "JNZ",    "JZ",    "LCALL", "LJMP",  "MOV",  "MOVC", "MOVX", "MUL",
    "NOP",   "ORL",     "POP",    "PUSH",  "RET",   "RETI",  "RL",   "RLC",  "RR",   "RRC",
    "SETB",  "SJMP",    "SUBB",   "SWAP",  "XCH",   "XCHD",  "XRL",  "DB",   "DW",   "DS",
    "DBIT",  "EQU",     "SET",    "END",   "ORG",   "CSEG",  "DSEG", "XSEG", "ISEG", "BSEG",
    "RSEG",  "SEGMENT", "PUBLIC", "EXTRN", "NAME",  "USING", "AT",   "CODE", "DATA", "IDATA",
    "XDATA", "BIT",     "NUMBER", "HIGH",  "LOW",   "MOD",   "SHL",  "SHR",  "NOT",  "AND",
    "OR",    "XOR",     "EQ",     "NE",    "LT",    "LE",    "GT",   "GE"};

bool cStyle(Format f) {
    return f == Format::Classic || f == Format::C51 || f == Format::Sdcc || f == Format::C ||
           f == Format::Arduino;
}

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
    QStringList parts;
    if (!line.comment.isEmpty()) parts << line.comment;
    QStringList labels;
    for (qsizetype k = 0; k < line.size; ++k) {
        const TableEntry& e = line.entries[k];
        labels << (e.index >= 0 ? QStringLiteral("[%1]").arg(e.index)
                                : u'\'' + e.digit.label() + u'\'');
    }
    parts << labels.join(u' ');
    return parts.join(u' ');
}

// The lines as written: the table's own grouping, or perLine entries a line, as runs of the
// table's entries (nothing is copied).
QList<Span> layout(const Table& table, const Output& output) {
    QList<Span> spans;
    const int standardPerLine = output.format == Format::Classic ? 16 : 8;
    if (output.perLine <= 0 && table.lines.size() > 1) {
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

const QList<FormatInfo>& formats() {
    return kFormats;
}

std::optional<Format> formatNamed(QStringView name) {
    for (const FormatInfo& f : kFormats) {
        if (name.compare(QLatin1StringView(f.name), Qt::CaseInsensitive) == 0) return f.format;
    }
    return std::nullopt;
}

QString formatName(Format format) {
    for (const FormatInfo& f : kFormats) {
        if (f.format == format) return QString::fromLatin1(f.name);
    }
    return QString();
}

QString defaultName(Polarity polarity) {
    return polarity == Polarity::CommonAnode ? QStringLiteral("seg_ca") : QStringLiteral("seg_cc");
}

bool validName(const QString& name, Format format, QString* error) {
    static const QRegularExpression identifier(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    QString why;
    if (!identifier.match(name).hasMatch()) {
        why = QStringLiteral("it is no C identifier (a letter or _, then letters, digits or _)");
    } else if (kKeywords.contains(name)) {
        why = QStringLiteral("it is a keyword of C or of the 8051 compilers");
    } else if (format == Format::A51 && kAssemblerWords.contains(name.toUpper())) {
        why = QStringLiteral("it is a register, directive or instruction of the assembler");
    }
    if (why.isEmpty()) return true;
    if (error != nullptr) *error = QStringLiteral("bad array name \"%1\": %2").arg(name, why);
    return false;
}

QString entryText(quint8 code, Format format, bool upper) {
    switch (format) {
        case Format::Arduino:
            return QStringLiteral("0b%1").arg(code, 8, 2, QLatin1Char('0'));
        case Format::A51:
            // A hexadecimal number starts with a digit: always one 0 before two digits.
            return QStringLiteral("0%1H").arg(code, 2, 16, QLatin1Char('0')).toUpper();
        case Format::Hex: {
            const QString digits = QStringLiteral("%1").arg(code, 2, 16, QLatin1Char('0'));
            return upper ? digits.toUpper() : digits;
        }
        default: {
            const QString digits = QStringLiteral("%1").arg(code, 2, 16, QLatin1Char('0'));
            return QStringLiteral("0x") + (upper ? digits.toUpper() : digits);
        }
    }
}

QString render(const Table& table, const Output& output, Polarity polarity) {
    const QString eol = output.crlf ? QStringLiteral("\r\n") : QStringLiteral("\n");
    const QString name = output.name.isEmpty() ? defaultName(polarity) : output.name;
    const Format f = output.format;
    const QList<Span> lines = layout(table, output);
    const QString tableComment = cStyle(f) ? safeInC(table.comment) : table.comment;
    QString text;
    // Every entry's text, written once.
    std::array<QString, 256> entryTexts;
    for (int code = 0; code < 256; ++code)
        entryTexts[static_cast<size_t>(code)] =
            entryText(static_cast<quint8>(code), f, output.upper);
    qsizetype count = 0;
    for (const Span& line : lines)
        count += line.size;
    text.reserve(count * (entryTexts[0].size() + 2) + lines.size() * 8 + 256);
    // The entries of a line, written straight into the text.
    auto entries = [&](const Span& line, QStringView separator) -> QString& {
        for (qsizetype k = 0; k < line.size; ++k) {
            if (k > 0) text += separator;
            text += entryTexts[line.entries[k].code];
        }
        return text;
    };
    if (f == Format::Classic) {
        // The standard tables' layout: no spaces between entries, each line's comment from the
        // 89th column on (as far as the line leaves room), "};" after the last entry.
        text += QStringLiteral("unsigned char code %1[]={").arg(name);
        if (!tableComment.isEmpty()) text += QStringLiteral("  //") + tableComment;
        text += eol;
        for (qsizetype n = 0; n < lines.size(); ++n) {
            const Span& line = lines[n];
            entries(line, u",");
            text += n + 1 == lines.size() ? QStringLiteral("};") : QStringLiteral(",");
            const QString comment = safeInC(lineComment(line, output));
            if (!comment.isEmpty()) {
                const qsizetype pad = std::max<qsizetype>(2, 88 - 5 * line.size);
                text += QString(pad, u' ') + QStringLiteral("//") + comment;
            }
            text += eol;
        }
        return text;
    }
    if (cStyle(f)) {
        QString declaration;
        switch (f) {
            case Format::C51:
                declaration = QStringLiteral("unsigned char code %1[] = {").arg(name);
                break;
            case Format::Sdcc:
                declaration = QStringLiteral("__code unsigned char %1[] = {").arg(name);
                break;
            case Format::C:
                text += QStringLiteral("#include <stdint.h>") + eol + eol;
                declaration = QStringLiteral("const uint8_t %1[] = {").arg(name);
                break;
            default:  // Arduino
                text += QStringLiteral("#include <avr/pgmspace.h>") + eol +
                        QStringLiteral("#include <stdint.h>") + eol + eol;
                declaration = QStringLiteral("const uint8_t %1[] PROGMEM = {").arg(name);
                break;
        }
        text += declaration;
        if (!tableComment.isEmpty()) text += QStringLiteral("  // ") + tableComment;
        text += eol;
        for (const Span& line : lines) {
            text += QStringLiteral("    ");
            entries(line, u", ") += u',';
            const QString comment = safeInC(lineComment(line, output));
            if (!comment.isEmpty()) text += QStringLiteral("  // ") + comment;
            text += eol;
        }
        text += QStringLiteral("};") + eol;
        return text;
    }
    if (f == Format::Sdas || f == Format::A51) {
        const bool sdas = f == Format::Sdas;
        if (!tableComment.isEmpty()) text += QStringLiteral("; ") + tableComment + eol;
        text += sdas ? QStringLiteral("\t.area CSEG (CODE)") : QStringLiteral("\tCSEG");
        text += eol;
        if (sdas) text += name + QStringLiteral("::") + eol;
        for (qsizetype n = 0; n < lines.size(); ++n) {
            if (sdas) {
                text += QStringLiteral("\t.db ");
            } else {
                text += (n == 0 ? name + u':' : QString()) + QStringLiteral("\tDB\t");
            }
            entries(lines[n], u", ");
            const QString comment = lineComment(lines[n], output);
            if (!comment.isEmpty()) text += QStringLiteral("\t; ") + comment;
            text += eol;
        }
        if (!sdas) text += QStringLiteral("\tEND") + eol;
        return text;
    }
    for (const Span& line : lines)  // Hex: the bytes alone
        entries(line, u" ") += eol;
    return text;
}

Table textTable(const QString& text, const QList<Digit>& digits, const Wiring& wiring,
                Polarity polarity) {
    Table table;
    table.comment = QStringLiteral("\"%1\"").arg(text);
    // Every pattern's code under the wiring and polarity, worked out once.
    std::array<quint8, 256> codes;
    for (int p = 0; p < 256; ++p)
        codes[static_cast<size_t>(p)] = codeOf(static_cast<quint8>(p), wiring, polarity);
    TableLine line;
    line.entries.reserve(digits.size());
    for (const Digit& d : digits)
        line.entries << TableEntry{codes[d.pattern], d, -1};
    table.lines << line;
    return table;
}

Table standardTable(const Wiring& wiring, Polarity polarity) {
    Table table;
    table.comment = polarity == Polarity::CommonAnode ? QStringLiteral("共阳数码管常用段码")
                                                      : QStringLiteral("共阴数码管常用段码");
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
