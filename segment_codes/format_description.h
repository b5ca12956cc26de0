// SPDX-License-Identifier: MIT
#pragma once

// What an output format looks like, described once: a name and a description, and the small
// hooks that write each part of a table in it. Everything that writes in a format (the tables of
// render(), the main window's declaration, the board's settings) asks its description; the
// descriptions themselves are the one table in format_descriptions.cpp.
//
// A table is written as
//
//   prologue                      #include <stdint.h>            (includes, or nothing)
//   opening, with the comment     const uint8_t NAME[] = {  // "12.5"
//   rows: prefix, entries with    ····0x06, 0xdb, 0x6d,  // a row's comment
//         the separator, row end
//   closing                       };
//
// and an entry is a code in the format's notation, as wide as the table's entries (8, 16 or 32
// bits).

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include "segment_codes/segments.h"

namespace kelvarin::codes {

// What a hook is told of the table it writes.
struct FormatContext {
    QString name;  // the array's name, as chosen (empty: the format's default)
    Polarity polarity = Polarity::CommonCathode;
    QString eol = QStringLiteral("\n");
    int bits = 8;        // the width of the entries: 8, 16 or 32
    bool upper = false;  // upper-case hexadecimal digits

    // The name the array is declared with: the chosen one, or seg_cc / seg_ca by polarity.
    QString arrayName() const;
};

enum class CommentStyle { None, C, Assembler };

struct FormatDescription {
    const char* name;         // as the command line and the settings name it
    const char* description;  // what it is, for a list
    int perLine;              // entries a row when nothing else is asked
    CommentStyle comments;
    int widest;  // the widest entry it holds, in bits

    // One code as an entry: 0x3f, 0b00111111, 03FH, 3f.
    QString (*entry)(Code code, int bits, bool upper);
    // What comes before the declaration (includes and a blank line), or nothing.
    QString (*prologue)(const FormatContext& context);
    // The declaration's opening lines, with the table's comment on them or before them; each
    // line ends with the context's line end.
    QString (*opening)(const FormatContext& context, const QString& comment);
    // What starts row n (0 first).
    QString (*rowPrefix)(const FormatContext& context, qsizetype row);
    const char* separator;  // between two entries of a row
    // What follows the last entry of a row (last: the table's last row).
    QString (*rowEnd)(bool last);
    // A row's comment after its entries (which take `width` characters), or nothing.
    QString (*rowComment)(qsizetype width, const QString& comment);
    // What ends the table, each line with the line end.
    QString (*closing)(const FormatContext& context);
    // Words no array may be named in the format beyond the C keywords (compared in upper case).
    const QStringList* reserved;

    // The main window's declaration in the format: its first lines, with the comment (who
    // made it, and when); nothing to take the opening as it is.
    QString (*declarationHead)(const FormatContext& context, const QString& comment);
    // What follows an entry shown on its own in the window ("0x3f," in C; nothing for bare
    // bytes).
    const char* elementSuffix;
    // Whether the window's declaration in the format collects the elements as shown, ten a row
    // and never closed (the window's own style), rather than rows of entries closed as a table.
    bool collectsElements;
    // Whether the closing ends the whole file (A51's END), so that a file of several tables
    // closes only its last.
    bool closingEndsFile = false;

    QString nameText() const { return QString::fromLatin1(name); }
    QString descriptionText() const { return QString::fromUtf8(description); }
};

// The default array name of a polarity: seg_cc or seg_ca.
QString defaultName(Polarity polarity);

// Every format; the first is the default (the window's own style).
const QList<const FormatDescription*>& formats();
const FormatDescription& defaultFormat();
// The format of a name (either case), or nullptr.
const FormatDescription* formatNamed(QStringView name);
// "classic, c51, sdcc, ..." for a message.
QString formatNames();

// The unsigned C type of entries of the width in Keil C51 and SDCC, where int is 16 bits and
// long 32.
QString c51Type(int bits);
// The width of the entries that hold codes of the segment count: 8, 16 or 32.
int entryBits(int segments);

}  // namespace kelvarin::codes
