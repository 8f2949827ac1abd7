#include "platform/win32/win32folders.h"

#include "platform/win32/win32text.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

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

WinError CWin32Folders::ShortcutTarget(const std::string &windowsLinkPath, std::string *windowsTarget)
{
    if (!windowsTarget)
        return kErrorInvalidParameter;
    windowsTarget->clear();
    const std::wstring link = win32::Widen(windowsLinkPath, m_codePage);
    const DWORD attributes = GetFileAttributesW(link.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return WinError(GetLastError() == ERROR_PATH_NOT_FOUND ? ERROR_PATH_NOT_FOUND : ERROR_FILE_NOT_FOUND);
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return WinError(ERROR_BAD_FORMAT);
    // COM on this thread for the call; a thread that has it already keeps its own.
    const HRESULT init = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    WinError result = WinError(ERROR_BAD_FORMAT);
    IShellLinkW *shellLink = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void **>(&shellLink)))) {
        IPersistFile *file = nullptr;
        if (SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void **>(&file)))) {
            if (SUCCEEDED(file->Load(link.c_str(), STGM_READ))) {
                wchar_t target[MAX_PATH * 2] = {};
                // The path as stored (SLGP_RAWPATH: environment strings left as they are would
                // not name a file, so they are expanded below).
                if (shellLink->GetPath(target, int(sizeof target / sizeof target[0]), nullptr, SLGP_RAWPATH) == S_OK
                    && target[0]) {
                    wchar_t expanded[MAX_PATH * 2] = {};
                    const DWORD n = ExpandEnvironmentStringsW(target, expanded, DWORD(sizeof expanded / sizeof expanded[0]));
                    const wchar_t *path = n > 0 && n <= sizeof expanded / sizeof expanded[0] ? expanded : target;
                    *windowsTarget = win32::Narrow(path, wcslen(path), m_codePage);
                    result = kErrorSuccess;
                }
            }
            file->Release();
        }
        shellLink->Release();
    }
    if (SUCCEEDED(init))
        CoUninitialize();
    return result;
}

} // namespace pw
