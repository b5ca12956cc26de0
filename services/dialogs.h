// SPDX-License-Identifier: MIT
#pragma once

// The shell's dialogs the library asks the user through: choosing a folder, and the copy's
// replace confirmation, progress and failures. The Qt implementation lives in platform/gui;
// without one the library behaves as if the user cancelled (and keeps existing files).

#include <QString>

namespace kelvarin::platform {

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // A folder chosen in a folder dialog with the title, modal to the program's window whose
    // handle is owner when it is one of them; "" when the user cancels.
    virtual QString chooseFolder(qint32 owner, const QString& title) = 0;
    // Whether the existing target may be replaced by the source being copied.
    virtual bool confirmReplace(const QString& target, const QString& source) = 0;
    // A copy of files with their total size begins; progress reports the bytes copied so far and
    // the file at hand, and is false once the user cancelled; failures are shown; the copy ends.
    virtual void copyStarted(qint64 totalBytes, int files) = 0;
    virtual bool copyProgress(qint64 bytesDone, const QString& file) = 0;
    virtual void copyFailed(const QString& file, const QString& reason) = 0;
    virtual void copyFinished() = 0;
};

}  // namespace kelvarin::platform
