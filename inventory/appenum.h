#pragma once
// The inventory of installed classic programs, read from the uninstall registry keys.
// One instance lives for the whole run; EnumPrograms runs on worker threads and refills the
// lists, the getters hand out copies. Each uninstall root is read from one snapshot of its
// Uninstall key tree where the backend offers one (IRegistry::Snapshot), held for the two
// passes over it and let go right after.
#include "inventory/installedprogram.h"
#include "inventory/leftoveritem.h"
#include "platform/platform.h"

#include <QByteArray>
#include <QList>

#include <mutex>

class CAppEnum {
public:
    // Uses the current platform backend, as it is at each call: the backend may change at run
    // time (another Wine prefix, or one read from its files).
    CAppEnum();
    CAppEnum(pw::IRegistry *registry, pw::ISystemInfo *system);

    void EnumPrograms();
    InstalledProgramList GetPrograms() const;
    InstalledProgramList GetUpdates() const;
    bool Is64BitSystem() const;

    // The registry part of the leftover search for a program that has been uninstalled: the
    // values and then the key of the program's own uninstall entry (the one `program` was read
    // from, recognised by its root, view and subkey name; nothing when the record does not say),
    // then the MuiCache values that name `installPath` or a path inside it. Another program's
    // entry is never returned, whatever its DisplayName.
    LeftoverList FindRegistryLeftovers(const InstalledProgram &program, const QByteArray &installPath);

private:
    struct Pass;
    // The registry and the system kind to read: the ones given, or the current backend's.
    pw::IRegistry *Registry() const;
    static bool Is64Bit(pw::ISystemInfo *system);
    void ScanUninstallRoot(pw::IRegistry &live, const Pass &pass, InstalledProgramList &programs,
                           InstalledProgramList &updates);
    static bool IsListedEntry(pw::IRegistry &reg, pw::RegKey entry);
    static bool IsTopLevelProgram(pw::IRegistry &reg, pw::RegKey entry, const QList<QByteArray> &accepted);
    static void ReadProgramEntry(pw::IRegistry &reg, pw::RegKey entry, const Pass &pass, const QByteArray &subKey,
                                 const QList<QByteArray> &accepted, InstalledProgramList &programs,
                                 InstalledProgramList &updates);
    static void FindUninstallKeyLeftovers(pw::IRegistry &reg, pw::RegRoot root, uint32_t view, uint32_t entryMask,
                                          const InstalledProgram &program, LeftoverList &result);
    static void FindMuiCacheLeftovers(pw::IRegistry &reg, const QString &installPath, LeftoverList &result);

    const bool m_followsPlatform; // the default constructor's: the backend of each call
    pw::IRegistry *m_registry;
    bool m_is64BitSystem;
    mutable std::mutex m_mutex; // guards the two lists
    InstalledProgramList m_programs;
    InstalledProgramList m_updates;
};

// The MuiCache key under HKEY_CLASSES_ROOT, or under HKEY_CURRENT_USER where it is stored.
std::string MuiCacheKey(pw::RegRoot root);

// True when a MuiCache value name names `path` or something inside it: the path is followed by
// a separator or the end ("C:\\Apps\\Tool" names "C:\\Apps\\Tool\\x.exe", not
// "C:\\Apps\\Tool2\\x.exe"), or, for a program file, by the suffix Windows adds to its
// name ("C:\\Apps\\Tool\\tool.exe.FriendlyAppName").
bool MuiCacheNamesPath(const QString &valueName, const QString &path);
