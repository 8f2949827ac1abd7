#include "platform/wine/winefolders.h"

#include <QDir>
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
    hostproto::Writer args;
    args.U32(uint32_t(csidl));
    std::string reply;
    const WinError sent = m_host.Call(hostproto::kSpecialFolder, args, &reply);
    if (sent != kErrorSuccess)
        return sent;
    hostproto::Reader r(reply);
    const WinError result = WinError(r.U32());
    const std::string path = r.Str();
    if (!r.Ok())
        return kErrorBackendUnavailable;
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
    std::string reply;
    const WinError sent = m_host.Call(hostproto::kShortcutTarget, args, &reply);
    if (sent != kErrorSuccess)
        return sent;
    hostproto::Reader r(reply);
    const WinError result = WinError(r.U32());
    const std::string path = r.Str();
    if (!r.Ok())
        return kErrorBackendUnavailable;
    if (result == kErrorSuccess)
        *windowsTarget = path;
    return result;
}

} // namespace pw
