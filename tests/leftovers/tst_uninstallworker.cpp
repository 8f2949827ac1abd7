// What the uninstall worker tells the process runner about the program, so that the run waits
// for the uninstaller and not for what it leaves running; and what it logs when something was
// left running.
#include "leftovers/uninstallworker.h"
#include "libs/sharelog/sharelog.h"
#include "machine.h"

#include <QtTest>

using namespace test;

class TestUninstallWorker : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { sharelog::SetLogFilePath(m_logDir.filePath(QStringLiteral("purgewell.log"))); }

    void waitRuleNamesTheProgram_data()
    {
        QTest::addColumn<QByteArray>("subKey");
        QTest::addColumn<int>("root");
        QTest::addColumn<int>("view");
        QTest::addColumn<QByteArray>("installLocation");
        QTest::addColumn<QByteArray>("uninstall");
        QTest::addColumn<QString>("folder");
        const int hklm = int(pw::RegRoot::LocalMachine), hkcu = int(pw::RegRoot::CurrentUser);

        QTest::newRow("machine-wide, 32-bit view")
            << QByteArray("Vexa Notes") << hklm << int(pw::kKeyWow64_32Key)
            << QByteArray("C:\\Program Files (x86)\\Vexa\\Notes\\") << QByteArray("\"C:\\Program Files (x86)\\Vexa\\Notes\\uninst.exe\" /S")
            << "C:\\Program Files (x86)\\Vexa\\Notes";
        QTest::newRow("per user, the uninstaller's folder")
            << QByteArray("{6F1A2B3C-1111-2222-3333-444455556666}") << hkcu << 0 << QByteArray()
            << QByteArray("\"C:\\Users\\Ann\\AppData\\Local\\Programs\\Tool\\uninstall.exe\" /S")
            << "C:\\Users\\Ann\\AppData\\Local\\Programs\\Tool";
        // Every browser in Program Files would pass for this program's uninstaller.
        QTest::newRow("a shared folder is left out")
            << QByteArray("Sloppy") << hklm << int(pw::kKeyWow64_64Key) << QByteArray("C:\\Program Files")
            << QByteArray("\"C:\\Program Files\\Sloppy\\uninst.exe\"") << QString();
        QTest::newRow("no folder named") << QByteArray("Bare") << hklm << int(pw::kKeyWow64_64Key) << QByteArray()
                                         << QByteArray("MsiExec.exe /X{12345678-ABCD-EF01-2345-6789ABCDEF01}")
                                         << QString();
    }
    void waitRuleNamesTheProgram()
    {
        QFETCH(QByteArray, subKey);
        QFETCH(int, root);
        QFETCH(int, view);
        QFETCH(QByteArray, installLocation);
        QFETCH(QByteArray, uninstall);
        QFETCH(QString, folder);
        Machine m;
        const pw::RegRoot regRoot = pw::RegRoot(uint32_t(root));
        Values extra;
        if (!installLocation.isEmpty())
            extra << qMakePair(QByteArray("InstallLocation"), installLocation);
        m.entry(subKey, "Some Program", uninstall, extra, regRoot,
                view == int(pw::kKeyWow64_32Key) ? pw::CFakeRegistry::View32 : pw::CFakeRegistry::View64);
        auto job = std::make_shared<UninstallJob>();
        job->program = m.record(subKey, regRoot, uint32_t(view));
        QVERIFY(job->program.SubKeyName[0]);
        m.fake.processes.SetScript(uninstall.toStdString(), {pw::IProcessRunner::Result{}, [&] {
                                       m.removeEntry(subKey, regRoot, uint32_t(view));
                                   }});

        UninstallWorker(job, platformOf(m), [](UninstallEvent) {});
        QCOMPARE(job->outcome.load(), int(UninstallJob::Removed));
        const auto calls = m.fake.processes.Calls();
        QCOMPARE(calls.size(), size_t(1));
        QVERIFY(calls[0].wait);
        QVERIFY(calls[0].rule.has_value());
        const pw::WaitRule &rule = *calls[0].rule;
        QCOMPARE(int(rule.entryRoot), root);
        QCOMPARE(int(rule.entryView), view);
        QCOMPARE(QByteArray::fromStdString(rule.entryKey), subKey);
        QCOMPARE(QString::fromStdString(rule.installFolder), folder);
    }

    // The run went on while something the uninstaller started still ran: the log names it, and
    // the program counts as removed all the same.
    void leftRunningIsLogged()
    {
        Machine m;
        const QByteArray command = "\"C:\\Program Files\\Vexa\\Notes\\uninst.exe\" /S";
        m.entry("Vexa Notes", "Vexa Notes", command);
        auto job = std::make_shared<UninstallJob>();
        job->program = m.record("Vexa Notes");
        pw::IProcessRunner::Result result;
        result.leftRunning = {"C:\\Program Files\\Norford Browser\\browser.exe", "C:\\windows\\system32\\conhost.exe"};
        m.fake.processes.SetScript(command.toStdString(), {result, [&] { m.removeEntry("Vexa Notes"); }});

        UninstallWorker(job, platformOf(m), [](UninstallEvent) {});
        QCOMPARE(job->outcome.load(), int(UninstallJob::Removed));
        QFile log(sharelog::LogFilePath());
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QByteArray text = log.readAll();
        QVERIFY2(text.contains("The uninstaller of Vexa Notes has ended; left running: "
                               "C:\\Program Files\\Norford Browser\\browser.exe, C:\\windows\\system32\\conhost.exe"),
                 text.constData());
    }

private:
    static pw::Platform platformOf(Machine &m)
    {
        return pw::Platform{&m.fake.registry, &m.fake.system, &m.fake.folders, &m.fake.processes, &m.fake.desktop};
    }

    QTemporaryDir m_logDir;
};

QTEST_GUILESS_MAIN(TestUninstallWorker)
#include "tst_uninstallworker.moc"
