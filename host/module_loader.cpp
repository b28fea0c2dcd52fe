#include "host/module_loader.h"

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace dek::host {

namespace {

namespace fs = std::filesystem;

// Where the library is looked for, relative to this program's folder: the
// installation's library folder, then the build tree's module folder.
std::vector<fs::path> places() {
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return {};
    const fs::path folder = self.parent_path();
    return {(folder / DEK2018_LIBDIR_FROM_BINDIR / api::kLibraryName).lexically_normal(),
            (folder / DEK2018_MODULE_DIR_FROM_HOST / api::kLibraryName).lexically_normal()};
}

// Opens the library and finds its entry; the loader's reason when it cannot.
std::optional<LoadedModule> open(const std::string& file, std::string& reason) {
    // A name without a slash would be looked for on the system's library
    // path; a file named is the one meant.
    const std::string path = file.find('/') == std::string::npos ? "./" + file : file;
    void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        reason = ::dlerror();
        return std::nullopt;
    }
    void* entry = ::dlsym(handle, api::kModuleEntry);
    if (entry == nullptr) {
        reason = ::dlerror();
        ::dlclose(handle);
        return std::nullopt;
    }
    Dl_info info{};
    const std::string loaded = ::dladdr(entry, &info) != 0 && info.dli_fname != nullptr ? info.dli_fname : path;
    return LoadedModule{*reinterpret_cast<api::ModuleEntry>(entry)(), loaded};
}

}  // namespace

std::optional<LoadedModule> load_module() {
    std::string reason;
    const char* named = std::getenv("DEK2018_MODULE");
    if (named != nullptr && *named != '\0') {
        if (auto loaded = open(named, reason)) return loaded;
        std::fprintf(stderr, "dek2018: cannot load the print module %s (DEK2018_MODULE): %s\n", named, reason.c_str());
        return std::nullopt;
    }
    const std::vector<fs::path> candidates = places();
    for (const fs::path& candidate : candidates) {
        std::error_code ec;
        if (!fs::exists(candidate, ec)) continue;
        if (auto loaded = open(candidate.string(), reason)) return loaded;
        std::fprintf(stderr, "dek2018: cannot load the print module %s: %s\n", candidate.c_str(), reason.c_str());
        return std::nullopt;
    }
    std::string looked;
    for (const fs::path& candidate : candidates) looked += (looked.empty() ? "" : " nor ") + candidate.string();
    std::fprintf(stderr, "dek2018: cannot load the print module %s: not found at %s (DEK2018_MODULE names another)\n",
                 api::kLibraryName, looked.empty() ? "this program's folder" : looked.c_str());
    return std::nullopt;
}

}  // namespace dek::host
