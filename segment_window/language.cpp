// SPDX-License-Identifier: MIT
// The windows' languages.

#include "segment_window/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace kelvarin {

QStringList languages() {
    return {QStringLiteral("zh"), QStringLiteral("en")};
}

QString chosenLanguage(const platform::Preferences* preferences) {
    const QString kept =
        preferences != nullptr ? preferences->value(languageKey()).toString() : QString();
    return languages().contains(kept) ? kept : QStringLiteral("zh");
}

bool installLanguage(const QString& language) {
    // Installed once, for the program's life.
    static QTranslator windows, qt;
    QCoreApplication::removeTranslator(&windows);
    QCoreApplication::removeTranslator(&qt);
    // Qt's own dialogs (the file dialogs) speak the windows' language where Qt has it.
    const QString qtName = language == u"zh" ? QStringLiteral("qtbase_zh_CN") : QString();
    if (!qtName.isEmpty() && qt.load(qtName, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt);
    if (language == u"zh") return true;
    if (!windows.load(QStringLiteral(":/i18n/kelvarin_%1.qm").arg(language))) return false;
    QCoreApplication::installTranslator(&windows);
    return true;
}

}  // namespace kelvarin
