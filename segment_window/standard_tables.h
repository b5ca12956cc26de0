// SPDX-License-Identifier: MIT
#pragma once

// The main window's two standard tables of segment codes.

#include <QString>

namespace kelvarin {

// The two ready-made 57-entry tables of common characters, five lines each, every line ending
// in CR LF: codes for common-cathode digits, and their bitwise complements for common-anode ones.
const QString& commonCathodeTable();
const QString& commonAnodeTable();

}  // namespace kelvarin
