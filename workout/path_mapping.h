// SPDX-License-Identifier: MIT
#pragma once

// The library's path texts and the file system's paths. The library speaks the original
// platform's path texts ("\" between folders, a drive letter and ":" before an absolute path);
// a path text maps to a Linux path through the drive table it is handed, and back.

#include "services/drives.h"

namespace kelvarin {

// A path text to a Linux path: a leading drive letter is replaced by its mount point and every
// "\" becomes "/"; a text without a drive letter is a Linux path with "\" read as "/". Empty for
// a drive letter that is not in the table.
QString toLinuxPath(const QString& text, const QList<platform::Drive>& drives);
// A Linux path to a path text: the drive whose mount point is the longest prefix, then the rest
// with "\" ("/home/ana/Desktop/" is "C:\home\ana\Desktop\").
QString toPathText(const QString& linuxPath, const QList<platform::Drive>& drives);

}  // namespace kelvarin
