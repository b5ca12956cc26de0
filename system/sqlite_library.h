// SPDX-License-Identifier: MIT
#pragma once

// SQLite, opened when the registry store first opens its file rather than when the program
// starts: most runs never touch the store, and the library's mapping and its relocations would
// otherwise be paid by every start of the windows.

#include <sqlite3.h>

namespace kelvarin::platform::sqlite {

// The routines the registry store uses, looked up in libsqlite3 once it is opened.
struct Library {
    decltype(&sqlite3_open_v2) open_v2 = nullptr;
    decltype(&sqlite3_close) close = nullptr;
    decltype(&sqlite3_busy_timeout) busy_timeout = nullptr;
    decltype(&sqlite3_exec) exec = nullptr;
    decltype(&sqlite3_prepare_v2) prepare_v2 = nullptr;
    decltype(&sqlite3_prepare_v3) prepare_v3 = nullptr;
    decltype(&sqlite3_step) step = nullptr;
    decltype(&sqlite3_finalize) finalize = nullptr;
    decltype(&sqlite3_reset) reset = nullptr;
    decltype(&sqlite3_clear_bindings) clear_bindings = nullptr;
    decltype(&sqlite3_bind_int64) bind_int64 = nullptr;
    decltype(&sqlite3_bind_text) bind_text = nullptr;
    decltype(&sqlite3_bind_blob) bind_blob = nullptr;
    decltype(&sqlite3_column_int) column_int = nullptr;
    decltype(&sqlite3_column_int64) column_int64 = nullptr;
    decltype(&sqlite3_column_text) column_text = nullptr;
    decltype(&sqlite3_column_bytes) column_bytes = nullptr;
    decltype(&sqlite3_column_blob) column_blob = nullptr;
    decltype(&sqlite3_changes) changes = nullptr;
    decltype(&sqlite3_last_insert_rowid) last_insert_rowid = nullptr;
};

// The library, opened at the first call; nothing when it cannot be opened or lacks a routine.
const Library* opened();

// The opened library, for code that holds a connection (which only an opened library gives).
inline const Library& lib() {
    return *opened();
}

}  // namespace kelvarin::platform::sqlite
