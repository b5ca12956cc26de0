// SPDX-License-Identifier: MIT
#pragma once

// The desktop's top-level windows on an X11 display, through xcb.

#include "services/window_list.h"

namespace kelvarin::platform {

// The windows of the X11 display in $DISPLAY: the window manager's _NET_CLIENT_LIST when one
// runs, otherwise the root window's children from the top of the stack down, each frame of a
// reparenting manager followed down to the client that carries WM_STATE. Titles come from
// _NET_WM_NAME (UTF-8), else WM_NAME; handles are the X11 window ids. Without an X server, or
// with one that does not answer within 2 seconds, the list is empty. Closing asks the window to
// close with WM_DELETE_WINDOW, as its close box does; a window that does not take that request
// is left open (nothing is killed) and close reports false.
class X11WindowList final : public WindowList {
  public:
    QList<TopWindow> windows() const override;
    bool close(qint32 handle) override;
};

}  // namespace kelvarin::platform
