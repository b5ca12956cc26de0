// SPDX-License-Identifier: MIT
#pragma once

// The preferences in an INI file of the user's configuration folder, through QSettings:
// $XDG_CONFIG_HOME/kelvarin/kelvarin.conf (~/.config when unset). A file that is not an INI file
// gives no values, says so, and is not written over.

#include <QSettings>

#include <memory>
#include <optional>

#include "services/preferences.h"

namespace kelvarin::platform {

class SettingsPreferences final : public Preferences {
  public:
    // The preferences in the file; with no file named, the user's (fileNameForUser).
    explicit SettingsPreferences(const QString& fileName = QString());
    ~SettingsPreferences() override;

    static QString fileNameForUser();

    QVariant value(const QString& key) const override;
    void setValue(const QString& key, const QVariant& value) override;
    QString problem() const override { return m_problem; }

    QString file() const { return m_file; }
    // A file that could not be read moved aside (kept as FILE.broken, or FILE.broken-2 and on
    // where that is taken) and a new one begun; the name it is kept under, or nothing with the
    // reason (nothing to start afresh from, a file that cannot be moved).
    std::optional<QString> startAfresh(QString* error);

  private:
    QString m_file;
    std::unique_ptr<QSettings> m_settings;
    QString m_problem;
};

}  // namespace kelvarin::platform
