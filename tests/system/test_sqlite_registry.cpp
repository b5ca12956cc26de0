// SPDX-License-Identifier: MIT
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "file_helpers.h"
#include "system/sqlite_registry.h"
#include "system/xdg_user_folders.h"

using namespace kelvarin;
using namespace kelvarin::platform;

namespace {

qint32 writeNumber(RegistryStore& store, const QString& key, const QString& name, qint32 n) {
    qint32 handle = 0;
    qint32 s = store.createKey(reg::HKEY_CURRENT_USER, key, reg::KEY_ALL_ACCESS, handle);
    if (s != 0) return s;
    RegistryValue v;
    v.type = reg::REG_DWORD;
    v.number = n;
    s = store.setValue(handle, name, v);
    store.closeKey(handle);
    return s;
}

// The number under the key, or -1.
qint32 readNumber(RegistryStore& store, const QString& key, const QString& name) {
    qint32 handle = 0;
    if (store.openKey(reg::HKEY_CURRENT_USER, key, reg::KEY_ALL_ACCESS, handle) != 0) return -1;
    qint32 type = 0, size = 0;
    RegistryValue v;
    const qint32 s = store.queryValue(handle, name, type, size, &v);
    store.closeKey(handle);
    return s == 0 ? v.number : -1;
}

}  // namespace

class SqliteRegistryTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void fileRightsAndPlace();
    void twoProgramsWritingAtOnce();
    void programsOpeningANewStoreAtOnce();
    void killedWriterLosesNothingCommitted();
    void fileThatIsNoDatabase();
    void otherSchemas_data();
    void otherSchemas();
    void linkThatLeadsNowhere();
    void readOnlyStore();
    void keyMadeAgainByAnotherProgram_data();
    void keyMadeAgainByAnotherProgram();

  private:
    QString m_file;
    QTemporaryDir m_dir;
};

void SqliteRegistryTest::init() {
    m_file = m_dir.filePath(QStringLiteral("data/kelvarin/registry.sqlite3"));
    QDir(m_dir.filePath(QStringLiteral("data"))).removeRecursively();
}

void SqliteRegistryTest::fileRightsAndPlace() {
    qputenv("XDG_DATA_HOME", m_dir.filePath(QStringLiteral("data")).toUtf8());
    qunsetenv("KELVARIN_REGISTRY");
    QCOMPARE(SqliteRegistry::fileNameFor(XdgUserFolders()), m_file);
    qputenv("KELVARIN_REGISTRY", "/somewhere/else.sqlite3");
    QCOMPARE(SqliteRegistry::fileNameFor(XdgUserFolders()),
             QStringLiteral("/somewhere/else.sqlite3"));
    qunsetenv("KELVARIN_REGISTRY");

    SqliteRegistry store([this] { return m_file; });
    QCOMPARE(writeNumber(store, QStringLiteral("A"), QStringLiteral("n"), 1), 0);
    auto mode = [](const QString& path) {
        struct stat st {};
        return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 0777) : -1;
    };
    QCOMPARE(mode(m_file), 0600);
    QCOMPARE(mode(m_file + QStringLiteral("-wal")), 0600);
    QCOMPARE(mode(m_file + QStringLiteral("-shm")), 0600);
    QCOMPARE(mode(QFileInfo(m_file).absolutePath()), 0700);
    // Another program sees the write, after this one is gone.
    SqliteRegistry other([this] { return m_file; });
    QCOMPARE(readNumber(other, QStringLiteral("a"), QStringLiteral("N")), 1);
}

void SqliteRegistryTest::twoProgramsWritingAtOnce() {
    const int perChild = 300;
    auto writer = [this, perChild](int child) {
        return [this, perChild, child] {
            SqliteRegistry store([this] { return m_file; });
            for (int k = 0; k < perChild; ++k) {
                if (writeNumber(store, QStringLiteral("Shared\\W%1").arg(child),
                                QStringLiteral("v%1").arg(k), k) != 0)
                    return 1;
            }
            return 0;
        };
    };
    // Both start together and write at the same time.
    const pid_t first = ::fork();
    if (first == 0) ::_exit(writer(1)());
    const int second = testing::runInChild({}, writer(2));
    int status = 0;
    ::waitpid(first, &status, 0);
    QCOMPARE(WEXITSTATUS(status), 0);
    QCOMPARE(second, 0);
    SqliteRegistry store([this] { return m_file; });
    for (int child : {1, 2}) {
        for (int k = 0; k < perChild; ++k)
            QCOMPARE(readNumber(store, QStringLiteral("Shared\\W%1").arg(child),
                                QStringLiteral("v%1").arg(k)),
                     k);
    }
}

