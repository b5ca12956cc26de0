// SPDX-License-Identifier: MIT
// libsqlite3 opened on demand, its routines looked up by name.

#include "system/sqlite_library.h"

#include <dlfcn.h>

namespace kelvarin::platform::sqlite {

namespace {

template <class F>
bool find(void* handle, const char* name, F& f) {
    f = reinterpret_cast<F>(dlsym(handle, name));
    return f != nullptr;
}

const Library* load() {
    // The shared library of SQLite 3, whose interface keeps its soname.
    void* handle = dlopen("libsqlite3.so.0", RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) return nullptr;
    static Library l;
    const bool all =
        find(handle, "sqlite3_open_v2", l.open_v2) && find(handle, "sqlite3_close", l.close) &&
        find(handle, "sqlite3_busy_timeout", l.busy_timeout) &&
        find(handle, "sqlite3_exec", l.exec) && find(handle, "sqlite3_prepare_v2", l.prepare_v2) &&
        find(handle, "sqlite3_prepare_v3", l.prepare_v3) && find(handle, "sqlite3_step", l.step) &&
        find(handle, "sqlite3_finalize", l.finalize) && find(handle, "sqlite3_reset", l.reset) &&
        find(handle, "sqlite3_clear_bindings", l.clear_bindings) &&
        find(handle, "sqlite3_bind_int64", l.bind_int64) &&
        find(handle, "sqlite3_bind_text", l.bind_text) &&
        find(handle, "sqlite3_bind_blob", l.bind_blob) &&
        find(handle, "sqlite3_column_int", l.column_int) &&
        find(handle, "sqlite3_column_int64", l.column_int64) &&
        find(handle, "sqlite3_column_text", l.column_text) &&
        find(handle, "sqlite3_column_bytes", l.column_bytes) &&
        find(handle, "sqlite3_column_blob", l.column_blob) &&
        find(handle, "sqlite3_changes", l.changes) &&
        find(handle, "sqlite3_last_insert_rowid", l.last_insert_rowid);
    // Kept open for the rest of the run: connections use it until they close.
    return all ? &l : nullptr;
}

}  // namespace

const Library* opened() {
    static const Library* const library = load();
    return library;
}

}  // namespace kelvarin::platform::sqlite
