#include "leftovers/namedfolderfinder.h"

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
    return Find(QString::fromLocal8Bit(base.c_str()), last, how);
}

NamedMatches CNamedFolderFinder::Find(const QString &base, const QString &name, NameMatch how)
{
    NamedMatches out;
    const QString windows = winpath::StripTrailingSeparators(base);
    const QString native = winpath::Normalize(windows).isEmpty() ? QString() : m_policy.NativeOf(windows);
    if (native.isEmpty())
        return out;
    m_policy.Protect(windows);
    Pattern pattern;
    QString text = how == NameMatch::InsideFolder ? name + QLatin1Char('/') : name;
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
            const bool named =
                inNamedFolder || (pattern.FolderName && e.Name.compare(pattern.Name, Qt::CaseInsensitive) == 0);
            Walk(out, native + QLatin1Char('/') + e.Name, childWindows, childRelative, named, pattern, searchedName);
        }
        if (Matches(pattern, inNamedFolder, relative, e.Name))
            Accept(out.Folders, LeftoverFolder, childWindows, childRelative, searchedName);
    }
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
