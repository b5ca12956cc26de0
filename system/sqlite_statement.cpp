// SPDX-License-Identifier: MIT
// Prepared statements of the registry store, cached per connection.

#include "system/sqlite_statement.h"

#include "system/sqlite_library.h"

namespace kelvarin::platform {

void StatementCache::setConnection(sqlite3* db) {
    if (db == m_db) return;
    clear();
    m_db = db;
}

sqlite3_stmt* StatementCache::get(const char* sql, int& result) {
    if (sqlite3_stmt* cached = m_statements.value(sql)) {
        result = SQLITE_OK;
        return cached;
    }
    if (m_db == nullptr) {
        result = SQLITE_MISUSE;
        return nullptr;
    }
    sqlite3_stmt* statement = nullptr;
    result =
        sqlite::lib().prepare_v3(m_db, sql, -1, SQLITE_PREPARE_PERSISTENT, &statement, nullptr);
    if (result != SQLITE_OK || statement == nullptr) {
        sqlite::lib().finalize(statement);
        if (result == SQLITE_OK) result = SQLITE_ERROR;  // an empty statement
        return nullptr;
    }
    m_statements.insert(sql, statement);
    return statement;
}

void StatementCache::clear() {
    for (sqlite3_stmt* statement : std::as_const(m_statements))
        sqlite::lib().finalize(statement);
    m_statements.clear();
}

Statement::Statement(StatementCache& cache, const char* sql)
    : m_statement(cache.get(sql, m_result)) {}

Statement::~Statement() {
    if (m_statement == nullptr) return;
    sqlite::lib().reset(m_statement);
    sqlite::lib().clear_bindings(m_statement);
}

void Statement::reset() {
    if (m_statement == nullptr) return;
    sqlite::lib().reset(m_statement);
    sqlite::lib().clear_bindings(m_statement);
}

void Statement::bind(int k, qint64 v) {
    if (m_statement != nullptr) sqlite::lib().bind_int64(m_statement, k, v);
}

void Statement::bind(int k, const QString& s) {
    if (m_statement == nullptr) return;
    const QByteArray utf8 = s.toUtf8();
    sqlite::lib().bind_text(m_statement, k, utf8.constData(), static_cast<int>(utf8.size()),
                            SQLITE_TRANSIENT);
}

void Statement::bindBlob(int k, const QByteArray& b) {
    if (m_statement == nullptr) return;
    sqlite::lib().bind_blob(m_statement, k, b.constData(), static_cast<int>(b.size()),
                            SQLITE_TRANSIENT);
}

int Statement::step() {
    return m_statement != nullptr ? sqlite::lib().step(m_statement) : m_result;
}

qint64 Statement::integer(int c) const {
    return sqlite::lib().column_int64(m_statement, c);
}

QString Statement::text(int c) const {
    const auto* p = reinterpret_cast<const char*>(sqlite::lib().column_text(m_statement, c));
    return QString::fromUtf8(p, sqlite::lib().column_bytes(m_statement, c));
}

QByteArray Statement::blob(int c) const {
    const auto* p = static_cast<const char*>(sqlite::lib().column_blob(m_statement, c));
    return QByteArray(p, sqlite::lib().column_bytes(m_statement, c));
}

}  // namespace kelvarin::platform
