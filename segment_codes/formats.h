// SPDX-License-Identifier: MIT
#pragma once

// Tables of codes written for a toolchain, each a complete text that its own tools accept as it
// stands, in one of the formats of format_description.h.

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

#include "segment_codes/format_description.h"
#include "segment_codes/segments.h"
#include "segment_codes/text_codes.h"

namespace kelvarin::codes {

// How a table is written.
struct Output {
    const FormatDescription* format = &defaultFormat();
    QString name;           // the array's name; empty: seg_cc or seg_ca by polarity
    int perLine = 0;        // entries a line; 0: the format's own
    bool upper = false;     // upper-case hexadecimal digits
    bool comments = false;  // a comment naming each entry's character or index
    bool crlf = false;      // CR LF line ends (LF otherwise)
};

// Whether the name can name the array in the format: a C identifier that is no keyword of C or
// of the 8051 compilers (for a51 also no register or instruction of the assembler). An error
// says why not.
bool validName(const QString& name, const FormatDescription& format, QString* error = nullptr);

// A table to write: its entries line by line, each line with an optional comment, and a comment
// for the whole table (the text it encodes, or what the table is).
struct TableEntry {
    Code code = 0;
    Digit digit;     // the digit it shows, for its comment ('2.')
    int index = -1;  // or, when not -1, its index in a standard table, for its comment ([16])
};
struct TableLine {
    QList<TableEntry> entries;
    QString comment;
};
struct Table {
    QString comment;
    int bits = 8;  // the width of its entries
    QList<TableLine> lines;
};

// The text of the table in the output's format, ending with a line end. Lines that come without
// a grouping of their own (perLine not 0, or a table of one line) are cut perLine entries a
// line.
QString render(const Table& table, const Output& output, Polarity polarity);

// Complete texts of the format made one file: the prologue (its includes) once, at the top, a
// closing that ends the file (A51's END) only after the last, and a blank line between two texts
// where the format has comments.
QString joinTexts(const FormatDescription& format, const QStringList& texts, const QString& eol);

// The table of a text's digits under the wiring and polarity, its comment the text itself.
Table textTable(const QString& text, const QList<Digit>& digits, const Wiring& wiring,
                Polarity polarity);

// The 57-entry standard table (0 to f, the same with dp and a blank, h j l n o p q r u v x y,
// the same with dp) under the wiring and polarity, in four groups with their comments. With
// the classic format, CR LF and the standard wiring it is byte for byte the window's table.
// For a 14- or 16-segment wiring: the 95 printable ASCII characters, ' ' to '~', in six rows.
Table standardTable(const Wiring& wiring, Polarity polarity);

}  // namespace kelvarin::codes
