// SPDX-License-Identifier: MIT
// The library's logging categories: debug output off unless the logging rules enable it.

#include "workout/internal/trace.h"

namespace kelvarin {

Q_LOGGING_CATEGORY(lcDrawing, "kelvarin.drawing", QtInfoMsg)
Q_LOGGING_CATEGORY(lcStrings, "kelvarin.strings", QtInfoMsg)
Q_LOGGING_CATEGORY(lcNumbers, "kelvarin.numbers", QtInfoMsg)
Q_LOGGING_CATEGORY(lcPointer, "kelvarin.pointer", QtInfoMsg)
Q_LOGGING_CATEGORY(lcIni, "kelvarin.ini", QtInfoMsg)
Q_LOGGING_CATEGORY(lcText, "kelvarin.text", QtInfoMsg)
Q_LOGGING_CATEGORY(lcLyrics, "kelvarin.lrc", QtInfoMsg)
Q_LOGGING_CATEGORY(lcRegistry, "kelvarin.registry", QtInfoMsg)
Q_LOGGING_CATEGORY(lcFiles, "kelvarin.files", QtInfoMsg)
Q_LOGGING_CATEGORY(lcDesktop, "kelvarin.desktop", QtInfoMsg)

}  // namespace kelvarin
