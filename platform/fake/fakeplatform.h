#pragma once
// The whole fake backend in one object, installed as the current platform for its lifetime.
#include "platform/fake/fakedesktopservices.h"
#include "platform/fake/fakefolders.h"
#include "platform/fake/fakeprocessrunner.h"
#include "platform/fake/fakeregistry.h"
#include "platform/fake/fakesysteminfo.h"
#include "platform/fake/fakewindowsinstaller.h"
#include "platform/platform.h"

namespace pw {

class CFakePlatform {
public:
    CFakePlatform() : m_previous(CurrentPlatform())
    {
        SetCurrentPlatform(Platform{&registry, &system, &folders, &processes, &desktop, &installer});
    }
    ~CFakePlatform() { SetCurrentPlatform(m_previous); }
    CFakePlatform(const CFakePlatform &) = delete;
    CFakePlatform &operator=(const CFakePlatform &) = delete;

    CFakeRegistry registry;
    CFakeSystemInfo system;
    CFakeFolders folders;
    CFakeProcessRunner processes;
    CFakeDesktopServices desktop;
    CFakeWindowsInstaller installer;

private:
    Platform m_previous;
};

} // namespace pw
