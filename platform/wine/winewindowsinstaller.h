#pragma once
#include "platform/wine/winehost.h"
#include "platform/windowsinstaller.h"

namespace pw {

// Windows Installer of the prefix, asked through the host.
class CWineWindowsInstaller : public IWindowsInstaller {
public:
    explicit CWineWindowsInstaller(CWineHost &host) : m_host(host) {}
    WinError ProductFolder(const std::string &productCode, std::string *windowsPath) override;

private:
    CWineHost &m_host;
};

} // namespace pw
