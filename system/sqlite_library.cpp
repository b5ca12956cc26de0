// SPDX-License-Identifier: MIT
// libsqlite3 opened on demand, its routines looked up by name.

#include "system/sqlite_library.h"

#include "system/library_on_demand.h"

namespace kelvarin::platform::sqlite {

namespace {

const Library* load() {
    // The shared library of SQLite 3, whose interface keeps its soname.
    const LibraryOnDemand so("libsqlite3.so.0");
    static Library l;
    const bool all =
        so.find("sqlite3_open_v2", l.open_v2) && so.find("sqlite3_close", l.close) &&
        so.find("sqlite3_busy_timeout", l.busy_timeout) && so.find("sqlite3_exec", l.exec) &&
        so.find("sqlite3_prepare_v2", l.prepare_v2) &&
        so.find("sqlite3_prepare_v3", l.prepare_v3) && so.find("sqlite3_step", l.step) &&
        so.find("sqlite3_finalize", l.finalize) && so.find("sqlite3_reset", l.reset) &&
        so.find("sqlite3_clear_bindings", l.clear_bindings) &&
        so.find("sqlite3_bind_int64", l.bind_int64) && so.find("sqlite3_bind_text", l.bind_text) &&
        so.find("sqlite3_bind_blob", l.bind_blob) && so.find("sqlite3_column_int", l.column_int) &&
        so.find("sqlite3_column_int64", l.column_int64) &&
        so.find("sqlite3_column_text", l.column_text) &&
        so.find("sqlite3_column_bytes", l.column_bytes) &&
        so.find("sqlite3_column_blob", l.column_blob) && so.find("sqlite3_changes", l.changes) &&
        so.find("sqlite3_last_insert_rowid", l.last_insert_rowid);
    return all ? &l : nullptr;
}

}  // namespace

const Library* opened() {
    static const Library* const library = load();
    return library;
}

}  // namespace kelvarin::platform::sqlite
