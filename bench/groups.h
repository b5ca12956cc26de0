#pragma once

// The benchmark's groups of figures.

namespace kelvarin::bench {

void gradient();
void strings();
void files();

}  // namespace kelvarin::bench
