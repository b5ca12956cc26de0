// SPDX-License-Identifier: MIT
#pragma once

// The runtime's random generator: uniform single-precision values in [0, 1), seeded from the
// clock. Windows and library take it through this interface so that callers can fix the sequence.

#include <QtGlobal>

#include <random>

namespace kelvarin::rt {

class RandomGenerator {
  public:
    virtual ~RandomGenerator() = default;
    // The next value r, 0 <= r < 1.
    virtual float next() = 0;
    // Seeds the generator from the system timer.
    virtual void seedFromClock() = 0;
};

class ClockSeededRandom final : public RandomGenerator {
  public:
    ClockSeededRandom();
    float next() override;
    void seedFromClock() override;
    void seed(quint64 value);

  private:
    std::mt19937_64 m_engine;
};

}  // namespace kelvarin::rt
