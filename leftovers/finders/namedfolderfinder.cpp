#include "leftovers/finders/namedfolderfinder.h"

#include "leftovers/folderlister.h"
#include "leftovers/keeppolicy.h"
#include "leftovers/leftoverreport.h"
#include "leftovers/windowspath.h"
#include "libs/sharelog/sharelog.h"

QString CNamedFolderFinder::SpecialFolder(int csidl) const
{
    std::string path;
    if (!m_policy.Folders() || m_policy.Folders()->SpecialFolder(csidl, &path) != pw::kErrorSuccess)
        return QString();
    return QString::fromLocal8Bit(path.c_str());
}

NamedMatches CNamedFolderFinder::FindIn(int csidl, const QString &name, NameMatch how, const char *label)
{
    if (name.isEmpty())
        return {};
    std::string base;
    if (!m_policy.Folders() || m_policy.Folders()->SpecialFolder(csidl, &base) != pw::kErrorSuccess)
        return {};
    const QString last = winpath::LastName(name);
    if (CKeepPolicy::IsWeak(last)) {
        LogInfo("%s search skipped: the name \"%s\" is too weak to identify a program", label,
                last.toLocal8Bit().constData());
        return {};
    }
    return FindMatchingEntries(QString::fromLocal8Bit(base.c_str()), last, how);
}

bool CNamedFolderFinder::IsShortcutName(const QString &fileName)
{
    for (const char *suffix : {".lnk", ".url", ".pif"})
        if (fileName.endsWith(QLatin1String(suffix), Qt::CaseInsensitive) && fileName.size() > 4)
            return true;
    return false;
}

NamedMatches CNamedFolderFinder::FindShortcutsIn(int csidl, const QString &name, const char *label)
{
    NamedMatches out;
    if (name.isEmpty())
        return out;
    const QString last = winpath::LastName(name);
    if (CKeepPolicy::IsWeak(last)) {
        LogInfo("%s search skipped: the name \"%s\" is too weak to identify a program", label,
                last.toLocal8Bit().constData());
        return out;
    }
    const QString windows = winpath::StripTrailingSeparators(SpecialFolder(csidl));
    const QString native = windows.isEmpty() || winpath::Normalize(windows).isEmpty() ? QString() : m_policy.NativeOf(windows);
    if (native.isEmpty())
        return out;
    m_policy.Protect(windows);
    const auto isShortcutFile = [](const FolderEntry &e) {
        return (e.Kind == FolderEntry::File || (e.Kind == FolderEntry::Link && !e.LinkToFolder)) && IsShortcutName(e.Name);
    };
    for (const FolderEntry &e : ListFolder(native, true)) {
        if (e.Name.contains(QLatin1Char('\\')) || !e.Name.contains(last, Qt::CaseInsensitive))
            continue;
        const QString path = windows + QLatin1Char('\\') + e.Name;
        if (isShortcutFile(e)) {
            Accept(out.Files, LeftoverFile, path, e.Name, last);
            continue;
        }
        const bool folder = e.Kind == FolderEntry::Folder;
        bool onlyShortcuts = folder && e.Name.compare(last, Qt::CaseInsensitive) == 0;
        const QVector<FolderEntry> inside = onlyShortcuts ? ListFolder(native + QLatin1Char('/') + e.Name, true)
                                                          : QVector<FolderEntry>();
        for (const FolderEntry &child : inside)
            onlyShortcuts = onlyShortcuts && !child.Name.contains(QLatin1Char('\\')) && isShortcutFile(child);
        if (!onlyShortcuts) {
            m_report.Refused(FileLeftover(folder ? LeftoverFolder : LeftoverFile, path),
                             folder ? QStringLiteral("the user's own folder on the desktop: not only shortcuts of the program")
                                    : QStringLiteral("the user's own file on the desktop: not a shortcut"));
            continue;
        }
        for (const FolderEntry &child : inside)
            Accept(out.Files, LeftoverFile, path + QLatin1Char('\\') + child.Name, e.Name + QLatin1Char('/') + child.Name, last);
        Accept(out.Folders, LeftoverFolder, path, e.Name, last);
    }
    return out;
}

NamedMatches CNamedFolderFinder::FindMatchingEntries(const QString &base, const QString &name, NameMatch how)
{
    return FindMatchingEntries(base, name, how, QString());
}

