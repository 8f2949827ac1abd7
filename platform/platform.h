#pragma once
// The backend in use: chosen once at start-up (Win32 on Windows, the Wine prefix on Linux),
// or by a test (the fake backend, or a throwaway prefix).
#include "platform/desktopservices.h"
#include "platform/hostdesktop.h"
#include "platform/processrunner.h"
#include "platform/registry.h"
#include "platform/specialfolders.h"
#include "platform/systeminfo.h"
#include "platform/windowsinstaller.h"

#include <string>

namespace pw {

struct Platform {
    IRegistry *registry = nullptr;
    ISystemInfo *system = nullptr;
    ISpecialFolders *folders = nullptr;
    IProcessRunner *processes = nullptr;
    IDesktopServices *desktop = nullptr;
    IWindowsInstaller *installer = nullptr;
    IHostDesktop *hostDesktop = nullptr; // Linux only: the desktop around the Wine prefix
};

// The current backend. Every member is non-null once start-up has chosen the backend, but
// hostDesktop, which only the Linux backend has.
Platform &CurrentPlatform();
void SetCurrentPlatform(const Platform &platform);

} // namespace pw
