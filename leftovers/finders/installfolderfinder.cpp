#include "leftovers/finders/installfolderfinder.h"

#include "leftovers/folderlister.h"
#include "leftovers/keeppolicy.h"
#include "leftovers/leftoverreport.h"
#include "leftovers/windowspath.h"
#include "libs/sharelog/sharelog.h"

LeftoverList CInstallFolderFinder::Find(const LeftoverSearch &search)
{
    return ScanInstallFolder(search.InstallPath, search.Policy, search.Report);
}

LeftoverList CInstallFolderFinder::ScanInstallFolder(const QString &installPath, const CKeepPolicy &policy,
                                                     CLeftoverReport &report)
{
    if (installPath.isEmpty())
        return {};
    const QString native = policy.NativeOf(installPath);
    bool exists = false;
    const FolderEntry::Type type = PathType(native, &exists);
    if (native.isEmpty() || !exists)
        return {};
    const QString reason = policy.InstallFolderReason(installPath);
    if (!reason.isEmpty()) {
        report.Refused(FileLeftover(LeftoverFolder, installPath), QStringLiteral("install folder: ") + reason);
        return {};
    }
    if (type != FolderEntry::Folder)
        return {}; // a file: the install path named the program file
    return ListInstallFolder(native, installPath, policy, report);
}

LeftoverList CInstallFolderFinder::ListInstallFolder(const QString &native, const QString &installPath,
                                                     const CKeepPolicy &policy, CLeftoverReport &report)
{
    LeftoverList found;
    const QVector<FolderEntry> entries = ListFolder(native, false);
    const QString base = winpath::StripTrailingSeparators(installPath);
    for (int pass = 0; pass < 2; ++pass) {
        for (const FolderEntry &e : entries) {
            if (e.Kind == FolderEntry::Other || e.Name.contains(QLatin1Char('\\')))
                continue;
            const bool folder = e.Kind == FolderEntry::Folder || (e.Kind == FolderEntry::Link && e.LinkToFolder);
            if (folder != (pass == 0))
                continue; // folders first, then files
            const LeftoverItem item = FileLeftover(folder ? LeftoverFolder : LeftoverFile, base + QLatin1Char('\\') + e.Name);
            const QString keep = policy.FoundReason(item.Path, e.Name, QString());
            if (keep.isEmpty())
                found.append(item);
            else
                report.Refused(item, keep);
        }
    }
    return found;
}

QString CInstallFolderFinder::DataFolderName(const QString &installPath)
{
    const int slash = installPath.lastIndexOf(QLatin1Char('\\'));
    const QString name = slash < 0 ? QString() : installPath.mid(slash + 1);
    if (name.isEmpty())
        return QString();
    if (CKeepPolicy::IsWeak(name)) {
        LogInfo("Leftover search skipped: the folder name \"%s\" is too weak to identify a program",
                name.toLocal8Bit().constData());
        return QString();
    }
    return name;
}

QString CInstallFolderFinder::VendorFolderName(const QString &installPath, const CKeepPolicy &policy)
{
    const QString parent = winpath::Parent(winpath::Normalize(installPath));
    if (winpath::Components(parent).isEmpty() || !policy.PlaceReason(parent).isEmpty())
        return QString();
    return winpath::LastName(parent);
}
