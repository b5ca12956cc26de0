// SPDX-License-Identifier: MIT
// The program's services, each built once.

#include "app/composition.h"

#include <optional>

#include "gui/desktop_pointer.h"
#include "gui/desktop_services.h"
#include "gui/qt_dialogs.h"
#include "runtime/clock.h"
#include "runtime/random_generator.h"
#include "system/mount_drives.h"
#include "system/openssl_digests.h"
#include "system/settings_preferences.h"
#include "system/sqlite_registry.h"
#include "system/x11_window_list.h"
#include "system/xdg_user_folders.h"

namespace kelvarin::app {

struct ProgramServices::Owned {
    rt::ClockSeededRandom random;
    rt::SystemClock clock;
    platform::XdgUserFolders folders;
    // The registry's file is found through the folders it is handed.
    platform::SqliteRegistry registry{folders};
    platform::SystemDriveTable drives;
    platform::X11WindowList windows;
    platform::SettingsPreferences preferences;
    platform::OpenSslDigests digests;
    // The desktop's, when there is one.
    std::optional<gui::DesktopMessageBoxes> messageBoxes;
    std::optional<gui::DesktopClipboard> clipboard;
    std::optional<gui::DesktopUrlOpener> urlOpener;
    std::optional<gui::ApplicationControl> program;
    std::optional<gui::DesktopPointer> pointer;
    std::optional<gui::QtDialogs> dialogs;
};

ProgramServices::ProgramServices(bool desktop) : m_owned(std::make_unique<Owned>()) {
    Owned& o = *m_owned;
    m_services.random = &o.random;
    m_services.clock = &o.clock;
    m_services.folders = &o.folders;
    m_services.registry = &o.registry;
    m_services.drives = &o.drives;
    m_services.windows = &o.windows;
    m_services.preferences = &o.preferences;
    m_services.digests = &o.digests;
    if (!desktop) return;
    m_services.messageBoxes = &o.messageBoxes.emplace();
    m_services.clipboard = &o.clipboard.emplace();
    m_services.urlOpener = &o.urlOpener.emplace();
    m_services.program = &o.program.emplace();
    m_services.pointer = &o.pointer.emplace();
    m_services.dialogs = &o.dialogs.emplace();
}

ProgramServices::~ProgramServices() = default;

QString ProgramServices::preferencesFile() const {
    return m_owned->preferences.file();
}

std::optional<QString> ProgramServices::startPreferencesAfresh(QString* error) const {
    return m_owned->preferences.startAfresh(error);
}

}  // namespace kelvarin::app