NamedMatches CNamedFolderFinder::FindDataFolders(const QString &base, const QString &name, const QString &vendor)
{
    if (name.isEmpty())
        return {};
    const QString windows = winpath::StripTrailingSeparators(base);
    const QString native = winpath::Normalize(windows).isEmpty() ? QString() : m_policy.NativeOf(windows);
    if (native.isEmpty())
        return {};
    // "vendor\name", each name in any case, as Windows finds it; the vendor folder a folder (a
    // link is never entered), the data folder a folder or a link.
    const auto child = [](const QString &folder, const QString &childName, bool linkToo) {
        for (const FolderEntry &e : ListFolder(folder, true))
            if ((e.Kind == FolderEntry::Folder || (linkToo && e.Kind == FolderEntry::Link))
                && e.Name.compare(childName, Qt::CaseInsensitive) == 0)
                return folder + QLatin1Char('/') + e.Name;
        return QString();
    };
    const QString vendorFolder =
        vendor.isEmpty() || vendor.contains(QLatin1Char('\\')) ? QString() : child(native, vendor, false);
    if (vendorFolder.isEmpty() || child(vendorFolder, name, true).isEmpty())
        return FindMatchingEntries(base, name, NameMatch::FolderNearTop, QString());
    LogInfo("Data search in %s: the program's folder is %s\\%s", windows.toLocal8Bit().constData(),
            vendor.toLocal8Bit().constData(), name.toLocal8Bit().constData());
    return FindMatchingEntries(base, name, NameMatch::FolderNearTop, vendor);
}

NamedMatches CNamedFolderFinder::FindMatchingEntries(const QString &base, const QString &name, NameMatch how,
                                                     const QString &vendor)
{
    NamedMatches out;
    const QString windows = winpath::StripTrailingSeparators(base);
    const QString native = winpath::Normalize(windows).isEmpty() ? QString() : m_policy.NativeOf(windows);
    if (native.isEmpty())
        return out;
    m_policy.Protect(windows);
    Pattern pattern;
    QString text = how == NameMatch::Contains ? name : name + QLatin1Char('/');
    pattern.NearTop = how == NameMatch::FolderNearTop;
    pattern.Vendor = pattern.NearTop ? vendor : QString();
    text.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (text.endsWith(QLatin1Char('/'))) {
        text.chop(1);
        pattern.FolderName = true;
    }
    pattern.Name = text;
    Walk(out, native, windows, QString(), false, pattern, name);
    return out;
}

void CNamedFolderFinder::Walk(NamedMatches &out, const QString &native, const QString &windows,
                              const QString &relative, bool inNamedFolder, const Pattern &pattern,
                              const QString &searchedName)
{
    const QVector<FolderEntry> entries = ListFolder(native, true);
    for (const FolderEntry &e : entries) {
        if (e.Kind == FolderEntry::File || (e.Kind == FolderEntry::Link && !e.LinkToFolder)) {
            if (!e.Name.contains(QLatin1Char('\\')) && Matches(pattern, inNamedFolder, relative, e.Name))
                Accept(out.Files, LeftoverFile, windows + QLatin1Char('\\') + e.Name,
                       relative.isEmpty() ? e.Name : relative + QLatin1Char('/') + e.Name, searchedName);
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
            const bool named = inNamedFolder || IsNamedFolder(pattern, relative, e.Name, childWindows);
            Walk(out, native + QLatin1Char('/') + e.Name, childWindows, childRelative, named, pattern, searchedName);
        }
        if (Matches(pattern, inNamedFolder, relative, e.Name))
            Accept(out.Folders, LeftoverFolder, childWindows, childRelative, searchedName);
    }
}

bool CNamedFolderFinder::IsNamedFolder(const Pattern &pattern, const QString &relativeDir, const QString &name,
                                       const QString &windowsPath)
{
    if (!pattern.FolderName || name.compare(pattern.Name, Qt::CaseInsensitive) != 0)
        return false;
    if (!pattern.NearTop)
        return true;
    if (relativeDir.contains(QLatin1Char('/')))
        return false; // deep in another program's tree
    if (pattern.Vendor.isEmpty() || relativeDir.compare(pattern.Vendor, Qt::CaseInsensitive) == 0)
        return true;
    m_report.Refused(FileLeftover(LeftoverFolder, windowsPath),
                     QStringLiteral("not the program's: its own data folder is %1\\%2").arg(pattern.Vendor, pattern.Name));
    return false;
}

bool CNamedFolderFinder::Matches(const Pattern &pattern, bool inNamedFolder, const QString &relativeDir,
                                 const QString &name)
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

void CNamedFolderFinder::Accept(LeftoverList &list, int kind, const QString &windowsPath, const QString &relative,
                                const QString &searchedName)
{
    const LeftoverItem item = FileLeftover(kind, windowsPath);
    const QString reason = m_policy.FoundReason(windowsPath, relative, searchedName);
    if (!reason.isEmpty()) {
        m_report.Refused(item, reason);
        return;
    }
    list.append(item);
}

LeftoverList FindByNameOrGroup(const InstalledProgram &program, const std::function<NamedMatches(const QString &)> &find)
{
    const NamedMatches byName = find(QString::fromLocal8Bit(FieldText(program.DisplayName)));
    if (!byName.Files.isEmpty())
        return byName.All();
    const NamedMatches byGroup = find(QString::fromLocal8Bit(FieldText(program.InnoSetupIconGroup)));
    return byName.All() + byGroup.Files + byName.Folders + byGroup.Folders;
}
