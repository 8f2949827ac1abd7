#include "platform/wine/winewindowsinstaller.h"

namespace pw {

WinError CWineWindowsInstaller::ProductFolder(const std::string &productCode, std::string *windowsPath)
{
    if (!windowsPath)
        return kErrorInvalidParameter;
    windowsPath->clear();
    hostproto::Writer args;
    args.Str(productCode);
    std::string reply;
    const WinError sent = m_host.Call(hostproto::kProductFolder, args, &reply);
    if (sent != kErrorSuccess)
        return sent;
    hostproto::Reader r(reply);
    const WinError result = WinError(r.U32());
    const std::string path = r.Str();
    if (!r.Ok())
        return kErrorBackendUnavailable;
    if (result == kErrorSuccess)
        *windowsPath = path;
    return result;
}

} // namespace pw