// Several programs that open a store not yet written, all at once, each find it ready: the one
// that writes its tables first does, the others wait their turn.
void SqliteRegistryTest::programsOpeningANewStoreAtOnce() {
    const int programs = 6;
    for (int round = 0; round < 10; ++round) {
        QString file = m_dir.filePath(QStringLiteral("new-%1.sqlite3").arg(round));
        QList<pid_t> children;
        for (int child = 0; child < programs; ++child) {
            const pid_t pid = ::fork();
            if (pid == 0) {
                SqliteRegistry store([&file] { return file; });
                ::_exit(writeNumber(store, QStringLiteral("New"), QStringLiteral("v%1").arg(child),
                                    child) == 0
                            ? 0
                            : 1);
            }
            children << pid;
        }
        for (const pid_t pid : children) {
            int status = 0;
            ::waitpid(pid, &status, 0);
            QCOMPARE(WEXITSTATUS(status), 0);
        }
        SqliteRegistry store([&file] { return file; });
        for (int child = 0; child < programs; ++child)
            QCOMPARE(readNumber(store, QStringLiteral("New"), QStringLiteral("v%1").arg(child)),
                     child);
    }
}

void SqliteRegistryTest::killedWriterLosesNothingCommitted() {
    int pipeEnds[2];
    QVERIFY(::pipe(pipeEnds) == 0);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(pipeEnds[0]);
        SqliteRegistry store([this] { return m_file; });
        for (qint32 k = 0;; ++k) {
            if (writeNumber(store, QStringLiteral("Loop"), QStringLiteral("v%1").arg(k), k) != 0)
                ::_exit(1);
            // Committed: tell the parent.
            if (::write(pipeEnds[1], &k, sizeof k) != sizeof k) ::_exit(1);
        }
    }
    ::close(pipeEnds[1]);
    qint32 last = -1, k = 0;
    while (last < 200 && ::read(pipeEnds[0], &k, sizeof k) == sizeof k)
        last = k;
    ::kill(pid, SIGKILL);
    while (::read(pipeEnds[0], &k, sizeof k) == sizeof k)
        last = k;
    ::close(pipeEnds[0]);
    ::waitpid(pid, nullptr, 0);
    QVERIFY(last >= 200);

    sqlite3* db = nullptr;
    QCOMPARE(
        sqlite3_open_v2(QFile::encodeName(m_file).constData(), &db, SQLITE_OPEN_READWRITE, nullptr),
        SQLITE_OK);
    sqlite3_stmt* check = nullptr;
    sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &check, nullptr);
    QCOMPARE(sqlite3_step(check), SQLITE_ROW);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(sqlite3_column_text(check, 0))),
             QByteArray("ok"));
    sqlite3_finalize(check);
    sqlite3_close(db);
    SqliteRegistry store([this] { return m_file; });
    for (qint32 n = 0; n <= last; ++n)
        QCOMPARE(readNumber(store, QStringLiteral("Loop"), QStringLiteral("v%1").arg(n)), n);
}

void SqliteRegistryTest::fileThatIsNoDatabase() {
    QVERIFY(QDir().mkpath(QFileInfo(m_file).absolutePath()));
    QVERIFY(testing::writeBytes(m_file, QByteArray(4096, 'x')));
    SqliteRegistry store([this] { return m_file; });
    qint32 handle = 0;
    QCOMPARE(
        store.createKey(reg::HKEY_CURRENT_USER, QStringLiteral("A"), reg::KEY_ALL_ACCESS, handle),
        reg::BadDatabase);
    qint32 type = 0, size = 0;
    QCOMPARE(store.queryValue(reg::HKEY_CURRENT_USER, QString(), type, size, nullptr),
             reg::BadDatabase);
    QCOMPARE(testing::readBytes(m_file), QByteArray(4096, 'x'));  // left as it was
}

