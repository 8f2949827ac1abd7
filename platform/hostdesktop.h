#pragma once
// The Linux desktop around a Wine prefix, as Wine's menu builder (winemenubuilder) writes into
// it: the prefix's folder, the user's XDG data, config and desktop folders, and the refresh of
// the desktop's caches. Only the Linux backend has one; on Windows Platform::hostDesktop is null.
// Paths are native (Linux) and absolute; an empty string means the folder is not known.
#include <string>

namespace pw {

class IHostDesktop {
public:
    virtual ~IHostDesktop() = default;
    // The prefix folder, as WINEPREFIX names it.
    virtual std::string PrefixFolder() = 0;
    // $XDG_DATA_HOME, by default ~/.local/share (applications/, icons/, mime/, desktop-directories/).
    virtual std::string DataHome() = 0;
    // $XDG_CONFIG_HOME, by default ~/.config (menus/applications-merged/).
    virtual std::string ConfigHome() = 0;
    // The user's desktop folder (XDG_DESKTOP_DIR of user-dirs.dirs, by default ~/Desktop).
    virtual std::string DesktopFolder() = 0;
    // Brings the desktop's caches up to date after menu entries or MIME packages were removed:
    // update-desktop-database and update-mime-database on the user's folders, where installed.
    virtual void RefreshDatabases(bool applications, bool mime) = 0;
};

} // namespace pw
