#include "leftovers/leftoverremover.h"

#include "inventory/appenum.h"
#include "inventory/uninstallkey.h"
#include "leftovers/folderlister.h"
#include "leftovers/installstate.h"
#include "leftovers/keeppolicy.h"
#include "leftovers/leftoverreport.h"
#include "leftovers/trash.h"
#include "leftovers/windowspath.h"
#include "libs/sharelog/sharelog.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {

// The bytes of a file, or of everything in a folder; links count as nothing and are not entered.
qint64 sizeOf(const QString &native, FolderEntry::Type type)
{
    if (type == FolderEntry::File)
        return QFileInfo(native).size();
    if (type != FolderEntry::Folder)
        return 0;
    qint64 total = 0;
    QDirIterator it(native, QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        if (!it.fileInfo().isSymLink())
            total += it.fileInfo().size();
    }
    return total;
}

const QString kLinkNote = QStringLiteral("a link: deleted, never moved to the trash");

QString notTakenNote(const QString &error)
{
    return QStringLiteral("the trash could not take it (%1)").arg(error);
}

} // namespace

namespace {

std::function<void(int)> g_itemHook;

} // namespace

void SetLeftoverItemHook(std::function<void(int done)> hook)
{
    g_itemHook = std::move(hook);
}

void CLeftoverRemover::Remove(const LeftoverList &items)
{
    int done = 0;
    for (const LeftoverItem &item : items) {
        switch (item.Kind) {
        case LeftoverFile: RemoveFile(item); break;
        case LeftoverFolder: RemoveFolder(item); break;
        case LeftoverRegistry: RemoveRegistryItem(item); break;
        case LeftoverDesktopFile: RemoveDesktopFile(item); break;
        default: RemoveMuiCacheItem(item); break;
        }
        if (g_itemHook)
            g_itemHook(++done);
    }
}

void CLeftoverRemover::RemoveFile(const LeftoverItem &item)
{
    const QString reason = m_policy.Reason(item.Path);
    if (!reason.isEmpty()) {
        m_report.Refused(item, reason);
        return;
    }
    const QString native = m_policy.NativeOf(item.Path);
    bool exists = false;
    const FolderEntry::Type type = PathType(native, &exists);
    if (!exists) {
        m_report.Removed(item, false);
        return;
    }
    const QString nativeReason = m_policy.NativeReason(native);
    if (!nativeReason.isEmpty()) {
        m_report.Refused(item, nativeReason);
        return;
    }
    if (type == FolderEntry::Link) {
        const int entry = m_report.Begin(item, native, 0);
        if (RemoveLink(native)) {
            m_report.Removed(item, true, entry, m_mode == RemovalMode::Trash ? kLinkNote : QString());
            RemoveEmptyParents(item.Path);
        } else {
            m_report.Failed(item, QStringLiteral("the link could not be deleted"), entry);
        }
        return;
    }
    if (type != FolderEntry::File) {
        m_report.Failed(item, QStringLiteral("no longer a file"));
        return;
    }
    const int entry = m_report.Begin(item, native, sizeOf(native, type));
    // A leftover file the scan found is removed even when read-only.
    const bool wasReadOnly = IsReadOnly(native);
    if (wasReadOnly)
        SetReadOnly(native, false);
    QString note;
    if (m_mode == RemovalMode::Trash && MoveToTrash(item, native, entry, &note)) {
        RemoveEmptyParents(item.Path);
        return;
    }
    if (QFile::remove(native)) {
        m_report.Removed(item, true, entry, note);
        // The last file of a data folder (or of the install folder, or a Start menu folder)
        // leaves that folder empty.
        RemoveEmptyParents(item.Path);
    } else {
        if (wasReadOnly)
            SetReadOnly(native, true);
        m_report.Failed(item, QStringLiteral("the file could not be deleted"), entry);
    }
}

