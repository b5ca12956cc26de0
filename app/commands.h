// SPDX-License-Identifier: MIT
#pragma once

// What the commands of the command line share: the options as read, the answers they give, and
// each command's own function (one source file per group of commands).

#include <QString>
#include <QStringList>

#include "app/command_line.h"
#include "segment_codes/formats.h"
#include "segment_codes/segments.h"

namespace kelvarin::app {

// The options of a command, read from its arguments.
struct Options {
    QString command;
    codes::Polarity polarity = codes::Polarity::CommonCathode;
    codes::Wiring wiring;
    codes::Output output;
    QStringList operands;

    QString eol() const { return output.crlf ? QStringLiteral("\r\n") : QStringLiteral("\n"); }
};

// "kelvarin: MESSAGE" and where to find the help, exit status 2.
Answer usageError(const QString& message);
// A message on standard error with the status, nothing on standard output.
Answer failure(int status, const QString& message);
// The text on standard output, status 0.
Answer success(const QString& text);

Answer codesCommand(const Options& o);
Answer tableCommand(const Options& o);
Answer decodeCommand(const Options& o);

}  // namespace kelvarin::app
