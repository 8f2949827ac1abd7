#pragma once
// Deletes the items of a scan, in order; nothing stops the walk. The keep policy is asked again
// for every item, for the path and for what the file system resolves it to. A folder goes with
// what it holds, except read-only files and protected folders, which stay with the folders above
// them; folders left empty are removed upwards to the first protected place or folder of another
// program. Links are removed as links. Of the registry only the removed program's own uninstall
// entry (in the root and view it was read from) and MuiCache values are deleted.
#include "inventory/installedprogram.h"
#include "inventory/leftoveritem.h"
#include "platform/platform.h"

#include <QString>

class CKeepPolicy;
class CLeftoverReport;

class CLeftoverRemover {
public:
    CLeftoverRemover(const pw::Platform &platform, const CKeepPolicy &policy, CLeftoverReport &report,
                     const InstalledProgram &removed)
        : m_platform(platform), m_policy(policy), m_report(report), m_program(removed)
    {
    }

    void Remove(const LeftoverList &items);

private:
    void RemoveFile(const LeftoverItem &item);
    void RemoveFolder(const LeftoverItem &item);
    bool RemoveFolderTree(const QString &folder);
    bool RemoveFolderContent(const QString &native, const QString &windows);
    void RemoveEmptyParents(const QString &windowsFolder);
    void RemoveRegistryItem(const LeftoverItem &item);
    void RemoveMuiCacheItem(const LeftoverItem &item);
    // Opens root\path with `access` and deletes one value of it.
    static pw::WinError DeleteValue(pw::IRegistry &reg, pw::RegKey root, const std::string &path, uint32_t access,
                                    const QString &valueName);
    void ReportRegistryResult(const LeftoverItem &item, pw::WinError error);

    const pw::Platform &m_platform;
    const CKeepPolicy &m_policy;
    CLeftoverReport &m_report;
    const InstalledProgram &m_program;
};
