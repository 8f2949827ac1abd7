#include "platform/wine/winefolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <utility>
#include <vector>

namespace pw {

namespace {

// The drives of the prefix: letter and the folder its link leads to.
std::vector<std::pair<QChar, QString>> drives(const QString &prefix)
{
    std::vector<std::pair<QChar, QString>> out;
    const QDir devices(prefix + QStringLiteral("/dosdevices"));
    const QStringList names = devices.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &name : names) {
        if (name.size() != 2 || name.at(1) != QLatin1Char(':') || !name.at(0).isLetter())
            continue;
        const QString target = QFileInfo(devices.filePath(name)).canonicalFilePath();
        if (!target.isEmpty())
            out.emplace_back(name.at(0).toUpper(), target);
    }
    return out;
}

// The entry of `folder` named `name` ignoring case; the exact spelling wins.
QString findEntry(const QString &folder, const QString &name)
{
    const QString exact = folder + QLatin1Char('/') + name;
    const QFileInfo info(exact);
    if (info.exists() || info.isSymLink())
        return name;
    const QStringList entries =
        QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    return QString();
}

// Splits into names, dropping "." and resolving ".." without going above the start.
QStringList normalised(const QStringList &parts)
{
    QStringList out;
    for (const QString &part : parts) {
        if (part.isEmpty() || part == QLatin1String("."))
            continue;
        if (part == QLatin1String("..")) {
            if (!out.isEmpty())
                out.removeLast();
            continue;
        }
        out.append(part);
    }
    return out;
}

// The user's own folder below the prefix's users/ folder: the one named like the user of this
// machine (Wine names it so), else the only one besides Public; empty when there is none.
QString profileName(const QString &prefix)
{
    const QDir users(prefix + QStringLiteral("/drive_c/users"));
    const QStringList names = users.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    const QString me = qEnvironmentVariable("USER");
    QStringList own;
    for (const QString &name : names) {
        if (name.compare(QLatin1String("Public"), Qt::CaseInsensitive) == 0)
            continue;
        if (!me.isEmpty() && name == me)
            return name;
        own.append(name);
    }
    return own.size() == 1 ? own.first() : QString();
}

// Where Wine puts a special folder in a prefix it made (Windows' own layout since Vista), for
// a prefix that is only read: the folders that name the user need the user's folder.
std::string offlineFolder(const QString &prefix, int csidl)
{
    enum Kind { Fixed, User };
    struct Folder {
        int csidl;
        Kind kind;
        const char *path; // below C:\ (Fixed) or below the user's folder (User)
    };
    static const Folder table[] = {
        {kCsidlAppData, User, "AppData\\Roaming"},
        {28, User, "AppData\\Local"},       // CSIDL_LOCAL_APPDATA
        {40, User, ""},                       // CSIDL_PROFILE
        {5, User, "Documents"},               // CSIDL_PERSONAL
        {16, User, "Desktop"},                // CSIDL_DESKTOPDIRECTORY
        {2, User, "AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs"}, // CSIDL_PROGRAMS
        {kCsidlCommonPrograms, Fixed, "ProgramData\\Microsoft\\Windows\\Start Menu\\Programs"},
        {kCsidlCommonDesktop, Fixed, "users\\Public\\Desktop"},
        {35, Fixed, "ProgramData"},           // CSIDL_COMMON_APPDATA
        {36, Fixed, "windows"},               // CSIDL_WINDOWS
        {37, Fixed, "windows\\system32"},     // CSIDL_SYSTEM
        {38, Fixed, "Program Files"},         // CSIDL_PROGRAM_FILES
        {42, Fixed, "Program Files (x86)"},   // CSIDL_PROGRAM_FILESX86
        {43, Fixed, "Program Files\\Common Files"}, // CSIDL_PROGRAM_FILES_COMMON
    };
    for (const Folder &f : table) {
        if (f.csidl != csidl)
            continue;
        if (f.kind == Fixed)
            return std::string("C:\\") + f.path;
        const QString user = profileName(prefix);
        if (user.isEmpty())
            return std::string();
        std::string path = "C:\\users\\" + user.toStdString();
        if (*f.path)
            path += std::string("\\") + f.path;
        return path;
    }
    return std::string();
}

} // namespace

