#pragma once
// The start-up choice of backend, a library of its own that the program alone links: the
// platform interfaces, the fakes and the unit tests never pull in the Wine client.
#include <string>

namespace pw {

// Chooses the backend for this run, once, at start-up: Win32 on Windows, the Wine prefix
// (WINEPREFIX, default ~/.wine) on Linux, and installs it as the current platform. On failure
// returns false and a message the user can be shown.
bool SelectDefaultPlatform(std::string *error);

} // namespace pw
