// The workOut object itself: the services it is handed.

#include "workout/workout.h"

namespace kelvarin {

workOut::workOut() : workOut(platform::programServices()) {}

workOut::workOut(const platform::Services& services) : m_services(services) {}

}  // namespace kelvarin
