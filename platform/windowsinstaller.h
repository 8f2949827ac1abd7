#pragma once
#include "platform/winerror.h"

#include <string>

namespace pw {

// ERROR_UNKNOWN_PRODUCT: Windows Installer does not know the product (not installed, or not a
// product code at all).
constexpr WinError kErrorUnknownProduct = 1605;

// What Windows Installer (msi.dll) knows about the products it installed.
class IWindowsInstaller {
public:
    virtual ~IWindowsInstaller() = default;

    // The folder product `productCode` ("{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}") lives in, in
    // Windows form without a trailing backslash: the install location the product registered,
    // else the common folder of the files its components installed (files in the Windows
    // folder and in Common Files do not count). Never a drive root, nor Program Files, the
    // Windows folder, ProgramData, a user profile or another shared folder, nor a folder above
    // one of them: such an answer is kErrorFileNotFound. kErrorUnknownProduct when Windows
    // Installer does not know the product.
    virtual WinError ProductFolder(const std::string &productCode, std::string *windowsPath) = 0;
};

} // namespace pw
