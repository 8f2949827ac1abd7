#include "leftovers/keeppolicy.h"

#include "leftovers/folderlister.h"
#include "leftovers/weaknames.h"
#include "leftovers/windowspath.h"

#include <QDir>
#include <QFileInfo>

CKeepPolicy::CKeepPolicy(pw::ISpecialFolders *folders, const InstalledProgramList &others)
    : m_folders(folders), m_places(folders)
{
    for (char letter = 'A'; letter <= 'Z' && m_folders; ++letter) {
        const QString root =
            QFileInfo(QString::fromStdString(m_folders->ToNativePath(std::string(1, letter) + ":\\"))).canonicalFilePath();
        if (!root.isEmpty() && root != QLatin1String("/") && !m_driveRoots.contains(root))
            m_driveRoots.append(root);
    }
    m_others = COtherPrograms(others, m_places);
}

void CKeepPolicy::Protect(const QString &windowsFolder)
{
    m_places.Add(windowsFolder);
}

bool CKeepPolicy::IsWeak(const QString &name)
{
    return IsWeakName(name);
}

QString CKeepPolicy::NativeOf(const QString &windowsPath) const
{
    if (!m_folders || windowsPath.isEmpty())
        return QString();
    return QString::fromStdString(m_folders->ToNativePath(windowsPath.toStdString()));
}

QString CKeepPolicy::Reason(const QString &windowsPath) const
{
    const QString reason = m_places.Reason(windowsPath);
    if (!reason.isEmpty())
        return reason;
    const QString owner = m_others.OwnerOfPath(windowsPath);
    if (!owner.isEmpty())
        return QStringLiteral("install folder of %1, which is still installed").arg(owner);
    return QString();
}

QString CKeepPolicy::FoundReason(const QString &windowsPath, const QString &relativePath,
                                 const QString &searchedName) const
{
    const QString reason = Reason(windowsPath);
    if (!reason.isEmpty() || searchedName.isEmpty())
        return reason;
    const QString owner = m_others.OwnerOfName(relativePath, searchedName);
    if (!owner.isEmpty())
        return QStringLiteral("named after %1, which is still installed").arg(owner);
    return QString();
}

QString CKeepPolicy::EmptyFolderReason(const QString &windowsFolder) const
{
    const QString reason = Reason(windowsFolder);
    if (!reason.isEmpty())
        return reason;
    const QString owner = m_others.OwnerOfVendorName(winpath::LastName(winpath::Normalize(windowsFolder)));
    if (!owner.isEmpty())
        return QStringLiteral("vendor folder of %1, which is still installed").arg(owner);
    return QString();
}

QString CKeepPolicy::InstallFolderReason(const QString &installPath) const
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
    return NativeReason(NativeOf(installPath));
}

QString CKeepPolicy::NativeReason(const QString &native) const
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
    if (!m_folders)
        return QString();
    const QString windows = QString::fromStdString(m_folders->ToWindowsPath(path.toStdString()));
    return windows.isEmpty() ? QString() : m_places.Reason(windows);
}

QString CKeepPolicy::MuiCacheReason(const QString &path) const
{
    const QString owner = m_others.OwnerOfPath(path);
    if (owner.isEmpty())
        return QString();
    return QStringLiteral("inside the install folder of %1, which is still installed").arg(owner);
}

void CKeepPolicy::AllowDesktopFiles(const QVector<DesktopFilePlace> &places)
{
    for (DesktopFilePlace place : places) {
        place.folder = QFileInfo(place.folder).canonicalFilePath();
        if (!place.folder.isEmpty())
            m_desktopPlaces.append(place);
    }
}

QString CKeepPolicy::DesktopFileReason(const QString &native) const
{
    // The folder as the file system resolves it, the file's own name kept: a link is judged as
    // itself, never by what it points to.
    const QFileInfo info(native);
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    if (folder.isEmpty() || info.fileName().isEmpty())
        return QStringLiteral("not in a place of the desktop's menu files");
    if (info.exists() && !info.isSymLink() && !info.isFile())
        return QStringLiteral("not a file");
    const QString name = info.fileName();
    for (const DesktopFilePlace &place : m_desktopPlaces) {
        const bool inside = folder == place.folder
                            || (place.below && folder.startsWith(place.folder + QLatin1Char('/')));
        if (inside && name.startsWith(place.prefix) && name.endsWith(place.suffix)
            && name.size() > place.prefix.size() + place.suffix.size())
            return QString();
    }
    return QStringLiteral("not in a place of the desktop's menu files");
}

bool CKeepPolicy::IsEmptiableDesktopFolder(const QString &nativeFolder) const
{
    const QString folder = QFileInfo(nativeFolder).canonicalFilePath();
    for (const DesktopFilePlace &place : m_desktopPlaces)
        if (place.emptiedFoldersGo && !folder.isEmpty() && folder.startsWith(place.folder + QLatin1Char('/'))
            && QFileInfo(nativeFolder).absoluteFilePath() == folder)
            return true;
    return false;
}
