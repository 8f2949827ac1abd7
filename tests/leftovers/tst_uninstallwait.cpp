// An uninstall run waits for the uninstaller, every copy it hands over to and every program it
// hands its work to while the program is still registered, but not for what it leaves running
// once the program is gone: real NSIS programs, uninstalled by the uninstall worker on a real
// machine.
#include "inventory/appenum.h"
#include "leftovers/uninstallworker.h"
#include "libs/sharelog/sharelog.h"
#include "support/testmachine.h"

#include <QtTest>

#include <memory>

using namespace pw;

namespace {

const char kUninstall[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

} // namespace

class TestUninstallWait : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        sharelog::SetLogFilePath(m_logDir.filePath(QStringLiteral("purgewell.log")));
        QString error;
        QVERIFY2(m_machine.Create(&error), qPrintable(error));
        m_platform = m_machine.Backend();
        // The programs the uninstallers start as they end, outside their install folders: a
        // feedback page that stays open, and a service that finishes the uninstall later.
        const QString helper = CTestMachine::WindowsHelperDir() + QStringLiteral("/pwtesthelper.exe");
        for (const QString &copy : {QStringLiteral("pwtest/pwtesthelper.exe"),
                                    QStringLiteral("ProgramData/Norford Feedback/feedback.exe"),
                                    QStringLiteral("ProgramData/Norford Test Software/Service/service.exe")}) {
            const QString target = m_machine.DrivePath(copy);
            QVERIFY(QDir().mkpath(QFileInfo(target).absolutePath()));
            QVERIFY2(QFile::copy(helper, target), qPrintable(target));
        }
        for (const char *installer : {SAMPLE_INSTALLER, ENTRYFIRST_INSTALLER, FEEDBACK_INSTALLER, HANDOVER_INSTALLER})
            QVERIFY2(m_machine.InstallSilently(QString::fromLocal8Bit(installer), &error), qPrintable(error));
    }

    void cleanupTestCase()
    {
        if (!m_platform.registry)
            return;
        // The feedback page ends when asked to.
        RegKey key = 0;
        m_platform.registry->CreateKey(RootKey(RegRoot::CurrentUser), "Software\\PurgewellTest", kKeyAllAccess, &key);
        const uint32_t one = 1;
        m_platform.registry->SetValue(key, "StopLinger", kRegDword, reinterpret_cast<const uint8_t *>(&one), 4);
        m_platform.registry->CloseKey(key);
        QTRY_COMPARE_WITH_TIMEOUT(running("feedback.exe"), 1, 60000);
    }

    void runWaitsForTheUninstallerOnly_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("subKey");
        QTest::addColumn<QString>("leftRunning");
        // Its copy in the temporary folder waits 1.5 s before it removes anything.
        QTest::newRow("hand-off to a copy in Temp") << "Purgewell Sample" << "Purgewell Sample" << QString();
        // Its copy removes the entry first and goes on with the files for 6 s more.
        QTest::newRow("copy in Temp busy after the entry")
            << "Purgewell Early" << "Purgewell Early" << QString();
        // Leaves its entry to a service outside its folder, which removes it 6 s later.
        QTest::newRow("hand-over while registered") << "Purgewell Handover" << "PurgewellHandover" << QString();
        // Opens a page that stays open until the user closes it.
        QTest::newRow("feedback page left open") << "Purgewell Feedback" << "Purgewell Feedback"
                                                 << "C:\\ProgramData\\Norford Feedback\\feedback.exe";
    }
    void runWaitsForTheUninstallerOnly()
    {
        QFETCH(QString, name);
        QFETCH(QString, subKey);
        QFETCH(QString, leftRunning);
        auto job = std::make_shared<UninstallJob>();
        CAppEnum inventory(m_platform.registry, m_platform.system);
        inventory.EnumPrograms();
        for (const InstalledProgram &p : inventory.GetPrograms())
            if (QString::fromLocal8Bit(p.DisplayName) == name)
                job->program = p;
        QCOMPARE(QString::fromLocal8Bit(job->program.SubKeyName), subKey);
        const QString folder = QString::fromLocal8Bit(job->program.InstallLocation);

        // The run ends long before the page would close by itself (ten minutes).
        StartUninstallWorker(job, m_platform, [](UninstallEvent) {});
        QTRY_VERIFY_WITH_TIMEOUT(job->outcome != UninstallJob::Pending, 180000);

        // Everything the uninstaller had to do is done: the run did not go on while its copy or
        // the service still had work to do.
        QCOMPARE(job->outcome.load(), int(UninstallJob::Removed));
        QVERIFY(!hasEntry(subKey));
        QVERIFY(!folder.isEmpty());
        QVERIFY2(!QFileInfo::exists(QString::fromStdString(m_platform.folders->ToNativePath(folder.toStdString()))),
                 qPrintable(folder));

        const QString log = logText();
        const QString line = QStringLiteral("The uninstaller of %1 has ended; left running: ").arg(name);
        if (leftRunning.isEmpty()) {
            QVERIFY2(!log.contains(line), qPrintable(log));
        } else {
            // Left running, not ended: it is still there after the run.
            QVERIFY2(log.contains(line + leftRunning, Qt::CaseInsensitive), qPrintable(log));
            QCOMPARE(running(QFileInfo(QString(leftRunning).replace(QLatin1Char('\\'), QLatin1Char('/'))).fileName()),
                     0);
        }
    }

private:
    // 0 when a process of that program file runs on the machine, 1 when none does.
    int running(const QString &fileName) const
    {
        return m_machine.Run(m_machine.DrivePath(QStringLiteral("pwtest/pwtesthelper.exe")),
                             {QStringLiteral("running"), fileName});
    }
    bool hasEntry(const QString &subKey) const
    {
        RegKey key = 0;
        const WinError e = m_platform.registry->OpenKey(RootKey(RegRoot::LocalMachine),
                                                       kUninstall + subKey.toStdString(), kKeyRead | kKeyWow64_64Key,
                                                       &key);
        if (e == kErrorSuccess)
            m_platform.registry->CloseKey(key);
        return e == kErrorSuccess;
    }
    QString logText() const
    {
        QFile file(sharelog::LogFilePath());
        return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()) : QString();
    }

    QTemporaryDir m_logDir;
    CTestMachine m_machine;
    Platform m_platform;
};

QTEST_GUILESS_MAIN(TestUninstallWait)
#include "tst_uninstallwait.moc"
