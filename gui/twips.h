// SPDX-License-Identifier: MIT
#pragma once

// Twips geometry: window geometry is given in twips, 15 to a pixel at 96 dots per inch.

#include <QRect>

namespace kelvarin::gui {

inline constexpr int kTwipsPerPixel = 15;

// A rectangle given in twips, in pixels.
inline QRect twips(int left, int top, int width, int height) {
    return QRect(left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
                 height / kTwipsPerPixel);
}

}  // namespace kelvarin::gui
