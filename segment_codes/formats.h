// SPDX-License-Identifier: MIT
#pragma once

// Tables of codes written for a toolchain, each a complete text that its own tools accept as it
// stands:
//
//   classic  Keil C51 in the style of the window's standard tables:
//            unsigned char code NAME[]={ ... 0x3f,0x06,... };  (no spaces between entries)
//   c51      Keil C51, readable:   unsigned char code NAME[] = { 0x3f, 0x06, ... };
//   sdcc     SDCC:                 __code unsigned char NAME[] = { 0x3f, ... };
//   c        portable C:           #include <stdint.h>  const uint8_t NAME[] = { 0x3f, ... };
//   arduino  AVR, program memory:  const uint8_t NAME[] PROGMEM = { 0b00111111, ... };
//   sdas     SDCC's 8051 assembler: a code area and NAME:: .db 0x3f, ...
//   a51      Keil A51:             NAME: DB 03FH, 006H, ...  (a leading digit always)
//   hex      the bare bytes:       3f 06 5b ...

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

#include "segment_codes/segments.h"
#include "segment_codes/text_codes.h"

namespace kelvarin::codes {

enum class Format { Classic, C51, Sdcc, C, Arduino, Sdas, A51, Hex };

struct FormatInfo {
    Format format;
    const char* name;
    const char* description;
};
// Every format, in the order above.
const QList<FormatInfo>& formats();
std::optional<Format> formatNamed(QStringView name);
QString formatName(Format format);

// How a table is written.
struct Output {
    Format format = Format::Classic;
    QString name;           // the array's name; empty: seg_cc or seg_ca by polarity
    int perLine = 0;        // entries a line; 0: the format's own (16 classic, 8 the others)
    bool upper = false;     // upper-case hexadecimal digits
    bool comments = false;  // a comment naming each entry's character or index
    bool crlf = false;      // CR LF line ends (LF otherwise)
};

// The default array name of a polarity.
QString defaultName(Polarity polarity);
// Whether the name can name the array in the format: a C identifier that is no keyword of C or
// of the 8051 compilers (for a51 also no register or instruction of the assembler). An error
// says why not.
bool validName(const QString& name, Format format, QString* error = nullptr);

// One code as an entry of the format, without separator: 0x3f, 0b00111111, 03FH, 3f.
QString entryText(quint8 code, Format format, bool upper);

// A table to write: its entries line by line, each line with an optional comment, and a comment
// for the whole table (the text it encodes, or what the table is).
struct TableEntry {
    quint8 code = 0;
    Digit digit;     // the digit it shows, for its comment ('2.')
    int index = -1;  // or, when not -1, its index in a standard table, for its comment ([16])
};
struct TableLine {
    QList<TableEntry> entries;
    QString comment;
};
struct Table {
    QString comment;
    QList<TableLine> lines;
};

// The text of the table in the output's format, ending with a line end. Lines that come without
// a grouping of their own (perLine not 0, or a table of one line) are cut perLine entries a
// line.
QString render(const Table& table, const Output& output, Polarity polarity);

// The table of a text's digits under the wiring and polarity, its comment the text itself.
Table textTable(const QString& text, const QList<Digit>& digits, const Wiring& wiring,
                Polarity polarity);

// The 57-entry standard table (0 to f, the same with dp and a blank, h j l n o p q r u v x y,
// the same with dp) under the wiring and polarity, in four groups with their comments. With
// the classic format, CR LF and the standard wiring it is byte for byte the window's table.
Table standardTable(const Wiring& wiring, Polarity polarity);

}  // namespace kelvarin::codes
