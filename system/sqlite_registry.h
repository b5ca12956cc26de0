// SPDX-License-Identifier: MIT
#pragma once

// The registry kept in an SQLite database of the user's: $KELVARIN_REGISTRY, or
// kelvarin/registry.sqlite3 in the data folder of the user's folders, created on first use,
// readable and writable by the user only. Every root lives there. Every change is one
// transaction in WAL mode, and a busy timeout lets programs writing at once all succeed. A store
// whose schema is not this one (missing tables or columns, another user_version) is a damaged
// store: every operation answers 1009 and the file is left alone.

#include <QElapsedTimer>
#include <QHash>
#include <QPair>
#include <QStringList>

#include <functional>

#include "services/registry.h"
#include "services/user_folders.h"
#include "system/sqlite_statement.h"

struct sqlite3;

namespace kelvarin::platform {

class SqliteRegistry final : public RegistryStore {
  public:
    // The file's name is asked for when the store is first used (and again after a failed
    // opening); ":memory:" keeps the store in memory.
    explicit SqliteRegistry(std::function<QString()> fileName);
    // The store of the user whose folders these are (fileNameFor).
    explicit SqliteRegistry(const UserFolders& folders);
    ~SqliteRegistry() override;
    SqliteRegistry(const SqliteRegistry&) = delete;
    SqliteRegistry& operator=(const SqliteRegistry&) = delete;

    // The store's file for the user's folders: $KELVARIN_REGISTRY, or
    // kelvarin/registry.sqlite3 in the data folder.
    static QString fileNameFor(const UserFolders& folders);

    qint32 createKey(qint32 key, const QString& subKey, qint32 access, qint32& result) override;
    qint32 openKey(qint32 key, const QString& subKey, qint32 access, qint32& result) override;
    qint32 queryValue(qint32 key, const QString& name, qint32& type, qint32& size,
                      RegistryValue* data) override;
    qint32 setValue(qint32 key, const QString& name, const RegistryValue& value) override;
    qint32 deleteKey(qint32 key, const QString& subKey) override;
    qint32 deleteValue(qint32 key, const QString& name) override;
    qint32 closeKey(qint32 key) override;

  private:
    struct Handle {
        qint64 id;
        qint32 access;
        qint64 parent = 0;  // the key the handle's path was walked from
        QStringList path;   // that path (empty for a root)
    };
    qint32 open();
    // Checks the schema of a store just opened: a new store gets it, a store of the expected
    // schema is taken, any other schema is a damaged store (status 1009).
    qint32 checkSchema(sqlite3* db);
    // The key a handle stands for, with its rights; status 6 for an unknown handle.
    qint32 resolve(qint32 key, Handle& handle);
    // What every operation on a key does first: the store opened, the handle resolved, and the
    // right checked (none when right is 0).
    qint32 keyFor(qint32 key, qint32 right, Handle& handle);
    qint32 keyExists(qint64 id, bool& exists);
    // The sub-key of parent with the name (case-insensitively): its id in child, or 0 when there is
    // none.
    qint32 findChild(qint64 parent, const QString& name, qint64& child);
    // Walks the key path down from the key id, creating the keys that are missing when create
    // is true; id becomes the key reached. Status 1018 when the key id itself is gone, 2 for
    // a missing sub-key that is not created.
    qint32 walkPath(const QStringList& parts, bool create, qint64& id);
    qint32 openOrCreate(qint32 key, const QString& subKey, qint32 access, bool create,
                        qint32& result);
    qint32 newHandle(const Handle& handle);
    // The key now at a handle whose key is gone: another program may have deleted the key and
    // made it again. True when there is one, with the handle (and the path cache) updated.
    bool findAgain(qint32 key, Handle& handle);
    // Runs change inside one immediate transaction; its status decides commit or rollback.
    qint32 transaction(const std::function<qint32()>& change);
    qint32 status(int sqliteResult) const;

    std::function<QString()> m_fileName;
    sqlite3* m_db = nullptr;
    StatementCache m_statements;
    QHash<qint32, Handle> m_handles;
    // Key paths walked before: (the key walked from, the path in lower case) -> the key reached.
    // Ids are never reused, so an entry can only name a key that is gone, which the next
    // statement on it finds (findAgain); a deletion here empties it.
    QHash<QPair<qint64, QString>, qint64> m_paths;
    static constexpr qsizetype kPathsKept = 1024;
    // The value a query of the type and size alone read, for the query of its data that follows
    // at once (the two steps of one read): taken once, within a millisecond, with no other call
    // in between, so that both steps see the store at one moment.
    struct Memo {
        bool valid = false;
        qint32 key = 0;
        QString name;
        RegistryValue value;
        QElapsedTimer taken;
    };
    Memo m_memo;
    static constexpr qint64 kMemoNs = 1000000;
    qint32 m_nextHandle = 0x100;
};

}  // namespace kelvarin::platform
