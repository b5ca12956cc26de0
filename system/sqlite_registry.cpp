// SPDX-License-Identifier: MIT
// The registry in SQLite: keys and values in two tables, handles in a table of this process.

#include "system/sqlite_registry.h"

#include <algorithm>

#include "system/sqlite_library.h"

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

}  // namespace

SqliteRegistry::SqliteRegistry(std::function<QString()> fileName)
    : m_fileName(std::move(fileName)) {}

SqliteRegistry::SqliteRegistry(const UserFolders& folders)
    : SqliteRegistry([&folders] { return fileNameFor(folders); }) {}

SqliteRegistry::~SqliteRegistry() {
    m_statements.clear();
    if (m_db != nullptr) sqlite::lib().close(m_db);
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
            return reg::DiskFull;
        case SQLITE_IOERR:
            return reg::ReadWriteFailed;
        default:
            return reg::BadDatabase;
    }
}

qint32 SqliteRegistry::resolve(qint32 key, Handle& handle) {
    if (const qint64 root = rootId(key)) {
        handle = {root, reg::KEY_ALL_ACCESS, 0, {}};
        return reg::Success;
    }
    const auto found = m_handles.constFind(key);
    if (found == m_handles.cend()) return reg::InvalidHandle;
    handle = *found;
    return reg::Success;
}

