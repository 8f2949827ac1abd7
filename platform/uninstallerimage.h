#pragma once
// Which processes of an uninstall run are the uninstaller's, by the program files they run.
//
// Many uninstallers start something they do not wait for as they end: a browser with a feedback
// page, a tray program, a service. An uninstall run waits for every process of the uninstaller
// (it hands its work to a copy of itself, which may start more) but not for those: once the
// program's uninstall entry is gone, a process counts only when its image lies inside the
// program's install folder or inside a temporary folder (where NSIS and Inno Setup uninstallers
// copy themselves). While the entry is still registered every process counts, since the
// uninstaller's window may belong to any of them; only the system's own helpers (the console
// host, Wine's service and desktop processes, ...) never do.
//
// Paths are Windows paths in UTF-8 or the ANSI code page; letters beyond ASCII are compared as
// they are, so the caller upper-cases them the system's way first. Header-only: the Win32
// runner and the tests of every build use it.
#include <cstddef>
#include <string>
#include <vector>

namespace pw {
namespace uninstallerimage {

// One spelling for comparing: the "\\?\" prefix dropped, '/' made '\\', repeated separators
// collapsed (not the two of a UNC path), "." and ".." resolved, no trailing separator, ASCII
// letters in upper case. "c:/Users//Me/./Temp/" gives "C:\\USERS\\ME\\TEMP".
inline std::string ComparablePath(const std::string &path)
{
    std::string p = path;
    for (char &c : p) {
        if (c == '/')
            c = '\\';
        else if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    }
    std::string root;
    if (p.compare(0, 8, "\\\\?\\UNC\\") == 0) {
        root = "\\\\";
        p.erase(0, 8);
    } else if (p.compare(0, 4, "\\\\?\\") == 0 || p.compare(0, 4, "\\\\.\\") == 0) {
        p.erase(0, 4);
    } else if (p.compare(0, 2, "\\\\") == 0) {
        root = "\\\\";
        p.erase(0, 2);
    }
    std::vector<std::string> names;
    size_t start = 0;
    while (start <= p.size()) {
        size_t end = p.find('\\', start);
        if (end == std::string::npos)
            end = p.size();
        const std::string name = p.substr(start, end - start);
        // Never above the drive, or the server and share of a UNC path.
        const bool drive = !names.empty() && names[0].size() == 2 && names[0][1] == ':';
        const size_t rootNames = !root.empty() ? 2 : (drive ? 1 : 0);
        if (name == "..") {
            if (names.size() > rootNames)
                names.pop_back();
        } else if (!name.empty() && name != ".") {
            names.push_back(name);
        }
        start = end + 1;
    }
    std::string out = root;
    for (size_t i = 0; i < names.size(); ++i) {
        if (i > 0)
            out += '\\';
        out += names[i];
    }
    return out;
}

// True when `path` lies inside `folder` (both as ComparablePath gives them). A drive or a UNC
// share itself holds no program of its own and so never counts as one's folder.
inline bool IsInsideFolder(const std::string &path, const std::string &folder)
{
    // A folder needs a name below its drive ("C:\\A"), or below its share ("\\\\S\\SH\\A").
    const bool unc = folder.compare(0, 2, "\\\\") == 0;
    if (!unc && (folder.size() < 2 || folder[1] != ':'))
        return false; // not a full path
    size_t separators = 0;
    for (size_t i = unc ? 2 : 0; i < folder.size(); ++i)
        separators += folder[i] == '\\';
    if (separators < (unc ? 2u : 1u))
        return false;
    return path.size() > folder.size() + 1 && path.compare(0, folder.size(), folder) == 0
           && path[folder.size()] == '\\';
}

// The folders the rule tells processes by, in any spelling.
struct Folders {
    std::string installFolder;            // the program's; may be empty
    std::vector<std::string> tempFolders; // every spelling of the temporary folders (long, 8.3)
    std::string windowsFolder;            // where the system's helpers live
};

enum class Kind {
    Uninstaller,  // the uninstaller or a copy of it: waited for
    SystemHelper, // a helper of the system that joined the run: never waited for
    Other,        // anything else: waited for while the entry is registered
};

// The kind of a process by its image path.
inline Kind ClassifyImage(const std::string &image, const Folders &folders)
{
    const std::string path = ComparablePath(image);
    if (path.empty())
        return Kind::Other;
    if (IsInsideFolder(path, ComparablePath(folders.installFolder)))
        return Kind::Uninstaller;
    for (const std::string &temp : folders.tempFolders)
        if (IsInsideFolder(path, ComparablePath(temp)))
            return Kind::Uninstaller;

    const std::string windows = ComparablePath(folders.windowsFolder);
    const size_t slash = path.rfind('\\');
    if (windows.empty() || slash == std::string::npos)
        return Kind::Other;
    const std::string folder = path.substr(0, slash);
    const std::string name = path.substr(slash + 1);
    if (folder != windows && folder != windows + "\\SYSTEM32" && folder != windows + "\\SYSWOW64")
        return Kind::Other;
    static const char *const helpers[] = {
        "CONHOST.EXE",  "START.EXE",    "EXPLORER.EXE", "SVCHOST.EXE", "SERVICES.EXE", "RPCSS.EXE",
        "PLUGPLAY.EXE", "WINEDEVICE.EXE", "WINEMENUBUILDER.EXE", "WINEBOOT.EXE", "WINEDBG.EXE",
        "WERFAULT.EXE",
    };
    for (const char *helper : helpers)
        if (name == helper)
            return Kind::SystemHelper;
    return Kind::Other;
}

// Whether a run must go on waiting with these processes still running: while an uninstaller
// runs, and while the entry is registered and anything but the system's helpers runs.
inline bool MustKeepWaiting(bool entryRegistered, const std::vector<Kind> &running)
{
    for (Kind kind : running)
        if (kind == Kind::Uninstaller || (entryRegistered && kind == Kind::Other))
            return true;
    return false;
}

} // namespace uninstallerimage
} // namespace pw
