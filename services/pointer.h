// SPDX-License-Identifier: MIT
#pragma once

/// @file
/// The mouse pointer: its position on the screen and the screen's twips per pixel.

#include <QPoint>

#include "kelvarin_export.h"

namespace kelvarin::platform {

/// The mouse pointer, for workOut::iFMouseInObject and workOut::iFMouseInObject2.
class KELVARIN_EXPORT Pointer {
  public:
    virtual ~Pointer() = default;
    /// The pointer's position on the screen.
    /// @return the position in pixels, origin at the screen's top-left corner
    virtual QPoint position() const = 0;
    /// Twips per pixel of the screen across: 1440 / the logical dots per inch (15 at 96).
    /// @return the twips per pixel
    virtual double twipsPerPixelX() const = 0;
    /// Twips per pixel of the screen down.
    /// @return the twips per pixel
    virtual double twipsPerPixelY() const = 0;
};

}  // namespace kelvarin::platform
