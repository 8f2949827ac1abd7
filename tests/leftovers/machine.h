#pragma once
// A small Windows machine for leftover tests: drive C: is a temporary folder, the special
// folders are the usual ones of a user "Ann", and the registry is the fake one. Programs are
// registered and "uninstalled" the way installers do it.
#include "inventory/appenum.h"
#include "platform/fake/fakeplatform.h"
#include "leftovers/folderlister.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QPair>
#include <QString>
#include <QTemporaryDir>

namespace test {

const std::string kUninstall = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
const std::string kMuiCache = "Local Settings\\Software\\Microsoft\\Windows\\Shell\\MuiCache";

const QString kRoaming = QStringLiteral("C:\\Users\\Ann\\AppData\\Roaming");
const QString kProgramData = QStringLiteral("C:\\ProgramData");
const QString kStartMenu = QStringLiteral("C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs");
const QString kDesktop = QStringLiteral("C:\\Users\\Public\\Desktop");

using Values = QList<QPair<QByteArray, QByteArray>>;

class Machine {
public:
    // `driveBelow`: where in the temporary folder drive C: lies (a Wine prefix's "drive_c").
    explicit Machine(const QString &driveBelow = QStringLiteral("drive_c"), const QString &user = QStringLiteral("Ann"))
    {
        root = QDir(tmp.path()).canonicalPath() + QLatin1Char('/') + driveBelow;
        QDir().mkpath(root);
        fake.folders.SetDrive('C', root.toStdString());
        const QString profile = QStringLiteral("C:\\Users\\") + user;
        roaming = profile + QStringLiteral("\\AppData\\Roaming");
        setFolder(pw::kCsidlAppData, roaming);
        setFolder(pw::kCsidlCommonPrograms, kStartMenu);
        setFolder(pw::kCsidlCommonDesktop, kDesktop);
        setFolder(0x16, QStringLiteral("C:\\ProgramData\\Microsoft\\Windows\\Start Menu"));
        setFolder(0x23, kProgramData);
        setFolder(0x24, QStringLiteral("C:\\Windows"));
        setFolder(0x26, QStringLiteral("C:\\Program Files"));
        setFolder(0x2a, QStringLiteral("C:\\Program Files (x86)"));
        setFolder(0x28, profile);
        setFolder(0x1c, profile + QStringLiteral("\\AppData\\Local"));
        setFolder(0x10, profile + QStringLiteral("\\Desktop"));
        setFolder(0x02, roaming + QStringLiteral("\\Microsoft\\Windows\\Start Menu\\Programs"));
        for (const QString &f : {roaming, kStartMenu, kDesktop, QStringLiteral("C:\\Windows\\System32"),
                                 QStringLiteral("C:\\Program Files"), profile + QStringLiteral("\\AppData\\Local")})
            folder(f);
    }

