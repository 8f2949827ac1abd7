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

    WinError SpecialFolder(int csidl, std::string *windowsPath) override;
    std::string ToNativePath(const std::string &windowsPath) override;
    std::string ToWindowsPath(const std::string &nativePath) override;

private:
    std::mutex m_mutex;
    std::map<char, std::string> m_drives;
    std::map<int, std::string> m_folders;
};

} // namespace pw
