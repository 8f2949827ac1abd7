#include "leftovers/leftovercleaner.h"

#include "inventory/uninstallkey.h"
#include "leftovers/folderlister.h"
#include "leftovers/installstate.h"
#include "libs/sharelog/sharelog.h"
#include "leftovers/programpaths.h"
#include "leftovers/weaknames.h"
#include "leftovers/windowspath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstring>

namespace {



const char *kindName(int kind)
{
    switch (kind) {
    case LeftoverFile: return "file";
    case LeftoverFolder: return "folder";
    case LeftoverRegistry: return "registry";
    default: return "MuiCache";
    }
}

QString rootName(uint32_t root, uint32_t view)
{
    QString name;
    switch (pw::RegRoot(root)) {
    case pw::RegRoot::LocalMachine: name = QStringLiteral("HKEY_LOCAL_MACHINE"); break;
    case pw::RegRoot::CurrentUser: name = QStringLiteral("HKEY_CURRENT_USER"); break;
    case pw::RegRoot::ClassesRoot: name = QStringLiteral("HKEY_CLASSES_ROOT"); break;
    default: name = QStringLiteral("(unknown root)"); break;
    }
    if (view == pw::kKeyWow64_32Key)
        name += QStringLiteral(" (32-bit)");
    else if (view == pw::kKeyWow64_64Key)
        name += QStringLiteral(" (64-bit)");
    return name;
}

// Where a MuiCache item was found: the user's classes, or HKEY_CLASSES_ROOT.
pw::RegRoot muiCacheRoot(const LeftoverItem &item)
{
    return item.RegistryRoot == uint32_t(pw::RegRoot::CurrentUser) ? pw::RegRoot::CurrentUser
                                                                   : pw::RegRoot::ClassesRoot;
}

// What the log shows for an item.
QByteArray describe(const LeftoverItem &item)
{
    if (item.Kind == LeftoverRegistry) {
        QString text = rootName(item.RegistryRoot, item.RegistryView) + QLatin1Char('\\') + item.Path;
        if (!item.ValueName.isEmpty())
            text += QLatin1Char('|') + item.ValueName;
        return text.toLocal8Bit();
    }
    if (item.Kind != LeftoverFile && item.Kind != LeftoverFolder) {
        const pw::RegRoot root = muiCacheRoot(item);
        return (rootName(uint32_t(root), 0) + QLatin1Char('\\') + QString::fromStdString(MuiCacheKey(root))
                + QLatin1Char('|') + item.Path)
            .toLocal8Bit();
    }
    return item.Path.toLocal8Bit();
}

LeftoverItem fileItem(int kind, const QString &windowsPath)
{
    LeftoverItem item;
    item.Text = windowsPath;
    item.Path = windowsPath;
    item.Kind = kind;
    return item;
}

// The path a MuiCache value names: the value name without the suffix Windows adds to it.
QString muiCachePath(const QString &valueName)
{
    QString path = valueName;
    if (path.startsWith(QLatin1Char('@')))
        path.remove(0, 1);
    for (const char *suffix : {".FriendlyAppName", ".ApplicationCompany"})
        if (path.endsWith(QLatin1String(suffix), Qt::CaseInsensitive))
            path.chop(int(std::strlen(suffix)));
    return path;
}

QString stripTrailingSeparators(QString path)
{
    while (path.size() > 3 && (path.endsWith(QLatin1Char('\\')) || path.endsWith(QLatin1Char('/'))))
        path.chop(1);
    return path;
}

} // namespace

CLeftoverCleaner::CLeftoverCleaner() : CLeftoverCleaner(pw::CurrentPlatform()) {}

CLeftoverCleaner::CLeftoverCleaner(const pw::Platform &platform)
    : m_platform(platform), m_appEnum(platform.registry, platform.system)
{
}

CleanResult CLeftoverCleaner::CleanLeftovers(const InstalledProgram &removed)
{
    return Clean(removed, nullptr);
}

