// SPDX-License-Identifier: MIT
// The output formats, one description each. To add a format: one description here, in the list
// at the end; a row in the formats' table test; a row in the toolchain test that builds it.

#include <QStringList>

#include <algorithm>

#include "segment_codes/format_description.h"

namespace kelvarin::codes {

namespace {

QString hexDigits(Code code, int bits, bool upper) {
    const QString digits = QStringLiteral("%1").arg(code, bits / 4, 16, QLatin1Char('0'));
    return upper ? digits.toUpper() : digits;
}

// 0x3f: C's hexadecimal constant.
QString cHex(Code code, int bits, bool upper) {
    return QStringLiteral("0x") + hexDigits(code, bits, upper);
}

// The words an assembler entry of the width takes: one for 8 or 16 bits, the high word and then
// the low one for 32 (the order DW and .dw lay words out in, high byte first).
QList<Code> assemblerWords(Code code, int bits) {
    if (bits <= 16) return {code};
    return {code >> 16, code & 0xFFFF};
}

QString nothing(const FormatContext&) {
    return QString();
}
QString noRowPrefix(const FormatContext&, qsizetype) {
    return QString();
}
QString noRowEnd(bool) {
    return QString();
}
QString noRowComment(qsizetype, const QString&) {
    return QString();
}

// The C formats share their rows and closing: four spaces, entries after ", ", a "," after the
// last, a comment after "  // ", and "};".
QString cRowPrefix(const FormatContext&, qsizetype) {
    return QStringLiteral("    ");
}
QString cRowEnd(bool) {
    return QStringLiteral(",");
}
QString cRowComment(qsizetype, const QString& comment) {
    return QStringLiteral("  // ") + comment;
}
QString cClosing(const FormatContext& context) {
    return QStringLiteral("};") + context.eol;
}
QString cOpening(const QString& declaration, const FormatContext& context, const QString& comment) {
    return declaration + (comment.isEmpty() ? QString() : QStringLiteral("  // ") + comment) +
           context.eol;
}
// The window's declaration in a C format: the opening with the comment after " // ".
QString cHead(const QString& declaration, const FormatContext& context, const QString& comment) {
    return declaration + QStringLiteral(" // ") + comment + context.eol;
}

QString stdintType(int bits) {
    return QStringLiteral("uint%1_t").arg(bits);
}

// The assemblers: a comment line before the declaration, each row's comment after a tab.
QString assemblerComment(const FormatContext& context, const QString& comment) {
    return comment.isEmpty() ? QString() : QStringLiteral("; ") + comment + context.eol;
}
QString assemblerRowComment(qsizetype, const QString& comment) {
    return QStringLiteral("\t; ") + comment;
}

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
const QStringList kNone;

// clang-format off
const FormatDescription kClassic = {
    "classic", "Keil C51 in the style of the window's standard tables", 16, CommentStyle::C, 32,
    cHex,
    nothing,
    [](const FormatContext& c, const QString& comment) {
        return QStringLiteral("%1 code %2[]={").arg(c51Type(c.bits), c.arrayName()) +
               (comment.isEmpty() ? QString() : QStringLiteral("  //") + comment) + c.eol;
    },
    noRowPrefix,
    ",",
    // No spaces between entries, "};" after the last.
    [](bool last) { return last ? QStringLiteral("};") : QStringLiteral(","); },
    // The comment from the 89th column on, as far as the row leaves room.
    [](qsizetype width, const QString& comment) {
        return QString(std::max<qsizetype>(2, 88 - width), u' ') + QStringLiteral("//") + comment;
    },
    nothing,
    &kNone,
    // The window's own header: the array named seg-cc or seg-ca, no "=", nothing closes it.
    [](const FormatContext& c, const QString& comment) {
        const QString name = !c.name.isEmpty() ? c.name
                             : c.polarity == Polarity::CommonCathode ? QStringLiteral("seg-cc")
                                                                     : QStringLiteral("seg-ca");
        return QStringLiteral("%1 code %2[]{ // ").arg(c51Type(c.bits), name) + comment + c.eol;
    },
    ",", true,
};

const FormatDescription kC51 = {
    "c51", "Keil C51, one entry after another with spaces", 8, CommentStyle::C, 32,
    cHex,
    nothing,
    [](const FormatContext& c, const QString& comment) {
        return cOpening(QStringLiteral("%1 code %2[] = {").arg(c51Type(c.bits), c.arrayName()), c,
                        comment);
    },
    cRowPrefix, ", ", cRowEnd, cRowComment, cClosing, &kNone,
    [](const FormatContext& c, const QString& comment) {
        return cHead(QStringLiteral("%1 code %2[] = {").arg(c51Type(c.bits), c.arrayName()), c,
                     comment);
    },
    ",", false,
};

const FormatDescription kSdcc = {
    "sdcc", "SDCC for the 8051 (__code)", 8, CommentStyle::C, 32,
    cHex,
    nothing,
    [](const FormatContext& c, const QString& comment) {
        return cOpening(QStringLiteral("__code %1 %2[] = {").arg(c51Type(c.bits), c.arrayName()),
                        c, comment);
    },
    cRowPrefix, ", ", cRowEnd, cRowComment, cClosing, &kNone,
    [](const FormatContext& c, const QString& comment) {
        return cHead(QStringLiteral("__code %1 %2[] = {").arg(c51Type(c.bits), c.arrayName()), c,
                     comment);
    },
    ",", false,
};

const FormatDescription kC = {
    "c", "portable C (stdint.h, const uint8_t)", 8, CommentStyle::C, 32,
    cHex,
    [](const FormatContext& c) { return QStringLiteral("#include <stdint.h>") + c.eol + c.eol; },
    [](const FormatContext& c, const QString& comment) {
        return cOpening(QStringLiteral("const %1 %2[] = {").arg(stdintType(c.bits), c.arrayName()),
                        c, comment);
    },
    cRowPrefix, ", ", cRowEnd, cRowComment, cClosing, &kNone,
    [](const FormatContext& c, const QString& comment) {
        return QStringLiteral("#include <stdint.h>") + c.eol +
               cHead(QStringLiteral("const %1 %2[] = {").arg(stdintType(c.bits), c.arrayName()),
                     c, comment);
    },
    ",", false,
};

const FormatDescription kArduino = {
    "arduino", "AVR with the table in program memory (PROGMEM, 0b...)", 8, CommentStyle::C, 32,
    [](Code code, int bits, bool) {
        return QStringLiteral("0b%1").arg(code, bits, 2, QLatin1Char('0'));
    },
    [](const FormatContext& c) {
        return QStringLiteral("#include <avr/pgmspace.h>") + c.eol +
               QStringLiteral("#include <stdint.h>") + c.eol + c.eol;
    },
    [](const FormatContext& c, const QString& comment) {
        return cOpening(
            QStringLiteral("const %1 %2[] PROGMEM = {").arg(stdintType(c.bits), c.arrayName()), c,
            comment);
    },
    cRowPrefix, ", ", cRowEnd, cRowComment, cClosing, &kNone,
    [](const FormatContext& c, const QString& comment) {
        return QStringLiteral("#include <avr/pgmspace.h>") + c.eol +
               QStringLiteral("#include <stdint.h>") + c.eol +
               cHead(QStringLiteral("const %1 %2[] PROGMEM = {")
                         .arg(stdintType(c.bits), c.arrayName()),
                     c, comment);
    },
    ",", false,
};

const FormatDescription kSdas = {
    "sdas", "SDCC's 8051 assembler (.db)", 8, CommentStyle::Assembler, 32,
    [](Code code, int bits, bool upper) {
        QStringList words;
        for (const Code w : assemblerWords(code, bits))
            words << cHex(w, std::min(bits, 16), upper);
        return words.join(QStringLiteral(", "));
    },
    nothing,
    [](const FormatContext& c, const QString& comment) {
        return assemblerComment(c, comment) + QStringLiteral("\t.area CSEG (CODE)") + c.eol +
               c.arrayName() + QStringLiteral("::") + c.eol;
    },
    [](const FormatContext& c, qsizetype) {
        return c.bits > 8 ? QStringLiteral("\t.dw ") : QStringLiteral("\t.db ");
    },
    ", ", noRowEnd, assemblerRowComment, nothing, &kNone,
    nullptr,
    ",", false,
};

const FormatDescription kA51 = {
    "a51", "Keil A51 assembler (DB 03FH)", 8, CommentStyle::Assembler, 32,
    // A hexadecimal number starts with a digit: always one 0 before the digits.
    [](Code code, int bits, bool) {
        QStringList words;
        for (const Code w : assemblerWords(code, bits))
            words << u'0' + hexDigits(w, std::min(bits, 16), true) + u'H';
        return words.join(QStringLiteral(", "));
    },
    nothing,
    [](const FormatContext& c, const QString& comment) {
        return assemblerComment(c, comment) + QStringLiteral("\tCSEG") + c.eol;
    },
    // The label on the first row.
    [](const FormatContext& c, qsizetype row) {
        return (row == 0 ? c.arrayName() + u':' : QString()) +
               (c.bits > 8 ? QStringLiteral("\tDW\t") : QStringLiteral("\tDB\t"));
    },
    ", ", noRowEnd, assemblerRowComment,
    [](const FormatContext& c) { return QStringLiteral("\tEND") + c.eol; },
    &kAssemblerWords,
    nullptr,
    ",", false, true,
};

const FormatDescription kHex = {
    "hex", "the bare bytes in hexadecimal", 8, CommentStyle::None, 32,
    hexDigits,
    nothing,
    [](const FormatContext&, const QString&) { return QString(); },
    noRowPrefix, " ", noRowEnd, noRowComment, nothing, &kNone,
    nullptr,
    "", false,
};
// clang-format on

const QList<const FormatDescription*> kFormats = {&kClassic, &kC51,  &kSdcc, &kC,
                                                  &kArduino, &kSdas, &kA51,  &kHex};

}  // namespace

QString defaultName(Polarity polarity) {
    return polarity == Polarity::CommonAnode ? QStringLiteral("seg_ca") : QStringLiteral("seg_cc");
}

QString FormatContext::arrayName() const {
    return name.isEmpty() ? defaultName(polarity) : name;
}

const QList<const FormatDescription*>& formats() {
    return kFormats;
}

const FormatDescription& defaultFormat() {
    return kClassic;
}

const FormatDescription* formatNamed(QStringView name) {
    for (const FormatDescription* f : kFormats) {
        if (name.compare(QLatin1StringView(f->name), Qt::CaseInsensitive) == 0) return f;
    }
    return nullptr;
}

QString formatNames() {
    QStringList names;
    for (const FormatDescription* f : kFormats)
        names << f->nameText();
    return names.join(QStringLiteral(", "));
}

QString c51Type(int bits) {
    return bits <= 8    ? QStringLiteral("unsigned char")
           : bits <= 16 ? QStringLiteral("unsigned int")
                        : QStringLiteral("unsigned long");
}

int entryBits(int segments) {
    return segments <= 8 ? 8 : segments <= 16 ? 16 : 32;
}

}  // namespace kelvarin::codes
