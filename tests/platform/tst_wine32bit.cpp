// 32-bit Windows programs, for real: a 32-bit NSIS program installed machine-wide, with its entry
// in the 32-bit view, is listed once in that view, its own uninstaller runs, and what that
// careless uninstaller left (its settings in the install folder, the rest of its entry) is found
// and removed, the entry in the view it is in. On a 64-bit machine it goes to "Program Files (x86)"; in a
// 32-bit Wine prefix (WINEARCH=win32, Linux build), served by purgewell-host32.exe, the machine
// reports an x86 processor and has one view, as 32-bit Windows has.
//
// Where this machine runs no 32-bit Windows program (Wine without its 32-bit half, a kernel
// without its 32-bit emulation), those tests skip and say why; the same program built as a
// 64-bit one that writes to the 32-bit view runs everywhere.
#include "inventory/appenum.h"
#include "inventory/uninstallkey.h"
#include "leftovers/folderlister.h"
#include "leftovers/leftovercleaner.h"
#include "libs/sharelog/sharelog.h"
#include "support/testmachine.h"

#include <QtTest>

#include <memory>

using namespace pw;

namespace {


// Skips the test unless 32-bit Windows programs run here.
#define REQUIRE_32BIT_PROGRAMS()                                                                                      \
    do {                                                                                                               \
        QString why;                                                                                                   \
        if (!CTestMachine::Runs32BitPrograms(&why))                                                                    \
            QSKIP(qPrintable(why));                                                                                    \
    } while (false)

} // namespace

class TestWine32Bit : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { sharelog::SetLogFilePath(m_logDir.filePath(QStringLiteral("purgewell.log"))); }

    // On a 64-bit machine: the 32-bit program, and a 64-bit one that puts itself where 32-bit
    // programs go.
    void programIn32BitView_data()
    {
        QTest::addColumn<QString>("installer");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("is32BitProgram");
        QTest::addColumn<QString>("programFiles");
        QTest::newRow("32-bit program") << QStringLiteral(SAMPLE_X86_INSTALLER) << "Purgewell Sample x86" << true
                                        << "C:\\Program Files (x86)";
        // Its installer's $PROGRAMFILES32 is the 64-bit folder under Wine.
        QTest::newRow("64-bit program in the 32-bit view")
            << QStringLiteral(SAMPLE_VIEW32_INSTALLER) << "Purgewell Sample View32" << false << "C:\\Program Files";
    }
    void programIn32BitView()
    {
        QFETCH(QString, installer);
        QFETCH(QString, name);
        QFETCH(bool, is32BitProgram);
        QFETCH(QString, programFiles);
        if (is32BitProgram)
            REQUIRE_32BIT_PROGRAMS();
        QString error;
        if (!m_machine) {
            m_machine = std::make_unique<CTestMachine>();
            QVERIFY2(m_machine->Create(&error), qPrintable(error));
        }
        QVERIFY2(m_machine->InstallSilently(installer, &error), qPrintable(error));
        listedUninstalledCleaned(m_machine->Backend(), true, name, programFiles);
    }

#ifndef Q_OS_WIN
    // The same program in a 32-bit prefix, through the 32-bit host.
    void programIn32BitPrefix()
    {
        REQUIRE_32BIT_PROGRAMS();
        CTestWinePrefix prefix(WineArch::Win32);
        QString error;
        if (!prefix.Create(&error) && error.contains(QStringLiteral("wow64")))
            QSKIP(qPrintable(QStringLiteral("This Wine makes no 32-bit prefixes: ") + error));
        QVERIFY2(prefix.IsCreated(), qPrintable(error));
        QCOMPARE(PrefixArch(QFile::encodeName(prefix.Path()).toStdString()), WineArch::Win32);
        QVERIFY2(prefix.InstallSilently(QStringLiteral(SAMPLE_X86_INSTALLER), &error), qPrintable(error));

        CWinePlatform platform(prefix.HostOptions());
        std::string started;
        QVERIFY2(platform.host.Start(&started), started.c_str());
        QCOMPARE(platform.system.NativeArchitecture(), kArchitectureIntel);
        listedUninstalledCleaned(platform.AsPlatform(), false, QStringLiteral("Purgewell Sample x86"),
                                 QStringLiteral("C:\\Program Files"));
        platform.host.Stop();
    }
