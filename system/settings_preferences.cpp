// SPDX-License-Identifier: MIT
// Preferences in an INI file of the user's configuration folder.

#include "system/settings_preferences.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

namespace kelvarin::platform {

SettingsPreferences::SettingsPreferences(const QString& fileName) {
    const QString file = fileName.isEmpty() ? fileNameForUser() : fileName;
    m_file = file;
    m_settings = std::make_unique<QSettings>(file, QSettings::IniFormat);
    switch (m_settings->status()) {
        case QSettings::NoError:
            break;
        case QSettings::AccessError:
            m_problem = QStringLiteral("%1 cannot be read").arg(file);
            break;
        case QSettings::FormatError:
            m_problem = QStringLiteral("%1 is no settings file").arg(file);
            break;
    }
    // A file that is there but holds nothing of this program's (a broken one, another
    // program's) is not taken for an empty store.
    const QStringList groups = m_settings->childGroups();
    const bool ours = std::any_of(groups.begin(), groups.end(), [](const QString& g) {
        return g == u"board" || g == u"windows" || g == u"interface" || g == u"projects";
    });
    if (m_problem.isEmpty() && QFileInfo(file).size() > 0 && !ours)
        m_problem = QStringLiteral("%1 holds no settings of Kelvarin").arg(file);
    // What cannot be read is not written over either.
    if (!m_problem.isEmpty()) m_settings.reset();
}

SettingsPreferences::~SettingsPreferences() = default;

std::optional<QString> SettingsPreferences::startAfresh(QString* error) {
    auto fail = [&](const QString& why) -> std::optional<QString> {
        if (error != nullptr) *error = why;
        return std::nullopt;
    };
    if (m_problem.isEmpty()) return fail(QStringLiteral("the settings were read"));
    QString kept = m_file + QStringLiteral(".broken");
    for (int n = 2; QFileInfo::exists(kept) && n < 1000; ++n)
        kept = m_file + QStringLiteral(".broken-%1").arg(n);
    if (QFileInfo::exists(kept)) return fail(QStringLiteral("%1 is taken").arg(kept));
    // Moved whole, under a new name in the same folder: nothing of it is lost.
    if (QFileInfo::exists(m_file) && !QFile::rename(m_file, kept))
        return fail(QStringLiteral("%1 cannot be moved to %2").arg(m_file, kept));
    m_settings = std::make_unique<QSettings>(m_file, QSettings::IniFormat);
    m_problem.clear();
    return kept;
}

QString SettingsPreferences::fileNameForUser() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/kelvarin/kelvarin.conf");
}

QVariant SettingsPreferences::value(const QString& key) const {
    return m_settings ? m_settings->value(key) : QVariant();
}

void SettingsPreferences::setValue(const QString& key, const QVariant& value) {
    if (!m_settings) return;
    m_settings->setValue(key, value);
    m_settings->sync();
}

}  // namespace kelvarin::platform