// Stores that are valid SQLite files of another schema: each is a damaged store, answered with
// status 1009 and left as it was; the store of today's schema, or of the one before the version
// was kept, is taken.
void SqliteRegistryTest::otherSchemas_data() {
    QTest::addColumn<QByteArray>("sql");
    QTest::addColumn<int>("status");
    const QByteArray keys =
        "CREATE TABLE keys(id INTEGER PRIMARY KEY AUTOINCREMENT, parent INTEGER NOT NULL,"
        " name TEXT NOT NULL, lname TEXT NOT NULL, UNIQUE(parent, lname));";
    const QByteArray vals =
        "CREATE TABLE vals(key INTEGER NOT NULL, name TEXT NOT NULL, lname TEXT NOT NULL,"
        " type INTEGER NOT NULL, data, PRIMARY KEY(key, lname)) WITHOUT ROWID;";
    QTest::newRow("no tables of ours") << QByteArray("CREATE TABLE other(x);") << 1009;
    QTest::newRow("keys table missing") << vals << 1009;
    QTest::newRow("vals table missing") << keys << 1009;
    QTest::newRow("a column missing")
        << keys + "CREATE TABLE vals(key INTEGER, name TEXT, lname TEXT, type INTEGER);" << 1009;
    QTest::newRow("a newer version") << keys + vals + "PRAGMA user_version = 2;" << 1009;
    QTest::newRow("a negative version") << keys + vals + "PRAGMA user_version = -1;" << 1009;
    QTest::newRow("tables of today without a version") << keys + vals << 0;
    QTest::newRow("empty database") << QByteArray("PRAGMA user_version = 0;") << 0;
}

