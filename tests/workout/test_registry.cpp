// SPDX-License-Identifier: MIT
#include <QTemporaryDir>
#include <QTest>

#include "outcome.h"
#include "system/sqlite_registry.h"
#include "workout/workout.h"

using namespace kelvarin;
using namespace kelvarin::platform::reg;

class RegistryTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void readBack_data();
    void readBack();
    void numberFromEmptyText();
    void otherTypesWriteNothing();
    void keys();
    void lettersCaseAndChinese();
    void statusesOfTheStore();
    void badNumbersReachTheCaller();

  private:
    QTemporaryDir* m_dir = nullptr;
    platform::SqliteRegistry* m_store = nullptr;
    workOut* m_w = nullptr;
};

void RegistryTest::init() {
    m_dir = new QTemporaryDir;
    const QString file = m_dir->filePath(QStringLiteral("registry.sqlite3"));
    m_store = new platform::SqliteRegistry([file] { return QString(file); });
    platform::Services services;
    services.registry = m_store;
    m_w = new workOut(services);
    m_w->REG_CreateNewKey(HKEY_CURRENT_USER, QStringLiteral("Software\\Kelvarin"));
}

void RegistryTest::cleanup() {
    delete m_w;
    delete m_store;
    delete m_dir;
}

void RegistryTest::readBack_data() {
    QTest::addColumn<QVariant>("written");
    QTest::addColumn<int>("type");
    QTest::addColumn<QVariant>("read");
    QTest::newRow("text") << QVariant("abc") << 1 << QVariant(QStringLiteral("abc") + QChar(0));
    QTest::newRow("empty text") << QVariant("") << 1 << QVariant(QString(QChar(0)));
    QTest::newRow("number as text")
        << QVariant(12) << 1 << QVariant(QStringLiteral("12") + QChar(0));
    QTest::newRow("number") << QVariant(-7) << 4 << QVariant(qint32(-7));
    QTest::newRow("text as number") << QVariant("41") << 4 << QVariant(qint32(41));
    QTest::newRow("rounded to even") << QVariant(2.5) << 4 << QVariant(qint32(2));
    QTest::newRow("long text") << QVariant(QString(100000, u'x')) << 1
                               << QVariant(QString(100000, u'x') + QChar(0));
}

void RegistryTest::readBack() {
    QFETCH(QVariant, written);
    QFETCH(int, type);
    QFETCH(QVariant, read);
    const QString key = QStringLiteral("Software\\Kelvarin");
    m_w->REG_SetKeyValue(HKEY_CURRENT_USER, key, QStringLiteral("v"), written, type);
    QCOMPARE(m_w->REG_QueryValue(HKEY_CURRENT_USER, key, QStringLiteral("v")), read);
    // Through an open handle: status 0; a missing value gives -1 and leaves the variant.
    QVariant value(QStringLiteral("untouched"));
    QCOMPARE(m_w->REG_QueryValueEx(HKEY_CURRENT_USER, QStringLiteral("none"), value), -1);
    QCOMPARE(value, QVariant(QStringLiteral("untouched")));
    QCOMPARE(m_w->REG_QueryValue(HKEY_CURRENT_USER, key, QStringLiteral("none")), QVariant());
}

void RegistryTest::numberFromEmptyText() {
    qint32 handle = 0;
    QCOMPARE(m_store->openKey(HKEY_CURRENT_USER, QStringLiteral("software\\kelvarin"),
                              KEY_ALL_ACCESS, handle),
             0);
    for (QVariant empty : {QVariant(QString()), QVariant()}) {
        QCOMPARE(m_w->REG_SetVal(handle, QStringLiteral("n"), REG_DWORD, empty), 0);
        QCOMPARE(empty, QVariant(qint32(0)));  // the caller's variant changed
        QVariant read;
        QCOMPARE(m_w->REG_QueryValueEx(handle, QStringLiteral("n"), read), 0);
        QCOMPARE(read, QVariant(qint32(0)));
    }
    m_store->closeKey(handle);
}

void RegistryTest::otherTypesWriteNothing() {
    qint32 handle = 0;
    m_store->openKey(HKEY_CURRENT_USER, QStringLiteral("Software\\Kelvarin"), KEY_ALL_ACCESS,
                     handle);
    QVariant value(QStringLiteral("x"));
    QCOMPARE(m_w->REG_SetVal(handle, QStringLiteral("b"), 2, value), 0);
    QCOMPARE(m_w->REG_SetVal(handle, QStringLiteral("b"), 3, value), 0);
    QVariant read(QStringLiteral("untouched"));
    QCOMPARE(m_w->REG_QueryValueEx(handle, QStringLiteral("b"), read), -1);
    m_store->closeKey(handle);
}

