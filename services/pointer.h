// SPDX-License-Identifier: MIT
#pragma once

// The mouse pointer: its position on the screen in pixels and the screen's twips per pixel.

#include <QPoint>

namespace kelvarin::platform {

class Pointer {
  public:
    virtual ~Pointer() = default;
    // The pointer's position on the screen in pixels, origin at the top-left corner.
    virtual QPoint position() const = 0;
    // Twips per pixel of the screen, across and down: 1440 / the logical dots per inch (15 at 96).
    virtual double twipsPerPixelX() const = 0;
    virtual double twipsPerPixelY() const = 0;
};

}  // namespace kelvarin::platform
