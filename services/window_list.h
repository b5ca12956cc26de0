// SPDX-License-Identifier: MIT
#pragma once

// The desktop's top-level windows: their handles and titles, and closing one as its close box
// would.

#include <QList>
#include <QString>

namespace kelvarin::platform {

struct TopWindow {
    qint32 handle = 0;
    QString title;
};

class WindowList {
  public:
    virtual ~WindowList() = default;
    // The top-level windows, in the desktop's order.
    virtual QList<TopWindow> windows() const = 0;
    // Asks the window to close, as its close box would; false when there is no such window.
    virtual bool close(qint32 handle) = 0;
};

}  // namespace kelvarin::platform
