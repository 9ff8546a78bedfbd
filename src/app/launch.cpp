// The quorle executable: a headless subcommand, or the windowed gradebook,
// which it loads from its module only then.
#include <csignal>
#include <cstdlib>
#include <iostream>

#include "app/CommandLine.h"
#include "app/WindowedModule.h"

int main(int argc, char** argv) {
    // A write past the file size limit fails (and the command says so, the
    // old file kept) instead of ending the program halfway through it.
    std::signal(SIGXFSZ, SIG_IGN);
    // The subcommands, --version and every usage error run without a display
    // and without the windowed program; a PDF printout loads it for its pages.
    const quorle::StartRequest request = quorle::ReadStartArguments(argc, argv);
    std::string why;
    quorle::CommandLineServices services;
    services.makePdfDevice = [&why](quorle::PdfBytesSink sink, const std::string& pageSize) {
        std::unique_ptr<quorle::platform::PrintDevice> device;
        if (const quorle::WindowedModule* module = quorle::LoadWindowedModule(why))
            device.reset(module->makePdfDevice(std::move(sink), pageSize));
        else
            std::cerr << "quorle: " << why << "\n";
        return device;
    };
    const bool display = quorle::DisplayAvailable([](const char* name) { return std::getenv(name); });
    const int status = quorle::StartWithoutWindow(request, argc, argv, services, display, std::cout, std::cerr);
    if (status >= 0) return status;
    const quorle::WindowedModule* module = quorle::LoadWindowedModule(why);
    if (module == nullptr) {
        std::cerr << "quorle: the windowed program cannot start: " << why << "\n";
        return 1;
    }
    std::cout.flush();
    return module->runWindowed(argc, argv);
}
