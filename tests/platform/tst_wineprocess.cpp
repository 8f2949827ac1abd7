// Starting and waiting for real programs: a wait lasts until every process of the uninstaller
// has ended and does not hold up other calls; in the Linux build also the host's own life: a
// host that dies is replaced.
#include "support/testmachine.h"

#include <QtTest>

#include <atomic>
#include <memory>
#include <thread>

using namespace pw;

namespace {

const char kHelper[] = "\"C:\\pwtest\\pwtesthelper.exe\"";
const char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Purgewell Sample";

std::string helper(const std::string &arguments)
{
    return std::string(kHelper) + " " + arguments;
}

} // namespace

class TestWineProcess : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QString error;
        QVERIFY2(m_machine.Create(&error), qPrintable(error));
        QVERIFY(QDir().mkpath(m_machine.DrivePath(QStringLiteral("pwtest"))));
        QVERIFY(QFile::copy(CTestMachine::WindowsHelperDir() + QStringLiteral("/pwtesthelper.exe"),
                            m_machine.DrivePath(QStringLiteral("pwtest/pwtesthelper.exe"))));
        QVERIFY2(m_machine.InstallSilently(QStringLiteral(SAMPLE_INSTALLER), &error), qPrintable(error));
        m_platform = m_machine.Backend();
    }

    void missingProgram_data()
    {
        QTest::addColumn<bool>("wait");
        QTest::newRow("waited for") << true;
        QTest::newRow("not waited for") << false;
    }
    void missingProgram()
    {
        QFETCH(bool, wait);
        const IProcessRunner::Result r = m_platform.processes->Run("\"C:\\nowhere\\missing.exe\" /S", 0, wait);
        QCOMPARE(r.startError, kErrorFileNotFound);
    }

    void exitCodeComesBack_data()
    {
        QTest::addColumn<int>("code");
        QTest::newRow("0") << 0;
        QTest::newRow("3") << 3;
        QTest::newRow("259") << 259;
    }
    void exitCodeComesBack()
    {
        QFETCH(int, code);
        const IProcessRunner::Result r = m_platform.processes->Run(helper("exit " + std::to_string(code)), 0, true);
        QCOMPARE(r.startError, kErrorSuccess);
        QCOMPARE(r.exitCode, uint32_t(code));
    }

    // The first process hands its work to a second one and ends: the wait lasts until the
    // second has finished, and the first one's exit code is kept.
    void waitCoversHandOff()
    {
        const QString marker = m_machine.DrivePath(QStringLiteral("pwtest/late.txt"));
        const IProcessRunner::Result r =
            m_platform.processes->Run(helper("handoff C:\\pwtest\\late.txt 7"), kCreateNoWindow, true);
        QCOMPARE(r.startError, kErrorSuccess);
        QCOMPARE(r.exitCode, 7u);
        QVERIFY(QFileInfo::exists(marker));
    }

    // A real NSIS uninstaller, which copies itself away and runs the copy.
    void nsisUninstallerIsWaitedFor()
    {
        IRegistry &reg = *m_platform.registry;
        RegKey entry = 0;
        QCOMPARE(reg.OpenKey(RootKey(RegRoot::LocalMachine), kUninstallKey, kKeyRead | kKeyWow64_64Key, &entry),
                 kErrorSuccess);
        char command[260] = {};
        uint32_t type = 0, size = sizeof command;
        QCOMPARE(reg.QueryValue(entry, "QuietUninstallString", &type, reinterpret_cast<uint8_t *>(command), &size),
                 kErrorSuccess);
        reg.CloseKey(entry);
        const QString folder = m_machine.DrivePath(QStringLiteral("Program Files/Norford Test Software/Purgewell Sample"));
        QVERIFY(QFileInfo::exists(folder + QStringLiteral("/readme.txt")));

        const IProcessRunner::Result r = m_platform.processes->Run(command, 0, true);
        QCOMPARE(r.startError, kErrorSuccess);
        QCOMPARE(r.exitCode, 0u);
        QVERIFY2(!QFileInfo::exists(folder), "the wait ended before the uninstaller's copy had finished");
        QCOMPARE(reg.OpenKey(RootKey(RegRoot::LocalMachine), kUninstallKey, kKeyRead | kKeyWow64_64Key, &entry),
                 kErrorFileNotFound);
    }

    void longWaitDoesNotBlockOtherCalls()
    {
        std::atomic<bool> ended{false};
        IProcessRunner::Result result;
        std::thread waiting([&] {
            result = m_platform.processes->Run(helper("waitreg"), 0, true);
            ended = true;
        });
        // The helper ends only once this value exists, so the registry must be usable meanwhile.
        std::atomic<bool> written{false};
        std::thread writer([&] {
            IRegistry &reg = *m_platform.registry;
            RegKey key = 0;
            reg.CreateKey(RootKey(RegRoot::CurrentUser), "Software\\PurgewellTest", kKeyAllAccess, &key);
            const uint32_t one = 1;
            reg.SetValue(key, "Go", kRegDword, reinterpret_cast<const uint8_t *>(&one), 4);
            reg.CloseKey(key);
            written = true;
        });
        QTRY_VERIFY_WITH_TIMEOUT(written, 60000);
        writer.join();
        QTRY_VERIFY_WITH_TIMEOUT(ended, 60000);
        waiting.join();
        QCOMPARE(result.startError, kErrorSuccess);
        QCOMPARE(result.exitCode, 0u);
        RegKey key = 0;
        m_platform.registry->OpenKey(RootKey(RegRoot::CurrentUser), "Software\\PurgewellTest", kKeyAllAccess, &key);
        m_platform.registry->DeleteValue(key, "Go");
        m_platform.registry->CloseKey(key);
    }

