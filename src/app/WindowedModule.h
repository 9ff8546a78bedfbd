#pragma once
// The windowed program and the PDF writer's Qt side live in a module of their
// own (quorle-qt.so), loaded only when a window or a PDF is wanted: the
// headless commands that need neither start without loading Qt at all.
#include <memory>
#include <string>

#include "app/CommandLinePrint.h"
#include "platform/Print.h"

namespace quorle {

// The module's entry points.
using RunWindowedFn = int (*)(int argc, char** argv);
using MakePdfDeviceFn = platform::PrintDevice* (*)(PdfBytesSink sink, const std::string& pageSize);

struct WindowedModule {
    RunWindowedFn runWindowed = nullptr;
    MakePdfDeviceFn makePdfDevice = nullptr;
};

// The module file's name, and where it is looked for: beside the executable
// (a build), then in the folder the package installs it to, relative to the
// executable's.
inline constexpr const char* kWindowedModuleName = "quorle-qt.so";

// The module, loaded on the first call and kept for the process; nothing,
// with the loader's reason in `why`, when it cannot be loaded. `self` names
// the running executable (a link to it); when it cannot be read, the module
// is not looked for anywhere: never in the current folder.
const WindowedModule* LoadWindowedModule(std::string& why, const std::string& self = "/proc/self/exe");

}  // namespace quorle
