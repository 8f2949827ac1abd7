#pragma once
#include "platform/windowsinstaller.h"

namespace pw {

// msi.dll: the product's registered install location, else the common folder of the key paths
// of the components its cached package lists.
class CWin32WindowsInstaller : public IWindowsInstaller {
public:
    explicit CWin32WindowsInstaller(unsigned codePage);
    WinError ProductFolder(const std::string &productCode, std::string *windowsPath) override;

private:
    unsigned m_codePage;
};

} // namespace pw
