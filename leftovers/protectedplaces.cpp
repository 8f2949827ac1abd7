#include "leftovers/protectedplaces.h"

#include "leftovers/windowspath.h"

#include <QStringList>

namespace {

// Special folders that are shared places (CSIDL values).
const int kSharedFolders[] = {
    0x02, // Programs (per user)
    0x05, // Documents
    0x06, // Favorites
    0x07, // Startup
    0x08, // Recent
    0x09, // SendTo
    0x0b, // Start menu
    0x0d, // Music
    0x0e, // Videos
    0x10, // Desktop (per user)
    0x14, // Fonts
    0x15, // Templates
    0x16, // Start menu (all users)
    0x17, // Programs (all users)
    0x18, // Startup (all users)
    0x19, // Desktop (all users)
    0x1a, // AppData (Roaming)
    0x1c, // Local AppData
    0x1f, // Favorites (all users)
    0x20, // Internet cache
    0x21, // Cookies
    0x22, // History
    0x23, // ProgramData
    0x26, // Program Files
    0x27, // Pictures
    0x28, // user profile
    0x2a, // Program Files (x86)
    0x2b, // Common Files
    0x2c, // Common Files (x86)
    0x2d, // Templates (all users)
    0x2e, // Documents (all users)
};

// The Windows and system folders: nothing inside them is a leftover.
const int kSystemFolders[] = {0x24, 0x25, 0x29};

// Shared folders by their usual names, on any drive, for any user ("*" is any one name).
// Folders above each of them are protected too.
const char *const kUsualPlaces[] = {
    "program files\\common files",
    "program files (x86)\\common files",
    "programdata\\microsoft\\windows\\start menu\\programs\\startup",
    "programdata\\microsoft\\windows\\templates",
    "users\\*\\appdata\\roaming\\microsoft\\windows\\start menu\\programs\\startup",
    "users\\*\\appdata\\roaming\\microsoft\\windows\\templates",
    "users\\*\\appdata\\local\\temp",
    "users\\*\\appdata\\locallow",
    "users\\*\\desktop",
    "users\\*\\documents",
    "users\\*\\downloads",
    "users\\*\\favorites",
    "users\\*\\music",
    "users\\*\\pictures",
    "users\\*\\videos",
    "users\\*\\saved games",
    "users\\*\\links",
    "users\\*\\contacts",
    "users\\*\\searches",
    "documents and settings\\*\\application data",
    "documents and settings\\*\\local settings\\application data",
    "documents and settings\\*\\local settings\\temp",
    "documents and settings\\*\\desktop",
    "documents and settings\\*\\start menu\\programs\\startup",
    "documents and settings\\*\\my documents",
};

bool matchesUsual(const QStringList &names)
{
    for (const char *place : kUsualPlaces) {
        const QStringList pattern = QString::fromLatin1(place).split(QLatin1Char('\\'));
        if (names.size() > pattern.size())
            continue;
        bool same = true;
        for (int i = 0; i < names.size() && same; ++i)
            same = pattern[i] == QLatin1String("*") || names[i].compare(pattern[i], Qt::CaseInsensitive) == 0;
        if (same)
            return true; // the place itself or a folder above it
    }
    return false;
}

} // namespace

CProtectedPlaces::CProtectedPlaces(pw::ISpecialFolders *folders)
{
    if (!folders)
        return;
    for (int csidl : kSharedFolders) {
        std::string path;
        if (folders->SpecialFolder(csidl, &path) == pw::kErrorSuccess)
            Add(QString::fromLocal8Bit(path.c_str()));
    }
    for (int csidl : kSystemFolders) {
        std::string path;
        if (folders->SpecialFolder(csidl, &path) != pw::kErrorSuccess)
            continue;
        const QString system = winpath::Normalize(QString::fromLocal8Bit(path.c_str()));
        if (!system.isEmpty())
            m_systems.append(system);
    }
}

void CProtectedPlaces::Add(const QString &windowsPath)
{
    const QString place = winpath::Normalize(windowsPath);
    if (!place.isEmpty() && !m_places.contains(place))
        m_places.append(place);
}

QString CProtectedPlaces::Reason(const QString &windowsPath) const
{
    const QString path = winpath::Normalize(windowsPath);
    if (path.isEmpty())
        return QStringLiteral("not a plain absolute path");
    const QStringList names = winpath::Components(path);
    if (names.isEmpty())
        return QStringLiteral("drive root");
    if (names.first().compare(QLatin1String("Windows"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("system folder");
    for (const QString &system : m_systems)
        if (winpath::IsSameOrInside(path, system))
            return QStringLiteral("system folder");
    for (const QString &place : m_places)
        if (winpath::IsSameOrInside(place, path))
            return QStringLiteral("shared folder");
    if (matchesUsual(names))
        return QStringLiteral("shared folder");
    return QString();
}
