#pragma once
// The desktop's trash, where removed leftovers go so that they can come back: the Recycle Bin on
// Windows, the freedesktop trash on Linux (the home trash, or the ".Trash-<uid>" folder of a
// volume other than the home folder's). Moving in is Qt's QFile::moveToTrash; this file adds
// what Qt does not: finding an item again by the path it had, checking that a path really is an
// item of a trash, and moving an item back.
//
// Two trash layouts are read:
//  - freedesktop: <trash>/files/<name> with the record <trash>/info/<name>.trashinfo, whose
//    "Path=" names the original (absolute, or relative to the volume of a volume's trash; Qt
//    writes it as it is, Wine and GLib percent-encoded). Wine's Recycle Bin is this trash too:
//    Wine moves a Windows program's files into the Linux user's home trash, and the record
//    names the file's Linux path (through the prefix's dosdevices);
//  - Windows: <drive>:\$Recycle.Bin\<user SID>\$R<name> with the record $I<name> beside it, which
//    holds the original path.
#include <QDateTime>
#include <QString>

namespace trash {

// How the file system compares native paths: ignoring case on Windows.
#ifdef Q_OS_WIN
constexpr Qt::CaseSensitivity kPathCase = Qt::CaseInsensitive;
#else
constexpr Qt::CaseSensitivity kPathCase = Qt::CaseSensitive;
#endif

struct MoveResult {
    bool moved = false; // the item is in the trash
    QString trashPath;  // where it lies there (found again when the trash did not say)
    QString error;      // why it is not in the trash
};

// Moves a file or folder (with everything in it) to the trash. Where the trash takes an item but
// does not say where it put it (Wine's Recycle Bin), the item is looked up by its record. An item
// the trash took but that cannot be found there is reported as not moved (Windows deletes
// permanently what its Recycle Bin cannot take).
MoveResult Move(const QString &nativePath);

// The newest item of the trash whose record names `originalNativePath`, or empty. Looks in every
// trash such an item can have gone to: the home trash, the trash folders of the original's
// volume, and on Windows the Recycle Bin of its drive and Wine's.
QString Find(const QString &originalNativePath);

// Why `trashPath` is not an item of a trash that was removed from `originalNativePath` (its
// record is missing, names another path, or the path does not lie in a trash); empty when it is.
QString CheckItem(const QString &trashPath, const QString &originalNativePath);

enum class PutBackResult {
    Done,       // the item is back at its original path; its record is gone from the trash
    NotInTrash, // `trashPath` is not (or no longer) an item of the trash removed from that path
    Taken,      // something exists at the original path now: nothing was moved
    Failed,     // the move failed; *error says why
};

// Moves a trashed item back to the path it was removed from, creating the folders above it that
// are missing, never over anything that exists there, and removes its record.
PutBackResult PutBack(const QString &trashPath, const QString &originalNativePath, QString *error);

// The record of one trashed item, as read from its info file. For tests and the fuzzer too.
struct Record {
    QString original;  // the original path as the record names it, decoded and made absolute
    QDateTime deleted; // when it was trashed; invalid when the record does not say
};
// Reads a freedesktop .trashinfo text; `volumeRoot` makes a relative Path absolute. False for a
// text that is not a record or names no path.
bool ParseTrashInfo(const QByteArray &text, const QString &volumeRoot, Record *out);
// Reads a Windows Recycle Bin record ($I file, version 1 or 2).
bool ParseRecycleBinInfo(const QByteArray &data, Record *out);

} // namespace trash