    QString native(const QString &windowsPath) const
    {
        return QString::fromStdString(fake.folders.ToNativePath(windowsPath.toStdString()));
    }
    void folder(const QString &windowsPath) const { QDir().mkpath(native(windowsPath)); }
    void file(const QString &windowsPath, const QByteArray &content = "x") const
    {
        const QString n = native(windowsPath);
        QDir().mkpath(QFileInfo(n).absolutePath());
        QFile f(n);
        if (f.open(QIODevice::WriteOnly))
            f.write(content);
    }
    void readOnly(const QString &windowsPath) const
    {
        QFile::setPermissions(native(windowsPath), QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    }
    // A symbolic link at `windowsPath` to `targetWindowsPath`.
    bool link(const QString &targetWindowsPath, const QString &windowsPath) const
    {
        QDir().mkpath(QFileInfo(native(windowsPath)).absolutePath());
        return QFile::link(native(targetWindowsPath), native(windowsPath));
    }
    // Also true for a link whose target is gone.
    bool exists(const QString &windowsPath) const
    {
        bool found = false;
        PathType(native(windowsPath), &found);
        return found;
    }

    // Registers a program: DisplayName and UninstallString first, then `extra`.
    void entry(const QByteArray &subKey, const QByteArray &name, const QByteArray &uninstall, const Values &extra = {},
               pw::RegRoot root = pw::RegRoot::LocalMachine,
               pw::CFakeRegistry::View view = pw::CFakeRegistry::View64)
    {
        const std::string key = kUninstall + subKey.toStdString();
        fake.registry.SetString(root, view, key, "DisplayName", name.toStdString());
        fake.registry.SetString(root, view, key, "UninstallString", uninstall.toStdString());
        for (const auto &v : extra)
            fake.registry.SetString(root, view, key, v.first.toStdString(), v.second.toStdString());
    }
    // The record as the program list read it before the uninstall.
    InstalledProgram record(const QByteArray &subKey, pw::RegRoot root = pw::RegRoot::LocalMachine,
                            uint32_t view = pw::kKeyWow64_64Key)
    {
        CAppEnum inventory(&fake.registry, &fake.system);
        inventory.EnumPrograms();
        for (const InstalledProgram &p : inventory.GetPrograms())
            if (QByteArray(p.SubKeyName) == subKey && p.RegistryRoot == uint32_t(root) && p.RegistryView == view)
                return p;
        return InstalledProgram();
    }
    // What an uninstaller does to its entry.
    void removeEntry(const QByteArray &subKey, pw::RegRoot root = pw::RegRoot::LocalMachine,
                     uint32_t view = pw::kKeyWow64_64Key)
    {
        fake.registry.DeleteKeyEx(pw::RootKey(root), kUninstall + subKey.toStdString(), view);
    }
    bool hasEntry(const QByteArray &subKey, pw::RegRoot root = pw::RegRoot::LocalMachine,
                  pw::CFakeRegistry::View view = pw::CFakeRegistry::View64) const
    {
        return fake.registry.HasKey(root, view, kUninstall + subKey.toStdString());
    }
    // A MuiCache name under HKEY_CLASSES_ROOT, or where Windows and Wine store it: in the
    // user's own classes.
    void muiCache(const QByteArray &valueName, bool perUser = false)
    {
        fake.registry.SetString(perUser ? pw::RegRoot::CurrentUser : pw::RegRoot::ClassesRoot,
                                pw::CFakeRegistry::View64, muiCacheKey(perUser), valueName.toStdString(), "x");
    }
    bool hasMuiCache(const QByteArray &valueName, bool perUser = false) const
    {
        return fake.registry.HasValue(perUser ? pw::RegRoot::CurrentUser : pw::RegRoot::ClassesRoot,
                                      pw::CFakeRegistry::View64, muiCacheKey(perUser), valueName.toStdString());
    }
    static std::string muiCacheKey(bool perUser) { return perUser ? "Software\\Classes\\" + kMuiCache : kMuiCache; }

    QTemporaryDir tmp;
    mutable pw::CFakePlatform fake;
    QString root;
    QString roaming;

private:
    void setFolder(int csidl, const QString &path) { fake.folders.SetFolder(csidl, path.toStdString()); }
};

// HOME in a temporary folder (and XDG_DATA_HOME unset) while it lives: the desktop's trash is
// then $HOME/.local/share/Trash for every file of a test machine, which lies in the temporary
// folder too (Qt picks the home trash for a file on the home folder's file system).
class TemporaryHome {
public:
    TemporaryHome() : m_home(qgetenv("HOME")), m_dataHome(qgetenv("XDG_DATA_HOME"))
    {
        qputenv("HOME", QDir(dir.path()).canonicalPath().toLocal8Bit());
        qunsetenv("XDG_DATA_HOME");
    }
    ~TemporaryHome()
    {
        qputenv("HOME", m_home);
        if (!m_dataHome.isEmpty())
            qputenv("XDG_DATA_HOME", m_dataHome);
    }
    QString path() const { return QDir(dir.path()).canonicalPath(); }
    QString trash() const { return path() + QStringLiteral("/.local/share/Trash"); }

    QTemporaryDir dir;

private:
    QByteArray m_home;
    QByteArray m_dataHome;
};

} // namespace test
