// SPDX-License-Identifier: MIT
#include <QTemporaryDir>
#include <QTest>

#include "file_helpers.h"
#include "system/settings_preferences.h"

using namespace kelvarin::platform;
using namespace kelvarin::testing;

// The file as found, what a value under board/format reads as, and whether the store says it
// could not be read (and then leaves the file as it was).
class SettingsPreferencesTest : public QObject {
    Q_OBJECT
  private slots:
    void files_data();
    void files();
};

void SettingsPreferencesTest::files_data() {
    QTest::addColumn<QByteArray>("file");  // "-": no file
    QTest::addColumn<QString>("format");
    QTest::addColumn<bool>("problem");
    QTest::newRow("no file yet") << QByteArray("-") << "" << false;
    QTest::newRow("empty file") << QByteArray("") << "" << false;
    QTest::newRow("ours") << QByteArray("[board]\nformat=sdcc\n") << "sdcc" << false;
    QTest::newRow("only the language kept")
        << QByteArray("[interface]\nlanguage=en\n") << "" << false;
    QTest::newRow("only recent projects")
        << QByteArray("[projects]\nrecent=/a.toml\n") << "" << false;
    QTest::newRow("another program's") << QByteArray("[General]\ntheme=dark\n") << "" << true;
    QTest::newRow("broken") << QByteArrayLiteral("\x01\x02\xff\xfe garbage\n\x00\x01") << ""
                            << true;
}

void SettingsPreferencesTest::files() {
    QFETCH(QByteArray, file);
    QFETCH(QString, format);
    QFETCH(bool, problem);
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("kelvarin.conf"));
    if (file != "-") QVERIFY(writeBytes(name, file));
    {
        SettingsPreferences preferences(name);
        QCOMPARE(preferences.value(QStringLiteral("board/format")).toString(), format);
        QCOMPARE(!preferences.problem().isEmpty(), problem);
        preferences.setValue(QStringLiteral("board/upper"), QStringLiteral("true"));
    }
    if (problem) {
        QCOMPARE(readBytes(name), file);  // not written over
        // Started afresh: the file kept beside (a second time beside the first), the new one
        // written and read.
        for (const char* kept : {".broken", ".broken-2"}) {
            if (QByteArray(kept) == ".broken-2") QVERIFY(writeBytes(name, file));
            SettingsPreferences preferences(name);
            QString error;
            QCOMPARE(preferences.startAfresh(&error), std::optional<QString>(name + kept));
            QVERIFY(preferences.problem().isEmpty());
            preferences.setValue(QStringLiteral("board/upper"), QStringLiteral("true"));
            QCOMPARE(readBytes(name + kept), file);
        }
        QCOMPARE(SettingsPreferences(name).value(QStringLiteral("board/upper")).toString(),
                 QStringLiteral("true"));
    } else {
        QString error;
        QVERIFY(!SettingsPreferences(name).startAfresh(&error));  // nothing to start afresh from
        QCOMPARE(SettingsPreferences(name).value(QStringLiteral("board/upper")).toString(),
                 QStringLiteral("true"));
    }
}

QTEST_APPLESS_MAIN(SettingsPreferencesTest)
#include "test_settings_preferences.moc"