void RegistryTest::keys() {
    const QString parent = QStringLiteral("Software\\Kelvarin");
    m_w->REG_CreateNewKey(HKEY_CURRENT_USER, parent + QStringLiteral("\\Child"));
    m_w->REG_SetKeyValue(HKEY_CURRENT_USER, parent + QStringLiteral("\\Child"), QStringLiteral("x"),
                         1, REG_DWORD);
    // A key with sub-keys stays.
    m_w->REG_DelKey(HKEY_CURRENT_USER, parent);
    QCOMPARE(m_w->REG_QueryValue(HKEY_CURRENT_USER, parent + QStringLiteral("\\Child"),
                                 QStringLiteral("x")),
             QVariant(qint32(1)));
    m_w->REG_DelVal(HKEY_CURRENT_USER, parent + QStringLiteral("\\Child"), QStringLiteral("X"));
    QCOMPARE(m_w->REG_QueryValue(HKEY_CURRENT_USER, parent + QStringLiteral("\\Child"),
                                 QStringLiteral("x")),
             QVariant());
    m_w->REG_DelKey(HKEY_CURRENT_USER, parent + QStringLiteral("\\Child"));
    qint32 handle = 0;
    QCOMPARE(m_store->openKey(HKEY_CURRENT_USER, parent + QStringLiteral("\\Child"), KEY_ALL_ACCESS,
                              handle),
             FileNotFound);
    // Values go to a key only when it exists: REG_SetKeyValue opens, it does not create.
    m_w->REG_SetKeyValue(HKEY_CURRENT_USER, QStringLiteral("Missing"), QStringLiteral("v"), 1,
                         REG_DWORD);
    QCOMPARE(m_store->openKey(HKEY_CURRENT_USER, QStringLiteral("Missing"), KEY_ALL_ACCESS, handle),
             FileNotFound);
}

void RegistryTest::lettersCaseAndChinese() {
    const QString key = QStringLiteral("软件\\数码管");
    m_w->REG_CreateNewKey(HKEY_LOCAL_MACHINE, key);
    m_w->REG_SetKeyValue(HKEY_LOCAL_MACHINE, QStringLiteral("软件\\数码管"), QStringLiteral("名字"),
                         QStringLiteral("共阴数码管"), REG_SZ);
    QCOMPARE(m_w->REG_QueryValue(HKEY_LOCAL_MACHINE, key, QStringLiteral("名字")),
             QVariant(QStringLiteral("共阴数码管") + QChar(0)));
    // Names differing only in letter case are the same key and the same value.
    m_w->REG_SetKeyValue(HKEY_CURRENT_USER, QStringLiteral("SOFTWARE\\kelvarin"),
                         QStringLiteral("Mode"), QStringLiteral("a"), REG_SZ);
    m_w->REG_SetKeyValue(HKEY_CURRENT_USER, QStringLiteral("software\\KELVARIN"),
                         QStringLiteral("MODE"), QStringLiteral("b"), REG_SZ);
    QCOMPARE(m_w->REG_QueryValue(HKEY_CURRENT_USER, QStringLiteral("Software\\Kelvarin"),
                                 QStringLiteral("mode")),
             QVariant(QStringLiteral("b") + QChar(0)));
    // The default value has the empty name; roots do not share keys.
    m_w->REG_SetKeyValue(HKEY_CLASSES_ROOT, QString(), QString(), 5, REG_DWORD);
    QCOMPARE(m_w->REG_QueryValue(HKEY_CLASSES_ROOT, QString(), QString()), QVariant(qint32(5)));
    QCOMPARE(m_w->REG_QueryValue(HKEY_USERS, QString(), QString()), QVariant());
}

void RegistryTest::statusesOfTheStore() {
    QVariant v(1);
    QCOMPARE(m_w->REG_SetVal(12345, QStringLiteral("x"), REG_DWORD, v), InvalidHandle);
    qint32 handle = 0;
    QCOMPARE(m_store->openKey(HKEY_CURRENT_USER, QStringLiteral("a\\\\b"), KEY_ALL_ACCESS, handle),
             InvalidParameter);
    QCOMPARE(
        m_store->openKey(HKEY_CURRENT_USER, QStringLiteral("Software"), KEY_QUERY_VALUE, handle),
        0);
    QCOMPARE(m_w->REG_SetVal(handle, QStringLiteral("x"), REG_DWORD, v), AccessDenied);
    QCOMPARE(m_store->deleteKey(HKEY_CURRENT_USER, QString()), AccessDenied);  // a root
    QCOMPARE(m_store->closeKey(handle), 0);
    QCOMPARE(m_store->closeKey(handle), InvalidHandle);
    // A handle to a key deleted meanwhile.
    m_store->createKey(HKEY_CURRENT_USER, QStringLiteral("Gone"), KEY_ALL_ACCESS, handle);
    m_store->deleteKey(HKEY_CURRENT_USER, QStringLiteral("gone"));
    QCOMPARE(m_w->REG_SetVal(handle, QStringLiteral("x"), REG_DWORD, v), KeyDeleted);
    QVariant read;
    QCOMPARE(m_w->REG_QueryValueEx(handle, QStringLiteral("x"), read), -1);
    // Without a store the query resumes; the others raise error 91.
    workOut without{platform::Services()};
    QCOMPARE(without.REG_QueryValueEx(HKEY_CURRENT_USER, QStringLiteral("x"), read), -1);
    QVERIFY_THROWS_EXCEPTION(workOutError,
                             without.REG_CreateNewKey(HKEY_CURRENT_USER, QStringLiteral("x")));
}

void RegistryTest::badNumbersReachTheCaller() {
    testing::expectOutcome(
        [&] {
            return m_w->REG_SetKeyValue(HKEY_CURRENT_USER, QStringLiteral("Software\\Kelvarin"),
                                        QStringLiteral("n"), QStringLiteral("abc"), REG_DWORD);
        },
        QVariant(), err::TypeMismatch);
    testing::expectOutcome(
        [&] {
            return m_w->REG_SetKeyValue(HKEY_CURRENT_USER, QStringLiteral("Software\\Kelvarin"),
                                        QStringLiteral("n"), 1e12, REG_DWORD);
        },
        QVariant(), err::Overflow);
}

QTEST_APPLESS_MAIN(RegistryTest)
#include "test_registry.moc"
