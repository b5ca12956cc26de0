// SPDX-License-Identifier: MIT
#pragma once

/// @file
/// The global wkOut: a program's one shared utility object.

#include "kelvarin_export.h"

namespace kelvarin {

class workOut;

/// A program's one shared utility object, or nullptr. Kelvarin's main window sets it first
/// thing when it loads and nothing replaces or releases it; another program may set it to an
/// object of its own that lives as long as it is used.
KELVARIN_EXPORT extern workOut* wkOut;

/// The shared utility object.
/// @return the object wkOut points to
/// @errors Raises 91 (err::ObjectNotSet) while wkOut is nullptr.
KELVARIN_EXPORT workOut& sharedWorkOut();

}  // namespace kelvarin
