// SPDX-License-Identifier: MIT
#pragma once

// Directory search: whether a normal file matches a name or a pattern.

#include <QString>

namespace kelvarin::rt {

// True when a regular file matches the name: the last path element may hold the wildcards "*"
// (any run of characters) and "?" (one character); every other character, spaces and ";"
// included, stands for itself, in the file system's own letter case. The folders before the
// last "/" are taken literally, relative to the current folder. An empty name matches nothing.
bool normalFileExists(const QString& name);

// Wildcard matching of one name: "*" any run of characters, "?" one character, the rest exact.
bool wildcardMatch(QStringView name, QStringView pattern);

}  // namespace kelvarin::rt
