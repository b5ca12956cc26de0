// SPDX-License-Identifier: MIT
#pragma once

// The registry kept in an SQLite database of the user's: $KELVARIN_REGISTRY, or
// $XDG_DATA_HOME/kelvarin/registry.sqlite3 (~/.local/share when unset), created on first use,
// readable and writable by the user only. Every root lives there. Every change is one
// transaction in WAL mode, and a busy timeout lets programs writing at once all succeed.

#include <QHash>

#include <functional>

#include "platform/registry.h"

struct sqlite3;
struct sqlite3_stmt;

namespace kelvarin::platform {

class SqliteRegistry final : public RegistryStore {
  public:
    // The file's name is asked for when the store is first used (and again after a failed
    // opening); ":memory:" keeps the store in memory.
    explicit SqliteRegistry(std::function<QString()> fileName);
    ~SqliteRegistry() override;
    SqliteRegistry(const SqliteRegistry&) = delete;
    SqliteRegistry& operator=(const SqliteRegistry&) = delete;

    // The program's store: $KELVARIN_REGISTRY or the user's data folder.
    static QString defaultFileName();

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
    };
    class Statement;

    qint32 open();
    // The key a handle stands for, with its rights; status 6 for an unknown handle.
    qint32 resolve(qint32 key, Handle& handle);
    qint32 keyExists(qint64 id, bool& exists);
    // The sub-key of parent with the name (case-insensitively): its id in child, or 0 when there is
    // none.
    qint32 findChild(qint64 parent, const QString& name, qint64& child);
    qint32 openOrCreate(qint32 key, const QString& subKey, qint32 access, bool create,
                        qint32& result);
    qint32 newHandle(qint64 id, qint32 access);
    // Runs change inside one immediate transaction; its status decides commit or rollback.
    qint32 transaction(const std::function<qint32()>& change);
    qint32 status(int sqliteResult) const;

    std::function<QString()> m_fileName;
    sqlite3* m_db = nullptr;
    QHash<const char*, sqlite3_stmt*> m_statements;  // by the text of their SQL
    QHash<qint32, Handle> m_handles;
    qint32 m_nextHandle = 0x100;
};

}  // namespace kelvarin::platform