void CLeftoverRemover::RemoveFolder(const LeftoverItem &item)
{
    const QString reason = m_policy.Reason(item.Path);
    if (!reason.isEmpty()) {
        m_report.Refused(item, reason);
        return;
    }
    const QString native = m_policy.NativeOf(item.Path);
    bool existed = false;
    const FolderEntry::Type type = PathType(native, &existed);
    const QString nativeReason = existed ? m_policy.NativeReason(native) : QString();
    if (!nativeReason.isEmpty()) {
        m_report.Refused(item, nativeReason);
        return;
    }
    if (!existed) {
        m_report.Removed(item, false);
        return;
    }
    const int entry = m_report.Begin(item, native, sizeOf(native, type));
    QString note;
    if (m_mode == RemovalMode::Trash && type == FolderEntry::Link) {
        note = kLinkNote;
    } else if (m_mode == RemovalMode::Trash && type == FolderEntry::Folder) {
        // Moving a folder to the trash moves all of it: whole only when nothing in it must stay.
        if (FolderKeepsSomething(native, item.Path)) {
            RemoveFolderContent(native, item.Path);
            if (QDir().rmdir(native)) {
                // Only hidden entries were what kept it, and they went with their folders.
                m_report.Removed(item, true, entry);
                RemoveEmptyParents(item.Path);
            } else {
                m_report.Partial(item, QStringLiteral("the folder still holds entries that stay"), entry);
            }
            return;
        }
        if (MoveToTrash(item, native, entry, &note)) {
            RemoveEmptyParents(item.Path);
            return;
        }
    }
    if (RemoveFolderTree(item.Path))
        m_report.Removed(item, true, entry, note);
    else
        m_report.Failed(item, QStringLiteral("the folder still holds entries that could not be deleted"), entry);
}

bool CLeftoverRemover::RemoveFolderTree(const QString &folder)
{
    if (folder.isEmpty())
        return false;
    const QString native = m_policy.NativeOf(folder);
    if (native.isEmpty())
        return false;
    bool exists = false;
    const FolderEntry::Type type = PathType(native, &exists);
    if (!exists)
        return true;
    if (type == FolderEntry::Link) {
        // A junction or link: removed as a link; its target is never entered.
        if (!RemoveLink(native))
            return false;
        RemoveEmptyParents(folder);
        return true;
    }
    if (type != FolderEntry::Folder)
        return false;
    RemoveFolderContent(native, folder);
    if (!QDir().rmdir(native))
        return false;
    RemoveEmptyParents(folder);
    return true;
}

bool CLeftoverRemover::RemoveFolderContent(const QString &native, const QString &windows)
{
    bool all = true;
    // Hidden entries are not listed: they keep their folder, as on Windows.
    const QVector<FolderEntry> entries = ListFolder(native, false);
    for (const FolderEntry &e : entries) {
        const QString childNative = native + QLatin1Char('/') + e.Name;
        const QString childWindows = windows + QLatin1Char('\\') + e.Name;
        const LeftoverItem child =
            FileLeftover(e.Kind == FolderEntry::Folder || e.LinkToFolder ? LeftoverFolder : LeftoverFile, childWindows);
        if (e.Kind == FolderEntry::Other || e.Name.contains(QLatin1Char('\\'))) {
            all = false;
            continue;
        }
        if (e.Kind == FolderEntry::Link) {
            if (RemoveLink(childNative)) {
                LogInfo("Leftover link removed: %s", childWindows.toLocal8Bit().constData());
            } else {
                m_report.Failed(child, QStringLiteral("the link could not be deleted"));
                all = false;
            }
            continue;
        }
        if (e.Kind == FolderEntry::File) {
            // A read-only file inside a leftover folder stays, and keeps its folder, as
            // Windows' own deletion does.
            if (IsReadOnly(childNative)) {
                m_report.Failed(child, QStringLiteral("read-only"));
                all = false;
            } else if (m_mode == RemovalMode::Trash) {
                all = TrashEntry(child, childNative) && all;
            } else if (QFile::remove(childNative)) {
                LogInfo("Leftover file removed: %s", childWindows.toLocal8Bit().constData());
            } else {
                m_report.Failed(child, QStringLiteral("the file could not be deleted"));
                all = false;
            }
            continue;
        }
        const QString reason = m_policy.Reason(childWindows);
        if (!reason.isEmpty()) {
            m_report.Refused(child, reason);
            all = false;
            continue;
        }
        if (m_mode == RemovalMode::Trash && !FolderKeepsSomething(childNative, childWindows)) {
            all = TrashEntry(child, childNative) && all;
            continue;
        }
        if (RemoveFolderContent(childNative, childWindows) && QDir().rmdir(childNative)) {
            LogInfo("Leftover folder removed: %s", childWindows.toLocal8Bit().constData());
        } else {
            all = false;
        }
    }
    return all;
}

