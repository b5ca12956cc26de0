// SPDX-License-Identifier: MIT
#pragma once

// Tables read from the text of a firmware source: every initialiser list of numbers in C, C51 or
// SDCC ("= { 0x3f, 0x06, ... };", nested lists flattened) and every run of DB / .db / DW / .dw /
// .byte / .word lines in an assembler text, with comments and line breaks anywhere. Each entry
// may be written in any form readCode reads (0x3f, 0X3F, 3FH, 03fh, 0b00111111, B00111111,
// 00111111b, 63), C's integer suffixes (u, U, l, L) allowed. Where each entry stands in the text
// is kept, so that a table can be rewritten in place.

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

#include "segment_codes/segments.h"

namespace kelvarin::codes {

struct FoundEntry {
    Code code = 0;
    qsizetype start = 0;  // where its text starts in the text read, and its length
    qsizetype length = 0;
    int line = 0;  // from 1
    int column = 0;
};

struct FoundTable {
    QString name;  // the array's name or the label, or "" when none
    int line = 0;  // the line its declaration starts on
    bool assembler = false;
    qsizetype start = 0;  // the declaration from its line's start to its end (after the ";" of
    qsizetype end = 0;    // C, or the last DB line with its line end)
    QList<FoundEntry> entries;
};

// The tables of the text, for digits of the kind (an entry wider than the kind's codes is an
// error). No table, or an entry that cannot be read, is an error that quotes the line and
// column ("line 4, column 13: cannot read \"0xg1\" as a code: ...").
std::optional<QList<FoundTable>> readTables(QStringView text, DisplayKind kind, QString* error);

// The entry's text written again for another code in the same notation: its prefix or suffix
// and their case, its hexadecimal letters' case, its number of digits (more where the code
// needs them), a C suffix.
QString rewriteEntry(QStringView entry, Code code);

}  // namespace kelvarin::codes
