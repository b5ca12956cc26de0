// SPDX-License-Identifier: MIT
#pragma once

// The command line's options, declared once as a table: the parser and the help are made from it.

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

#include "app/commands.h"

namespace kelvarin::app {

using Apply = std::optional<Answer> (*)(Options&, const QString&);

// An option: its names (a one-letter one first, when it has one), the name of its value
// (nullptr: a flag), its help (lines after the first indented under it), the commands that
// take it (empty: every command), and what it sets.
struct OptionSpec {
    QStringList names;
    const char* value;
    const char* help;
    QStringList commands;
    Apply apply;
};

// The wiring, polarity and layout the options give (a preset's, or a list's), or the usage error.
std::optional<Answer> resolveWiring(Options& o);

// Every option, in the order the help lists them.
const std::vector<OptionSpec>& optionTable();

}  // namespace kelvarin::app