CleanResult CLeftoverCleaner::CleanLeftovers(const InstalledProgram &removed, const InstalledNow &installedNow)
{
    return Clean(removed, &installedNow);
}

CleanResult CLeftoverCleaner::Clean(const InstalledProgram &removed, const InstalledNow *installedNow)
{
    Scan(removed, installedNow);
    if (!m_result.StillInstalled)
        RemoveLeftovers();
    return m_result;
}

CleanResult CLeftoverCleaner::ScanLeftovers(const InstalledProgram &removed)
{
    return Scan(removed, nullptr);
}

CleanResult CLeftoverCleaner::Scan(const InstalledProgram &removed, const InstalledNow *installedNow)
{
    m_leftovers.clear();
    ClearMatches();
    m_result = CleanResult();
    Prepare(removed, installedNow);
    if (m_result.StillInstalled) {
        LogInfo("Leftovers of %s not cleaned: the program is still installed", FieldText(removed.DisplayName).constData());
        return m_result;
    }

    const QByteArray installPath = LeftoverInstallPath(removed);
    ScanInstallFolder(installPath);
    ClearMatches();

    SearchStartMenu(FieldText(removed.DisplayName));
    if (m_matchedFiles.isEmpty())
        SearchStartMenu(FieldText(removed.InnoSetupIconGroup));
    ClearMatches();

    SearchDesktop(FieldText(removed.DisplayName));
    if (m_matchedFiles.isEmpty())
        SearchDesktop(FieldText(removed.InnoSetupIconGroup));
    ClearMatches();

    SearchRegistry(installPath);
    ClearMatches();

    m_result.Found = m_leftovers;
    return m_result;
}

void CLeftoverCleaner::Prepare(const InstalledProgram &removed, const InstalledNow *installedNow)
{
    m_program = removed;
    m_searchName.clear();
    m_places = CProtectedPlaces(m_platform.folders);
    m_driveRoots.clear();
    for (char letter = 'A'; letter <= 'Z' && m_platform.folders; ++letter) {
        const QString root = QFileInfo(QString::fromStdString(
                                           m_platform.folders->ToNativePath(std::string(1, letter) + ":\\")))
                                 .canonicalFilePath();
        if (!root.isEmpty() && root != QLatin1String("/") && !m_driveRoots.contains(root))
            m_driveRoots.append(root);
    }

    // Which programs are installed now that the uninstaller has ended.
    InstalledProgramList programs, updates;
    if (installedNow) {
        programs = installedNow->programs;
        updates = installedNow->updates;
    } else {
        m_appEnum.EnumPrograms();
        programs = m_appEnum.GetPrograms();
        updates = m_appEnum.GetUpdates();
    }
    InstalledProgramList others;
    for (const InstalledProgram &p : programs) {
        if (!IsSameEntry(p, m_program))
            others.append(p);
    }
    m_result.StillInstalled = IsStillInstalled(m_program, programs + updates, m_platform);
    m_others = COtherPrograms(others, m_places);
}

void CLeftoverCleaner::ScanInstallFolder(const QByteArray &installPath)
{
    if (installPath.isEmpty())
        return;
    const QString path = QString::fromLocal8Bit(installPath);
    ListInstallFolder(path);
    ClearMatches();

    const int slash = path.lastIndexOf(QLatin1Char('\\'));
    const QString name = slash < 0 ? QString() : path.mid(slash + 1);
    if (name.isEmpty())
        return;
    if (IsWeakName(name)) {
        LogInfo("Leftover search skipped: the folder name \"%s\" is too weak to identify a program",
                name.toLocal8Bit().constData());
        return;
    }
    std::string appData;
    if (!m_platform.folders || m_platform.folders->SpecialFolder(pw::kCsidlAppData, &appData) != pw::kErrorSuccess)
        return;
    const QString roaming = QString::fromLocal8Bit(appData.c_str());
    m_searchName = name;
    FindMatchingEntries(roaming, name + QLatin1Char('/'), name + QLatin1Char('\\'));
    TakeMatches();
    ClearMatches();
    FindMatchingEntries(roaming.left(3) + QStringLiteral("ProgramData"), name + QLatin1Char('/'),
                        name + QLatin1Char('\\'));
    TakeMatches();
    m_searchName.clear();
}

