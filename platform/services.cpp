// SPDX-License-Identifier: MIT
// The running program's services of this layer.

#include "platform/services.h"

#include "platform/errors.h"
#include "platform/sqlite_registry.h"

namespace kelvarin::platform {

Services& programServices() {
    static ClockSeededRandom random;
    static SystemClock clock;
    static XdgUserFolders folders;
    static SqliteRegistry registry(&SqliteRegistry::defaultFileName);
    static SystemDriveTable drives;
    static X11WindowList windows;
    static Services services = [] {
        Services s;
        s.random = &random;
        s.clock = &clock;
        s.folders = &folders;
        s.registry = &registry;
        s.drives = &drives;
        s.windows = &windows;
        return s;
    }();
    return services;
}

void raiseObjectNotSet() {
    raiseError(err::ObjectNotSet);
}

}  // namespace kelvarin::platform
