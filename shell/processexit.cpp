#include "shell/processexit.h"

#include "platform/platform.h"

#include <cstdio>
#include <cstdlib>

void ExitProcessNow(int code)
{
    if (pw::IProcessRunner *processes = pw::CurrentPlatform().processes) {
        processes->ExitThisProcess(code);
        return;
    }
    std::fflush(nullptr);
    std::_Exit(code);
}
