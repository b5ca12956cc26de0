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
void linearity();
void commandLine();
void startup();

// The child process of the start-up figures: kelvarin_bench --startup-child program|bare.
int startupChild(int argc, char* argv[]);

}  // namespace kelvarin::bench