#ifndef Q_OS_WIN
    void deadHostIsRestarted()
    {
        IRegistry &reg = *m_platform.registry;
        RegKey before = 0;
        QCOMPARE(reg.OpenKey(RootKey(RegRoot::LocalMachine), "Software", kKeyRead, &before), kErrorSuccess);
        const int first = m_machine.Wine().host.HostProcessId();
        QVERIFY(first > 0);
        m_machine.Wine().host.KillHostForTest();

        RegKey after = 0;
        QCOMPARE(reg.OpenKey(RootKey(RegRoot::LocalMachine), "Software", kKeyRead, &after), kErrorSuccess);
        const int second = m_machine.Wine().host.HostProcessId();
        QVERIFY(second > 0);
        QVERIFY(second != first);
        uint32_t count = 0;
        QCOMPARE(reg.QueryValueCount(before, &count), kErrorInvalidHandle); // it belonged to the dead host
        QCOMPARE(reg.QueryValueCount(after, &count), kErrorSuccess);
        reg.CloseKey(after);
    }

    // A wait in progress when the host dies ends with the backend error, not never.
    void hostDeathEndsAWait()
    {
        std::atomic<bool> ended{false};
        IProcessRunner::Result result;
        std::thread waiting([&] {
            result = m_platform.processes->Run(helper("waitreg"), 0, true);
            ended = true;
        });
        QTRY_VERIFY_WITH_TIMEOUT(m_machine.Wine().host.HostProcessId() > 0, 60000);
        QTest::qWait(500); // let the request reach the host; either way the wait must end
        m_machine.Wine().host.KillHostForTest();
        QTRY_VERIFY_WITH_TIMEOUT(ended, 60000);
        waiting.join();
        QCOMPARE(result.startError, kErrorBackendUnavailable);
        QVERIFY(!m_machine.Wine().host.LastError().empty());
    }
#endif

private:
    CTestMachine m_machine;
    Platform m_platform;
};

QTEST_GUILESS_MAIN(TestWineProcess)
#include "tst_wineprocess.moc"
