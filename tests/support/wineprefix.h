#pragma once
// A throwaway Wine prefix for tests. Create it once per test executable (it takes several
// seconds); it lives in a temporary folder and is removed, after every Wine process in it has
// been stopped, when the object is destroyed.
//
// Create() also points this process's WINEPREFIX at it and sets WINEDEBUG=-all and
// WINEDLLOVERRIDES so that Wine neither asks for Mono or Gecko nor writes desktop menu entries,
// and uses Wine's null graphics driver, so no window appears and no display is needed. The
// user folders of the prefix are plain folders, not links into the real home folder.
//
//   CTestWinePrefix prefix;
//   QString error;
//   QVERIFY2(prefix.Create(&error), qPrintable(error));
//   QVERIFY2(prefix.InstallSilently(installerPath, &error), qPrintable(error));
//   pw::CWinePlatform platform(prefix.HostOptions());
#include "platform/wine/winehost.h"

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class CTestWinePrefix {
public:
    CTestWinePrefix();
    ~CTestWinePrefix();
    CTestWinePrefix(const CTestWinePrefix &) = delete;
    CTestWinePrefix &operator=(const CTestWinePrefix &) = delete;

    bool Create(QString *error);
    bool IsCreated() const { return m_created; }

    // The prefix folder, and its C: drive.
    QString Path() const;
    QString DriveC() const;
    // Native path of a path below C:, e.g. DrivePath("Program Files/App") (as spelled on disk).
    QString DrivePath(const QString &relative) const;

    // Runs `wine program arguments...` in the prefix with the 64-bit loader (pw::Wine64Loader;
    // so "reg" acts on the 64-bit view unless told /reg:32) and waits for it (at most timeoutMs).
    // Returns its exit code, or -1 when it could not run or did not end in time.
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

    // Where the build put purgewell-host.exe and the Windows test helpers.
    static QString HostExe();
    static QString WindowsHelperDir();

private:
    QTemporaryDir m_dir;
    bool m_created = false;
};
