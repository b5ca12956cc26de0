// SPDX-License-Identifier: MIT
#pragma once

// A system library that the program opens when it is first needed instead of linking it, and
// its routines found by name. The library stays open for the rest of the run: the routines found
// in it are called until the program ends.

#include <dlfcn.h>

namespace kelvarin::platform {

class LibraryOnDemand {
  public:
    explicit LibraryOnDemand(const char* soname)
        : m_handle(dlopen(soname, RTLD_NOW | RTLD_LOCAL)) {}

    // Sets `routine` to the library's routine of that name; false when the library could not be
    // opened or has no such routine.
    template <class Routine>
    bool find(const char* name, Routine& routine) const {
        routine = m_handle != nullptr ? reinterpret_cast<Routine>(dlsym(m_handle, name)) : nullptr;
        return routine != nullptr;
    }

  private:
    void* m_handle;
};

}  // namespace kelvarin::platform
