#pragma once
// Finds and deletes what an uninstalled program left behind: the content of its install folder,
// its folders in the roaming application data and in ProgramData, its Start menu and desktop
// entries, its own uninstall entry and the MuiCache values that name its folder.
//
// Removal runs with administrator rights on paths that any program can write into the
// registry, so nothing is deleted that is not the removed program's own:
//  - protected places (drive roots, the Windows folder, Program Files, profiles, AppData,
//    ProgramData, Start menus, desktops, the folder being searched, and every folder above
//    them) are never listed or deleted, not even when emptying folders upwards;
//  - name searches match below the folder being searched, never on its own path, and whole
//    folder names where the pattern names a folder ("App/" finds "...\App\x", not "...\MyApp\x");
//  - names too weak to identify a program (IsWeakName) drive no search;
//  - anything inside, equal to or holding the install folder of a program that is still
//    installed, or named after such a program, is kept; of the uninstall entries only the
//    removed program's own is deleted, in the registry view it was read from;
//  - a program whose own uninstall entry is still listed after its uninstaller ended (the user
//    cancelled, the uninstaller failed) is not cleaned at all;
//  - links and junctions are removed as links; what they point to is never entered.
// Every deletion and every refusal goes to the log with its kind and path.
//
// Not thread-safe: one cleaner per worker. Everything runs on the caller's thread.
#include "inventory/appenum.h"
#include "inventory/installedprogram.h"
#include "inventory/leftoveritem.h"
#include "platform/platform.h"
#include "leftovers/otherprograms.h"
#include "leftovers/protectedplaces.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

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

    const LeftoverList &Leftovers() const { return m_leftovers; }
    const CleanResult &LastResult() const { return m_result; }

private:
    struct Pattern {
        QString Name;
        bool FolderName = false; // matches what lies inside a folder of that name
    };

    CleanResult Clean(const InstalledProgram &removed, const InstalledNow *installedNow);
    CleanResult Scan(const InstalledProgram &removed, const InstalledNow *installedNow);
    void Prepare(const InstalledProgram &removed, const InstalledNow *installedNow);

    void ScanInstallFolder(const QByteArray &installPath);
    void ListInstallFolder(const QString &installPath);
    QString InstallFolderReason(const QString &installPath, const QString &native) const;
    void FindMatchingEntries(const QString &base, const QString &filePattern, const QString &folderPattern);
    void SearchStartMenu(const QByteArray &name);
    void SearchDesktop(const QByteArray &name);
    void SearchRegistry(const QByteArray &installPath);
    void TakeMatches();
    void ClearMatches();

    void Walk(const QString &native, const QString &windows, const QString &relative, bool inFileFolder,
              bool inFolderFolder, const Pattern &files, const Pattern &folders);
    bool Matches(const Pattern &pattern, bool inNamedFolder, const QString &relativeDir, const QString &name) const;
    // Adds a found file or folder to `list` unless a rule keeps it.
    void Accept(LeftoverList &list, int kind, const QString &windowsPath, const QString &relative);

    void RemoveFile(const LeftoverItem &item);
    bool RemoveFolderTree(const QString &folder);
    bool RemoveFolderContent(const QString &native, const QString &windows);
    void RemoveEmptyParents(const QString &windowsFolder);
    void RemoveRegistryItem(const LeftoverItem &item);
    void RemoveMuiCacheItem(const LeftoverItem &item);

    QString NativeOf(const QString &windowsPath) const;
    // Why a file or folder may not be deleted, or empty when it may.
    QString KeepReason(const QString &windowsPath) const;
    // The same for the native path, as the file system resolves it: drives and places reached
    // under another name, and on Linux the system's and the user's own folders.
    QString NativeKeepReason(const QString &native) const;
    void Refuse(const LeftoverItem &item, const QString &reason);
    void Removed(const LeftoverItem &item, bool wasThere);
    void Failed(const LeftoverItem &item, const QString &why);

    pw::Platform m_platform;
    CAppEnum m_appEnum;
    CProtectedPlaces m_places;
    QStringList m_driveRoots; // native folders of the drives (other than one that is "/")
    COtherPrograms m_others;
    InstalledProgram m_program;
    QString m_searchName; // the name the current search step looks for

    LeftoverList m_leftovers;      // the scan's result: what RemoveLeftovers deletes
    LeftoverList m_matchedFiles;   // working list of the current search step
    LeftoverList m_matchedFolders; // working list of the current search step
    CleanResult m_result;
};
