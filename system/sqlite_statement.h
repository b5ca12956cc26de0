// SPDX-License-Identifier: MIT
#pragma once

// SQLite statements for the registry store: a cache of prepared statements of one connection,
// and a statement taken from it for one use, reset and unbound when that use ends. A statement
// whose preparation failed is never stepped, bound, reset or cached: prepared() says so, and
// the store answers with the preparation's result instead.

#include <QByteArray>
#include <QHash>
#include <QString>

struct sqlite3;
struct sqlite3_stmt;

namespace kelvarin::platform {

class StatementCache {
  public:
    StatementCache() = default;
    ~StatementCache() { clear(); }
    StatementCache(const StatementCache&) = delete;
    StatementCache& operator=(const StatementCache&) = delete;

    // The connection the statements are prepared on; changing it finalises the cached ones.
    void setConnection(sqlite3* db);
    sqlite3* connection() const { return m_db; }
    // The prepared statement for the SQL text (the same literal each time), prepared on first
    // use; nullptr with result set when preparing fails.
    sqlite3_stmt* get(const char* sql, int& result);
    void clear();

  private:
    sqlite3* m_db = nullptr;
    QHash<const char*, sqlite3_stmt*> m_statements;  // by the address of their SQL text
};

class Statement {
  public:
    Statement(StatementCache& cache, const char* sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool prepared() const { return m_statement != nullptr; }
    int prepareResult() const { return m_result; }
    void bind(int k, qint64 v);
    void bind(int k, const QString& s);
    void bindBlob(int k, const QByteArray& b);
    // One step: SQLITE_ROW, SQLITE_DONE or an error result.
    int step();
    // Back to before the first step, the bindings cleared, to be bound and stepped again.
    void reset();
    qint64 integer(int c) const;
    QString text(int c) const;
    QByteArray blob(int c) const;

  private:
    sqlite3_stmt* m_statement = nullptr;
    int m_result = 0;
};

}  // namespace kelvarin::platform
