#pragma once
#include "platform/winerror.h"

#include <string>

namespace pw {

// Special folders and the mapping from Windows paths to paths this process can open.
class ISpecialFolders {
public:
    virtual ~ISpecialFolders() = default;
    // SHGetSpecialFolderPathA without creating the folder; Windows form ("C:\\...").
    virtual WinError SpecialFolder(int csidl, std::string *windowsPath) = 0;
    // The native path of a Windows path: identity on Windows, the prefix's drive on Linux.
    // An empty result means the path has no native counterpart (an unknown drive).
    virtual std::string ToNativePath(const std::string &windowsPath) = 0;
    // The Windows path of a native path; the inverse of ToNativePath where one exists.
    virtual std::string ToWindowsPath(const std::string &nativePath) = 0;
    // The file a shell link (.lnk) at `windowsLinkPath` starts, as IShellLinkW::GetPath gives it
    // from the link itself (never resolved: no search for a target that moved). Windows form.
    // kErrorFileNotFound when there is no link there; another error when the file is not a shell
    // link or names no file (an advertised Windows Installer shortcut, a folder of the shell).
    virtual WinError ShortcutTarget(const std::string &windowsLinkPath, std::string *windowsTarget) = 0;
};

} // namespace pw
