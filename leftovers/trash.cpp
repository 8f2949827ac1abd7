#include "leftovers/trash.h"

#include "leftovers/folderlister.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QVector>
#include <QtEndian>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif
#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace trash {

namespace {

// A record is a few hundred bytes; anything much larger is not one.
constexpr qint64 kMaxRecordBytes = 64 * 1024;

const QString kFiles = QStringLiteral("files");
const QString kInfo = QStringLiteral("info");
const QString kInfoSuffix = QStringLiteral(".trashinfo");
const QString kRecycleBin = QStringLiteral("$Recycle.Bin");

QByteArray readRecord(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly) || f.size() > kMaxRecordBytes)
        return QByteArray();
    return f.read(kMaxRecordBytes);
}

QString clean(const QString &path)
{
    return QDir::cleanPath(QDir::fromNativeSeparators(path));
}

#ifdef Q_OS_WIN
// Wine's own functions, present only when the program runs under Wine.
using UnixNameFn = char *(CDECL *)(LPCWSTR);
using DosNameFn = WCHAR *(CDECL *)(LPCSTR);

HMODULE kernel32()
{
    return GetModuleHandleW(L"kernel32.dll");
}

bool underWine()
{
    return GetProcAddress(kernel32(), "wine_get_unix_file_name") != nullptr;
}

// The Linux path Wine gives a Windows path (through the prefix's dosdevices), as Wine's
// Recycle Bin writes it into its records.
QString unixNameOf(const QString &windowsPath)
{
    const auto fn = reinterpret_cast<UnixNameFn>(GetProcAddress(kernel32(), "wine_get_unix_file_name"));
    if (!fn)
        return QString();
    char *name = fn(reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(windowsPath).utf16()));
    if (!name)
        return QString();
    const QString out = QFile::decodeName(name);
    HeapFree(GetProcessHeap(), 0, name);
    return out;
}

QString dosNameOf(const QString &unixPath)
{
    const auto fn = reinterpret_cast<DosNameFn>(GetProcAddress(kernel32(), "wine_get_dos_file_name"));
    if (!fn)
        return QString();
    WCHAR *name = fn(QFile::encodeName(unixPath).constData());
    if (!name)
        return QString();
    const QString out = QString::fromWCharArray(name);
    HeapFree(GetProcessHeap(), 0, name);
    return clean(out);
}

// Where Wine's Recycle Bin keeps its files: the Linux user's home trash.
QString wineHomeTrash()
{
    const QString dataHome = QString::fromLocal8Bit(qgetenv("XDG_DATA_HOME"));
    if (dataHome.startsWith(QLatin1Char('/'))) {
        const QString dos = dosNameOf(dataHome);
        if (!dos.isEmpty())
            return dos + QStringLiteral("/Trash");
    }
    QString home = QString::fromLocal8Bit(qgetenv("WINEHOMEDIR"));
    if (home.startsWith(QLatin1String("\\??\\")))
        home.remove(0, 4);
    return home.isEmpty() ? QString() : clean(home) + QStringLiteral("/.local/share/Trash");
}
#endif

// The original path as a freedesktop record of this machine names it.
QString recordNameOf(const QString &originalNativePath)
{
#ifdef Q_OS_WIN
    // Wine names only paths whose folder exists: once the item and the folders it left empty
    // are gone, the nearest folder that is still there is named and the rest appended.
    QString at = clean(originalNativePath);
    QString rest;
    while (!at.isEmpty()) {
        const QString unix = clean(unixNameOf(at));
        if (!unix.isEmpty() && unix != QLatin1String("."))
            return rest.isEmpty() ? unix : unix + rest;
        const int slash = at.lastIndexOf(QLatin1Char('/'));
        if (slash <= 2)
            break;
        rest = at.mid(slash) + rest;
        at = at.left(slash);
    }
    return QString();
#else
    return clean(originalNativePath);
#endif
}

bool samePath(const QString &a, const QString &b, Qt::CaseSensitivity cs)
{
    return !a.isEmpty() && QString::compare(a, b, cs) == 0;
}

// A freedesktop trash folder: the home trash ("Trash"), ".Trash-<uid>" or ".Trash/<uid>" of a
// volume. Gives the volume's root, against which relative records are read.
bool isFreedesktopTrash(const QString &trashDir, QString *volumeRoot)
{
    const QFileInfo info(trashDir);
    const QString name = info.fileName();
    const QString parent = info.path();
    bool digits = false;
    if (name == QLatin1String("Trash")) {
        *volumeRoot = QString();
        return true;
    }
    if (name.startsWith(QLatin1String(".Trash-"))) {
        name.mid(7).toUInt(&digits);
        *volumeRoot = parent;
        return digits;
    }
    name.toUInt(&digits);
    if (digits && QFileInfo(parent).fileName() == QLatin1String(".Trash")) {
        *volumeRoot = QFileInfo(parent).path();
        return true;
    }
    return false;
}

