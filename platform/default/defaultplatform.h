#pragma once
// The start-up choice of backend, a library of its own that the program alone links: the
// platform interfaces, the fakes and the unit tests never pull in the Wine client.
#include "platform/wine/wineprefixes.h"

#include <string>

namespace pw {

// Chooses the backend for this run, once, at start-up: Win32 on Windows, the Wine prefix
// (WINEPREFIX, default ~/.wine) on Linux, and installs it as the current platform without
// starting anything: on Linux the host starts with StartDefaultPlatform() or on first use.
void InstallDefaultPlatform();

// Linux: starts the host in the chosen prefix, with the Wine its manager runs it with (see
// FindWinePrefixes). A prefix whose Wine is missing is read-only and nothing is started in
// it: its registry is read from its files (system.reg, user.reg) and DefaultPrefixIsReadOnly()
// tells so; the result is false only when those files cannot be read either. On failure
// returns false and a message the user can be shown. Windows: nothing to start, true.
bool StartDefaultPlatform(std::string *error);

// InstallDefaultPlatform() and StartDefaultPlatform() in one.
bool SelectDefaultPlatform(std::string *error);

// The prefix the Linux backend works in now (an empty path on Windows or before the install).
WinePrefixInfo CurrentDefaultPrefix();
// Whether that prefix is read-only (its Wine missing and no consent given).
bool DefaultPrefixIsReadOnly();

// Linux: moves the backend to `prefix`: stops the running host and starts one there with the
// prefix's own Wine; with `useSystemWine` (only after the user agreed) with the system's wine
// instead, for a prefix whose Wine is missing. A read-only prefix without that consent is
// taken as the current one but nothing is started in it: its registry is read from its files
// (true), or, when they cannot be read, the result is false with the reason. Windows: false,
// there are no prefixes.
bool SwitchDefaultPrefix(const WinePrefixInfo &prefix, bool useSystemWine, std::string *error);

} // namespace pw
