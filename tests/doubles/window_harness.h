// SPDX-License-Identifier: MIT
#pragma once

// The services a window test hands to a window: the quiet doubles, with the desktop's real
// clipboard unless a test swaps it.

#include "gui/desktop_services.h"
#include "service_doubles.h"

namespace kelvarin::testing {

struct Harness : QuietServices {
    Harness() { clipboard = &desktopClipboard; }
    gui::DesktopClipboard desktopClipboard;
};

}  // namespace kelvarin::testing
