// SPDX-License-Identifier: MIT
// The global wkOut and its checked access.

#include "platform/wkout.h"

#include "platform/errors.h"

namespace kelvarin {

workOut* wkOut = nullptr;

workOut& sharedWorkOut() {
    if (wkOut == nullptr) raiseError(err::ObjectNotSet);
    return *wkOut;
}

}  // namespace kelvarin
