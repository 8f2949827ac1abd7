#include "platform/win32/win32folders.h"

#include "platform/win32/win32text.h"

#include <windows.h>
#include <shlobj.h>

namespace pw {

CWin32Folders::CWin32Folders(unsigned codePage) : m_codePage(codePage) {}

WinError CWin32Folders::SpecialFolder(int csidl, std::string *windowsPath)
{
    if (!windowsPath)
        return kErrorInvalidParameter;
    wchar_t path[MAX_PATH] = {};
    if (!SHGetSpecialFolderPathW(nullptr, path, csidl, FALSE)) {
        const DWORD error = GetLastError();
        return error != ERROR_SUCCESS ? WinError(error) : kErrorFileNotFound;
    }
    *windowsPath = win32::Narrow(path, wcslen(path), m_codePage);
    return kErrorSuccess;
}

} // namespace pw
