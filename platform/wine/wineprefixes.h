#pragma once
// The Wine prefixes of one user: the one Wine uses by itself (WINEPREFIX, ~/.wine), those under
// $XDG_DATA_HOME/wineprefixes, and those that Wine front-ends made (Bottles, Lutris, Steam's
// Proton, PlayOnLinux, Heroic), each with the Wine its manager runs it with.
#include <QString>
#include <QVector>
#ifndef _WIN32
#include "platform/wine/winehost.h"
#endif

namespace pw {

enum class PrefixManager { Wine, Bottles, Lutris, Steam, PlayOnLinux, Heroic };

// "Wine", "Bottles", ... as shown to people.
QString PrefixManagerName(PrefixManager manager);

struct WinePrefixInfo {
    QString path;  // absolute, symbolic links resolved
    QString label; // "Steam: <game name>", "Bottles: <bottle>", "Lutris: <game>", "Wine: default", ...
    PrefixManager manager = PrefixManager::Wine;
    // The wine binary its manager runs it with; empty for the system's "wine" on PATH (or,
    // when wineFound is false, for a Wine whose place is not known, such as a Proton build
    // named only by its version).
    QString wine;
    // The name of that Wine as its manager calls it ("soda-7.0-9", "Proton 8.0", "system"),
    // for messages.
    QString wineName;
    // Whether that Wine is on this machine. A prefix whose Wine is missing is offered read-only:
    // starting another Wine in it could update it for that Wine and break it for its manager.
    bool wineFound = false;
    bool fromWinePrefixVariable = false; // the prefix WINEPREFIX names
    bool isDefaultPrefix = false;        // ~/.wine

    // The system's wine on PATH, not a build of the manager's own.
    bool UsesSystemWine() const { return wine.isEmpty() && wineName == QLatin1String("system"); }
    // Its own Wine is missing. (A prefix of the system's Wine, when that is not installed, is
    // not read-only: nothing can run it, and starting says so.)
    bool ReadOnly() const { return !wineFound && !UsesSystemWine(); }
};

// Every prefix of the user whose home folder is `home` (a folder holding drive_c/ and
// system.reg), each once however it was reached. WINEPREFIX and XDG_DATA_HOME come from the
// process environment. Order: the prefix WINEPREFIX names, then ~/.wine, then the others by
// label. Missing, damaged or hostile manager files only lose the prefixes they would have
// named; the function never fails.
QVector<WinePrefixInfo> FindWinePrefixes(const QString &home);

// The prefix to open with: WINEPREFIX's when set, else ~/.wine when it was found, else the
// first one; -1 for an empty list.
int InitialPrefixIndex(const QVector<WinePrefixInfo> &prefixes);

// True when `path` is a Wine prefix: a folder with drive_c/ and system.reg.
bool IsWinePrefix(const QString &path);

#ifndef _WIN32
// The host's options for `prefix` with the Wine its manager uses, the host executable taken
// from `base`: read-only when that Wine is missing.
CWineHost::Options HostOptionsFor(const WinePrefixInfo &prefix, const CWineHost::Options &base);
#endif

} // namespace pw
