// The running program's services of this layer.

#include "platform/services.h"

#include "platform/errors.h"

namespace kelvarin::platform {

Services& programServices() {
    static ClockSeededRandom random;
    static SystemClock clock;
    static XdgUserFolders folders;
    static Services services = [] {
        Services s;
        s.random = &random;
        s.clock = &clock;
        s.folders = &folders;
        return s;
    }();
    return services;
}

void raiseObjectNotSet() {
    raiseError(err::ObjectNotSet);
}

}  // namespace kelvarin::platform
