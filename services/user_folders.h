// SPDX-License-Identifier: MIT
#pragma once

/// @file
/// The user's own folders, as the desktop's base-directory rules name them.

#include <QString>

#include "kelvarin_export.h"

namespace kelvarin::platform {

/// The user's folders, for workOut::PrintErr and workOut::GetDESKTOP.
class KELVARIN_EXPORT UserFolders {
  public:
    virtual ~UserFolders() = default;
    /// Where programs keep state such as error files.
    /// @return `$XDG_STATE_HOME`, or `~/.local/state`
    virtual QString stateHome() const = 0;
    /// Where programs keep their data.
    /// @return `$XDG_DATA_HOME`, or `~/.local/share`
    virtual QString dataHome() const = 0;
    /// The desktop folder, as the user's desktop names it (XDG user directories).
    /// @return the folder
    virtual QString desktop() const = 0;
};

}  // namespace kelvarin::platform
