// SPDX-License-Identifier: MIT
// The entry of one harness: the build names it with KELVARIN_HARNESS.

#include "fuzz/harnesses.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    kelvarin::fuzz::Input input(data, size);
    return kelvarin::fuzz::KELVARIN_HARNESS(input);
}