#endif

private:
    // Lists the sample `name` (sampleapp.nsi with CARELESS, publisher "Norford Legacy", version
    // 1.4, 96 KB), runs its uninstaller as the uninstall run does and cleans up after it.
    void listedUninstalledCleaned(const Platform &platform, bool is64BitSystem, const QString &name,
                                  const QString &programFiles)
    {
        const QByteArray displayName = name.toLocal8Bit();
        CAppEnum inventory(platform.registry, platform.system);
        QCOMPARE(inventory.Is64BitSystem(), is64BitSystem);
        inventory.EnumPrograms();
        QList<InstalledProgram> found;
        for (const InstalledProgram &p : inventory.GetPrograms())
            if (QByteArray(p.DisplayName) == displayName)
                found.append(p);
        QCOMPARE(found.size(), 1); // once, however many views the machine has
        const InstalledProgram program = found.first();
        QCOMPARE(program.RegistryRoot, uint32_t(RegRoot::LocalMachine));
        QCOMPARE(program.RegistryView, kKeyWow64_32Key);
        const QString folder = QString::fromLocal8Bit(program.InstallLocation);
        QCOMPARE(folder, programFiles + QStringLiteral("\\Norford Legacy\\") + name);
        QCOMPARE(QByteArray(program.DisplayVersion), QByteArray("1.4"));
        QCOMPARE(program.Size, uint64_t(96 * 1024));
        const std::string entry = UninstallEntryPath(program.SubKeyName);
        QVERIFY(hasKey(platform, entry, kKeyWow64_32Key));
        if (is64BitSystem)
            QVERIFY(!hasKey(platform, entry, kKeyWow64_64Key)); // the 64-bit view is another tree

        const IProcessRunner::Result run = platform.processes->Run(program.UninstallString, 0, true);
        QCOMPARE(run.startError, kErrorSuccess);
        QVERIFY(!exists(platform, folder + QStringLiteral("\\uninstall.exe")));
        QVERIFY(exists(platform, folder + QStringLiteral("\\settings.ini")));
        QVERIFY(hasKey(platform, entry, kKeyWow64_32Key)); // the careless uninstaller left it
        inventory.EnumPrograms();
        for (const InstalledProgram &p : inventory.GetPrograms())
            QVERIFY(QByteArray(p.DisplayName) != displayName);

        const Platform previous = CurrentPlatform();
        SetCurrentPlatform(platform);
        const CleanResult cleaned = CLeftoverCleaner().CleanLeftovers(program);
        SetCurrentPlatform(previous);
        QVERIFY(!cleaned.StillInstalled);
        QVERIFY2(cleaned.Failed.isEmpty(), qPrintable(cleaned.Failed.isEmpty() ? QString() : cleaned.Failed.first().Path));
        QVERIFY(!exists(platform, folder + QStringLiteral("\\settings.ini")));
        QVERIFY(!hasKey(platform, entry, kKeyWow64_32Key));
    }

    static bool exists(const Platform &platform, const QString &windowsPath)
    {
        const QString native = QString::fromStdString(platform.folders->ToNativePath(windowsPath.toStdString()));
        bool found = false;
        PathType(native, &found);
        return !native.isEmpty() && found;
    }

    static bool hasKey(const Platform &platform, const std::string &path, uint32_t view)
    {
        RegKey key = 0;
        const WinError e = platform.registry->OpenKey(RootKey(RegRoot::LocalMachine), path, kKeyRead | view, &key);
        if (e == kErrorSuccess)
            platform.registry->CloseKey(key);
        return e == kErrorSuccess;
    }

    QTemporaryDir m_logDir;
    std::unique_ptr<CTestMachine> m_machine; // made by the first test that needs it
};

QTEST_GUILESS_MAIN(TestWine32Bit)
#include "tst_wine32bit.moc"
