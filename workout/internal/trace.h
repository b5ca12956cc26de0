// SPDX-License-Identifier: MIT
#pragma once

// The logging categories of the library's families. Failures that do not reach the caller as an
// error are traced on them at debug level (runtime/errors.h); debug output is off by default and
// shown with QT_LOGGING_RULES="kelvarin.*=true" (or one family: "kelvarin.ini=true").

#include <QLoggingCategory>

namespace kelvarin {

Q_DECLARE_LOGGING_CATEGORY(lcDrawing)   // kelvarin.drawing: gradients, shadowed text
Q_DECLARE_LOGGING_CATEGORY(lcStrings)   // kelvarin.strings: substrings, file names, money
Q_DECLARE_LOGGING_CATEGORY(lcNumbers)   // kelvarin.numbers: radix, numeric helpers, dates
Q_DECLARE_LOGGING_CATEGORY(lcPointer)   // kelvarin.pointer: pointer hit tests, control grids
Q_DECLARE_LOGGING_CATEGORY(lcIni)       // kelvarin.ini: the INI store
Q_DECLARE_LOGGING_CATEGORY(lcText)      // kelvarin.text: text files, text boxes, the error file
Q_DECLARE_LOGGING_CATEGORY(lcLyrics)    // kelvarin.lrc: the lyric reader
Q_DECLARE_LOGGING_CATEGORY(lcRegistry)  // kelvarin.registry: registry keys and values
Q_DECLARE_LOGGING_CATEGORY(lcFiles)     // kelvarin.files: hashes, drives, volume serials
Q_DECLARE_LOGGING_CATEGORY(lcDesktop)   // kelvarin.desktop: windows, dialogs, copies

}  // namespace kelvarin
