#pragma once
// The content of the removed program's install folder: its folders first, then its files, each
// as one item (the remover deletes a folder with what it holds). Nothing when the folder is a
// protected place, is reached through a link, or is a file (the install path named the program
// file); the folder itself is then reported kept.
#include "leftovers/finders/leftoverfinder.h"

#include <QString>

class CInstallFolderFinder : public ILeftoverFinder {
public:
    LeftoverList Find(const LeftoverSearch &search) override;

    // The install folder as a whole: whether it may be searched, then its listing.
    static LeftoverList ScanInstallFolder(const QString &installPath, const CKeepPolicy &policy, CLeftoverReport &report);
    // The entries directly in the folder `native` (Windows path `installPath`) that the policy
    // lets go: folders first, then files.
    static LeftoverList ListInstallFolder(const QString &native, const QString &installPath, const CKeepPolicy &policy,
                                          CLeftoverReport &report);

    // The name the data folders of the program are looked for by: the install folder's last
    // name; empty (and logged) when there is none or it is too weak to identify a program.
    static QString DataFolderName(const QString &installPath);
    // The vendor folder the install folder sits in ("Vexa" of "C:\\Program Files\\Vexa\\Notes"),
    // by which the data folders are looked for first; empty when the folder above it is a shared
    // place ("C:\\Program Files\\Notes") or a drive root.
    static QString VendorFolderName(const QString &installPath, const CKeepPolicy &policy);
};
