// SPDX-License-Identifier: MIT
#pragma once

// The program's command line: the commands codes, table and decode, help and the version, all
// answered on the terminal without a display; without a command the windows open.

#include <QByteArray>
#include <QStringList>

#include <optional>

namespace kelvarin::app {

// Exit statuses of the command line.
inline constexpr int kSuccess = 0;
inline constexpr int kUsageError =
    2;                               // unknown command or option, bad wiring, name, format, number
inline constexpr int kBadInput = 3;  // a TEXT character no digit shows, a CODE not read

struct Answer {
    int status = kSuccess;
    QByteArray out;  // standard output: only when the status is 0
    QByteArray err;  // standard error: what went wrong, and where
};

// The answer to the arguments (without the program's name) when they are for the terminal: a
// command, --help or --version. Nothing when they are for the windows (no arguments, or only
// options that may be the toolkit's own).
std::optional<Answer> answerOnTerminal(const QStringList& arguments);

// The answer to arguments the windows do not take (what is left after the toolkit took its own).
Answer refuseForWindows(const QStringList& left);

// The help text: commands, options, formats and examples.
QString helpText();

}  // namespace kelvarin::app