void CLeftoverCleaner::ListInstallFolder(const QString &installPath)
{
    const QString native = NativeOf(installPath);
    bool exists = false;
    const FolderEntry::Type type = PathType(native, &exists);
    if (native.isEmpty() || !exists)
        return;
    const QString reason = InstallFolderReason(installPath, native);
    if (!reason.isEmpty()) {
        Refuse(fileItem(LeftoverFolder, installPath), QStringLiteral("install folder: ") + reason);
        return;
    }
    if (type != FolderEntry::Folder)
        return; // a file: the install path named the program file
    const QVector<FolderEntry> entries = ListFolder(native, false);
    const QString base = stripTrailingSeparators(installPath);
    for (int pass = 0; pass < 2; ++pass) {
        for (const FolderEntry &e : entries) {
            if (e.Kind == FolderEntry::Other || e.Name.contains(QLatin1Char('\\')))
                continue;
            const bool folder = e.Kind == FolderEntry::Folder || (e.Kind == FolderEntry::Link && e.LinkToFolder);
            if (folder != (pass == 0))
                continue; // folders first, then files
            Accept(m_leftovers, folder ? LeftoverFolder : LeftoverFile, base + QLatin1Char('\\') + e.Name, e.Name);
        }
    }
}

QString CLeftoverCleaner::InstallFolderReason(const QString &installPath, const QString &native) const
{
    const QString reason = m_places.Reason(installPath);
    if (!reason.isEmpty())
        return reason;
    // A link on the way could lead anywhere, a protected place included.
    const QString normalized = winpath::Normalize(installPath);
    QString prefix = normalized.left(2);
    for (const QString &name : winpath::Components(normalized)) {
        prefix += QLatin1Char('\\') + name;
        if (PathType(NativeOf(prefix)) == FolderEntry::Link)
            return QStringLiteral("reached through a link");
    }
    return NativeKeepReason(native);
}

