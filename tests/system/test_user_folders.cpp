// SPDX-License-Identifier: MIT
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include "file_helpers.h"
#include "system/xdg_user_folders.h"

using namespace kelvarin::platform;
using namespace kelvarin::testing;

class UserFoldersTest : public QObject {
    Q_OBJECT
  private slots:
    void fromEnvironment_data();
    void fromEnvironment();
    void desktop();

  private:
    QTemporaryDir m_dir;
};

void UserFoldersTest::fromEnvironment_data() {
    QTest::addColumn<QByteArray>("state");  // the variables' value; "-" unset
    QTest::addColumn<QString>("stateHome");
    QTest::addColumn<QString>("dataHome");
    QTest::newRow("set") << QByteArray("/x/state") << "/x/state"
                         << "/x/data";
    QTest::newRow("unset") << QByteArray("-") << "~/.local/state"
                           << "~/.local/share";
    QTest::newRow("empty") << QByteArray("") << "~/.local/state"
                           << "~/.local/share";
    QTest::newRow("relative counts as unset") << QByteArray("rel/state") << "~/.local/state"
                                              << "~/.local/share";
}

void UserFoldersTest::fromEnvironment() {
    QFETCH(QByteArray, state);
    QFETCH(QString, stateHome);
    QFETCH(QString, dataHome);
    const QString home = m_dir.path();
    qputenv("HOME", home.toUtf8());
    if (state == "-") {
        qunsetenv("XDG_STATE_HOME");
        qunsetenv("XDG_DATA_HOME");
    } else {
        qputenv("XDG_STATE_HOME", state);
        qputenv("XDG_DATA_HOME", QByteArray(state).replace("state", "data"));
    }
    // Read afresh at each call.
    const XdgUserFolders folders;
    QCOMPARE(folders.stateHome(), QString(stateHome).replace(u'~', home));
    QCOMPARE(folders.dataHome(), QString(dataHome).replace(u'~', home));
}

void UserFoldersTest::desktop() {
    qputenv("XDG_CONFIG_HOME", m_dir.filePath(QStringLiteral("config")).toUtf8());
    qputenv("HOME", m_dir.path().toUtf8());
    QDir(m_dir.path()).mkpath(QStringLiteral("config"));
    QVERIFY(writeBytes(m_dir.filePath(QStringLiteral("config/user-dirs.dirs")),
                       "XDG_DESKTOP_DIR=\"$HOME/桌面\"\n"));
    QCOMPARE(XdgUserFolders().desktop(), m_dir.path() + QStringLiteral("/桌面"));
}

QTEST_APPLESS_MAIN(UserFoldersTest)
#include "test_user_folders.moc"