bool CLeftoverRemover::FolderKeepsSomething(const QString &native, const QString &windows) const
{
    // The same rules as RemoveFolderContent, asked before anything is touched.
    for (const FolderEntry &e : ListFolder(native, true)) {
        const QString childNative = native + QLatin1Char('/') + e.Name;
        const QString childWindows = windows + QLatin1Char('\\') + e.Name;
        if (e.Hidden || e.Kind == FolderEntry::Other || e.Name.contains(QLatin1Char('\\')))
            return true;
        if (e.Kind == FolderEntry::Link)
            continue;
        if (e.Kind == FolderEntry::File) {
            if (IsReadOnly(childNative))
                return true;
            continue;
        }
        if (!m_policy.Reason(childWindows).isEmpty() || FolderKeepsSomething(childNative, childWindows))
            return true;
    }
    return false;
}

bool CLeftoverRemover::TrashEntry(const LeftoverItem &child, const QString &childNative)
{
    const int entry = m_report.Begin(child, childNative, sizeOf(childNative, PathType(childNative)));
    const trash::MoveResult moved = trash::Move(childNative);
    if (moved.moved) {
        m_report.TrashedInside(child, moved.trashPath, entry);
        return true;
    }
    const bool gone = child.Kind == LeftoverFolder
                          ? (RemoveFolderContent(childNative, child.Path) && QDir().rmdir(childNative))
                          : QFile::remove(childNative);
    if (gone) {
        m_report.DeletedInside(child, notTakenNote(moved.error), entry);
        return true;
    }
    m_report.Failed(child, QStringLiteral("could not be moved to the trash nor deleted"), entry);
    return false;
}

void CLeftoverRemover::RemoveEmptyParents(const QString &windowsFolder)
{
    // Like QDir::rmpath, but it stops below any protected place, any folder that is, holds or
    // lies in another program's install folder, and another program's vendor folder. Only empty
    // folders go (rmdir), so whatever is left in one, kept or not deletable, keeps it.
    for (QString parent = winpath::Parent(winpath::Normalize(windowsFolder)); !parent.isEmpty();
         parent = winpath::Parent(parent)) {
        const QString reason = m_policy.EmptyFolderReason(parent);
        if (!reason.isEmpty()) {
            if (m_policy.PlaceReason(parent).isEmpty() && ListFolder(m_policy.NativeOf(parent), true).isEmpty())
                LogInfo("Empty folder kept (%s): %s", reason.toLocal8Bit().constData(), parent.toLocal8Bit().constData());
            return;
        }
        const QString native = m_policy.NativeOf(parent);
        if (native.isEmpty() || PathType(native) != FolderEntry::Folder || !m_policy.NativeReason(native).isEmpty()
            || !QDir().rmdir(native))
            return;
        LogInfo("Leftover folder removed (left empty): %s", parent.toLocal8Bit().constData());
    }
}

