// SPDX-License-Identifier: MIT
#pragma once

// The windows' languages: Chinese (their own texts, the default) and English (a translation
// built from translations/kelvarin_en.ts into the windows' resources). The language is kept in
// the preferences and installed before the first window is made.

#include <QString>
#include <QStringList>

#include "services/preferences.h"

namespace kelvarin {

inline QString languageKey() {
    return QStringLiteral("interface/language");
}
// "zh" and "en".
QStringList languages();
// The language kept in the preferences: "zh" when none (or one not known) is kept.
QString chosenLanguage(const platform::Preferences* preferences);
// Installs the language's translations (the windows' own and those of Qt's dialogs) into the
// application; nothing to do for "zh" but Qt's dialogs. False when a translation is missing.
bool installLanguage(const QString& language);

}  // namespace kelvarin
