// SPDX-License-Identifier: MIT
#pragma once

// What the commands of the command line share: the options as read, the answers they give, and
// each command's own function (one source file per group of commands).

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

#include "app/command_line.h"
#include "segment_codes/formats.h"
#include "segment_codes/presets.h"
#include "segment_codes/segments.h"

namespace kelvarin::app {

// The options of a command, read from its arguments.
struct Options {
    QString command;
    codes::DisplayKind kind = codes::DisplayKind::Seven;
    codes::Polarity polarity = codes::Polarity::CommonCathode;
    codes::Wiring wiring;
    const codes::Preset* preset = nullptr;  // the preset --wiring named, if it named one
    codes::Output output;
    QStringList operands;
    // As given, worked out once every option is read.
    std::optional<codes::DisplayKind> kindGiven;
    std::optional<codes::Polarity> polarityGiven;
    QString wiringText;
    // convert's target.
    QString toWiringText;
    std::optional<codes::Polarity> toPolarityGiven;
    const codes::FormatDescription* toFormat = nullptr;
    codes::Wiring toWiring;
    codes::Polarity toPolarity = codes::Polarity::CommonCathode;
    QString chars;  // infer: what the entries show
    // frames and driver.
    int digits = 0;
    bool scroll = false;
    QList<int> delays{500};
    QString segmentPins, digitPins, selectActive = QStringLiteral("low");
    QString target, clock, refresh = QStringLiteral("100Hz"), order;
    QString projectFile, animation;  // driver: a project's animation to show
    QString outputFile;              // -o: where to write (atomically) instead of standard output
    // Reads standard input (bounded), or nothing when it cannot be read.
    std::function<std::optional<QByteArray>()> standardInput;

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
Answer presetsCommand(const Options& o);
Answer importCommand(const Options& o);
Answer inferCommand(const Options& o);
Answer convertCommand(const Options& o);
Answer buildCommand(const Options& o);
Answer framesCommand(const Options& o);
Answer driverCommand(const Options& o);

// The largest text a command reads.
inline constexpr qint64 kLargestInput = 16 * 1024 * 1024;

// The text of the command's FILE operand, or of standard input for "-" or none; an error answer
// when it cannot be read, is not a regular file, is larger than 16 MiB or is not UTF-8.
std::optional<QString> inputText(const Options& o, Answer& problem);
// The text written to -o's file atomically, or to standard output.
Answer written(const Options& o, const QString& text);

}  // namespace kelvarin::app
