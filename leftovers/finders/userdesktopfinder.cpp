#include "leftovers/finders/userdesktopfinder.h"

#include "leftovers/folderlister.h"
#include "leftovers/keeppolicy.h"
#include "leftovers/leftoverreport.h"
#include "leftovers/windowspath.h"
#include "libs/sharelog/sharelog.h"
#include "platform/specialfolders.h"

namespace {

constexpr int kCsidlDesktopDirectory = 0x10;

} // namespace

LeftoverList CUserDesktopFinder::SearchUserDesktop(const LeftoverSearch &search)
{
    LeftoverList out;
    pw::ISpecialFolders *folders = search.Policy.Folders();
    const QString install = winpath::Normalize(search.InstallPath);
    if (!folders || install.isEmpty() || !search.Policy.PlaceReason(install).isEmpty())
        return out;
    std::string desktopPath;
    if (folders->SpecialFolder(kCsidlDesktopDirectory, &desktopPath) != pw::kErrorSuccess)
        return out;
    const QString desktop = winpath::StripTrailingSeparators(QString::fromLocal8Bit(desktopPath.c_str()));
    const QString native = winpath::Normalize(desktop).isEmpty() ? QString() : search.Policy.NativeOf(desktop);
    if (native.isEmpty())
        return out;
    search.Policy.Protect(desktop);
    for (const FolderEntry &e : ListFolder(native, true)) {
        if (e.Name.contains(QLatin1Char('\\')) || !e.Name.endsWith(QLatin1String(".lnk"), Qt::CaseInsensitive)
            || !(e.Kind == FolderEntry::File || (e.Kind == FolderEntry::Link && !e.LinkToFolder)))
            continue;
        const QString path = desktop + QLatin1Char('\\') + e.Name;
        bool listed = false;
        for (const LeftoverItem &item : search.Found)
            listed = listed || (item.Kind == LeftoverFile && item.Path.compare(path, Qt::CaseInsensitive) == 0);
        if (listed)
            continue;
        std::string target;
        if (folders->ShortcutTarget(path.toLocal8Bit().toStdString(), &target) != pw::kErrorSuccess)
            continue;
        const QString targetPath = winpath::Normalize(QString::fromLocal8Bit(target.c_str()));
        if (targetPath.isEmpty() || !winpath::IsSameOrInside(targetPath, install))
            continue;
        const LeftoverItem item = FileLeftover(LeftoverFile, path);
        const QString keep = search.Policy.FoundReason(path, e.Name, QString());
        if (keep.isEmpty()) {
            LogInfo("Desktop shortcut %s starts %s, in the program's folder", path.toLocal8Bit().constData(),
                    targetPath.toLocal8Bit().constData());
            out.append(item);
        } else {
            search.Report.Refused(item, keep);
        }
    }
    return out;
}
