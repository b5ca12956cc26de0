// SPDX-License-Identifier: MIT
#pragma once

/// @file
/// The services handed to the workOut library (and to Kelvarin's windows), gathered in one
/// struct: what they need of the system and the desktop. Each is an interface the caller
/// implements, or leaves out (a null pointer): an operation that needs a service that is not
/// there fails with error 91, or behaves as it documents for "no such service". Kelvarin's
/// program builds the real ones once, at its start; its tests hand in doubles.

#include "kelvarin_export.h"
#include "runtime/clock.h"
#include "runtime/errors.h"
#include "runtime/random_generator.h"
#include "services/desktop.h"
#include "services/dialogs.h"
#include "services/digests.h"
#include "services/drives.h"
#include "services/pointer.h"
#include "services/preferences.h"
#include "services/registry.h"
#include "services/user_folders.h"
#include "services/window_list.h"

namespace kelvarin::platform {

/// The runtime's clock is a service too, so that it can be fixed.
using Clock = rt::Clock;
/// The runtime's random generator is a service too, so that its sequence can be fixed.
using RandomGenerator = rt::RandomGenerator;

/// The services an object may use; none is owned, each must outlive the objects given it.
///
/// @sample{workOut}
struct Services {
    RandomGenerator* random = nullptr;     ///< for workOut::RandomTwice
    Clock* clock = nullptr;                ///< for workOut::iFYunNian of the current year
    MessageBoxes* messageBoxes = nullptr;  ///< for the program's windows
    Clipboard* clipboard = nullptr;        ///< for the program's windows
    UrlOpener* urlOpener = nullptr;        ///< for the program's windows
    ProgramControl* program = nullptr;     ///< for the program's windows
    Pointer* pointer = nullptr;            ///< for the pointer hit-tests
    UserFolders* folders = nullptr;        ///< for workOut::PrintErr and workOut::GetDESKTOP
    RegistryStore* registry = nullptr;     ///< for the registry operations
    DriveTable* drives = nullptr;          ///< for drive letters in path texts and the drives
    WindowList* windows = nullptr;         ///< for workOut::iFExist2Exit
    Dialogs* dialogs = nullptr;  ///< for workOut::GetShowFolders and workOut::windowsCopyFile
    Preferences* preferences = nullptr;  ///< for the program's windows
    Digests* digests = nullptr;          ///< for workOut::HashFile; Qt's digests without it
};

/// A service that must be there.
/// @param service the service, or nullptr
/// @return the service
/// @errors Raises 91 (err::ObjectNotSet) for nullptr.
template <class Service>
Service& require(Service* service) {
    if (service == nullptr) raiseError(err::ObjectNotSet);
    return *service;
}

}  // namespace kelvarin::platform
