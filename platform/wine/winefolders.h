#pragma once
// Special folders of the prefix (asked from the host; in a read-only prefix, where nothing runs,
// the folders where Wine makes them, the user's below drive_c/users/) and the mapping between Windows paths and
// the native paths of the prefix's drives (its dosdevices links). Names are matched ignoring
// case, as Wine resolves them, and "." and ".." never lead above a drive's root.
#include "platform/specialfolders.h"
#include "platform/wine/winehost.h"

#include <map>
#include <mutex>

namespace pw {

class CWineFolders : public ISpecialFolders {
public:
    explicit CWineFolders(CWineHost &host) : m_host(host) {}

    WinError SpecialFolder(int csidl, std::string *windowsPath) override;
    std::string ToNativePath(const std::string &windowsPath) override;
    std::string ToWindowsPath(const std::string &nativePath) override;
    // Read by the host, with the shell's own IShellLinkW.
    WinError ShortcutTarget(const std::string &windowsLinkPath, std::string *windowsTarget) override;

private:
    CWineHost &m_host;
    std::mutex m_mutex;
    std::map<int, std::string> m_folders; // the folders found so far; they do not move
};

} // namespace pw
