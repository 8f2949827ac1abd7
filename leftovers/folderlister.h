#pragma once
// One listing of one folder, the way the leftover scan and removal need it: names and kinds,
// sorted by name ignoring case, read once. The kind comes from the directory entry itself (POSIX
// d_type, Windows' find data), so listing a folder costs no stat per file, and nothing at the end
// of a path is followed: on Windows that includes shortcuts (.lnk), which QFileInfo resolves to
// their targets, so a shortcut whose program is gone would look like nothing at all.
#include <QString>
#include <QVector>

struct FolderEntry {
    enum Type {
        File,
        Folder,
        Link,  // a symbolic link or junction: removed as a link, never entered
        Other, // devices, pipes, sockets: never touched
    };
    QString Name;
    Type Kind = File;
    bool Hidden = false;
    bool LinkToFolder = false; // for a link: its target is a folder
};

// The entries of `nativeFolder` without "." and "..", sorted by name ignoring case. Hidden
// entries are included only when asked for. A folder that cannot be read gives no entries.
QVector<FolderEntry> ListFolder(const QString &nativeFolder, bool withHidden);

// What a native path is, without following a link at its end. Other for a path that does not
// exist.
FolderEntry::Type PathType(const QString &nativePath, bool *exists = nullptr);

// Removes a link itself, never what it points to.
bool RemoveLink(const QString &nativePath);

// Whether a file may not be written (POSIX: no owner write permission, Windows: the read-only
// attribute), and a way to set or clear that, on the file itself.
bool IsReadOnly(const QString &nativePath);
bool SetReadOnly(const QString &nativePath, bool readOnly);