// The record of an item of a trash, the volume root for its relative paths, and whether it is
// a Windows Recycle Bin record. False when `trashPath` does not lie in a trash.
bool recordOf(const QString &trashPath, QString *recordPath, QString *volumeRoot, bool *recycleBin)
{
    const QFileInfo item(trashPath);
    const QString name = item.fileName();
    const QString folder = item.path();
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    const QFileInfo folderInfo(folder);
    if (folderInfo.fileName() == kFiles) {
        const QString trashDir = folderInfo.path();
        if (!isFreedesktopTrash(trashDir, volumeRoot))
            return false;
        *recordPath = trashDir + QLatin1Char('/') + kInfo + QLatin1Char('/') + name + kInfoSuffix;
        *recycleBin = false;
        return true;
    }
    if (QFileInfo(folderInfo.path()).fileName().compare(kRecycleBin, Qt::CaseInsensitive) == 0
        && name.startsWith(QLatin1String("$R"), Qt::CaseInsensitive) && name.size() > 2) {
        *recordPath = folder + QStringLiteral("/$I") + name.mid(2);
        *recycleBin = true;
        return true;
    }
    return false;
}

// Whether a record names `originalNativePath`.
bool recordNames(const Record &record, bool recycleBin, const QString &originalNativePath)
{
    if (recycleBin)
        return samePath(clean(record.original), clean(originalNativePath), Qt::CaseInsensitive);
    return samePath(clean(record.original), recordNameOf(originalNativePath), kPathCase);
}

bool readRecord(const QString &recordPath, const QString &volumeRoot, bool recycleBin, Record *out)
{
    const QByteArray data = readRecord(recordPath);
    return recycleBin ? ParseRecycleBinInfo(data, out) : ParseTrashInfo(data, volumeRoot, out);
}

// The nearest folder above `path` that exists, for the volume it lies on.
QString existingAncestor(const QString &path)
{
    QString at = clean(path);
    while (!at.isEmpty()) {
        if (QFileInfo(at).isDir())
            return at;
        const QString up = QFileInfo(at).path();
        if (up == at)
            break;
        at = up;
    }
    return QString();
}

struct TrashFolder {
    QString path;
    bool recycleBin; // a Windows Recycle Bin folder of one user, else a freedesktop trash
};

// Every trash folder an item removed from `originalNativePath` can lie in.
QVector<TrashFolder> trashFoldersFor(const QString &originalNativePath)
{
    QVector<TrashFolder> out;
    const QString home = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (!home.isEmpty())
        out.append({clean(home) + QStringLiteral("/Trash"), false});
#ifdef Q_OS_WIN
    if (underWine()) {
        const QString wine = wineHomeTrash();
        if (!wine.isEmpty())
            out.append({wine, false});
    }
    const QString drive = clean(originalNativePath).left(3);
    if (drive.size() == 3 && drive.at(1) == QLatin1Char(':')) {
        const QString bin = drive + kRecycleBin;
        for (const QString &user : QDir(bin).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System))
            out.append({bin + QLatin1Char('/') + user, true});
    }
#else
    const QString anchor = existingAncestor(QFileInfo(clean(originalNativePath)).path());
    if (!anchor.isEmpty()) {
        QString root = QStorageInfo(anchor).rootPath();
        if (!root.endsWith(QLatin1Char('/')))
            root += QLatin1Char('/');
        const QString uid = QString::number(::getuid());
        out.append({root + QStringLiteral(".Trash-") + uid, false});
        out.append({root + QStringLiteral(".Trash/") + uid, false});
    }
#endif
    return out;
}

} // namespace