WinError CWineFolders::SpecialFolder(int csidl, std::string *windowsPath)
{
    if (!windowsPath)
        return kErrorInvalidParameter;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        auto it = m_folders.find(csidl);
        if (it != m_folders.end()) {
            *windowsPath = it->second;
            return kErrorSuccess;
        }
    }
    const CWineHost::Options options = m_host.GetOptions();
    if (options.readOnly) {
        // Nothing runs in the prefix: the folder is where Wine makes it.
        *windowsPath = offlineFolder(QFile::decodeName(options.prefix.c_str()), csidl);
        return windowsPath->empty() ? kErrorFileNotFound : kErrorSuccess;
    }
    hostproto::Writer args;
    args.U32(uint32_t(csidl));
    std::string path;
    const WinError result = m_host.CallForText(hostproto::kSpecialFolder, args, &path);
    if (result != kErrorSuccess)
        return result;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_folders[csidl] = path;
    *windowsPath = path;
    return kErrorSuccess;
}

std::string CWineFolders::ToNativePath(const std::string &windowsPath)
{
    QString path = QString::fromLocal8Bit(windowsPath.c_str(), int(windowsPath.size()));
    path.replace(QLatin1Char('/'), QLatin1Char('\\'));
    if (path.size() < 2 || path.at(1) != QLatin1Char(':') || !path.at(0).isLetter())
        return std::string(); // relative, UNC or device paths have no counterpart here
    if (path.size() > 2 && path.at(2) != QLatin1Char('\\'))
        return std::string(); // "C:name" is relative to a current folder
    const QString link =
        QString::fromLocal8Bit(m_host.GetOptions().prefix.c_str()) + QStringLiteral("/dosdevices/") + path.at(0).toLower() + QLatin1Char(':');
    const QString root = QFileInfo(link).canonicalFilePath();
    if (root.isEmpty())
        return std::string();

    const QString rest = path.mid(2);
    const bool trailing = rest.endsWith(QLatin1Char('\\'));
    const QStringList parts = normalised(rest.split(QLatin1Char('\\')));
    QString native = root == QLatin1String("/") ? QString() : root;
    bool existing = true;
    for (const QString &part : parts) {
        if (existing) {
            const QString found = findEntry(native.isEmpty() ? QStringLiteral("/") : native, part);
            if (found.isEmpty())
                existing = false;
            native += QLatin1Char('/') + (found.isEmpty() ? part : found);
        } else {
            native += QLatin1Char('/') + part;
        }
    }
    if (parts.isEmpty() || trailing)
        native += QLatin1Char('/');
    return native.toLocal8Bit().toStdString();
}

std::string CWineFolders::ToWindowsPath(const std::string &nativePath)
{
    const QString native = QDir::cleanPath(QString::fromLocal8Bit(nativePath.c_str(), int(nativePath.size())));
    if (!native.startsWith(QLatin1Char('/')))
        return std::string();
    const bool trailing = nativePath.size() > 1 && nativePath.back() == '/';
    // The drive with the longest root that holds the path: C: before Z: (which is "/").
    QChar letter;
    QString root;
    for (const auto &drive : drives(QString::fromLocal8Bit(m_host.GetOptions().prefix.c_str()))) {
        const QString &r = drive.second;
        const bool holds = native == r || r == QLatin1String("/") || native.startsWith(r + QLatin1Char('/'));
        if (holds && r.size() > root.size()) {
            letter = drive.first;
            root = r;
        }
    }
    if (root.isEmpty())
        return std::string();
    QString rest = root == QLatin1String("/") ? native : native.mid(root.size());
    rest.replace(QLatin1Char('/'), QLatin1Char('\\'));
    if (rest.isEmpty())
        rest = QStringLiteral("\\");
    else if (trailing && !rest.endsWith(QLatin1Char('\\')))
        rest += QLatin1Char('\\');
    return (QString(letter) + QLatin1Char(':') + rest).toLocal8Bit().toStdString();
}

WinError CWineFolders::ShortcutTarget(const std::string &windowsLinkPath, std::string *windowsTarget)
{
    if (!windowsTarget)
        return kErrorInvalidParameter;
    windowsTarget->clear();
    hostproto::Writer args;
    args.Str(windowsLinkPath);
    return m_host.CallForText(hostproto::kShortcutTarget, args, windowsTarget);
}

} // namespace pw
