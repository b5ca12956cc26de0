// SPDX-License-Identifier: MIT
// The entry of one harness: the build names its function with KELVARIN_HARNESS.

#include "fuzz/fuzz_input.h"

namespace kelvarin::fuzz {
int KELVARIN_HARNESS(Input& in);
}  // namespace kelvarin::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    kelvarin::fuzz::Input input(data, size);
    return kelvarin::fuzz::KELVARIN_HARNESS(input);
}