void SqliteRegistryTest::otherSchemas() {
    QFETCH(QByteArray, sql);
    QFETCH(int, status);
    QVERIFY(QDir().mkpath(QFileInfo(m_file).absolutePath()));
    sqlite3* db = nullptr;
    QCOMPARE(sqlite3_open(QFile::encodeName(m_file).constData(), &db), SQLITE_OK);
    QCOMPARE(sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
    const QByteArray before = testing::readBytes(m_file);
    {
        SqliteRegistry store([this] { return m_file; });
        QCOMPARE(writeNumber(store, QStringLiteral("A"), QStringLiteral("n"), 7), status);
        QCOMPARE(readNumber(store, QStringLiteral("A"), QStringLiteral("n")), status ? -1 : 7);
        qint32 type = 0, size = 0;
        QCOMPARE(store.queryValue(reg::HKEY_CURRENT_USER, QStringLiteral("n"), type, size, nullptr),
                 status ? status : reg::FileNotFound);
    }
    if (status != 0) QCOMPARE(testing::readBytes(m_file), before);
}

void SqliteRegistryTest::linkThatLeadsNowhere() {
    // The store's name is a link to a file not there yet: it is created for the user alone.
    QVERIFY(QDir().mkpath(QFileInfo(m_file).absolutePath()));
    const QString target = m_dir.filePath(QStringLiteral("data/elsewhere.sqlite3"));
    QFile::remove(target);
    QVERIFY(QFile::link(target, m_file));
    const mode_t old = ::umask(0);
    {
        SqliteRegistry store([this] { return m_file; });
        QCOMPARE(writeNumber(store, QStringLiteral("A"), QStringLiteral("n"), 7), 0);
    }
    ::umask(old);
    struct stat st {};
    QCOMPARE(::stat(QFile::encodeName(target).constData(), &st), 0);
    QCOMPARE(st.st_mode & 0777, mode_t(0600));
}

void SqliteRegistryTest::readOnlyStore() {
    {
        SqliteRegistry store([this] { return m_file; });
        QCOMPARE(writeNumber(store, QStringLiteral("A"), QStringLiteral("n"), 7), 0);
    }
    // Another user may read the file but not write it.
    QFile::setPermissions(m_dir.path(), QFile::permissions(m_dir.path()) | QFile::ExeOther);
    for (const QString& folder :
         {m_dir.filePath(QStringLiteral("data")), QFileInfo(m_file).absolutePath()})
        QFile::setPermissions(folder,
                              QFile::permissions(folder) | QFile::ReadOther | QFile::ExeOther);
    for (const QString& suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")}) {
        if (QFileInfo::exists(m_file + suffix))
            QFile::setPermissions(m_file + suffix, QFile::ReadOwner | QFile::ReadOther);
    }
    const int result = testing::runInChild({true, -1}, [this] {
        SqliteRegistry store([this] { return m_file; });
        const qint32 written = writeNumber(store, QStringLiteral("A"), QStringLiteral("n"), 8);
        const qint32 read = readNumber(store, QStringLiteral("A"), QStringLiteral("n"));
        // Reading needs the WAL index, which another user may not be able to share: it may
        // fail with a status too, but never gives another number.
        return written == reg::AccessDenied && (read == 7 || read == -1) ? 0 : 1;
    });
    QCOMPARE(result, 0);
}

// A key that another program deletes and makes again (with a new id) while this one has walked
// its path before: every operation reaches the key now there, and a key deleted for good is
// said to be gone.
void SqliteRegistryTest::keyMadeAgainByAnotherProgram_data() {
    QTest::addColumn<QString>("operation");
    QTest::addColumn<bool>("madeAgain");
    QTest::addColumn<qint32>("status");
    for (const char* op : {"query", "set", "delete value"}) {
        QTest::addRow("%s, made again", op) << op << true << reg::Success;
        QTest::addRow("%s, deleted", op) << op << false << reg::KeyDeleted;
    }
}

void SqliteRegistryTest::keyMadeAgainByAnotherProgram() {
    QFETCH(QString, operation);
    QFETCH(bool, madeAgain);
    QFETCH(qint32, status);
    SqliteRegistry ours([this] { return m_file; });
    SqliteRegistry theirs([this] { return m_file; });
    const QString path = QStringLiteral("Software\\Kelvarin\\Again");
    qint32 handle = 0, other = 0;
    QCOMPARE(ours.createKey(reg::HKEY_CURRENT_USER, path, reg::KEY_ALL_ACCESS, handle),
             reg::Success);
    QCOMPARE(ours.closeKey(handle), reg::Success);
    QCOMPARE(ours.openKey(reg::HKEY_CURRENT_USER, path, reg::KEY_ALL_ACCESS, handle), reg::Success);
    QCOMPARE(ours.closeKey(handle), reg::Success);
    // The other program deletes the key, and makes it again with a value.
    QCOMPARE(theirs.deleteKey(reg::HKEY_CURRENT_USER, path), reg::Success);
    if (madeAgain) {
        QCOMPARE(theirs.createKey(reg::HKEY_CURRENT_USER, path, reg::KEY_ALL_ACCESS, other),
                 reg::Success);
        RegistryValue v;
        v.type = reg::REG_DWORD;
        v.number = 42;
        QCOMPARE(theirs.setValue(other, QStringLiteral("n"), v), reg::Success);
    }
    QCOMPARE(ours.openKey(reg::HKEY_CURRENT_USER, path, reg::KEY_ALL_ACCESS, handle), reg::Success);
    qint32 got = -1;
    if (operation == u"query") {
        qint32 type = 0, size = 0;
        RegistryValue v;
        got = ours.queryValue(handle, QStringLiteral("n"), type, size, &v);
        if (got == reg::Success) QCOMPARE(v.number, 42);
    } else if (operation == u"set") {
        RegistryValue v;
        v.type = reg::REG_SZ;
        v.text = QStringLiteral("ours");
        got = ours.setValue(handle, QStringLiteral("t"), v);
        if (got == reg::Success) {
            qint32 type = 0, size = 0;
            QCOMPARE(theirs.queryValue(other, QStringLiteral("t"), type, size, nullptr),
                     reg::Success);
        }
    } else {
        got = ours.deleteValue(handle, QStringLiteral("n"));
    }
    QCOMPARE(got, status);
}

QTEST_APPLESS_MAIN(SqliteRegistryTest)
#include "test_sqlite_registry.moc"
