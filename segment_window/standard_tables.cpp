// SPDX-License-Identifier: MIT
// The main window's two standard tables, as the segment-code core writes them with the standard
// wiring in the classic format.

#include "segment_window/standard_tables.h"

#include "segment_codes/formats.h"

namespace kelvarin {

namespace {

QString classicTable(codes::Polarity polarity) {
    codes::Output output;
    output.crlf = true;
    return codes::render(codes::standardTable(codes::Wiring(), polarity), output, polarity);
}

}  // namespace

const QString& commonCathodeTable() {
    static const QString table = classicTable(codes::Polarity::CommonCathode);
    return table;
}

const QString& commonAnodeTable() {
    static const QString table = classicTable(codes::Polarity::CommonAnode);
    return table;
}

}  // namespace kelvarin
