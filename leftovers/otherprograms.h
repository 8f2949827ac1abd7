#pragma once
// The programs still installed besides the one being cleaned. Their folders and everything in
// them, and the files named after them, are theirs: never a leftover of the program removed.
// Their vendor folders are theirs too once the removal has emptied them: a program may expect
// its vendor's folder in the application data.
#include "inventory/installedprogram.h"
#include "leftovers/protectedplaces.h"

#include <QString>
#include <QVector>

class COtherPrograms {
public:
    COtherPrograms() = default;
    // Folders that are protected places say nothing about a program ("C:\\Program Files" as an
    // install location) and are left out; they are protected anyway.
    COtherPrograms(const InstalledProgramList &programs, const CProtectedPlaces &places);

    // The program whose install folder is `windowsPath`, holds it, or lies inside it (deleting
    // the path would delete that folder); empty when there is none.
    QString OwnerOfPath(const QString &windowsPath) const;

    // A search for `searchedName` found `relativePath`. If the path also carries the name of a
    // still-installed program whose name contains the searched one ("Tool Pro" while "Tool" is
    // cleaned, or another "Tool"), the item is that program's: its name is returned.
    QString OwnerOfName(const QString &relativePath, const QString &searchedName) const;

    // The program that has a vendor of this name: its publisher, or the folder its install folder
    // sits in ("C:\\Program Files\\Vexa\\Notes" gives "Vexa"); empty when there is none.
    QString OwnerOfVendorName(const QString &folderName) const;

    int Count() const { return m_folders.size() + m_names.size(); }

private:
    struct Named {
        QString Text;    // a folder (normalized) or a name
        QString Program; // the program's display name
    };
    QVector<Named> m_folders;
    QVector<Named> m_names;
    QVector<Named> m_vendors;
};
