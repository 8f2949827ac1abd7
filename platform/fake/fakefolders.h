#pragma once
// Special folders for unit tests: each Windows drive maps to a native folder (a temporary
// folder of the test), and each CSIDL to a Windows path set by the test.
#include "platform/specialfolders.h"

#include <map>
#include <mutex>
#include <string>

namespace pw {

class CFakeFolders : public ISpecialFolders {
public:
    void SetDrive(char letter, const std::string &nativeRoot);
    void SetFolder(int csidl, const std::string &windowsPath);
    // The target the shell link at `windowsLinkPath` names (the file need not hold a real link).
    void SetShortcut(const std::string &windowsLinkPath, const std::string &windowsTarget);

    WinError SpecialFolder(int csidl, std::string *windowsPath) override;
    std::string ToNativePath(const std::string &windowsPath) override;
    std::string ToWindowsPath(const std::string &nativePath) override;
    WinError ShortcutTarget(const std::string &windowsLinkPath, std::string *windowsTarget) override;

private:
    std::mutex m_mutex;
    std::map<char, std::string> m_drives;
    std::map<int, std::string> m_folders;
    std::map<std::string, std::string> m_shortcuts;
};

} // namespace pw
