#pragma once
// Where Windows keeps the uninstall entries: one key per program below it, in HKEY_LOCAL_MACHINE
// (both registry views) and HKEY_CURRENT_USER. Plain C++, so that the benchmark's host side can
// name it too.
#include <string>

namespace pw {

constexpr char kUninstallKeyPath[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

// The path of one program's entry, from the entry's subkey name.
inline std::string UninstallEntryPath(const std::string &subKey)
{
    return std::string(kUninstallKeyPath) + '\\' + subKey;
}

} // namespace pw
