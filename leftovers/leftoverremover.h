#pragma once
// Deletes the items of a scan, in order; nothing stops the walk. The keep policy is asked again
// for every item, for the path and for what the file system resolves it to. A folder goes with
// what it holds, except read-only files and protected folders, which stay with the folders above
// them. The folders that a removed file or folder leaves empty are removed upwards, up to the
// first that is not empty, is a protected place, holds or lies in the folder of another program,
// or is named like the vendor of another program (CKeepPolicy::EmptyFolderReason). Links are
// removed as links. Of the registry only the removed program's own uninstall entry and those of
// its orphaned twins (each in the root and view it was read from), MuiCache values, and what
// Wine's menu builder recorded (MenuFiles values, FileOpenAssociations keys) are deleted; a twin
// whose uninstaller is back on disk by then is kept. Files of the Linux desktop go only from the
// places CKeepPolicy::DesktopFileReason allows.
//
// In RemovalMode::Trash files and folders go to the desktop's trash (trash.h) instead of being
// deleted, and every registry item is written to the program's .reg backup before it is deleted
// (an item whose backup cannot be written is kept). A folder goes to the trash whole only when
// nothing in it would stay (a hidden or read-only file, a protected folder, anything that is not
// a file, folder or link): otherwise its entries go one by one, each as a journal item of its
// own, and what must stay stays with the folder. Links are deleted as links, never moved. What
// the trash cannot take (no trash on that volume) is deleted as before, and the journal says so.
// Every item is recorded in the journal (through the report) before it is touched.
#include "inventory/installedprogram.h"
#include "inventory/leftoveritem.h"
#include "leftovers/regexport.h"
#include "leftovers/removaljournal.h"
#include "platform/platform.h"

#include <QString>

#include <functional>
#include <vector>

class CKeepPolicy;
class CLeftoverReport;

// For tests: called on the removing thread after each item of a removal is done and recorded,
// with the number of items done so far (a test stops the process there to see what a removal
// cut short leaves behind). None by default.
void SetLeftoverItemHook(std::function<void(int done)> hook);

class CLeftoverRemover {
public:
    // `twins`: the orphaned twin entries of `removed` (IsOrphanedTwin) whose keys may go too.
    CLeftoverRemover(const pw::Platform &platform, const CKeepPolicy &policy, CLeftoverReport &report,
                     const InstalledProgram &removed, const InstalledProgramList &twins = {})
        : m_platform(platform), m_policy(policy), m_report(report), m_program(removed), m_twins(twins)
    {
    }

    // How the items go (default: deleted for good); `regBackupFile`: the .reg file the registry
    // items are backed up to first (empty: no backup).
    void SetMode(RemovalMode mode, const QString &regBackupFile = QString())
    {
        m_mode = mode;
        m_backupFile = regBackupFile;
    }

    void Remove(const LeftoverList &items);

private:
    void RemoveFile(const LeftoverItem &item);
    void RemoveFolder(const LeftoverItem &item);
    bool RemoveFolderTree(const QString &folder);
    bool RemoveFolderContent(const QString &native, const QString &windows);
    // Whether anything in the folder would stay if its content were removed entry by entry.
    bool FolderKeepsSomething(const QString &native, const QString &windows) const;
    // Moves a file or folder entry of a leftover folder to the trash on its own (deletes it when
    // the trash cannot take it); false when it is still there.
    bool TrashEntry(const LeftoverItem &child, const QString &childNative);
    // Writes the key (empty `valueName`) or value to the backup; false with *why when it could
    // not be backed up, true when there is no backup to make.
    bool BackUp(pw::RegRoot root, uint32_t view, const std::string &path, const QString *valueName, QString *why);
    void RemoveEmptyParents(const QString &windowsFolder);
    void RemoveDesktopFile(const LeftoverItem &item);
    // Moves the item at `native` to the trash and reports it as trashed (journal entry `entry`);
    // false, with *note saying why, when the trash did not take it.
    bool MoveToTrash(const LeftoverItem &item, const QString &native, int entry, QString *note);
    void RemoveRegistryItem(const LeftoverItem &item);
    // Why a registry item is not the uninstall entry of the program or of one of its orphaned
    // twins; empty when it is.
    QString RegistryItemReason(const LeftoverItem &item) const;
    void RemoveMuiCacheItem(const LeftoverItem &item);
    // Opens root\path with `access` and deletes one value of it.
    static pw::WinError DeleteValue(pw::IRegistry &reg, pw::RegKey root, const std::string &path, uint32_t access,
                                    const QString &valueName);
    void ReportRegistryResult(const LeftoverItem &item, pw::WinError error, int entry);

    const pw::Platform &m_platform;
    const CKeepPolicy &m_policy;
    CLeftoverReport &m_report;
    const InstalledProgram &m_program;
    const InstalledProgramList m_twins;
    RemovalMode m_mode = RemovalMode::Delete;
    QString m_backupFile;
    std::vector<RegExportKey> m_backup; // what the backup file holds
};
