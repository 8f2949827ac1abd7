#pragma once
// The inventory of installed classic programs, read from the uninstall registry keys.
// One instance lives for the whole run; EnumPrograms runs on worker threads and refills the
// lists, the getters hand out copies.
#include "inventory/installedprogram.h"
#include "inventory/leftoveritem.h"
#include "platform/platform.h"

#include <QByteArray>
#include <QList>

#include <mutex>

class CAppEnum {
public:
    // Uses the current platform backend.
    CAppEnum();
    CAppEnum(pw::IRegistry *registry, pw::ISystemInfo *system);

    void EnumPrograms();
    InstalledProgramList GetPrograms() const;
    InstalledProgramList GetUpdates() const;
    bool Is64BitSystem() const { return m_is64BitSystem; }

    // The registry part of the leftover search for a program that has been uninstalled:
    // uninstall entries whose DisplayName contains `name` (values, then the key) and MuiCache
    // values whose name contains `installPath`.
    LeftoverList FindRegistryLeftovers(const QByteArray &name, const QByteArray &installPath);

private:
    struct Pass;
    void ScanUninstallRoot(const Pass &pass, InstalledProgramList &programs, InstalledProgramList &updates);
    bool IsListedEntry(pw::RegKey entry);
    bool IsTopLevelProgram(pw::RegKey entry, const QList<QByteArray> &accepted);
    void ReadProgramEntry(pw::RegKey entry, const Pass &pass, const QByteArray &subKey,
                          const QList<QByteArray> &accepted, InstalledProgramList &programs,
                          InstalledProgramList &updates);
    void FindUninstallKeyLeftovers(pw::RegRoot root, uint32_t view, uint32_t keyMask, uint32_t entryMask,
                                   const QString &name, LeftoverList &result);
    void FindMuiCacheLeftovers(const QString &installPath, LeftoverList &result);

    pw::IRegistry *m_registry;
    bool m_is64BitSystem;
    mutable std::mutex m_mutex; // guards the two lists
    InstalledProgramList m_programs;
    InstalledProgramList m_updates;
};
