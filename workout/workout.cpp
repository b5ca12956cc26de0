// SPDX-License-Identifier: MIT
// The workOut object itself: the services it is handed and the state of its stores.

#include "workout/workout.h"

#include "workout/internal/ini_store.h"
#include "workout/internal/lyric_store.h"

namespace kelvarin {

workOut::workOut() : workOut(platform::Services{}) {
    m_ownRandom = std::make_unique<rt::ClockSeededRandom>();
    m_ownClock = std::make_unique<rt::SystemClock>();
    m_services.random = m_ownRandom.get();
    m_services.clock = m_ownClock.get();
}

workOut::workOut(const platform::Services& services)
    : m_services(services),
      m_ini(std::make_unique<IniStore>()),
      m_lyrics(std::make_unique<LyricStore>()) {}

workOut::~workOut() = default;
workOut::workOut(workOut&&) noexcept = default;
workOut& workOut::operator=(workOut&&) noexcept = default;

}  // namespace kelvarin