QString CLeftoverCleaner::NativeKeepReason(const QString &native) const
{
    // The path as the file system resolves it, its last name kept: a link is judged as itself.
    const QFileInfo info(native);
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    if (folder.isEmpty())
        return QString(); // nothing there
    const QString path = QDir::cleanPath(folder + QLatin1Char('/') + info.fileName());
    auto holds = [&path](const QString &place) {
        return place == path || place.startsWith(path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/'));
    };
#ifndef Q_OS_WIN
    // Another drive letter (Wine's Z:) reaches the whole system: the root and the folders at its
    // top, the user's home and the folders in it.
    const QString parent = QFileInfo(path).path();
    if (path == QLatin1String("/") || parent == QLatin1String("/"))
        return QStringLiteral("system folder");
    const QString home = QFileInfo(QDir::homePath()).canonicalFilePath();
    if (!home.isEmpty() && (holds(home) || parent == home))
        return QStringLiteral("home folder");
#endif
    for (const QString &root : m_driveRoots)
        if (holds(root))
            return QStringLiteral("holds a drive");
    // Another spelling of a protected place (a short name, another drive letter) is that place.
    if (!m_platform.folders)
        return QString();
    const QString windows = QString::fromStdString(m_platform.folders->ToWindowsPath(path.toStdString()));
    return windows.isEmpty() ? QString() : m_places.Reason(windows);
}

void CLeftoverCleaner::FindMatchingEntries(const QString &base, const QString &filePattern,
                                           const QString &folderPattern)
{
    const QString windows = stripTrailingSeparators(base);
    const QString native = winpath::Normalize(windows).isEmpty() ? QString() : NativeOf(windows);
    if (native.isEmpty())
        return;
    m_places.Add(windows);
    auto pattern = [](QString text) {
        Pattern p;
        text.replace(QLatin1Char('\\'), QLatin1Char('/'));
        while (text.endsWith(QLatin1Char('/'))) {
            text.chop(1);
            p.FolderName = true;
        }
        p.Name = text;
        return p;
    };
    Walk(native, windows, QString(), false, false, pattern(filePattern), pattern(folderPattern));
}

void CLeftoverCleaner::Walk(const QString &native, const QString &windows, const QString &relative,
                            bool inFileFolder, bool inFolderFolder, const Pattern &files, const Pattern &folders)
{
    const QVector<FolderEntry> entries = ListFolder(native, true);
    for (const FolderEntry &e : entries) {
        if (e.Kind == FolderEntry::File || (e.Kind == FolderEntry::Link && !e.LinkToFolder)) {
            if (!e.Name.contains(QLatin1Char('\\')) && Matches(files, inFileFolder, relative, e.Name))
                Accept(m_matchedFiles, LeftoverFile, windows + QLatin1Char('\\') + e.Name,
                       relative.isEmpty() ? e.Name : relative + QLatin1Char('/') + e.Name);
        }
    }
    for (const FolderEntry &e : entries) {
        if (e.Kind != FolderEntry::Folder && !(e.Kind == FolderEntry::Link && e.LinkToFolder))
            continue;
        if (e.Name.contains(QLatin1Char('\\')))
            continue; // no Windows name: it could not be named safely
        const QString childWindows = windows + QLatin1Char('\\') + e.Name;
        const QString childRelative = relative.isEmpty() ? e.Name : relative + QLatin1Char('/') + e.Name;
        if (e.Kind == FolderEntry::Folder) {
            const bool fileFolder = inFileFolder || (files.FolderName && e.Name.compare(files.Name, Qt::CaseInsensitive) == 0);
            const bool folderFolder =
                inFolderFolder || (folders.FolderName && e.Name.compare(folders.Name, Qt::CaseInsensitive) == 0);
            Walk(native + QLatin1Char('/') + e.Name, childWindows, childRelative, fileFolder, folderFolder, files,
                 folders);
        }
        if (Matches(folders, inFolderFolder, relative, e.Name))
            Accept(m_matchedFolders, LeftoverFolder, childWindows, childRelative);
    }
}

bool CLeftoverCleaner::Matches(const Pattern &pattern, bool inNamedFolder, const QString &relativeDir,
                               const QString &name) const
{
    if (pattern.Name.isEmpty())
        return false;
    if (pattern.FolderName)
        return inNamedFolder;
    if (relativeDir.contains(pattern.Name, Qt::CaseInsensitive) || name.contains(pattern.Name, Qt::CaseInsensitive))
        return true;
    return pattern.Name.contains(QLatin1Char('/')) && !relativeDir.isEmpty()
           && (relativeDir + QLatin1Char('/') + name).contains(pattern.Name, Qt::CaseInsensitive);
}

void CLeftoverCleaner::Accept(LeftoverList &list, int kind, const QString &windowsPath, const QString &relative)
{
    const LeftoverItem item = fileItem(kind, windowsPath);
    QString reason = KeepReason(windowsPath);
    if (reason.isEmpty() && !m_searchName.isEmpty()) {
        const QString owner = m_others.OwnerOfName(relative, m_searchName);
        if (!owner.isEmpty())
            reason = QStringLiteral("named after %1, which is still installed").arg(owner);
    }
    if (!reason.isEmpty()) {
        Refuse(item, reason);
        return;
    }
    list.append(item);
}

void CLeftoverCleaner::SearchStartMenu(const QByteArray &name)
{
    if (name.isEmpty())
        return;
    std::string programs;
    if (!m_platform.folders
        || m_platform.folders->SpecialFolder(pw::kCsidlCommonPrograms, &programs) != pw::kErrorSuccess)
        return;
    const QString last = winpath::LastName(QString::fromLocal8Bit(name));
    if (IsWeakName(last)) {
        LogInfo("Start menu search skipped: the name \"%s\" is too weak to identify a program",
                last.toLocal8Bit().constData());
        return;
    }
    m_searchName = last;
    FindMatchingEntries(QString::fromLocal8Bit(programs.c_str()), last + QLatin1Char('/'), last + QLatin1Char('\\'));
    m_searchName.clear();
    TakeMatches();
}

void CLeftoverCleaner::SearchDesktop(const QByteArray &name)
{
    if (name.isEmpty())
        return;
    const QString last = winpath::LastName(QString::fromLocal8Bit(name));
    std::string desktop;
    if (!m_platform.folders
        || m_platform.folders->SpecialFolder(pw::kCsidlCommonDesktop, &desktop) != pw::kErrorSuccess)
        return;
    if (IsWeakName(last)) {
        LogInfo("Desktop search skipped: the name \"%s\" is too weak to identify a program",
                last.toLocal8Bit().constData());
        return;
    }
    m_searchName = last;
    FindMatchingEntries(QString::fromLocal8Bit(desktop.c_str()), last, last);
    m_searchName.clear();
    TakeMatches();
}

void CLeftoverCleaner::SearchRegistry(const QByteArray &installPath)
{
    if (installPath.isEmpty())
        return;
    // MuiCache values are matched by path: a path that is a shared place would name every
    // program in it.
    const QString path = QString::fromLocal8Bit(installPath);
    const QString reason = m_places.Reason(path);
    if (!reason.isEmpty())
        LogInfo("MuiCache search skipped: the install path %s is a %s", installPath.constData(),
                reason.toLocal8Bit().constData());
    const LeftoverList found = m_appEnum.FindRegistryLeftovers(m_program, reason.isEmpty() ? installPath : QByteArray());
    for (const LeftoverItem &item : found) {
        if (item.Kind == LeftoverMuiCache) {
            const QString owner = m_others.OwnerOfPath(muiCachePath(item.Path));
            if (!owner.isEmpty()) {
                Refuse(item, QStringLiteral("inside the install folder of %1, which is still installed").arg(owner));
                continue;
            }
        }
        m_leftovers.append(item);
    }
}

void CLeftoverCleaner::TakeMatches()
{
    m_leftovers += m_matchedFiles;
    m_leftovers += m_matchedFolders;
}

void CLeftoverCleaner::ClearMatches()
{
    m_matchedFiles.clear();
    m_matchedFolders.clear();
}

void CLeftoverCleaner::RemoveLeftovers()
{
    for (const LeftoverItem &item : m_leftovers) {
        switch (item.Kind) {
        case LeftoverFile:
            RemoveFile(item);
            break;
        case LeftoverFolder: {
            const QString reason = KeepReason(item.Path);
            if (!reason.isEmpty()) {
                Refuse(item, reason);
                break;
            }
            bool existed = false;
            PathType(NativeOf(item.Path), &existed);
            const QString nativeReason = existed ? NativeKeepReason(NativeOf(item.Path)) : QString();
            if (!nativeReason.isEmpty())
                Refuse(item, nativeReason);
            else if (RemoveFolderTree(item.Path))
                Removed(item, existed);
            else
                Failed(item, QStringLiteral("the folder still holds entries that could not be deleted"));
            break;
        }
        case LeftoverRegistry:
            RemoveRegistryItem(item);
            break;
        default:
            RemoveMuiCacheItem(item);
            break;
        }
    }
}

void CLeftoverCleaner::RemoveFile(const LeftoverItem &item)
{
    const QString reason = KeepReason(item.Path);
    if (!reason.isEmpty()) {
        Refuse(item, reason);
        return;
    }
    const QString native = NativeOf(item.Path);
    bool exists = false;
    const FolderEntry::Type type = PathType(native, &exists);
    if (!exists) {
        Removed(item, false);
        return;
    }
    const QString nativeReason = NativeKeepReason(native);
    if (!nativeReason.isEmpty()) {
        Refuse(item, nativeReason);
        return;
    }
    if (type == FolderEntry::Link) {
        if (RemoveLink(native))
            Removed(item, true);
        else
            Failed(item, QStringLiteral("the link could not be deleted"));
        return;
    }
    if (type != FolderEntry::File) {
        Failed(item, QStringLiteral("no longer a file"));
        return;
    }
    // A leftover file the scan found is deleted even when read-only.
    const bool wasReadOnly = IsReadOnly(native);
    if (wasReadOnly)
        SetReadOnly(native, false);
    if (QFile::remove(native)) {
        Removed(item, true);
    } else {
        if (wasReadOnly)
            SetReadOnly(native, true);
        Failed(item, QStringLiteral("the file could not be deleted"));
    }
}

bool CLeftoverCleaner::RemoveFolderTree(const QString &folder)
{
    if (folder.isEmpty())
        return false;
    const QString native = NativeOf(folder);
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

bool CLeftoverCleaner::RemoveFolderContent(const QString &native, const QString &windows)
{
    bool all = true;
    // Hidden entries are not listed: they keep their folder, as on Windows.
    const QVector<FolderEntry> entries = ListFolder(native, false);
    for (const FolderEntry &e : entries) {
        const QString childNative = native + QLatin1Char('/') + e.Name;
        const QString childWindows = windows + QLatin1Char('\\') + e.Name;
        LeftoverItem child = fileItem(e.Kind == FolderEntry::Folder || e.LinkToFolder ? LeftoverFolder : LeftoverFile,
                                      childWindows);
        if (e.Kind == FolderEntry::Other || e.Name.contains(QLatin1Char('\\'))) {
            all = false;
            continue;
        }
        if (e.Kind == FolderEntry::Link) {
            if (RemoveLink(childNative)) {
                LogInfo("Leftover link removed: %s", childWindows.toLocal8Bit().constData());
            } else {
                Failed(child, QStringLiteral("the link could not be deleted"));
                all = false;
            }
            continue;
        }
        if (e.Kind == FolderEntry::File) {
            // A read-only file inside a leftover folder stays, and keeps its folder, as
            // Windows' own deletion does.
            if (IsReadOnly(childNative)) {
                Failed(child, QStringLiteral("read-only"));
                all = false;
            } else if (QFile::remove(childNative)) {
                LogInfo("Leftover file removed: %s", childWindows.toLocal8Bit().constData());
            } else {
                Failed(child, QStringLiteral("the file could not be deleted"));
                all = false;
            }
            continue;
        }
        const QString reason = KeepReason(childWindows);
        if (!reason.isEmpty()) {
            Refuse(child, reason);
            all = false;
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

void CLeftoverCleaner::RemoveEmptyParents(const QString &windowsFolder)
{
    // Like QDir::rmpath, but it stops below any protected place and any folder that is, holds or
    // lies in another program's install folder.
    for (QString parent = winpath::Parent(winpath::Normalize(windowsFolder)); !parent.isEmpty();
         parent = winpath::Parent(parent)) {
        if (!KeepReason(parent).isEmpty())
            return;
        const QString native = NativeOf(parent);
        if (native.isEmpty() || PathType(native) != FolderEntry::Folder || !NativeKeepReason(native).isEmpty()
            || !QDir().rmdir(native))
            return;
        LogInfo("Leftover folder removed (left empty): %s", parent.toLocal8Bit().constData());
    }
}

void CLeftoverCleaner::RemoveRegistryItem(const LeftoverItem &item)
{
    // Only the removed program's own uninstall entry, in the root and view it was read from.
    const QString own = QString::fromLocal8Bit(pw::UninstallEntryPath(FieldText(m_program.SubKeyName).toStdString()).c_str());
    if (FieldText(m_program.SubKeyName).isEmpty() || item.Path.compare(own, Qt::CaseInsensitive) != 0
        || item.RegistryRoot != m_program.RegistryRoot || item.RegistryView != m_program.RegistryView) {
        Refuse(item, QStringLiteral("not the program's own uninstall entry"));
        return;
    }
    pw::IRegistry *reg = m_platform.registry;
    if (!reg) {
        Failed(item, QStringLiteral("no registry"));
        return;
    }
    const pw::RegKey root = pw::RootKey(pw::RegRoot(item.RegistryRoot));
    const std::string path = item.Path.toLocal8Bit().toStdString();
    pw::WinError error = pw::kErrorSuccess;
    if (item.ValueName.isEmpty()) {
        error = reg->DeleteKeyEx(root, path, item.RegistryView);
    } else {
        pw::RegKey key = 0;
        error = reg->OpenKey(root, path, pw::kKeyAllAccess | item.RegistryView, &key);
        if (error == pw::kErrorSuccess) {
            pw::RegKeyGuard guard(*reg, key);
            error = reg->DeleteValue(key, item.ValueName.toLocal8Bit().constData());
        }
    }
    if (error == pw::kErrorSuccess || error == pw::kErrorFileNotFound)
        Removed(item, error == pw::kErrorSuccess);
    else
        Failed(item, QStringLiteral("error %1").arg(error));
}

void CLeftoverCleaner::RemoveMuiCacheItem(const LeftoverItem &item)
{
    pw::IRegistry *reg = m_platform.registry;
    if (!reg) {
        Failed(item, QStringLiteral("no registry"));
        return;
    }
    const pw::RegRoot root = muiCacheRoot(item);
    pw::RegKey key = 0;
    pw::WinError error = reg->OpenKey(pw::RootKey(root), MuiCacheKey(root), pw::kKeyAllAccess, &key);
    if (error == pw::kErrorSuccess) {
        pw::RegKeyGuard guard(*reg, key);
        error = reg->DeleteValue(key, item.Path.toLocal8Bit().constData());
    }
    if (error == pw::kErrorSuccess || error == pw::kErrorFileNotFound)
        Removed(item, error == pw::kErrorSuccess);
    else
        Failed(item, QStringLiteral("error %1").arg(error));
}

QString CLeftoverCleaner::NativeOf(const QString &windowsPath) const
{
    if (!m_platform.folders || windowsPath.isEmpty())
        return QString();
    return QString::fromStdString(m_platform.folders->ToNativePath(windowsPath.toStdString()));
}

QString CLeftoverCleaner::KeepReason(const QString &windowsPath) const
{
    const QString reason = m_places.Reason(windowsPath);
    if (!reason.isEmpty())
        return reason;
    const QString owner = m_others.OwnerOfPath(windowsPath);
    if (!owner.isEmpty())
        return QStringLiteral("install folder of %1, which is still installed").arg(owner);
    return QString();
}

void CLeftoverCleaner::Refuse(const LeftoverItem &item, const QString &reason)
{
    m_result.Refused.append(item);
    LogInfo("Leftover %s kept (%s): %s", kindName(item.Kind), reason.toLocal8Bit().constData(),
            describe(item).constData());
}

void CLeftoverCleaner::Removed(const LeftoverItem &item, bool wasThere)
{
    m_result.Removed.append(item);
    if (wasThere)
        LogInfo("Leftover %s removed: %s", kindName(item.Kind), describe(item).constData());
    else
        LogInfo("Leftover %s already gone: %s", kindName(item.Kind), describe(item).constData());
}

void CLeftoverCleaner::Failed(const LeftoverItem &item, const QString &why)
{
    m_result.Failed.append(item);
    LogInfo("Leftover %s not removed (%s): %s", kindName(item.Kind), why.toLocal8Bit().constData(),
            describe(item).constData());
}
