#include "leftovers/folderlister.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>
#endif
#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

void sortByName(QVector<FolderEntry> &entries)
{
    std::sort(entries.begin(), entries.end(), [](const FolderEntry &a, const FolderEntry &b) {
        const int c = a.Name.compare(b.Name, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a.Name < b.Name;
    });
}

#ifdef Q_OS_UNIX
FolderEntry::Type typeOfMode(mode_t mode)
{
    if (S_ISLNK(mode))
        return FolderEntry::Link;
    if (S_ISDIR(mode))
        return FolderEntry::Folder;
    if (S_ISREG(mode))
        return FolderEntry::File;
    return FolderEntry::Other;
}

bool linkPointsToFolder(const QByteArray &path)
{
    struct stat st;
    return ::stat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode);
}
#endif

#ifdef Q_OS_WIN
std::wstring wide(const QString &nativePath)
{
    return QDir::toNativeSeparators(nativePath).toStdWString();
}

// A reparse point (symbolic link, junction, mount point) is a link; the directory attribute of a
// link says whether it leads to a folder.
FolderEntry::Type typeOfAttributes(DWORD attributes)
{
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
        return FolderEntry::Link;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return FolderEntry::Folder;
    if (attributes & FILE_ATTRIBUTE_DEVICE)
        return FolderEntry::Other;
    return FolderEntry::File;
}
#endif

} // namespace

QVector<FolderEntry> ListFolder(const QString &nativeFolder, bool withHidden)
{
    QVector<FolderEntry> entries;
#ifdef Q_OS_UNIX
    const QByteArray folder = QFile::encodeName(nativeFolder);
    DIR *dir = ::opendir(folder.constData());
    if (!dir)
        return entries;
    while (const dirent *d = ::readdir(dir)) {
        const char *name = d->d_name;
        if (name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0')))
            continue;
        const bool hidden = name[0] == '.';
        if (hidden && !withHidden)
            continue;
        FolderEntry e;
        e.Name = QFile::decodeName(name);
        e.Hidden = hidden;
        QByteArray full;
        switch (d->d_type) {
        case DT_REG: e.Kind = FolderEntry::File; break;
        case DT_DIR: e.Kind = FolderEntry::Folder; break;
        case DT_LNK: e.Kind = FolderEntry::Link; break;
        case DT_UNKNOWN: {
            // Some file systems do not fill the type in; ask without following links.
            full = folder + '/' + name;
            struct stat st;
            e.Kind = ::lstat(full.constData(), &st) == 0 ? typeOfMode(st.st_mode) : FolderEntry::Other;
            break;
        }
        default: e.Kind = FolderEntry::Other; break;
        }
        if (e.Kind == FolderEntry::Link)
            e.LinkToFolder = linkPointsToFolder(full.isEmpty() ? folder + '/' + name : full);
        entries.append(e);
    }
    ::closedir(dir);
#elif defined(Q_OS_WIN)
    WIN32_FIND_DATAW found;
    const HANDLE find = FindFirstFileExW((wide(nativeFolder) + L"\\*").c_str(), FindExInfoBasic, &found,
                                         FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (find == INVALID_HANDLE_VALUE)
        return entries;
    do {
        const QString name = QString::fromWCharArray(found.cFileName);
        if (name == QLatin1String(".") || name == QLatin1String(".."))
            continue;
        const bool hidden = found.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN;
        if (hidden && !withHidden)
            continue;
        FolderEntry e;
        e.Name = name;
        e.Hidden = hidden;
        e.Kind = typeOfAttributes(found.dwFileAttributes);
        e.LinkToFolder = e.Kind == FolderEntry::Link && (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
        entries.append(e);
    } while (FindNextFileW(find, &found));
    FindClose(find);
#else
    QDir::Filters filters = QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System;
    if (withHidden)
        filters |= QDir::Hidden;
    QDirIterator it(nativeFolder, filters);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        FolderEntry e;
        e.Name = info.fileName();
        e.Hidden = info.isHidden();
        if (info.isSymLink()) {
            e.Kind = FolderEntry::Link;
            e.LinkToFolder = info.isDir();
        } else if (info.isDir()) {
            e.Kind = FolderEntry::Folder;
        } else if (info.isFile()) {
            e.Kind = FolderEntry::File;
        } else {
            e.Kind = FolderEntry::Other;
        }
        entries.append(e);
    }
#endif
    sortByName(entries);
    return entries;
}

FolderEntry::Type PathType(const QString &nativePath, bool *exists)
{
#ifdef Q_OS_UNIX
    struct stat st;
    const bool found = !nativePath.isEmpty() && ::lstat(QFile::encodeName(nativePath).constData(), &st) == 0;
    if (exists)
        *exists = found;
    return found ? typeOfMode(st.st_mode) : FolderEntry::Other;
#elif defined(Q_OS_WIN)
    const DWORD attributes = nativePath.isEmpty() ? INVALID_FILE_ATTRIBUTES
                                                  : GetFileAttributesW(wide(nativePath).c_str());
    const bool found = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists)
        *exists = found;
    return found ? typeOfAttributes(attributes) : FolderEntry::Other;
#else
    const QFileInfo info(nativePath);
    const bool found = !nativePath.isEmpty() && (info.exists() || info.isSymLink());
    if (exists)
        *exists = found;
    if (!found)
        return FolderEntry::Other;
    if (info.isSymLink())
        return FolderEntry::Link;
    if (info.isDir())
        return FolderEntry::Folder;
    return info.isFile() ? FolderEntry::File : FolderEntry::Other;
#endif
}

bool RemoveLink(const QString &nativePath)
{
#ifdef Q_OS_UNIX
    return ::unlink(QFile::encodeName(nativePath).constData()) == 0;
#elif defined(Q_OS_WIN)
    // A junction or a link to a folder goes with RemoveDirectory, which does not enter it.
    const std::wstring path = wide(nativePath);
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return false;
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? RemoveDirectoryW(path.c_str()) != FALSE
                                                   : DeleteFileW(path.c_str()) != FALSE;
#else
    if (QFileInfo(nativePath).isDir())
        return QDir().rmdir(nativePath);
    return QFile::remove(nativePath);
#endif
}

bool IsReadOnly(const QString &nativePath)
{
#ifdef Q_OS_WIN
    const DWORD attributes = GetFileAttributesW(wide(nativePath).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
#else
    return !(QFile::permissions(nativePath) & QFileDevice::WriteOwner);
#endif
}

bool SetReadOnly(const QString &nativePath, bool readOnly)
{
#ifdef Q_OS_WIN
    const std::wstring path = wide(nativePath);
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return false;
    const DWORD wanted = readOnly ? (attributes | FILE_ATTRIBUTE_READONLY) : (attributes & ~DWORD(FILE_ATTRIBUTE_READONLY));
    return wanted == attributes || SetFileAttributesW(path.c_str(), wanted) != FALSE;
#else
    const QFileDevice::Permissions before = QFile::permissions(nativePath);
    return QFile::setPermissions(nativePath, readOnly ? before & ~(QFileDevice::WriteOwner | QFileDevice::WriteUser)
                                                      : before | QFileDevice::WriteOwner);
#endif
}
