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

// The windows of the X11 display in $DISPLAY: the window manager's _NET_CLIENT_LIST when one
// runs, otherwise the root window's children from the top of the stack down, each frame of a
// reparenting manager followed down to the client that carries WM_STATE. Titles come from
// _NET_WM_NAME (UTF-8), else WM_NAME; handles are the X11 window ids. Without an X server the
// list is empty.
class X11WindowList final : public WindowList {
  public:
    QList<TopWindow> windows() const override;
    bool close(qint32 handle) override;
};

}  // namespace kelvarin::platform
