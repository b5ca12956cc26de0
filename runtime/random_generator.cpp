// SPDX-License-Identifier: MIT
// The clock-seeded random generator of the running program.

#include "runtime/random_generator.h"

#include <chrono>

namespace kelvarin::rt {

ClockSeededRandom::ClockSeededRandom() {
    seedFromClock();
}

float ClockSeededRandom::next() {
    // 24 random bits scaled by 2^-24: every value is exact in single precision and below 1.
    return static_cast<float>(m_engine() >> 40) * 0x1p-24f;
}

void ClockSeededRandom::seedFromClock() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count() ^
                     std::chrono::system_clock::now().time_since_epoch().count();
    seed(static_cast<quint64>(now));
}

void ClockSeededRandom::seed(quint64 value) {
    m_engine.seed(value);
}

}  // namespace kelvarin::rt
