// SPDX-License-Identifier: MIT
#pragma once

// The benchmark's groups of figures.

namespace kelvarin::bench {

void gradient();
void strings();
void files();
void registry();
void hashing();
void text();

}  // namespace kelvarin::bench
