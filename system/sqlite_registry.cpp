// SPDX-License-Identifier: MIT
// The registry in SQLite: keys and values in two tables, handles in a table of this process.

#include "system/sqlite_registry.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <unistd.h>

#include <sqlite3.h>

#include "runtime/errors.h"
#include "runtime/file_access.h"
#include "system/sqlite_statement.h"

namespace kelvarin::platform {

namespace {

// The roots have fixed rows in the keys table.
qint64 rootId(qint32 key) {
    switch (key) {
        case reg::HKEY_CLASSES_ROOT:
            return 1;
        case reg::HKEY_CURRENT_USER:
            return 2;
        case reg::HKEY_LOCAL_MACHINE:
            return 3;
        case reg::HKEY_USERS:
            return 4;
        case reg::HKEY_CURRENT_CONFIG:
            return 5;
        default:
            return 0;
    }
}
constexpr qint64 kLastRoot = 5;

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

SqliteRegistry::SqliteRegistry(std::function<QString()> fileName)
    : m_fileName(std::move(fileName)) {}

SqliteRegistry::SqliteRegistry(const UserFolders& folders)
    : SqliteRegistry([&folders] { return fileNameFor(folders); }) {}

SqliteRegistry::~SqliteRegistry() {
    m_statements.clear();
    if (m_db != nullptr) sqlite3_close(m_db);
}

QString SqliteRegistry::fileNameFor(const UserFolders& folders) {
    QString chosen = qEnvironmentVariable("KELVARIN_REGISTRY");
    if (!chosen.isEmpty()) return chosen;
    return folders.dataHome() + QStringLiteral("/kelvarin/registry.sqlite3");
}

qint32 SqliteRegistry::status(int result) const {
    switch (result & 0xFF) {
        case SQLITE_OK:
        case SQLITE_DONE:
        case SQLITE_ROW:
            return reg::Success;
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return reg::Busy;
        case SQLITE_READONLY:
        case SQLITE_PERM:
        case SQLITE_AUTH:
        case SQLITE_CANTOPEN:
            return reg::AccessDenied;
        case SQLITE_FULL:
            return 112;  // the disk is full
        case SQLITE_IOERR:
            return 1016;  // the registry could not be read or written
        default:
            return reg::BadDatabase;
    }
}

namespace {

// The schema's version in PRAGMA user_version; stores written before it was kept say 0.
constexpr int kSchemaVersion = 1;

int pragmaInteger(sqlite3* db, const char* sql, int& value) {
    sqlite3_stmt* statement = nullptr;
    int result = sqlite3_prepare_v2(db, sql, -1, &statement, nullptr);
    if (result == SQLITE_OK) {
        result = sqlite3_step(statement);
        if (result == SQLITE_ROW) {
            value = sqlite3_column_int(statement, 0);
            result = SQLITE_OK;
        }
    }
    sqlite3_finalize(statement);
    return result;
}

// The column names of a table, in order; empty when there is no such table.
int columnsOf(sqlite3* db, const char* sql, QStringList& columns) {
    sqlite3_stmt* statement = nullptr;
    int result = sqlite3_prepare_v2(db, sql, -1, &statement, nullptr);
    while (result == SQLITE_OK || result == SQLITE_ROW) {
        result = sqlite3_step(statement);
        if (result == SQLITE_ROW)
            columns << QString::fromUtf8(
                reinterpret_cast<const char*>(sqlite3_column_text(statement, 1)));
    }
    sqlite3_finalize(statement);
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
    if (s.expected && s.roots == 5 && s.version == kSchemaVersion) return Verdict::Ready;
    return Verdict::Incomplete;
}

}  // namespace

qint32 SqliteRegistry::checkSchema(sqlite3* db) {
    // Read in a transaction, so that what is read is one moment's store: another program may be
    // writing its tables meanwhile.
    SchemaState state;
    auto read = [db, &state](const char* begin) {
        int r = sqlite3_exec(db, begin, nullptr, nullptr, nullptr);
        if (r == SQLITE_OK) r = readSchema(db, state);
        return r;
    };
    int result = read("BEGIN");
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    // A file that is no database answers the first question with an error.
    if (result != SQLITE_OK) return status(result);
    Verdict verdict = verdictOn(state);
    if (verdict != Verdict::Incomplete)
        return verdict == Verdict::Ready ? reg::Success : reg::BadDatabase;
    // Written in one transaction that waits its turn, and read again within it: of programs that
    // open a new store at once, the first writes its tables and the others find them ready.
    const bool complete = state.expected && state.roots == 5;
    result = read("BEGIN IMMEDIATE");
    if (result == SQLITE_OK) {
        verdict = verdictOn(state);
        if (verdict == Verdict::Incomplete) {
            result = sqlite3_exec(db, kSchema, nullptr, nullptr, nullptr);
            if (result == SQLITE_OK)
                result = sqlite3_exec(db, "PRAGMA user_version = 1", nullptr, nullptr, nullptr);
        }
        if (result == SQLITE_OK) result = sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    }
    if (result != SQLITE_OK) {
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
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
            createFolders(QFileInfo(fileName).absolutePath());
        } catch (const workOutError& e) {
            return e.number() == err::PermissionDenied ? reg::AccessDenied : reg::BadDatabase;
        }
        // A link that the kernel's protected_symlinks rule would not follow is not followed.
        if (refusedLink(fileName)) return reg::AccessDenied;
    }
    const QByteArray name = QFile::encodeName(fileName);
    // Created for the user alone, also through a link that leads nowhere yet; SQLite gives its
    // -wal and -shm files the same rights. An existing file is left as it is.
    const int fd = inMemory ? -1 : ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd >= 0) ::close(fd);
    sqlite3* db = nullptr;
    int result =
        sqlite3_open_v2(name.constData(), &db,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (result != SQLITE_OK) {
        sqlite3_close(db);
        return result == SQLITE_CANTOPEN ? reg::AccessDenied : status(result);
    }
    sqlite3_busy_timeout(db, 10000);
    // The schema first: a store of another schema is not changed, not even its journal mode.
    if (const qint32 schema = checkSchema(db)) {
        sqlite3_close(db);
        return schema;
    }
    sqlite3_exec(db, "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL;", nullptr, nullptr,
                 nullptr);
    m_db = db;
    m_statements.setConnection(db);
    return reg::Success;
}

qint32 SqliteRegistry::resolve(qint32 key, Handle& handle) {
    if (const qint64 root = rootId(key)) {
        handle = {root, reg::KEY_ALL_ACCESS};
        return reg::Success;
    }
    const auto found = m_handles.constFind(key);
    if (found == m_handles.cend()) return reg::InvalidHandle;
    handle = *found;
    return reg::Success;
}

qint32 SqliteRegistry::keyExists(qint64 id, bool& exists) {
    Statement s(m_statements, "SELECT 1 FROM keys WHERE id = ?");
    if (!s.prepared()) return status(s.prepareResult());
    s.bind(1, id);
    const int result = s.step();
    exists = result == SQLITE_ROW;
    return exists || result == SQLITE_DONE ? reg::Success : status(result);
}

qint32 SqliteRegistry::findChild(qint64 parent, const QString& name, qint64& child) {
    Statement find(m_statements, "SELECT id FROM keys WHERE parent = ? AND lname = ?");
    if (!find.prepared()) return status(find.prepareResult());
    find.bind(1, parent);
    find.bind(2, name.toLower());
    const int r = find.step();
    child = r == SQLITE_ROW ? find.integer(0) : 0;
    return r == SQLITE_ROW || r == SQLITE_DONE ? reg::Success : status(r);
}

qint32 SqliteRegistry::newHandle(qint64 id, qint32 access) {
    // Positive numbers, never a root's; one that is in use is passed over.
    do {
        m_nextHandle = m_nextHandle >= 0x7FFFFFF0 ? 0x100 : m_nextHandle + 4;
    } while (m_handles.contains(m_nextHandle));
    m_handles.insert(m_nextHandle, {id, access});
    return m_nextHandle;
}

qint32 SqliteRegistry::transaction(const std::function<qint32()>& change) {
    int result = sqlite3_exec(m_db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    if (result != SQLITE_OK) return status(result);
    const qint32 outcome = change();
    if (outcome != reg::Success) {
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        return outcome;
    }
    result = sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr);
    if (result != SQLITE_OK) {
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        return status(result);
    }
    return reg::Success;
}

namespace {

// The elements of a key path; false for an empty element or one longer than a key name may be.
bool keyPath(const QString& subKey, QStringList& parts) {
    parts = subKey.isEmpty() ? QStringList() : subKey.split(u'\\');
    for (const QString& part : parts) {
        if (part.isEmpty() || part.size() > reg::kLongestKeyName) return false;
    }
    return true;
}

}  // namespace

qint32 SqliteRegistry::walkPath(const QStringList& parts, bool create, qint64& id) {
    bool exists = false;
    if (const qint32 s = keyExists(id, exists)) return s;
    if (!exists) return reg::KeyDeleted;
    for (const QString& part : parts) {
        qint64 child = 0;
        if (const qint32 s = findChild(id, part, child)) return s;
        if (child != 0) {
            id = child;
            continue;
        }
        if (!create) return reg::FileNotFound;
        Statement insert(m_statements, "INSERT INTO keys(parent, name, lname) VALUES(?, ?, ?)");
        if (!insert.prepared()) return status(insert.prepareResult());
        insert.bind(1, id);
        insert.bind(2, part);
        insert.bind(3, part.toLower());
        const int done = insert.step();
        if (done != SQLITE_DONE) return status(done);
        id = sqlite3_last_insert_rowid(m_db);
    }
    return reg::Success;
}

qint32 SqliteRegistry::openOrCreate(qint32 key, const QString& subKey, qint32 access, bool create,
                                    qint32& result) {
    if (const qint32 s = open()) return s;
    Handle parent{};
    if (const qint32 s = resolve(key, parent)) return s;
    QStringList parts;
    if (!keyPath(subKey, parts)) return reg::InvalidParameter;
    if (create && !parts.isEmpty() && !(parent.access & reg::KEY_CREATE_SUB_KEY))
        return reg::AccessDenied;
    qint64 id = parent.id;
    auto walk = [&]() -> qint32 { return walkPath(parts, create, id); };
    const qint32 s = create ? transaction(walk) : walk();
    if (s == reg::Success) result = newHandle(id, access);
    return s;
}

qint32 SqliteRegistry::createKey(qint32 key, const QString& subKey, qint32 access, qint32& result) {
    return openOrCreate(key, subKey, access, true, result);
}

qint32 SqliteRegistry::openKey(qint32 key, const QString& subKey, qint32 access, qint32& result) {
    return openOrCreate(key, subKey, access, false, result);
}

qint32 SqliteRegistry::queryValue(qint32 key, const QString& name, qint32& type, qint32& size,
                                  RegistryValue* data) {
    if (const qint32 s = open()) return s;
    Handle h{};
    if (const qint32 s = resolve(key, h)) return s;
    if (!(h.access & reg::KEY_QUERY_VALUE)) return reg::AccessDenied;
    Statement s(m_statements, "SELECT type, data FROM vals WHERE key = ? AND lname = ?");
    if (!s.prepared()) return status(s.prepareResult());
    s.bind(1, h.id);
    s.bind(2, name.toLower());
    const int r = s.step();
    if (r == SQLITE_DONE) {
        bool exists = false;
        if (const qint32 e = keyExists(h.id, exists)) return e;
        return exists ? reg::FileNotFound : reg::KeyDeleted;
    }
    if (r != SQLITE_ROW) return status(r);
    RegistryValue value;
    value.type = static_cast<qint32>(s.integer(0));
    if (value.type == reg::REG_SZ) {
        value.text = s.text(1);
    } else if (value.type == reg::REG_DWORD) {
        value.number = static_cast<qint32>(s.integer(1));
    } else {
        value.bytes = s.blob(1);
    }
    type = value.type;
    size = value.size();
    if (data != nullptr) *data = std::move(value);
    return reg::Success;
}

qint32 SqliteRegistry::setValue(qint32 key, const QString& name, const RegistryValue& value) {
    if (const qint32 s = open()) return s;
    Handle h{};
    if (const qint32 s = resolve(key, h)) return s;
    if (!(h.access & reg::KEY_SET_VALUE)) return reg::AccessDenied;
    if (name.size() > reg::kLongestValueName) return reg::InvalidParameter;
    return transaction([&]() -> qint32 {
        bool exists = false;
        if (const qint32 e = keyExists(h.id, exists)) return e;
        if (!exists) return reg::KeyDeleted;
        // A value of the same name but for letter case keeps the name it was created with.
        Statement s(m_statements,
                    "INSERT INTO vals(key, name, lname, type, data) VALUES(?, ?, ?, ?, ?) "
                    "ON CONFLICT(key, lname) DO UPDATE SET type = excluded.type, "
                    "data = excluded.data");
        if (!s.prepared()) return status(s.prepareResult());
        s.bind(1, h.id);
        s.bind(2, name);
        s.bind(3, name.toLower());
        s.bind(4, value.type);
        if (value.type == reg::REG_SZ) {
            s.bind(5, value.text);
        } else if (value.type == reg::REG_DWORD) {
            s.bind(5, value.number);
        } else {
            s.bindBlob(5, value.bytes);
        }
        return status(s.step());
    });
}

qint32 SqliteRegistry::deleteKey(qint32 key, const QString& subKey) {
    if (const qint32 s = open()) return s;
    Handle h{};
    if (const qint32 s = resolve(key, h)) return s;
    QStringList parts;
    if (!keyPath(subKey, parts)) return reg::InvalidParameter;
    if (parts.isEmpty() && h.id <= kLastRoot) return reg::AccessDenied;
    return transaction([&]() -> qint32 {
        qint64 id = h.id;
        if (const qint32 s = walkPath(parts, false, id)) return s;
        Statement children(m_statements, "SELECT 1 FROM keys WHERE parent = ? LIMIT 1");
        if (!children.prepared()) return status(children.prepareResult());
        children.bind(1, id);
        const int c = children.step();
        if (c == SQLITE_ROW) return reg::AccessDenied;  // only a key without sub-keys goes
        if (c != SQLITE_DONE) return status(c);
        for (const char* sql :
             {"DELETE FROM vals WHERE key = ?", "DELETE FROM keys WHERE id = ?"}) {
            Statement remove(m_statements, sql);
            if (!remove.prepared()) return status(remove.prepareResult());
            remove.bind(1, id);
            const int r = remove.step();
            if (r != SQLITE_DONE) return status(r);
        }
        return reg::Success;
    });
}

qint32 SqliteRegistry::deleteValue(qint32 key, const QString& name) {
    if (const qint32 s = open()) return s;
    Handle h{};
    if (const qint32 s = resolve(key, h)) return s;
    if (!(h.access & reg::KEY_SET_VALUE)) return reg::AccessDenied;
    return transaction([&]() -> qint32 {
        Statement remove(m_statements, "DELETE FROM vals WHERE key = ? AND lname = ?");
        if (!remove.prepared()) return status(remove.prepareResult());
        remove.bind(1, h.id);
        remove.bind(2, name.toLower());
        const int r = remove.step();
        if (r != SQLITE_DONE) return status(r);
        if (sqlite3_changes(m_db) > 0) return reg::Success;
        bool exists = false;
        if (const qint32 e = keyExists(h.id, exists)) return e;
        return exists ? reg::FileNotFound : reg::KeyDeleted;
    });
}

qint32 SqliteRegistry::closeKey(qint32 key) {
    if (rootId(key) != 0) return reg::Success;
    return m_handles.remove(key) ? reg::Success : reg::InvalidHandle;
}

}  // namespace kelvarin::platform
