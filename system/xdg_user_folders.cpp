// SPDX-License-Identifier: MIT
// The user's folders from the environment.

#include "system/xdg_user_folders.h"

#include <QDir>
#include <QStandardPaths>

namespace kelvarin::platform {

namespace {

QString fromEnvironment(const char* variable, const QString& fallback) {
    QString value = qEnvironmentVariable(variable);
    if (!value.isEmpty() && QDir::isAbsolutePath(value)) return value;
    return QDir::homePath() + u'/' + fallback;
}

}  // namespace

QString XdgUserFolders::stateHome() const {
    return fromEnvironment("XDG_STATE_HOME", QStringLiteral(".local/state"));
}

QString XdgUserFolders::dataHome() const {
    return fromEnvironment("XDG_DATA_HOME", QStringLiteral(".local/share"));
}

QString XdgUserFolders::desktop() const {
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

}  // namespace kelvarin::platform
