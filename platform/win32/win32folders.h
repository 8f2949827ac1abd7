#pragma once
#include "platform/specialfolders.h"

namespace pw {

// SHGetSpecialFolderPath; on Windows a Windows path is already native.
class CWin32Folders : public ISpecialFolders {
public:
    explicit CWin32Folders(unsigned codePage);
    WinError SpecialFolder(int csidl, std::string *windowsPath) override;
    std::string ToNativePath(const std::string &windowsPath) override { return windowsPath; }
    std::string ToWindowsPath(const std::string &nativePath) override { return nativePath; }
    WinError ShortcutTarget(const std::string &windowsLinkPath, std::string *windowsTarget) override;

private:
    unsigned m_codePage;
};

} // namespace pw
