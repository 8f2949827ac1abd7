// Special folders, system facts, the crash filter and the single-instance mutex of the Win32
// backend on a real machine; in the Linux build also the errors of a prefix that cannot be used.
#include "support/testmachine.h"

#include <QtTest>

#include <memory>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <unistd.h>
#endif

using namespace pw;

class TestWineSystem : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QString error;
        QVERIFY2(m_machine.Create(&error), qPrintable(error));
        m_platform = m_machine.Backend();
    }

    void specialFolders_data()
    {
        QTest::addColumn<int>("csidl");
        QTest::addColumn<QString>("ending");
        QTest::newRow("roaming application data") << kCsidlAppData << QStringLiteral("\\AppData\\Roaming");
        QTest::newRow("all-users Start menu programs") << kCsidlCommonPrograms << QStringLiteral("\\Start Menu\\Programs");
        QTest::newRow("all-users desktop") << kCsidlCommonDesktop << QStringLiteral("\\Public\\Desktop");
    }
    void specialFolders()
    {
        QFETCH(int, csidl);
        QFETCH(QString, ending);
        std::string windows;
        QCOMPARE(m_platform.folders->SpecialFolder(csidl, &windows), kErrorSuccess);
        const QString path = QString::fromStdString(windows);
        QVERIFY2(path.startsWith(QLatin1String("C:\\")) && path.endsWith(ending), qPrintable(path));
        const QString native = QString::fromStdString(m_platform.folders->ToNativePath(windows));
        QVERIFY2(QDir::fromNativeSeparators(native).startsWith(m_machine.DriveC() + QLatin1Char('/')), qPrintable(native));
        QVERIFY2(QFileInfo(native).isDir(), qPrintable(native));
        QCOMPARE(QString::fromStdString(m_platform.folders->ToWindowsPath(native.toStdString())), path);
    }

#ifndef Q_OS_WIN
    // A prefix's drive is a Linux folder whose names have one case of their own.
    void nativePathsIgnoreCase()
    {
        const std::string native = m_platform.folders->ToNativePath("c:\\PROGRAM FILES\\common files\\");
        QCOMPARE(QString::fromStdString(native), m_machine.DrivePath(QStringLiteral("Program Files/Common Files/")));
        QVERIFY(QFileInfo(QString::fromStdString(native)).isDir());
    }
#endif

    void systemInfo()
    {
        QCOMPARE(m_platform.system->NativeArchitecture(), kArchitectureAmd64);
        QVERIFY(m_platform.system->Kernel32Version() > 0x0009FFFFu); // Windows 10 or later
    }

    void crashFilter_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<uint32_t>("events");
        QTest::newRow("access violation: crash event") << QStringLiteral("access") << 1u;
        QTest::newRow("0xE0000001: memory-crash event only") << QStringLiteral("memory") << 2u;
    }
    // A crashing program signals its event and leaves vdxskdump0.dmp beside itself.
    void crashFilter()
    {
        QFETCH(QString, kind);
        QFETCH(uint32_t, events);
        const QString folder = QStringLiteral("crash-") + kind;
        QVERIFY(QDir().mkpath(m_machine.DrivePath(folder)));
        QVERIFY(QFile::copy(CTestMachine::WindowsHelperDir() + QStringLiteral("/pwtesthelper.exe"),
                            m_machine.DrivePath(folder + QStringLiteral("/pwtesthelper.exe"))));
        const std::string command =
            ("\"C:\\" + folder + "\\pwtesthelper.exe\" watchcrash " + kind).toStdString();
        const IProcessRunner::Result r = m_platform.processes->Run(command, 0, true);
        QCOMPARE(r.startError, kErrorSuccess);
        QCOMPARE(r.exitCode, events);
        QFile dump(m_machine.DrivePath(folder + QStringLiteral("/vdxskdump0.dmp")));
        QVERIFY2(dump.open(QIODevice::ReadOnly), qPrintable(dump.fileName()));
        QCOMPARE(dump.read(4), QByteArray("MDMP"));
        QVERIFY(dump.size() > 1000);
    }

    // The first instance holds the mutex with a minimised window; a second one is refused and
    // restores that window.
    void namedMutexRefusesSecondOwner()
    {
        const QString target = m_machine.DrivePath(QStringLiteral("single/pwtesthelper.exe"));
        QVERIFY(QDir().mkpath(QFileInfo(target).path()));
        QVERIFY(QFile::copy(CTestMachine::WindowsHelperDir() + QStringLiteral("/pwtesthelper.exe"), target));
        const IProcessRunner::Result r = m_platform.processes->Run("C:\\single\\pwtesthelper.exe single", 0, true);
        QCOMPARE(r.startError, kErrorSuccess);
        QCOMPARE(r.exitCode, 0u); // 1: second instance let in, 3: window left minimised
    }