bool CLeftoverRemover::MoveToTrash(const LeftoverItem &item, const QString &native, int entry, QString *note)
{
    const trash::MoveResult moved = trash::Move(native);
    if (!moved.moved) {
        *note = notTakenNote(moved.error);
        return false;
    }
    m_report.Trashed(item, moved.trashPath, entry);
    return true;
}

void CLeftoverRemover::RemoveDesktopFile(const LeftoverItem &item)
{
    const QString reason = m_policy.DesktopFileReason(item.Path);
    if (!reason.isEmpty()) {
        m_report.Refused(item, reason);
        return;
    }
    const QFileInfo info(item.Path);
    if (!info.exists() && !info.isSymLink()) {
        m_report.Removed(item, false);
        return;
    }
    const int entry = m_report.Begin(item, item.Path, info.isSymLink() ? 0 : info.size());
    // Links are deleted as links, never moved.
    QString note = m_mode == RemovalMode::Trash && info.isSymLink() ? kLinkNote : QString();
    const bool trashed =
        m_mode == RemovalMode::Trash && !info.isSymLink() && MoveToTrash(item, item.Path, entry, &note);
    if (!trashed) {
        if (!QFile::remove(item.Path)) {
            m_report.Failed(item, QStringLiteral("the file could not be deleted"), entry);
            return;
        }
        m_report.Removed(item, true, entry, note);
    }
    // The menu folders below applications/wine that the entry leaves empty go with it.
    for (QString folder = info.absolutePath(); m_policy.IsEmptiableDesktopFolder(folder) && QDir().rmdir(folder);
         folder = QFileInfo(folder).absolutePath())
        LogInfo("Leftover folder removed (left empty): %s", folder.toLocal8Bit().constData());
}

QString CLeftoverRemover::RegistryItemReason(const LeftoverItem &item) const
{
    // What Wine's menu builder recorded in the prefix for the program's menu entries and file
    // associations: values of HKCU\Software\Wine\MenuFiles and keys directly below
    // HKCU\Software\Wine\FileOpenAssociations.
    if (item.RegistryRoot == uint32_t(pw::RegRoot::CurrentUser) && item.RegistryView == 0) {
        const QString menuFiles = QStringLiteral("Software\\Wine\\MenuFiles");
        const QString associations = QStringLiteral("Software\\Wine\\FileOpenAssociations\\");
        if (item.Path.compare(menuFiles, Qt::CaseInsensitive) == 0 && !item.ValueName.isEmpty())
            return QString();
        if (item.Path.startsWith(associations, Qt::CaseInsensitive) && item.ValueName.isEmpty()
            && item.Path.size() > associations.size() && !item.Path.mid(associations.size()).contains(QLatin1Char('\\')))
            return QString();
    }
    // Only the uninstall entry of the removed program or of one of its orphaned twins, in the
    // root and view it was read from.
    const auto isEntryOf = [&item](const InstalledProgram &p) {
        const QByteArray subKey = FieldText(p.SubKeyName);
        const QString path = QString::fromLocal8Bit(pw::UninstallEntryPath(subKey.toStdString()).c_str());
        return !subKey.isEmpty() && item.Path.compare(path, Qt::CaseInsensitive) == 0
               && item.RegistryRoot == p.RegistryRoot && item.RegistryView == p.RegistryView;
    };
    if (isEntryOf(m_program))
        return QString();
    for (const InstalledProgram &twin : m_twins)
        if (isEntryOf(twin))
            return UninstallerIsGone(twin, m_platform)
                       ? QString()
                       : QStringLiteral("the uninstaller of this entry is on disk again: another installation");
    return QStringLiteral("not the program's own uninstall entry");
}

