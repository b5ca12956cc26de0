// SPDX-License-Identifier: MIT
#pragma once

// Copying a file so that a failed copy leaves no half file behind.

#include <QString>

#include <functional>

namespace kelvarin::rt {

// Copies source to target through a temporary file in the target's folder that takes the
// target's name only when every byte is written and flushed (runtime/file_access.h). The copy
// takes the source's permission bits without setuid, setgid and sticky (as cp without -p does)
// and its modification time. progress(bytes copied) runs after each block and may return false
// to cancel: then nothing is left behind and the result is false. Raises 52 for a name with
// NUL, 53 when the source is no regular file, 70, 75 or 76 when the target cannot be written
// (70 for a link protected_symlinks refuses).
bool copyFileAtomically(const QString& source, const QString& target,
                        const std::function<bool(qint64)>& progress);

}  // namespace kelvarin::rt
