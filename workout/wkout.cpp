// SPDX-License-Identifier: MIT
// The global wkOut and its checked access.

#include "workout/wkout.h"

#include "runtime/errors.h"

namespace kelvarin {

workOut* wkOut = nullptr;

workOut& sharedWorkOut() {
    if (wkOut == nullptr) raiseError(err::ObjectNotSet);
    return *wkOut;
}

}  // namespace kelvarin
