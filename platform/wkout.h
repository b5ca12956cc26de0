#pragma once

namespace kelvarin {

class workOut;

// The program's one utility object. The main window creates it first thing when it loads;
// nothing replaces or releases it, so it lives until the program ends.
extern workOut* wkOut;

}  // namespace kelvarin
