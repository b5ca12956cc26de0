// SPDX-License-Identifier: MIT
#pragma once

/// @file
/// The runtime's random generator: uniform single-precision values in [0, 1), seeded from the
/// clock. The library takes it through this interface so that callers can fix the sequence.

#include <QtGlobal>

#include <random>

#include "kelvarin_export.h"

namespace kelvarin::rt {

/// A random generator.
class KELVARIN_EXPORT RandomGenerator {
  public:
    virtual ~RandomGenerator() = default;
    /// The next value.
    /// @return a value r, 0 <= r < 1
    virtual float next() = 0;
    /// Seeds the generator from the system's timer.
    virtual void seedFromClock() = 0;
};

/// The runtime's own generator (a 64-bit Mersenne twister), seeded from the clock at first.
class KELVARIN_EXPORT ClockSeededRandom final : public RandomGenerator {
  public:
    ClockSeededRandom();
    /// The next value.
    /// @return a value r, 0 <= r < 1
    float next() override;
    /// Seeds the generator from the system's timer.
    void seedFromClock() override;
    /// Seeds the generator with a value, for a sequence that repeats.
    /// @param value the seed
    void seed(quint64 value);

  private:
    std::mt19937_64 m_engine;
};

}  // namespace kelvarin::rt
