// SPDX-License-Identifier: MIT
#pragma once

// The library's path texts and the file system's paths. The library speaks the original
// platform's path texts ("\" between folders, a drive letter and ":" before an absolute path);
// a path text maps to a Linux path through the drive table it is handed, and back.

#include "services/drives.h"

namespace kelvarin {

// A path text to a Linux path: a leading drive letter is replaced by its mount point and the
// elements after it follow, "." and ".." resolved inside the drive (never above its root); a
// text without a drive letter is a Linux path with "\" read as "/". Raises 76 (path not found)
// for a drive letter that is not in the table and for a share of another machine
// ("\\server\share"), 52 for a text holding NUL: nothing maps to an empty path.
QString toLinuxPath(const QString& text, const QList<platform::Drive>& drives);
// A Linux path to a path text: the drive whose mount point is the longest prefix, then the rest
// with "\" ("/home/ana/Desktop/" is "C:\home\ana\Desktop\").
QString toPathText(const QString& linuxPath, const QList<platform::Drive>& drives);

}  // namespace kelvarin
