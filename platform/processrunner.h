#pragma once
#include "platform/winerror.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace pw {

// Starts uninstallers and waits for them; ends this process.
class IProcessRunner {
public:
    virtual ~IProcessRunner() = default;

    struct Result {
        WinError startError = kErrorSuccess; // GetLastError of CreateProcessA, 0 when started
        uint32_t exitCode = 0;               // exit code of the first process
    };

    // CreateProcessA with the command line as stored (no application name), then, when `wait`
    // is set, waits without a time limit until the process and every process it started have
    // ended. `creationFlags` are passed through (CREATE_NO_WINDOW for the product's own entry).
    virtual Result Run(const std::string &commandLine, uint32_t creationFlags, bool wait) = 0;

    // Ends this process at once with `code`: output flushed, no window cleaned up, no further
    // event processed (the main title bar's close button, the quit after the product's own
    // uninstaller started). Every real backend ends the process the same way.
    virtual void ExitThisProcess(int code)
    {
        std::fflush(nullptr);
        std::_Exit(code);
    }
};

constexpr uint32_t kCreateNoWindow = 0x08000000;

} // namespace pw
