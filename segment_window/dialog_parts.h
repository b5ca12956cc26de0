// SPDX-License-Identifier: MIT
#pragma once

// Pieces the frames and scan program windows share.

#include <QSize>

class QKeyEvent;
class QLabel;
class QWidget;

namespace kelvarin::dialog_parts {

// A red line for what is wrong, which takes its room always.
QLabel* problemLine(QWidget* parent);
// Sizes the window to its wish, no larger than the screen it is shown on (room left for the
// manager's frame).
void fitToScreen(QWidget& window, const QWidget* owner, QSize least = QSize());
// Whether the key is Enter in a box of the window (taken, so that it does not close the window).
bool enterInABox(QKeyEvent* event, const QWidget& window);

}  // namespace kelvarin::dialog_parts
