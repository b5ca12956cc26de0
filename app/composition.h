// SPDX-License-Identifier: MIT
#pragma once

// The composition root: every real service of the program, built once and handed on. Nothing
// else in the program or the library reaches the machine's services on its own.

#include <QString>

#include <memory>
#include <optional>

#include "services/services.h"

namespace kelvarin::app {

class ProgramServices {
  public:
    // The services of the system, and with a desktop (a QApplication exists) the desktop's.
    explicit ProgramServices(bool desktop);
    ~ProgramServices();
    ProgramServices(const ProgramServices&) = delete;
    ProgramServices& operator=(const ProgramServices&) = delete;

    const platform::Services& services() const { return m_services; }
    // The preferences' file, and a new one begun in place of one that could not be read.
    QString preferencesFile() const;
    std::optional<QString> startPreferencesAfresh(QString* error) const;

  private:
    struct Owned;
    std::unique_ptr<Owned> m_owned;
    platform::Services m_services;
};

}  // namespace kelvarin::app