bool ParseTrashInfo(const QByteArray &text, const QString &volumeRoot, Record *out)
{
    bool inGroup = false, seenGroup = false;
    QByteArray path, date;
    for (QByteArray line : text.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.startsWith('[')) {
            inGroup = line == "[Trash Info]";
            seenGroup = seenGroup || inGroup;
            continue;
        }
        if (!inGroup)
            continue;
        const int eq = line.indexOf('=');
        if (eq <= 0)
            continue;
        const QByteArray key = line.left(eq).trimmed();
        const QByteArray value = line.mid(eq + 1);
        if (key == "Path" && path.isEmpty())
            path = value;
        else if (key == "DeletionDate" && date.isEmpty())
            date = value;
    }
    if (!seenGroup || path.isEmpty() || path.contains('\0'))
        return false;
    // Qt writes the path as it is, Wine and GLib percent-encoded: a '%' followed by two hex
    // digits is read as an escape only when the whole value decodes that way.
    QByteArray bytes = path;
    if (path.contains('%')) {
        bool escaped = true;
        for (int i = path.indexOf('%'); i >= 0 && escaped; i = path.indexOf('%', i + 1))
            escaped = i + 2 < path.size() && isxdigit(uchar(path[i + 1])) && isxdigit(uchar(path[i + 2]));
        if (escaped)
            bytes = QByteArray::fromPercentEncoding(path);
    }
    if (bytes.contains('\0'))
        return false;
    QString original = QFile::decodeName(bytes);
    if (!original.startsWith(QLatin1Char('/'))) {
        if (volumeRoot.isEmpty())
            return false; // the home trash holds absolute paths only
        original = volumeRoot + QLatin1Char('/') + original;
    }
    out->original = QDir::cleanPath(original);
    out->deleted = QDateTime::fromString(QString::fromLatin1(date), Qt::ISODate);
    return true;
}

bool ParseRecycleBinInfo(const QByteArray &data, Record *out)
{
    // version (8 bytes), size (8), deletion time as FILETIME (8); version 1: the path in 520
    // bytes (260 UTF-16 units); version 2: its length in units (4), then the path.
    if (data.size() < 24)
        return false;
    const auto *bytes = reinterpret_cast<const uchar *>(data.constData());
    const qint64 version = qFromLittleEndian<qint64>(bytes);
    const quint64 filetime = qFromLittleEndian<quint64>(bytes + 16);
    int offset = 24, units = 0;
    if (version == 1) {
        units = 260;
    } else if (version == 2) {
        if (data.size() < 28)
            return false;
        const quint32 n = qFromLittleEndian<quint32>(bytes + 24);
        if (n == 0 || n > 32768)
            return false;
        units = int(n);
        offset = 28;
    } else {
        return false;
    }
    if (data.size() < offset + 2 * units)
        units = (data.size() - offset) / 2;
    QString path;
    for (int i = 0; i < units; ++i) {
        const ushort unit = qFromLittleEndian<quint16>(bytes + offset + 2 * i);
        if (unit == 0)
            break;
        path += QChar(unit);
    }
    if (path.size() < 3 || path.at(1) != QLatin1Char(':'))
        return false;
    out->original = QDir::cleanPath(QDir::fromNativeSeparators(path));
    // FILETIME: 100-ns units since 1601-01-01 UTC.
    constexpr quint64 kEpochDifferenceMs = 11644473600000ull;
    const quint64 ms = filetime / 10000;
    out->deleted = ms > kEpochDifferenceMs ? QDateTime::fromMSecsSinceEpoch(qint64(ms - kEpochDifferenceMs), Qt::UTC)
                                           : QDateTime();
    return true;
}

MoveResult Move(const QString &nativePath)
{
    MoveResult result;
#ifndef Q_OS_WIN
    // Qt makes the home trash inside the data folder but not that folder itself: a user who
    // never had ~/.local/share would get no trash at all.
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (!dataHome.isEmpty() && !QFileInfo(dataHome).isDir())
        QDir().mkpath(dataHome);
#else
    // Wine's Recycle Bin is the Linux user's home trash; Wine makes the Trash folder itself but
    // not the data folder it lies in, so without ~/.local/share nothing could be recycled.
    if (underWine()) {
        const QString wine = wineHomeTrash();
        const QString dataHome = wine.isEmpty() ? QString() : QFileInfo(wine).path();
        if (!dataHome.isEmpty() && !QFileInfo(dataHome).isDir())
            QDir().mkpath(dataHome);
    }
#endif
    QFile file(nativePath);
    if (!file.moveToTrash()) {
        result.error = file.errorString();
        return result;
    }
    const QString inTrash = file.fileName();
    if (!inTrash.isEmpty() && !samePath(clean(inTrash), clean(nativePath), kPathCase)) {
        result.moved = true;
        result.trashPath = clean(inTrash);
        return result;
    }
    // The trash took it without saying where (Wine's Recycle Bin): its record tells.
    result.trashPath = Find(nativePath);
    result.moved = !result.trashPath.isEmpty();
    if (!result.moved)
        result.error = QStringLiteral("the trash kept no record of it");
    return result;
}

