// SPDX-License-Identifier: MIT
#pragma once

/// @file
/// The desktop's top-level windows: their handles and titles, and closing one as its close box
/// would.

#include <QList>
#include <QString>

#include "kelvarin_export.h"

namespace kelvarin::platform {

/// A top-level window of the desktop.
struct TopWindow {
    qint32 handle = 0;  ///< its handle
    QString title;      ///< its title
};

/// The desktop's top-level windows, for workOut::iFExist2Exit.
class KELVARIN_EXPORT WindowList {
  public:
    virtual ~WindowList() = default;
    /// The top-level windows.
    /// @return the windows, in the desktop's order
    virtual QList<TopWindow> windows() const = 0;
    /// Asks a window to close, as its close box would.
    /// @param handle the window
    /// @return false when there is no such window
    virtual bool close(qint32 handle) = 0;
};

}  // namespace kelvarin::platform