void CLeftoverRemover::RemoveRegistryItem(const LeftoverItem &item)
{
    const QString reason = RegistryItemReason(item);
    if (!reason.isEmpty()) {
        m_report.Refused(item, reason);
        return;
    }
    pw::IRegistry *reg = m_platform.registry;
    if (!reg) {
        m_report.Failed(item, QStringLiteral("no registry"));
        return;
    }
    const pw::RegKey root = pw::RootKey(pw::RegRoot(item.RegistryRoot));
    const std::string path = item.Path.toLocal8Bit().toStdString();
    const int entry = m_report.Begin(item);
    QString why;
    if (!BackUp(pw::RegRoot(item.RegistryRoot), item.RegistryView, path,
                item.ValueName.isEmpty() ? nullptr : &item.ValueName, &why)) {
        m_report.Refused(item, why, entry);
        return;
    }
    pw::WinError error = pw::kErrorSuccess;
    if (item.ValueName.isEmpty()) {
        error = reg->DeleteKeyEx(root, path, item.RegistryView);
    } else {
        error = DeleteValue(*reg, root, path, pw::kKeyAllAccess | item.RegistryView, item.ValueName);
    }
    ReportRegistryResult(item, error, entry);
}

void CLeftoverRemover::RemoveMuiCacheItem(const LeftoverItem &item)
{
    pw::IRegistry *reg = m_platform.registry;
    if (!reg) {
        m_report.Failed(item, QStringLiteral("no registry"));
        return;
    }
    const pw::RegRoot root = MuiCacheRoot(item);
    const int entry = m_report.Begin(item);
    QString why;
    if (!BackUp(root, 0, MuiCacheKey(root), &item.Path, &why)) {
        m_report.Refused(item, why, entry);
        return;
    }
    ReportRegistryResult(item, DeleteValue(*reg, pw::RootKey(root), MuiCacheKey(root), pw::kKeyAllAccess, item.Path),
                         entry);
}

bool CLeftoverRemover::BackUp(pw::RegRoot root, uint32_t view, const std::string &path, const QString *valueName,
                              QString *why)
{
    if (m_backupFile.isEmpty())
        return true;
    std::vector<RegExportKey> keys;
    const bool read = valueName ? ReadRegExportValue(*m_platform.registry, root, view, path,
                                                     valueName->toLocal8Bit().toStdString(), &keys)
                                : ReadRegExportKey(*m_platform.registry, root, view, path, &keys);
    if (!read) {
        *why = QStringLiteral("its backup could not be read");
        return false;
    }
    if (keys.empty())
        return true; // already gone: nothing to keep
    const QString problem = RegExportProblem(keys);
    if (!problem.isEmpty()) {
        *why = QStringLiteral("no backup can hold it (%1)").arg(problem);
        return false;
    }
    std::vector<RegExportKey> all = m_backup;
    all.insert(all.end(), keys.begin(), keys.end());
    QString error;
    if (!journal::WritePrivateFile(m_backupFile, RegExportText(all), &error)) {
        *why = QStringLiteral("its backup could not be written (%1)").arg(error);
        return false;
    }
    m_backup = std::move(all);
    m_report.SetRegBackup(QFileInfo(m_backupFile).fileName());
    return true;
}

pw::WinError CLeftoverRemover::DeleteValue(pw::IRegistry &reg, pw::RegKey root, const std::string &path,
                                           uint32_t access, const QString &valueName)
{
    pw::RegKey key = 0;
    pw::WinError error = reg.OpenKey(root, path, access, &key);
    if (error == pw::kErrorSuccess) {
        pw::RegKeyGuard guard(reg, key);
        error = reg.DeleteValue(key, valueName.toLocal8Bit().constData());
    }
    return error;
}

void CLeftoverRemover::ReportRegistryResult(const LeftoverItem &item, pw::WinError error, int entry)
{
    // Already gone counts as removed.
    if (error == pw::kErrorSuccess || error == pw::kErrorFileNotFound)
        m_report.Removed(item, error == pw::kErrorSuccess, entry);
    else
        m_report.Failed(item, QStringLiteral("error %1").arg(error), entry);
}