QString Find(const QString &originalNativePath)
{
    QString best;
    QDateTime bestTime;
    for (const TrashFolder &trash : trashFoldersFor(originalNativePath)) {
        const QString &folder = trash.path;
        if (trash.recycleBin) {
            const QDir dir(folder);
            for (const QString &name : dir.entryList({QStringLiteral("$I*")}, QDir::Files | QDir::Hidden | QDir::System)) {
                const QString item = folder + QStringLiteral("/$R") + name.mid(2);
                Record record;
                if (!ParseRecycleBinInfo(readRecord(folder + QLatin1Char('/') + name), &record)
                    || !recordNames(record, true, originalNativePath) || !QFileInfo::exists(item))
                    continue;
                if (best.isEmpty() || record.deleted > bestTime) {
                    best = item;
                    bestTime = record.deleted;
                }
            }
            continue;
        }
        QString volumeRoot;
        if (!isFreedesktopTrash(folder, &volumeRoot))
            continue;
        const QDir info(folder + QLatin1Char('/') + kInfo);
        for (const QString &name : info.entryList({QLatin1Char('*') + kInfoSuffix}, QDir::Files | QDir::Hidden)) {
            const QString item = folder + QLatin1Char('/') + kFiles + QLatin1Char('/') + name.chopped(kInfoSuffix.size());
            Record record;
            bool exists = false;
            PathType(item, &exists);
            if (!exists || !ParseTrashInfo(readRecord(info.filePath(name)), volumeRoot, &record)
                || !recordNames(record, false, originalNativePath))
                continue;
            if (best.isEmpty() || record.deleted > bestTime) {
                best = item;
                bestTime = record.deleted;
            }
        }
    }
    return best;
}

QString CheckItem(const QString &trashPath, const QString &originalNativePath)
{
    const QString item = clean(trashPath);
    QString recordPath, volumeRoot;
    bool recycleBin = false;
    if (item.isEmpty() || !QDir::isAbsolutePath(item) || !recordOf(item, &recordPath, &volumeRoot, &recycleBin))
        return QStringLiteral("not a place in a trash");
    // Only a trash that an item removed from that path can have gone to.
    const QString trashDir = recycleBin ? QFileInfo(item).path() : QFileInfo(QFileInfo(item).path()).path();
    bool known = false;
    for (const TrashFolder &trash : trashFoldersFor(originalNativePath))
        known = known || (trash.recycleBin == recycleBin && samePath(trash.path, trashDir, kPathCase));
    if (!known)
        return QStringLiteral("not a place in a trash");
    bool exists = false;
    PathType(item, &exists);
    if (!exists)
        return QStringLiteral("no longer in the trash");
    Record record;
    if (!readRecord(recordPath, volumeRoot, recycleBin, &record))
        return QStringLiteral("the trash has no record of it");
    if (!recordNames(record, recycleBin, originalNativePath))
        return QStringLiteral("the trash's record names another path (%1, not %2)")
            .arg(record.original, recycleBin ? clean(originalNativePath) : recordNameOf(originalNativePath));
    return QString();
}

PutBackResult PutBack(const QString &trashPath, const QString &originalNativePath, QString *error)
{
    const QString reason = CheckItem(trashPath, originalNativePath);
    if (!reason.isEmpty()) {
        *error = reason;
        return PutBackResult::NotInTrash;
    }
    const QString target = clean(originalNativePath);
    bool taken = false;
    PathType(target, &taken);
    if (taken) {
        *error = QStringLiteral("something exists there now");
        return PutBackResult::Taken;
    }
    const QString parent = QFileInfo(target).path();
    if (!QDir().mkpath(parent)) {
        *error = QStringLiteral("its folder could not be created");
        return PutBackResult::Failed;
    }
    // Never over anything: Qt renames without replacing (renameat2 with RENAME_NOREPLACE on
    // Linux, MoveFileEx without MOVEFILE_REPLACE_EXISTING on Windows).
    const QString item = clean(trashPath);
    QFile moved(item);
    if (!moved.rename(target)) {
        PathType(target, &taken);
        *error = taken ? QStringLiteral("something exists there now") : moved.errorString();
        return taken ? PutBackResult::Taken : PutBackResult::Failed;
    }
    QString recordPath, volumeRoot;
    bool recycleBin = false;
    if (recordOf(item, &recordPath, &volumeRoot, &recycleBin))
        QFile::remove(recordPath);
    return PutBackResult::Done;
}

} // namespace trash
