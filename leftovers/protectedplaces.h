#pragma once
// Places leftover removal never lists or deletes, whatever an uninstall entry says: drive roots,
// the Windows folder and everything in it, and the shared folders (Program Files and Common
// Files, user profiles, AppData, ProgramData, the Start menus, the desktops, ...) together with
// every folder above one of them, since deleting a parent deletes what it holds.
#include "platform/specialfolders.h"

#include <QString>
#include <QVector>

class CProtectedPlaces {
public:
    // Only the fixed rules (drive roots, the usual shared folders on every drive).
    CProtectedPlaces() = default;
    // Also the machine's own special folders, as `folders` names them.
    explicit CProtectedPlaces(pw::ISpecialFolders *folders);

    // Protects a folder and every folder above it (a search base, for example).
    void Add(const QString &windowsPath);

    // Why the path may not be listed or deleted, or an empty string when it may.
    QString Reason(const QString &windowsPath) const;
    bool IsProtected(const QString &windowsPath) const { return !Reason(windowsPath).isEmpty(); }

private:
    QVector<QString> m_places;  // normalized; protected with everything above them
    QVector<QString> m_systems; // normalized; protected with everything inside them
};
