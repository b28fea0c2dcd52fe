// The print module, loaded at run time as a host application loads it: the
// command links none of it and reaches it through its public API alone.
#pragma once

#include <optional>
#include <string>

#include "dek2018/module.h"

namespace dek::host {

struct LoadedModule {
    api::Module& module;
    std::string file;  // the library file loaded, as the loader found it
};

// Loads libdek2018.so.0: the file DEK2018_MODULE names when it is set;
// otherwise the one in the library folder of the installation this program
// belongs to, or, run from the build tree, the one built beside it. On
// failure says so on standard error, naming the library and the loader's
// reason, and returns nothing (exit status 2). The library stays loaded
// until the program ends: the dialog classes it registered and every object
// it made live in it.
std::optional<LoadedModule> load_module();

}  // namespace dek::host
