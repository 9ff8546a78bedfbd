#include "app/WindowedModule.h"

#include <dlfcn.h>

#include <filesystem>


#ifndef QUORLE_MODULE_DIR
#define QUORLE_MODULE_DIR "../lib/quorle/qt"
#endif

namespace quorle {

const WindowedModule* LoadWindowedModule(std::string& why, const std::string& self) {
    static WindowedModule module;
    if (module.runWindowed != nullptr && module.makePdfDevice != nullptr) return &module;
    namespace fs = std::filesystem;
    std::error_code unread;
    const fs::path executable = fs::read_symlink(self, unread);
    if (unread || !executable.is_absolute()) {
        why = "the program's own folder cannot be read from " + self + ": " +
              (unread ? unread.message() : "not a full path");
        return nullptr;
    }
    const fs::path here = executable.parent_path();
    void* handle = nullptr;
    for (const fs::path& path : {here / kWindowedModuleName, here / QUORLE_MODULE_DIR / kWindowedModuleName}) {
        std::error_code error;
        if (!fs::is_regular_file(path, error)) continue;
        handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (handle == nullptr) {
            const char* reason = dlerror();
            why = reason != nullptr ? reason : path.string();
            return nullptr;
        }
        break;
    }
    if (handle == nullptr) {
        why = std::string(kWindowedModuleName) + " is not beside the program nor in " +
              (here / QUORLE_MODULE_DIR).lexically_normal().string();
        return nullptr;
    }
    module.runWindowed = reinterpret_cast<RunWindowedFn>(dlsym(handle, "quorle_run_windowed"));
    module.makePdfDevice = reinterpret_cast<MakePdfDeviceFn>(dlsym(handle, "quorle_make_pdf_device"));
    if (module.runWindowed == nullptr || module.makePdfDevice == nullptr) {
        why = std::string(kWindowedModuleName) + " lacks the program's entry points";
        return nullptr;
    }
    return &module;
}

}  // namespace quorle
