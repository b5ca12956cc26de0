// SPDX-License-Identifier: MIT
#pragma once

// The user's folders as the desktop's base-directory rules name them.

#include "services/user_folders.h"

namespace kelvarin::platform {

// The folders from the environment, read afresh at each call; a variable that is unset, empty or
// not an absolute path counts as unset.
class XdgUserFolders final : public UserFolders {
  public:
    QString stateHome() const override;
    QString dataHome() const override;
    QString desktop() const override;
};

}  // namespace kelvarin::platform