#ifdef Q_OS_WIN
    // Links and the help page open through the shell: here a command file that leaves a mark.
    void openUrlGoesThroughTheShell()
    {
        const QString folder = m_machine.DrivePath(QStringLiteral("shellopen"));
        QVERIFY(QDir().mkpath(folder));
        QFile script(folder + QStringLiteral("/mark.cmd"));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("@echo opened> C:\\shellopen\\mark.txt\r\n");
        script.close();
        QVERIFY(m_platform.desktop->OpenUrl("C:\\shellopen\\mark.cmd"));
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(folder + QStringLiteral("/mark.txt")), 60000);
        QVERIFY(!m_platform.desktop->OpenUrl("C:\\shellopen\\missing.cmd"));
    }

    // The blur behind the main window: the Windows 10 function, looked up at run time as
    // kernel32 reports 10.0 here, on a real window; nothing without one.
    void blurOnARealWindow()
    {
        QVERIFY(m_platform.system->Kernel32Version() > 0x0009FFFFu);
        QVERIFY(!m_platform.desktop->EnableBlur(nullptr, true));
        HWND window = CreateWindowExW(0, L"STATIC", L"blur", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                                      GetModuleHandleW(nullptr), nullptr);
        QVERIFY(window);
        const bool available = GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetWindowCompositionAttribute");
        const bool on = m_platform.desktop->EnableBlur(window, true);
        const bool off = m_platform.desktop->EnableBlur(window, false);
        DestroyWindow(window);
        QVERIFY(available || (!on && !off)); // without the function nothing can succeed
    }
#endif

#ifndef Q_OS_WIN
    // A prefix that does not exist yet is made, as Wine makes one on first use.
    void missingPrefixIsCreated()
    {
        QTemporaryDir dir;
        CWineHost::Options options = m_machine.Prefix().HostOptions();
        options.prefix = (dir.path() + QStringLiteral("/new prefix")).toStdString();
        {
            CWinePlatform fresh(options);
            std::string error;
            QVERIFY2(fresh.host.Start(&error), error.c_str());
            QVERIFY(QFileInfo(dir.path() + QStringLiteral("/new prefix/drive_c/windows")).isDir());
            RegKey key = 0;
            QCOMPARE(fresh.registry.OpenKey(RootKey(RegRoot::LocalMachine), "Software\\Microsoft", kKeyRead, &key),
                     kErrorSuccess);
            fresh.registry.CloseKey(key);
        }
        QProcess stop;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("WINEPREFIX"), QString::fromStdString(options.prefix));
        stop.setProcessEnvironment(env);
        stop.start(QStringLiteral("wineserver"), {QStringLiteral("-k")});
        QVERIFY(stop.waitForFinished(60000));
    }

    void unusablePrefix_data()
    {
        QTest::addColumn<QString>("problem");
        QTest::addColumn<QString>("message");
        QTest::newRow("prefix is a file") << QStringLiteral("file") << QStringLiteral("is not a folder");
        QTest::newRow("relative prefix") << QStringLiteral("relative") << QStringLiteral("must be an absolute path");
        QTest::newRow("no Wine") << QStringLiteral("nowine") << QStringLiteral("Wine was not found");
        QTest::newRow("no host program") << QStringLiteral("nohost") << QStringLiteral("purgewell-host.exe was not found");
        // Wine itself refuses it: its own words reach the user.
        QTest::newRow("prefix Wine refuses") << QStringLiteral("refused") << QStringLiteral("Wine could not start");
    }
    void unusablePrefix()
    {
        QFETCH(QString, problem);
        QFETCH(QString, message);
        QTemporaryDir dir;
        CWineHost::Options options = m_machine.Prefix().HostOptions();
        options.prefix = (dir.path() + QStringLiteral("/prefix")).toStdString();
        if (problem == QLatin1String("file")) {
            QFile file(QString::fromStdString(options.prefix));
            QVERIFY(file.open(QIODevice::WriteOnly));
        } else if (problem == QLatin1String("relative")) {
            options.prefix = "relative/prefix";
        } else if (problem == QLatin1String("nowine")) {
            options.wine = (dir.path() + QStringLiteral("/no/wine")).toStdString();
        } else if (problem == QLatin1String("nohost")) {
            options.hostExe = (dir.path() + QStringLiteral("/purgewell-host.exe")).toStdString();
        } else if (problem == QLatin1String("refused")) {
            // Wine refuses a prefix that belongs to somebody else (root) or cannot be entered.
            QVERIFY(QDir().mkpath(QString::fromStdString(options.prefix)));
            if (geteuid() == 0)
                QCOMPARE(chown(options.prefix.c_str(), 65534, 65534), 0);
            else
                QVERIFY(QFile::setPermissions(QString::fromStdString(options.prefix), QFileDevice::Permissions()));
        }
        CWinePlatform broken(options);
        std::string error;
        QVERIFY(!broken.host.Start(&error));
        QVERIFY2(QString::fromStdString(error).contains(message), error.c_str());
        // Every call reports the backend as unusable, and the reason stays available.
        RegKey key = 0;
        QCOMPARE(broken.registry.OpenKey(RootKey(RegRoot::LocalMachine), "Software", kKeyRead, &key),
                 kErrorBackendUnavailable);
        QCOMPARE(broken.processes.Run("C:\\x.exe", 0, true).startError, kErrorBackendUnavailable);
        QCOMPARE(broken.host.LastError(), error);
        if (problem == QLatin1String("refused"))
            QFile::setPermissions(QString::fromStdString(options.prefix),
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
#endif

private:
    CTestMachine m_machine;
    Platform m_platform;
};

QTEST_GUILESS_MAIN(TestWineSystem)
#include "tst_winesystem.moc"
