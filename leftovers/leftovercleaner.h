#pragma once
// The leftover engine: finds and deletes what an uninstalled program left behind, and nothing
// that is not its own. CLeftoverCleaner is the façade the uninstall worker calls; the parts:
//  - CKeepPolicy (keeppolicy.h): what is never listed or deleted (protected places, programs
//    still installed, names too weak to search by, paths as the file system resolves them);
//    asked by every finder and again by the remover;
//  - the finders (finders/leftoverfinder.h), one per source, each reached through the one
//    interface ILeftoverFinder and run in the order of LeftoverFinders(): the content of the
//    install folder; the data folders named like it in roaming application data and
//    ProgramData; the program's entries in the Start menu and its shortcuts on the desktop;
//    the program's own uninstall entry, those of its orphaned twins (the same DisplayName in
//    the other view or per user, with its uninstaller gone: IsOrphanedTwin), and the MuiCache
//    values that name its folder; and on Linux what Wine's menu builder wrote for the
//    program's shortcuts (menubuilderfinder.h);
//  - CLeftoverRemover (leftoverremover.h): deletes what the finders found;
//  - CLeftoverReport (leftoverreport.h): each item kept, removed or failed, into the result and
//    the log;
//  - helpers: folder listing without following links (folderlister.h), Windows paths
//    (windowspath.h), protected places, other programs, weak names, the paths an uninstall
//    entry names (programpaths.h), and the still-installed rule (installstate.h) shared with
//    the uninstall worker (uninstallworker.h).
// A program whose own uninstall entry is still listed after its uninstaller ended (the user
// cancelled, the uninstaller failed) is not cleaned at all. Links and junctions are removed as
// links; what they point to is never entered. Every deletion and every refusal goes to the log
// with its kind and path.
//
// Not thread-safe: one cleaner per worker. Everything runs on the caller's thread.
#include "inventory/appenum.h"
#include "inventory/installedprogram.h"
#include "inventory/leftoveritem.h"
#include "platform/platform.h"
#include "leftovers/keeppolicy.h"
#include "leftovers/removaljournal.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

// What one clean did, for the uninstall run to tell the user.
struct CleanResult {
    // The program's own uninstall entry is still listed and its uninstaller is still there:
    // the program was not uninstalled, and nothing was scanned or removed.
    bool StillInstalled = false;
    LeftoverList Found;   // the scan's items, in removal order (may hold an item twice)
    LeftoverList Removed; // deleted, or already gone when their turn came
    LeftoverList Refused; // found, but kept by a rule above (protected, another program's)
    LeftoverList Failed;  // deletion tried and failed (in use, read-only in a folder, no rights);
                          // also the entries inside a leftover folder that stayed
    LeftoverList Trashed; // of Removed, what went to the trash (and can come back); also the
                          // entries of a leftover folder that went there one by one
};

// How a clean's removal goes and where it is recorded.
struct RemovalRecord {
    std::shared_ptr<CRunJournal> journal; // the run's journal; none: nothing is recorded
    RemovalMode mode = RemovalMode::Delete;
    QString prefix; // Linux: the Wine prefix the program belongs to, for the journal
};

// The programs and updates listed after the uninstaller ended, as a scan the caller already made
// gives them.
struct InstalledNow {
    InstalledProgramList programs;
    InstalledProgramList updates;
};

class CLeftoverCleaner {
public:
    // Works on the current platform backend.
    CLeftoverCleaner();
    explicit CLeftoverCleaner(const pw::Platform &platform);

    // The uninstall worker's one call, after the program's uninstaller has exited: scans for
    // the leftovers of `removed` (a record as CAppEnum read it before the uninstall, so that
    // its own uninstall entry is known) and deletes them. Re-reads the uninstall registry to
    // learn which programs are still installed.
    CleanResult CleanLeftovers(const InstalledProgram &removed);
    // The same against the scan the uninstall run made to learn whether the program is gone.
    CleanResult CleanLeftovers(const InstalledProgram &removed, const InstalledNow &installedNow);

    // The same scan without the removal. Leftovers() then holds what RemoveLeftovers deletes.
    CleanResult ScanLeftovers(const InstalledProgram &removed);
    // Deletes the items of the last scan, in order; nothing stops the walk.
    void RemoveLeftovers();

    // How the removals go from now on (default: deleted for good, nothing recorded). With
    // RemovalMode::Trash and a journal the registry items are backed up beside the journal.
    void SetRemoval(const RemovalRecord &record) { m_record = record; }

    const LeftoverList &Leftovers() const { return m_leftovers; }
    const CleanResult &LastResult() const { return m_result; }

private:
    CleanResult Clean(const InstalledProgram &removed, const InstalledNow *installedNow);
    CleanResult Scan(const InstalledProgram &removed, const InstalledNow *installedNow);

    pw::Platform m_platform;
    CAppEnum m_appEnum;
    CKeepPolicy m_policy;
    InstalledProgram m_program;
    InstalledProgramList m_twins; // the program's orphaned twin entries, removed with it
    LeftoverList m_leftovers; // the scan's result: what RemoveLeftovers deletes
    CleanResult m_result;
    RemovalRecord m_record;
};
