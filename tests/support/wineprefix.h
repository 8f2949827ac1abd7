#pragma once
// A throwaway Wine prefix for tests. Create it once per test executable (it takes several
// seconds); it lives in a temporary folder and is removed, after every Wine process in it has
// been stopped, when the object is destroyed.
//
// Create() also points this process's WINEPREFIX at it and sets WINEDEBUG=-all and
// WINEDLLOVERRIDES so that Wine neither asks for Mono or Gecko nor (unless SetMenuBuilder) writes desktop menu entries,
// and uses Wine's null graphics driver, so no window appears and no display is needed. The
// user folders of the prefix are plain folders, not links into the real home folder.
//
//   CTestWinePrefix prefix;
//   QString error;
//   QVERIFY2(prefix.Create(&error), qPrintable(error));
//   QVERIFY2(prefix.InstallSilently(installerPath, &error), qPrintable(error));
//   pw::CWinePlatform platform(prefix.HostOptions());
//
// SetMenuBuilder(true) before Create() lets Wine's menu builder run as it does for a user: it
// writes menu entries, icons and file associations into the user's XDG folders, so a test that
// does so points HOME (and XDG_DATA_HOME, XDG_CONFIG_HOME) at a temporary folder first.
//
// CTestWinePrefix(pw::WineArch::Win32) makes a 32-bit prefix (WINEARCH=win32) instead, run with
// Wine's 32-bit loader; it can only be made where CTestMachine::Runs32BitPrograms() says so.
#include "platform/wine/winehost.h"

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class CTestWinePrefix {
public:
    explicit CTestWinePrefix(pw::WineArch arch = pw::WineArch::Win64);
    ~CTestWinePrefix();
    CTestWinePrefix(const CTestWinePrefix &) = delete;
    CTestWinePrefix &operator=(const CTestWinePrefix &) = delete;

    bool Create(QString *error);
    void SetMenuBuilder(bool enabled) { m_menuBuilder = enabled; }
    bool IsCreated() const { return m_created; }
    pw::WineArch Arch() const { return m_arch; }
    // The loader that runs the prefix's programs: pw::Wine64Loader("wine") for a 64-bit prefix,
    // pw::Wine32Loader("wine") for a 32-bit one (empty when Wine has no 32-bit half).
    QString Loader() const;
    // The switch that names the prefix's registry view to Wine's reg: "/reg:64", or "/reg:32" in
    // a 32-bit prefix, which has no other.
    QString RegView() const;

    // The prefix folder, and its C: drive.
    QString Path() const;
    QString DriveC() const;
    // Native path of a path below C:, e.g. DrivePath("Program Files/App") (as spelled on disk).
    QString DrivePath(const QString &relative) const;

    // Runs `wine program arguments...` in the prefix with its loader (Loader(): in a 64-bit
    // prefix the 64-bit one, so "reg" and "regedit" act on the 64-bit view unless told /reg:32)
    // and waits for it (at most timeoutMs). Returns its exit code, or -1 when it could not run or
    // did not end in time.
    int RunWine(const QString &program, const QStringList &arguments = QStringList(), QString *output = nullptr,
                int timeoutMs = 300000) const;
    // Runs an installer silently (NSIS: /S) and waits for it to end.
    bool InstallSilently(const QString &installer, QString *error) const;
    // Waits until the prefix's wineserver has ended and written the registry to its files.
    // Only useful while no Wine program (no host) runs in the prefix: it waits for all of them.
    bool WaitForServer() const;
    // Ends every Wine process in the prefix and waits for its wineserver to end.
    void StopServer() const;

    // Options for a Wine client (CWineHost, CWinePlatform) on this prefix.
    pw::CWineHost::Options HostOptions() const;
    QProcessEnvironment Environment() const;

    // Where the build put purgewell-host.exe, purgewell-host32.exe and the Windows test helpers.
    static QString HostExe();
    static QString HostExe32();
    static QString WindowsHelperDir();

private:
    QTemporaryDir m_dir;
    pw::WineArch m_arch;
    bool m_created = false;
    bool m_menuBuilder = false;
};
