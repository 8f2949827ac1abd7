#pragma once
// The whole Linux backend for one Wine prefix in one object.
#include "platform/platform.h"
#include "platform/wine/linuxdesktopservices.h"
#include "platform/wine/winefolders.h"
#include "platform/wine/winehost.h"
#include "platform/wine/winehostdesktop.h"
#include "platform/wine/wineprocessrunner.h"
#include "platform/wine/wineregistry.h"
#include "platform/wine/winesysteminfo.h"
#include "platform/wine/winewindowsinstaller.h"

namespace pw {

class CWinePlatform {
public:
    explicit CWinePlatform(CWineHost::Options options, const QString &instanceFolder = QString())
        : host(std::move(options)), registry(host), system(host), folders(host), processes(host),
          desktop(instanceFolder), installer(host), hostDesktop(host)
    {
    }
    CWinePlatform(const CWinePlatform &) = delete;
    CWinePlatform &operator=(const CWinePlatform &) = delete;

    Platform AsPlatform() { return Platform{&registry, &system, &folders, &processes, &desktop, &installer, &hostDesktop}; }

    CWineHost host;
    CWineRegistry registry;
    CWineSystemInfo system;
    CWineFolders folders;
    CWineProcessRunner processes;
    CLinuxDesktopServices desktop;
    CWineWindowsInstaller installer;
    CWineHostDesktop hostDesktop;
};

} // namespace pw
