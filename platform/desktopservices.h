#pragma once
// Desktop services of the shell around the windows: one instance per user or machine, opening
// links, the crash filter and window blur. Backends: Win32 on Windows, Linux-native beside
// the Wine backend, and a fake for tests.
#include <functional>
#include <string>

namespace pw {

class IDesktopServices {
public:
    virtual ~IDesktopServices() = default;

    // True for the first instance. A later instance asks the first one to raise its window
    // (Windows: the window of class "Vendrix_SKUI"; Linux: through a per-user socket) and
    // gets false.
    virtual bool CheckSingleInstance() = 0;
    // Called in the first instance when a later one asks it to come forward (GUI thread).
    virtual void SetRaiseHandler(std::function<void()> raise) = 0;

    // Opens a link or file with the desktop's handler ("open" verb). False when nothing opened.
    virtual bool OpenUrl(const std::string &url) = 0;

    // Blur behind a top-level native window (Windows 10 and later); false where unsupported.
    virtual bool EnableBlur(void *nativeWindow, bool enable) = 0;
};

// Installs the process's crash handler (unhandled-exception filter on Windows, fatal signals
// on Linux). Called during static initialisation of the program; safe to call twice.
void InstallCrashFilter();

} // namespace pw
