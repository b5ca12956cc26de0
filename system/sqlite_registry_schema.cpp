// SPDX-License-Identifier: MIT
// The registry store's schema and its opening: a new store gets the schema, a store of the
// expected schema is taken, any other is a damaged store that is left alone.

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <unistd.h>

#include "system/sqlite_library.h"

#include "runtime/errors.h"
#include "runtime/file_access.h"
#include "system/sqlite_registry.h"

namespace kelvarin::platform {

namespace {

constexpr int kRoots = 5;  // the root keys, rows 1 to 5 of the keys table

const char* const kSchema =
    "CREATE TABLE IF NOT EXISTS keys("
    "  id INTEGER PRIMARY KEY AUTOINCREMENT,"  // never reused: a stale handle finds nothing
    "  parent INTEGER NOT NULL,"               // 0 for a root
    "  name TEXT NOT NULL,"                    // as created
    "  lname TEXT NOT NULL,"                   // in lower case, for comparing
    "  UNIQUE(parent, lname));"
    "CREATE TABLE IF NOT EXISTS vals("
    "  key INTEGER NOT NULL,"
    "  name TEXT NOT NULL,"
    "  lname TEXT NOT NULL,"
    "  type INTEGER NOT NULL,"  // 1 text, 4 number, else bytes
    "  data,"
    "  PRIMARY KEY(key, lname)) WITHOUT ROWID;"
    "INSERT OR IGNORE INTO keys(id, parent, name, lname) VALUES"
    "  (1, 0, 'HKEY_CLASSES_ROOT', 'hkey_classes_root'),"
    "  (2, 0, 'HKEY_CURRENT_USER', 'hkey_current_user'),"
    "  (3, 0, 'HKEY_LOCAL_MACHINE', 'hkey_local_machine'),"
    "  (4, 0, 'HKEY_USERS', 'hkey_users'),"
    "  (5, 0, 'HKEY_CURRENT_CONFIG', 'hkey_current_config');";

}  // namespace

namespace {

// The schema's version in PRAGMA user_version; stores written before it was kept say 0.
constexpr int kSchemaVersion = 1;

int pragmaInteger(sqlite3* db, const char* sql, int& value) {
    sqlite3_stmt* statement = nullptr;
    int result = sqlite::lib().prepare_v2(db, sql, -1, &statement, nullptr);
    if (result == SQLITE_OK) {
        result = sqlite::lib().step(statement);
        if (result == SQLITE_ROW) {
            value = sqlite::lib().column_int(statement, 0);
            result = SQLITE_OK;
        }
    }
    sqlite::lib().finalize(statement);
    return result;
}

// The column names of a table, in order; empty when there is no such table.
int columnsOf(sqlite3* db, const char* sql, QStringList& columns) {
    sqlite3_stmt* statement = nullptr;
    int result = sqlite::lib().prepare_v2(db, sql, -1, &statement, nullptr);
    while (result == SQLITE_OK || result == SQLITE_ROW) {
        result = sqlite::lib().step(statement);
        if (result == SQLITE_ROW)
            columns << QString::fromUtf8(
                reinterpret_cast<const char*>(sqlite::lib().column_text(statement, 1)));
    }
    sqlite::lib().finalize(statement);
    return result == SQLITE_DONE ? SQLITE_OK : result;
}

// What a store's schema is, as read.
struct SchemaState {
    int version = 0;        // PRAGMA user_version
    bool expected = false;  // the tables are ours, column for column
    bool empty = false;     // no table, index or view of any kind
    int roots = 0;          // the root keys there are
};

int readSchema(sqlite3* db, SchemaState& state) {
    state = SchemaState();
    if (const int r = pragmaInteger(db, "PRAGMA user_version", state.version)) return r;
    QStringList keys, vals;
    if (const int r = columnsOf(db, "PRAGMA table_info(keys)", keys)) return r;
    if (const int r = columnsOf(db, "PRAGMA table_info(vals)", vals)) return r;
    int objects = 0;
    if (const int r = pragmaInteger(db, "SELECT count(*) FROM sqlite_master", objects)) return r;
    state.empty = objects == 0;
    state.expected =
        keys == QStringList{QStringLiteral("id"), QStringLiteral("parent"), QStringLiteral("name"),
                            QStringLiteral("lname")} &&
        vals == QStringList{QStringLiteral("key"), QStringLiteral("name"), QStringLiteral("lname"),
                            QStringLiteral("type"), QStringLiteral("data")};
    if (state.expected) {
        if (const int r =
                pragmaInteger(db, "SELECT count(*) FROM keys WHERE parent = 0", state.roots))
            return r;
    }
    return SQLITE_OK;
}

// Another schema (an older or newer one, a damaged one, another program's) is a damaged store:
// no statement is prepared against it. Ours complete and marked needs nothing written (it may be
// read-only); a new store, or ours unmarked or without its roots, is written.
enum class Verdict { Ready, Incomplete, BadSchema };

Verdict verdictOn(const SchemaState& s) {
    if (s.version < 0 || s.version > kSchemaVersion) return Verdict::BadSchema;
    if (!s.expected && !(s.empty && s.version == 0)) return Verdict::BadSchema;
    if (s.expected && s.roots == kRoots && s.version == kSchemaVersion) return Verdict::Ready;
    return Verdict::Incomplete;
}

}  // namespace

qint32 SqliteRegistry::checkSchema(sqlite3* db) {
    // Read in a transaction, so that what is read is one moment's store: another program may be
    // writing its tables meanwhile.
    SchemaState state;
    auto read = [db, &state](const char* begin) {
        int r = sqlite::lib().exec(db, begin, nullptr, nullptr, nullptr);
        if (r == SQLITE_OK) r = readSchema(db, state);
        return r;
    };
    int result = read("BEGIN");
    sqlite::lib().exec(db, "COMMIT", nullptr, nullptr, nullptr);
    // A file that is no database answers the first question with an error.
    if (result != SQLITE_OK) return status(result);
    Verdict verdict = verdictOn(state);
    if (verdict != Verdict::Incomplete)
        return verdict == Verdict::Ready ? reg::Success : reg::BadDatabase;
    // Written in one transaction that waits its turn, and read again within it: of programs that
    // open a new store at once, the first writes its tables and the others find them ready.
    const bool complete = state.expected && state.roots == kRoots;
    result = read("BEGIN IMMEDIATE");
    if (result == SQLITE_OK) {
        verdict = verdictOn(state);
        if (verdict == Verdict::Incomplete) {
            result = sqlite::lib().exec(db, kSchema, nullptr, nullptr, nullptr);
            if (result == SQLITE_OK)
                result =
                    sqlite::lib().exec(db, "PRAGMA user_version = 1", nullptr, nullptr, nullptr);
        }
        if (result == SQLITE_OK)
            result = sqlite::lib().exec(db, "COMMIT", nullptr, nullptr, nullptr);
    }
    if (result != SQLITE_OK) {
        sqlite::lib().exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        // A complete store that cannot be written (read-only) is still a store.
        return complete ? reg::Success : status(result);
    }
    return verdict == Verdict::BadSchema ? reg::BadDatabase : reg::Success;
}

qint32 SqliteRegistry::open() {
    if (m_db != nullptr) return reg::Success;
    const QString fileName = m_fileName ? m_fileName() : QString();
    if (fileName.isEmpty()) return reg::BadDatabase;
    const bool inMemory = fileName == u":memory:";  // SQLite's name for a store in memory
    if (!inMemory) {
        try {
            rt::createFolders(QFileInfo(fileName).absolutePath());
        } catch (const workOutError& e) {
            return e.number() == err::PermissionDenied ? reg::AccessDenied : reg::BadDatabase;
        }
        // A link that the kernel's protected_symlinks rule would not follow is not followed.
        if (rt::refusedLink(fileName)) return reg::AccessDenied;
    }
    const QByteArray name = QFile::encodeName(fileName);
    // Created for the user alone, also through a link that leads nowhere yet; SQLite gives its
    // -wal and -shm files the same rights. An existing file is left as it is.
    const int fd = inMemory ? -1 : ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd >= 0) ::close(fd);
    if (sqlite::opened() == nullptr) return reg::BadDatabase;  // no SQLite on this system
    sqlite3* db = nullptr;
    int result = sqlite::lib().open_v2(
        name.constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
        nullptr);
    if (result != SQLITE_OK) {
        sqlite::lib().close(db);
        return result == SQLITE_CANTOPEN ? reg::AccessDenied : status(result);
    }
    sqlite::lib().busy_timeout(db, 10000);
    // The schema first: a store of another schema is not changed, not even its journal mode.
    if (const qint32 schema = checkSchema(db)) {
        sqlite::lib().close(db);
        return schema;
    }
    sqlite::lib().exec(db, "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL;", nullptr, nullptr,
                       nullptr);
    m_db = db;
    m_statements.setConnection(db);
    return reg::Success;
}

}  // namespace kelvarin::platform
