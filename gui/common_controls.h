// SPDX-License-Identifier: MIT
#pragma once

// Themed common controls for the windows.

namespace kelvarin::gui {

// Asks for themed controls: the desktop's own widget style when the toolkit found one, a modern
// themed style instead of the plain classic one otherwise. Call once the application exists.
void initCommonControls();

}  // namespace kelvarin::gui