qint32 SqliteRegistry::keyFor(qint32 key, qint32 right, Handle& handle) {
    if (const qint32 s = open()) return s;
    if (const qint32 s = resolve(key, handle)) return s;
    return (handle.access & right) == right ? reg::Success : reg::AccessDenied;
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

qint32 SqliteRegistry::newHandle(const Handle& handle) {
    // Positive numbers, never a root's; one that is in use is passed over.
    do {
        m_nextHandle = m_nextHandle >= 0x7FFFFFF0 ? 0x100 : m_nextHandle + 4;
    } while (m_handles.contains(m_nextHandle));
    m_handles.insert(m_nextHandle, handle);
    return m_nextHandle;
}

bool SqliteRegistry::findAgain(qint32 key, Handle& handle) {
    if (handle.path.isEmpty()) return false;
    const QPair<qint64, QString> at(handle.parent, handle.path.join(u'\\').toLower());
    m_paths.remove(at);
    qint64 id = handle.parent;
    if (walkPath(handle.path, false, id) != reg::Success || id == handle.id) return false;
    handle.id = id;
    if (const auto kept = m_handles.find(key); kept != m_handles.end()) kept->id = id;
    m_paths.insert(at, id);
    return true;
}

qint32 SqliteRegistry::transaction(const std::function<qint32()>& change) {
    int result = sqlite::lib().exec(m_db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    if (result != SQLITE_OK) return status(result);
    const qint32 outcome = change();
    if (outcome != reg::Success) {
        sqlite::lib().exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        return outcome;
    }
    result = sqlite::lib().exec(m_db, "COMMIT", nullptr, nullptr, nullptr);
    if (result != SQLITE_OK) {
        sqlite::lib().exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        return status(result);
    }
    return reg::Success;
}

namespace {

// The elements of a key path; false for an empty element or one longer than a key name may be.
bool keyPath(const QString& subKey, QStringList& parts) {
    parts = subKey.isEmpty() ? QStringList() : subKey.split(u'\\');
    return std::ranges::none_of(parts, [](const QString& part) {
        return part.isEmpty() || part.size() > reg::kLongestKeyName;
    });
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
        id = sqlite::lib().last_insert_rowid(m_db);
    }
    return reg::Success;
}

qint32 SqliteRegistry::openOrCreate(qint32 key, const QString& subKey, qint32 access, bool create,
                                    qint32& result) {
    Handle parent{};
    if (const qint32 s = keyFor(key, 0, parent)) return s;
    QStringList parts;
    if (!keyPath(subKey, parts)) return reg::InvalidParameter;
    if (create && !parts.isEmpty() && !(parent.access & reg::KEY_CREATE_SUB_KEY))
        return reg::AccessDenied;
    const QPair<qint64, QString> at(parent.id, parts.join(u'\\').toLower());
    // A path walked before, from the same key: its key, found again should it be gone.
    if (!parts.isEmpty()) {
        if (const auto known = m_paths.constFind(at); known != m_paths.cend()) {
            result = newHandle({*known, access, parent.id, parts});
            return reg::Success;
        }
    }
    qint64 id = parent.id;
    auto walk = [&]() -> qint32 { return walkPath(parts, create, id); };
    const qint32 s = create ? transaction(walk) : walk();
    if (s != reg::Success) return s;
    if (!parts.isEmpty()) {
        if (m_paths.size() >= kPathsKept) m_paths.clear();
        m_paths.insert(at, id);
    }
    result = newHandle({id, access, parent.id, parts});
    return s;
}

qint32 SqliteRegistry::createKey(qint32 key, const QString& subKey, qint32 access, qint32& result) {
    m_memo.valid = false;
    return openOrCreate(key, subKey, access, true, result);
}

qint32 SqliteRegistry::openKey(qint32 key, const QString& subKey, qint32 access, qint32& result) {
    m_memo.valid = false;
    return openOrCreate(key, subKey, access, false, result);
}

qint32 SqliteRegistry::queryValue(qint32 key, const QString& name, qint32& type, qint32& size,
                                  RegistryValue* data) {
    const bool memo = m_memo.valid && data != nullptr && m_memo.key == key && m_memo.name == name &&
                      m_memo.taken.nsecsElapsed() < kMemoNs;
    m_memo.valid = false;
    if (memo) {
        type = m_memo.value.type;
        size = m_memo.value.size();
        *data = std::move(m_memo.value);
        return reg::Success;
    }
    Handle h{};
    if (const qint32 s = keyFor(key, reg::KEY_QUERY_VALUE, h)) return s;
    Statement s(m_statements, "SELECT type, data FROM vals WHERE key = ? AND lname = ?");
    if (!s.prepared()) return status(s.prepareResult());
    int r = SQLITE_DONE;
    for (bool again = true;; again = false) {
        s.bind(1, h.id);
        s.bind(2, name.toLower());
        r = s.step();
        if (r != SQLITE_DONE) break;
        bool exists = false;
        if (const qint32 e = keyExists(h.id, exists)) return e;
        if (exists) return reg::FileNotFound;
        if (!again || !findAgain(key, h)) return reg::KeyDeleted;
        s.reset();
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
    if (data != nullptr) {
        *data = std::move(value);
    } else {
        m_memo = {true, key, name, std::move(value), {}};
        m_memo.taken.start();
    }
    return reg::Success;
}

qint32 SqliteRegistry::setValue(qint32 key, const QString& name, const RegistryValue& value) {
    m_memo.valid = false;
    Handle h{};
    if (const qint32 s = keyFor(key, reg::KEY_SET_VALUE, h)) return s;
    if (name.size() > reg::kLongestValueName) return reg::InvalidParameter;
    return transaction([&]() -> qint32 {
        bool exists = false;
        if (const qint32 e = keyExists(h.id, exists)) return e;
        if (!exists && !findAgain(key, h)) return reg::KeyDeleted;
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
    m_memo.valid = false;
    Handle h{};
    if (const qint32 s = keyFor(key, 0, h)) return s;
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
        m_paths.clear();
        return reg::Success;
    });
}

qint32 SqliteRegistry::deleteValue(qint32 key, const QString& name) {
    m_memo.valid = false;
    Handle h{};
    if (const qint32 s = keyFor(key, reg::KEY_SET_VALUE, h)) return s;
    return transaction([&]() -> qint32 {
        Statement remove(m_statements, "DELETE FROM vals WHERE key = ? AND lname = ?");
        if (!remove.prepared()) return status(remove.prepareResult());
        remove.bind(1, h.id);
        remove.bind(2, name.toLower());
        const int r = remove.step();
        if (r != SQLITE_DONE) return status(r);
        if (sqlite::lib().changes(m_db) > 0) return reg::Success;
        bool exists = false;
        if (const qint32 e = keyExists(h.id, exists)) return e;
        if (exists) return reg::FileNotFound;
        // The key made again by another program: the value is looked for there.
        if (!findAgain(key, h)) return reg::KeyDeleted;
        remove.reset();
        remove.bind(1, h.id);
        remove.bind(2, name.toLower());
        if (const int d = remove.step(); d != SQLITE_DONE) return status(d);
        return sqlite::lib().changes(m_db) > 0 ? reg::Success : reg::FileNotFound;
    });
}

qint32 SqliteRegistry::closeKey(qint32 key) {
    m_memo.valid = false;
    if (rootId(key) != 0) return reg::Success;
    return m_handles.remove(key) ? reg::Success : reg::InvalidHandle;
}

}  // namespace kelvarin::platform
