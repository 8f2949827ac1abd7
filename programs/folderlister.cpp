#include "programs/folderlister.h"

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
        if (info.isSymbolicLink() || info.isJunction()) {
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
#else
    const QFileInfo info(nativePath);
    const bool found = !nativePath.isEmpty() && (info.exists() || info.isSymbolicLink() || info.isJunction());
    if (exists)
        *exists = found;
    if (!found)
        return FolderEntry::Other;
    if (info.isSymbolicLink() || info.isJunction())
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
#else
    // A junction or a link to a folder goes with RemoveDirectory, which does not enter it.
    if (QFileInfo(nativePath).isDir())
        return QDir().rmdir(nativePath);
    return QFile::remove(nativePath);
#endif
}
