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
#include "inventory/installedprogram.h"
#include "inventory/leftoveritem.h"
#include "platform/platform.h"

#include <QString>

class CKeepPolicy;
class CLeftoverReport;

class CLeftoverRemover {
public:
    // `twins`: the orphaned twin entries of `removed` (IsOrphanedTwin) whose keys may go too.
    CLeftoverRemover(const pw::Platform &platform, const CKeepPolicy &policy, CLeftoverReport &report,
                     const InstalledProgram &removed, const InstalledProgramList &twins = {})
        : m_platform(platform), m_policy(policy), m_report(report), m_program(removed), m_twins(twins)
    {
    }

    void Remove(const LeftoverList &items);

private:
    void RemoveFile(const LeftoverItem &item);
    void RemoveFolder(const LeftoverItem &item);
    bool RemoveFolderTree(const QString &folder);
    bool RemoveFolderContent(const QString &native, const QString &windows);
    void RemoveEmptyParents(const QString &windowsFolder);
    void RemoveDesktopFile(const LeftoverItem &item);
    void RemoveRegistryItem(const LeftoverItem &item);
    // Why a registry item is not the uninstall entry of the program or of one of its orphaned
    // twins; empty when it is.
    QString RegistryItemReason(const LeftoverItem &item) const;
    void RemoveMuiCacheItem(const LeftoverItem &item);
    // Opens root\path with `access` and deletes one value of it.
    static pw::WinError DeleteValue(pw::IRegistry &reg, pw::RegKey root, const std::string &path, uint32_t access,
                                    const QString &valueName);
    void ReportRegistryResult(const LeftoverItem &item, pw::WinError error);

    const pw::Platform &m_platform;
    const CKeepPolicy &m_policy;
    CLeftoverReport &m_report;
    const InstalledProgram &m_program;
    const InstalledProgramList m_twins;
};
