// SPDX-License-Identifier: MIT
#pragma once

// The global wkOut: the program's one utility object.

namespace kelvarin {

class workOut;

// The program's one utility object. The main window creates it first thing when it loads;
// nothing replaces or releases it, so it lives until the program ends.
extern workOut* wkOut;

// The shared utility object; using it before the main window created it is error 91.
workOut& sharedWorkOut();

}  // namespace kelvarin
