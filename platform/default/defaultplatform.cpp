#include "platform/default/defaultplatform.h"

#include "platform/platform.h"

#ifdef _WIN32
#include "platform/win32/win32platform.h"
#include "platform/win32/win32text.h"
#else
#include "platform/wine/wineplatform.h"

#include <mutex>
#endif

namespace pw {

bool SelectDefaultPlatform(std::string *error)
{
#ifdef _WIN32
    // Never destroyed: worker threads may still use it while the process ends.
    static CWin32Platform *const platform = new CWin32Platform(win32::kCodePageAnsi);
#else
    static std::mutex mutex;
    std::lock_guard<std::mutex> lock(mutex);
    static CWinePlatform *const platform = new CWinePlatform(CWineHost::DefaultOptions());
    // Starting the host now turns a missing Wine or a broken prefix into a message at start-up
    // rather than an empty list later.
    if (!platform->host.Start(error))
        return false;
#endif
    SetCurrentPlatform(platform->AsPlatform());
    if (error)
        error->clear();
    return true;
}

} // namespace pw
