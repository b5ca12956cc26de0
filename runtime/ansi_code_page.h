// SPDX-License-Identifier: MIT
#pragma once

// The ANSI code page of the platform, code page 936 (GBK): the code of a character.

#include <QChar>
#include <QtGlobal>

namespace kelvarin::rt {

// The ANSI code of a character: its code in code page 936 (GBK) read as a signed 16-bit number.
// ASCII gives 0 to 127, a two-byte character a negative number (lead byte * 256 + trail byte),
// and a character the code page cannot write the code of "?" (63).
qint16 ansiCode(QChar c);

}  // namespace kelvarin::rt
