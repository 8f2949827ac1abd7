#pragma once
// The machine that the tests labelled "wine" install programs on and change for real, and the
// real backend on it:
//  - in the Linux build, a throwaway Wine prefix (CTestWinePrefix) reached through
//    purgewell-host.exe (CWinePlatform);
//  - in the Windows build, the machine the test runs on, through the Win32 backend in this very
//    process. That machine must be a throwaway one: the Windows build's test runner gives every
//    test a fresh Wine prefix and says so in PURGEWELL_THROWAWAY_MACHINE; anywhere else Create()
//    refuses, so the tests never install or remove programs on somebody's computer.
//
//   CTestMachine machine;
//   QString error;
//   QVERIFY2(machine.Create(&error), qPrintable(error));
//   QVERIFY2(machine.InstallSilently(installerPath, &error), qPrintable(error));
//   pw::Platform platform = machine.Backend();
#include "platform/platform.h"

#include <QString>
#include <QStringList>

#include <memory>

#ifndef Q_OS_WIN
#include "platform/wine/wineplatform.h"
#include "support/wineprefix.h"
#endif

class CTestMachine {
public:
    CTestMachine();
    ~CTestMachine();
    CTestMachine(const CTestMachine &) = delete;
    CTestMachine &operator=(const CTestMachine &) = delete;

    // Makes the machine ready (Linux: creates the prefix, which takes several seconds) and its
    // backend. Also makes it the machine that SelectDefaultPlatform() picks.
    bool Create(QString *error);
    // The real backend on this machine; every member is set once Create() succeeded.
    pw::Platform Backend() const;

    // Native path of the C: drive and of a path below it ("Program Files/App").
    QString DriveC() const;
    QString DrivePath(const QString &relative) const;

    // Runs a Windows program on the machine and waits for it (at most timeoutMs). Returns its
    // exit code, or -1 when it could not run or did not end in time.
    int Run(const QString &program, const QStringList &arguments = QStringList(), QString *output = nullptr,
            int timeoutMs = 300000) const;
    // Runs an installer silently (NSIS: /S) and waits for it to end.
    bool InstallSilently(const QString &installer, QString *error) const;

    // The folder holding the Windows test helper programs (pwtesthelper.exe).
    static QString WindowsHelperDir();

    // Whether this machine runs 32-bit Windows programs; when it does not, *reason says why, for
    // the QSKIP of every test that needs them. The Linux build tries Wine's 32-bit loader
    // (pw::Wine32Loader) once: it is missing without Wine's 32-bit half, and a kernel without
    // its 32-bit emulation cannot execute it. The Windows build starts a 32-bit program once.
    // The answer is kept for the rest of the test program.
    static bool Runs32BitPrograms(QString *reason);

#ifndef Q_OS_WIN
    // What only the Linux build has: the prefix and the client of the host in it.
    CTestWinePrefix &Prefix() { return m_prefix; }
    pw::CWinePlatform &Wine() { return *m_wine; }
#endif

private:
#ifdef Q_OS_WIN
    struct Win32;
    std::unique_ptr<Win32> m_win32;
#else
    CTestWinePrefix m_prefix;
    std::unique_ptr<pw::CWinePlatform> m_wine;
#endif
};
