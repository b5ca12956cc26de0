// SPDX-License-Identifier: MIT
#pragma once

// Pieces the frames and scan program windows share.

#include <QList>
#include <QSize>
#include <QString>

#include "segment_codes/text_codes.h"

class QKeyEvent;
class QLabel;
class QVBoxLayout;
class QWidget;

namespace kelvarin::dialog_parts {

// A red line for what is wrong, which takes its room always.
QLabel* problemLine(QWidget* parent);
// Sizes the window to its wish, no larger than the screen it is shown on (room left for the
// manager's frame).
void fitToScreen(QWidget& window, const QWidget* owner, QSize least = QSize());
// The window's body in a scroll area (everything but its buttons, which the caller adds to
// outer below it): the layout to build the body in. fitToScreen then sizes the window to the
// whole body where the screen has room, and lets it scroll where it has not.
QVBoxLayout* scrolledBody(QWidget& window, QVBoxLayout*& outer);
// "数码管无法显示：第 2 个字符 '%'，…": which characters of a text no digit shows.
QString unshowable(const QList<codes::Unshowable>& bad);
// Whether the key is Enter in a box of the window (taken, so that it does not close the window).
bool enterInABox(QKeyEvent* event, const QWidget& window);

}  // namespace kelvarin::dialog_parts
