#include "platform/fake/fakefolders.h"

#include <cctype>
#include <fstream>

namespace pw {

void CFakeFolders::SetDrive(char letter, const std::string &nativeRoot)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::string root = nativeRoot;
    while (root.size() > 1 && root.back() == '/')
        root.pop_back();
    m_drives[char(std::toupper(static_cast<unsigned char>(letter)))] = root;
}

void CFakeFolders::SetFolder(int csidl, const std::string &windowsPath)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_folders[csidl] = windowsPath;
}

WinError CFakeFolders::SpecialFolder(int csidl, std::string *windowsPath)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    auto it = m_folders.find(csidl);
    if (it == m_folders.end())
        return kErrorFileNotFound;
    *windowsPath = it->second;
    return kErrorSuccess;
}

std::string CFakeFolders::ToNativePath(const std::string &windowsPath)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (windowsPath.size() < 2 || windowsPath[1] != ':')
        return std::string();
    auto it = m_drives.find(char(std::toupper(static_cast<unsigned char>(windowsPath[0]))));
    if (it == m_drives.end())
        return std::string();
    std::string rest = windowsPath.substr(2);
    for (char &c : rest)
        if (c == '\\')
            c = '/';
    if (rest.empty())
        rest = "/";
    return it->second + rest;
}

std::string CFakeFolders::ToWindowsPath(const std::string &nativePath)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (const auto &drive : m_drives) {
        const std::string &root = drive.second;
        if (nativePath.compare(0, root.size(), root) == 0
            && (nativePath.size() == root.size() || nativePath[root.size()] == '/')) {
            std::string rest = nativePath.substr(root.size());
            for (char &c : rest)
                if (c == '/')
                    c = '\\';
            return std::string(1, drive.first) + ":" + (rest.empty() ? "\\" : rest);
        }
    }
    return std::string();
}

} // namespace pw

namespace pw {

void CFakeFolders::SetShortcut(const std::string &windowsLinkPath, const std::string &windowsTarget)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_shortcuts[windowsLinkPath] = windowsTarget;
}

WinError CFakeFolders::ShortcutTarget(const std::string &windowsLinkPath, std::string *windowsTarget)
{
    if (!windowsTarget)
        return kErrorInvalidParameter;
    windowsTarget->clear();
    const std::string native = ToNativePath(windowsLinkPath);
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto it = m_shortcuts.find(windowsLinkPath);
    if (native.empty() || !std::ifstream(native).good() || it == m_shortcuts.end())
        return kErrorFileNotFound;
    *windowsTarget = it->second;
    return kErrorSuccess;
}

} // namespace pw
