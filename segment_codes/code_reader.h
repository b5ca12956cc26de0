// SPDX-License-Identifier: MIT
#pragma once

// Reading a code back from the text of a firmware table or a window's box: hexadecimal with a
// 0x prefix ("0x6d", "0X6D,") or an H suffix ("6DH", "06dh"), binary with a b suffix
// ("01101101b"), a 0b prefix ("0b01101101") or a B prefix ("B01101101"), or decimal ("109").
// Spaces around it and one "," after it are allowed.

#include <QString>
#include <QStringView>

#include <optional>

#include "segment_codes/segments.h"

namespace kelvarin::codes {

// The value of the code, or nothing with an error that quotes the text (empty text, a form not
// read, a digit its base does not have, a value wider than the bits: above 255 for 8).
std::optional<Code> readCode(QStringView text, QString* error = nullptr, int bits = 8);

}  // namespace kelvarin::codes
