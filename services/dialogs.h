// SPDX-License-Identifier: MIT
#pragma once

/// @file
/// The shell's dialogs the library asks the user through: choosing a folder, and a copy's
/// replace confirmation, progress and failures.

#include <QString>

#include "kelvarin_export.h"

namespace kelvarin::platform {

/// The dialogs of workOut::GetShowFolders and workOut::windowsCopyFile. Without this service
/// the library behaves as if the user cancelled, and keeps existing files.
class KELVARIN_EXPORT Dialogs {
  public:
    virtual ~Dialogs() = default;
    /// Asks the user for a folder.
    /// @param owner the handle of the program's window the dialog is modal to (when it is
    ///        one of the program's)
    /// @param title the dialog's title
    /// @return the folder's path; "" when the user cancels
    virtual QString chooseFolder(qint32 owner, const QString& title) = 0;
    /// Asks whether an existing file may be replaced.
    /// @param target the existing file
    /// @param source the file copied onto it
    /// @return true to replace it
    virtual bool confirmReplace(const QString& target, const QString& source) = 0;
    /// A copy begins.
    /// @param totalBytes the size of all the files to copy
    /// @param files how many files
    virtual void copyStarted(qint64 totalBytes, int files) = 0;
    /// A copy goes on.
    /// @param bytesDone the bytes copied so far
    /// @param file the file at hand
    /// @return false once the user cancelled
    virtual bool copyProgress(qint64 bytesDone, const QString& file) = 0;
    /// A file could not be copied.
    /// @param file the file
    /// @param reason why, for the user
    virtual void copyFailed(const QString& file, const QString& reason) = 0;
    /// The copy has ended.
    virtual void copyFinished() = 0;
};

}  // namespace kelvarin::platform
