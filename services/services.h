// SPDX-License-Identifier: MIT
#pragma once

// The services handed to the windows and to the workOut library, gathered in one struct: what
// they need of the system and the desktop. The program builds the real ones once, in its
// composition root (app/); tests hand in doubles. A service that is not there (a null pointer)
// makes the operation that needs it fail with error 91, or behave as its operation documents
// for "no such service". The interfaces live here, header-only; their implementations live in
// system/ (no widgets) and gui/ (Qt widgets).

#include "runtime/clock.h"
#include "runtime/errors.h"
#include "runtime/random_generator.h"
#include "services/desktop.h"
#include "services/dialogs.h"
#include "services/drives.h"
#include "services/pointer.h"
#include "services/preferences.h"
#include "services/registry.h"
#include "services/user_folders.h"
#include "services/window_list.h"

namespace kelvarin::platform {

// The runtime's clock and random generator are services too, so that they can be fixed.
using Clock = rt::Clock;
using RandomGenerator = rt::RandomGenerator;

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
    Preferences* preferences = nullptr;
};

// The service, or error 91 (object not set) when it is not there.
template <class Service>
Service& require(Service* service) {
    if (service == nullptr) raiseError(err::ObjectNotSet);
    return *service;
}

}  // namespace kelvarin::platform
