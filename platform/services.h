// SPDX-License-Identifier: MIT
#pragma once

// The operating-system services handed to the windows and to the workOut library, gathered in
// one struct. The program installs the real ones; tests hand in doubles. A service that is not
// there (a null pointer) makes the operation that needs it fail with error 91.

#include "platform/clock.h"
#include "platform/desktop.h"
#include "platform/dialogs.h"
#include "platform/drives.h"
#include "platform/pointer.h"
#include "platform/random_generator.h"
#include "platform/registry.h"
#include "platform/user_folders.h"
#include "platform/window_list.h"

namespace kelvarin::platform {

struct Services {
    RandomGenerator* random = nullptr;
    Clock* clock = nullptr;
    MessageBoxes* messageBoxes = nullptr;
    Clipboard* clipboard = nullptr;
    UrlOpener* urlOpener = nullptr;
    ProgramControl* program = nullptr;
    Pointer* pointer = nullptr;
    UserFolders* folders = nullptr;
    RegistryStore* registry = nullptr;
    DriveTable* drives = nullptr;
    WindowList* windows = nullptr;
    Dialogs* dialogs = nullptr;
};

// The running program's services. It starts with the services of this layer (the clock-seeded
// random generator, the system clock, the user's folders, the registry in SQLite, the drives,
// the X11 window list); the program adds the desktop's when it starts.
Services& programServices();

[[noreturn]] void raiseObjectNotSet();

// The service, or error 91 (object not set) when it is not there.
template <class Service>
Service& require(Service* service) {
    if (service == nullptr) raiseObjectNotSet();
    return *service;
}

}  // namespace kelvarin::platform
