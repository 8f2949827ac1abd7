#pragma once
// The whole Win32 backend in one object.
#include "platform/platform.h"
#include "platform/win32/win32desktopservices.h"
#include "platform/win32/win32folders.h"
#include "platform/win32/win32processrunner.h"
#include "platform/win32/win32registry.h"
#include "platform/win32/win32systeminfo.h"
#include "platform/win32/win32windowsinstaller.h"

namespace pw {

class CWin32Platform {
public:
    explicit CWin32Platform(unsigned codePage)
        : registry(codePage), folders(codePage), processes(codePage), desktop(codePage, &system),
          installer(codePage)
    {
    }
    CWin32Platform(const CWin32Platform &) = delete;
    CWin32Platform &operator=(const CWin32Platform &) = delete;

    Platform AsPlatform() { return Platform{&registry, &system, &folders, &processes, &desktop, &installer}; }

    CWin32Registry registry;
    CWin32SystemInfo system;
    CWin32Folders folders;
    CWin32ProcessRunner processes;
    CWin32DesktopServices desktop;
    CWin32WindowsInstaller installer;
};

} // namespace pw
