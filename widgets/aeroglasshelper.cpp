#include "widgets/aeroglasshelper.h"

#include "platform/platform.h"

#include <QtGlobal>

CAeroGlassHelper::CAeroGlassHelper() = default;

CAeroGlassHelper::~CAeroGlassHelper() = default;

void CAeroGlassHelper::EnableBlur(void *window, void *region)
{
    m_window = window;
    m_region = region;
    if (pw::IDesktopServices *desktop = pw::CurrentPlatform().desktop)
        desktop->EnableBlur(window, true);
}

bool CAeroGlassHelper::IsWindows10OrLater()
{
#ifdef Q_OS_WIN
    pw::ISystemInfo *system = pw::CurrentPlatform().system;
    return system && IsWindows10Version(system->Kernel32Version());
#else
    return false;
#endif
}
