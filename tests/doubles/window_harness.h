// SPDX-License-Identifier: MIT
#pragma once

// The services a window test hands to a window: the doubles, with the desktop's real clipboard
// unless a test swaps it.

#include "platform/gui/desktop_services.h"
#include "service_doubles.h"

namespace kelvarin::testing {

struct Harness {
    ScriptedMessageBoxes boxes;
    platform::DesktopClipboard desktopClipboard;
    platform::Clipboard* clipboard = &desktopClipboard;
    SequenceRandom random;
    FixedClock clock;
    RecordedBrowser browser;
    RecordedProgramEnd program;

    platform::Services services() {
        platform::Services s;
        s.messageBoxes = &boxes;
        s.clipboard = clipboard;
        s.random = &random;
        s.clock = &clock;
        s.urlOpener = &browser;
        s.program = &program;
        return s;
    }
};

}  // namespace kelvarin::testing
