#include "platform/wine/winewindowsinstaller.h"

namespace pw {

WinError CWineWindowsInstaller::ProductFolder(const std::string &productCode, std::string *windowsPath)
{
    if (!windowsPath)
        return kErrorInvalidParameter;
    windowsPath->clear();
    hostproto::Writer args;
    args.Str(productCode);
    return m_host.CallForText(hostproto::kProductFolder, args, windowsPath);
}

} // namespace pw
