#pragma once
// The one place that says what the leftover engine must keep: every finder asks it before it
// lists an item, and the remover asks it again before it deletes one (the file system may have
// changed in between). An item is kept when it is
//  - a protected place (drive roots, the Windows folder, Program Files, profiles, AppData,
//    ProgramData, Start menus, desktops, every folder searched, and every folder above them);
//  - inside, equal to or holding the install folder of a program that is still installed, or
//    found by a name search and named after such a program;
//  - reached, as the file system resolves it, at another spelling of one of those places (a
//    short name, another drive letter, a link on the way), or on Linux at the system's or the
//    user's own folders (Wine's Z: drive);
//  - for a folder that the removal left empty: also named like the vendor of a program still
//    installed (its publisher, or the folder its install folder sits in).
// Names too weak to identify a program (IsWeakName) drive no search. Files of the Linux desktop
// around a Wine prefix (the menu builder's) may only go where that builder writes them
// (AllowDesktopFiles, DesktopFileReason).
#include "inventory/installedprogram.h"
#include "leftovers/otherprograms.h"
#include "leftovers/protectedplaces.h"
#include "platform/specialfolders.h"

#include <QString>
#include <QStringList>
#include <QVector>

class CKeepPolicy {
public:
    CKeepPolicy() = default;
    // The places of the machine `folders` describes; `others` are the programs still installed
    // besides the one being cleaned.
    CKeepPolicy(pw::ISpecialFolders *folders, const InstalledProgramList &others);

    // Protects a folder being searched and everything above it, for the rest of the clean.
    void Protect(const QString &windowsFolder);

    // Why a file or folder may not be listed or deleted, or empty when it may.
    QString Reason(const QString &windowsPath) const;
    // The same for an item a name search for `searchedName` found at `relativePath` below the
    // searched folder: also kept when the path carries the name of a program still installed.
    QString FoundReason(const QString &windowsPath, const QString &relativePath, const QString &searchedName) const;
    // Why the install folder itself may not be listed: a protected place, a link on the way, or
    // a native path that resolves to one.
    QString InstallFolderReason(const QString &installPath) const;
    // Why a folder that the removal left empty stays: Reason(), or its name is the vendor of a
    // program still installed.
    QString EmptyFolderReason(const QString &windowsFolder) const;
    // Why a file or folder, as the file system resolves `native`, may not be deleted.
    QString NativeReason(const QString &native) const;
    // Why a MuiCache value naming `path` belongs to another program.
    QString MuiCacheReason(const QString &path) const;
    // Why a path is a shared place (protected places only): such a path names no one program.
    QString PlaceReason(const QString &windowsPath) const { return m_places.Reason(windowsPath); }

    static bool IsWeak(const QString &name);

    // A place where files of the Linux desktop around the prefix may be removed: a file directly
    // in `folder` (or anywhere below it with `below`) whose name starts with `prefix` and ends
    // with `suffix`.
    struct DesktopFilePlace {
        QString folder;
        bool below = false;
        QString prefix;
        QString suffix;
        bool emptiedFoldersGo = false; // folders below it that a removal leaves empty go too
    };
    void AllowDesktopFiles(const QVector<DesktopFilePlace> &places);
    // Why a file of the Linux desktop (a native path) may not be removed: it lies in no place
    // allowed, is reached through a link to another folder, or is not a plain file or link.
    QString DesktopFileReason(const QString &native) const;
    // Whether a native folder lies strictly below a place whose emptied folders go.
    bool IsEmptiableDesktopFolder(const QString &nativeFolder) const;

    // The native path of a Windows path; empty without a way to the file system.
    QString NativeOf(const QString &windowsPath) const;
    pw::ISpecialFolders *Folders() const { return m_folders; }

private:
    pw::ISpecialFolders *m_folders = nullptr;
    CProtectedPlaces m_places;
    QStringList m_driveRoots; // native folders of the drives (other than one that is "/")
    COtherPrograms m_others;
    QVector<DesktopFilePlace> m_desktopPlaces;
};
