#pragma once
#include <string>

namespace pw {

// Chooses the backend for this run, once, at start-up: Win32 on Windows, the Wine prefix
// (WINEPREFIX, default ~/.wine) on Linux, and installs it as the current platform. On failure
// returns false and a message the user can be shown.
bool SelectDefaultPlatform(std::string *error);

} // namespace pw
