#pragma once
#include "platform/winerror.h"

#include <cstdint>
#include <string>

namespace pw {

// Starts uninstallers and waits for them.
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
};

constexpr uint32_t kCreateNoWindow = 0x08000000;

} // namespace pw
