// SPDX-License-Identifier: MIT
#pragma once

// The user's own folders, as the desktop's base-directory rules name them.

#include <QString>

namespace kelvarin::platform {

class UserFolders {
  public:
    virtual ~UserFolders() = default;
    // Where programs keep state such as error files: $XDG_STATE_HOME, or ~/.local/state.
    virtual QString stateHome() const = 0;
    // Where programs keep their data: $XDG_DATA_HOME, or ~/.local/share.
    virtual QString dataHome() const = 0;
    // The desktop folder, as the user's desktop names it (XDG user directories).
    virtual QString desktop() const = 0;
};

}  // namespace kelvarin::platform
