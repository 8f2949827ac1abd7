#pragma once
#include "platform/winerror.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace pw {

// What an uninstall run needs to tell its uninstaller from what the uninstaller merely started
// (a browser with a feedback page, a tray program): the program's uninstall entry and its install
// folder. While the entry is registered, every process of the run is waited for; once it is
// gone, only uninstaller processes are (see platform/uninstallerimage.h).
struct WaitRule {
    RegRoot entryRoot = RegRoot::LocalMachine;
    uint32_t entryView = 0;      // kKeyWow64_32Key, kKeyWow64_64Key, or 0 (the per-user key)
    std::string entryKey;        // subkey name under Software\Microsoft\Windows\CurrentVersion\Uninstall
    std::string installFolder;   // Windows path; empty when the entry names none
};

// Starts uninstallers and waits for them; ends this process.
class IProcessRunner {
public:
    virtual ~IProcessRunner() = default;

    struct Result {
        WinError startError = kErrorSuccess; // GetLastError of CreateProcessA, 0 when started
        uint32_t exitCode = 0;               // exit code of the first process
        // Processes of the run that were still running when the wait ended, by their image
        // paths (Windows form): a wait with a rule leaves what is not an uninstaller running.
        std::vector<std::string> leftRunning;
    };

    // CreateProcessA with the command line as stored (no application name), then, when `wait`
    // is set, waits until the process and every process it started have ended. `creationFlags`
    // are passed through (CREATE_NO_WINDOW for the product's own entry).
    Result Run(const std::string &commandLine, uint32_t creationFlags, bool wait)
    {
        return Run(commandLine, creationFlags, wait, nullptr);
    }
    // The same; with `rule` (only for a waited-for run) the wait stops early, without ending
    // anything, once the program's entry is gone and what still runs is no uninstaller: a short
    // grace period later, re-checked throughout. Without a rule it has no time limit.
    virtual Result Run(const std::string &commandLine, uint32_t creationFlags, bool wait, const WaitRule *rule) = 0;

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
