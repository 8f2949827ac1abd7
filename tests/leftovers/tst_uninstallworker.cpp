// The uninstall worker on the fixture machine: the command it starts for each kind of entry; for
// Windows Installer products the folder the leftover scan starts from; what it tells the process
// runner about the program, so that the run waits for the uninstaller and not for what it leaves
// running; and what it logs when something was left running.
#include "leftovers/machine.h"
#include "leftovers/uninstallworker.h"
#include "libs/sharelog/sharelog.h"

#include <QtTest>

#include <cstring>

using namespace test;

namespace {

const QByteArray kLedger = "{6F1C2B3A-4D5E-4F60-8A7B-9C0D1E2F3A4B}";
const QByteArray kSync = "{0A1B2C3D-4E5F-4061-8273-94A5B6C7D8E9}";
const QString kVendor = QStringLiteral("C:\\Program Files\\Vexa");
const QString kLedgerFolder = kVendor + QStringLiteral("\\Ledger");
const QString kSyncFolder = kVendor + QStringLiteral("\\Ledger Sync");

InstalledProgram record(const QByteArray &code, bool quiet, const QByteArray &command)
{
    InstalledProgram p;
    std::strcpy(p.DisplayName, "Ledger");
    std::memcpy(p.ProductCode, code.constData(), size_t(code.size()));
    p.QuietUninstall = quiet;
    std::strcpy(p.UninstallString, command.constData());
    return p;
}

// A product as Windows Installer registers it: named after its product code, WindowsInstaller = 1,
// a command that opens its maintenance, no InstallLocation unless the package sets one.
void registerProduct(Machine &m, const QByteArray &code, const QByteArray &name, const QByteArray &location = {})
{
    Values extra;
    if (!location.isEmpty())
        extra.append({"InstallLocation", location});
    m.entry(code, name, "MsiExec.exe /I" + code, extra);
    const uint32_t one = 1;
    m.fake.registry.SetRaw(pw::RegRoot::LocalMachine, pw::CFakeRegistry::View64, kUninstall + code.toStdString(),
                           "WindowsInstaller", pw::kRegDword, std::string(reinterpret_cast<const char *>(&one), 4));
}

} // namespace

class TestUninstallWorker : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void uninstallCommand_data();
    void uninstallCommand();
    void productFolder_data();
    void productFolder();
    void waitRuleNamesTheProgram_data();
    void waitRuleNamesTheProgram();
    void leftRunningIsLogged();

private:
    static pw::Platform platformOf(Machine &m)
    {
        return pw::Platform{&m.fake.registry, &m.fake.system, &m.fake.folders, &m.fake.processes, &m.fake.desktop};
    }

    QTemporaryDir m_logDir;
};

void TestUninstallWorker::initTestCase()
{
    sharelog::SetLogFilePath(m_logDir.filePath(QStringLiteral("purgewell.log")));
}

void TestUninstallWorker::uninstallCommand_data()
{
    QTest::addColumn<QByteArray>("code");
    QTest::addColumn<bool>("quiet");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QByteArray>("started");

    const QByteArray remove = "MsiExec.exe /X" + kLedger;
    QTest::newRow("other program") << QByteArray() << false << QByteArray("\"C:\\App\\uninst.exe\"")
                                   << QByteArray("\"C:\\App\\uninst.exe\"");
    QTest::newRow("other program, quiet command") << QByteArray() << true << QByteArray("C:\\App\\uninst.exe /S")
                                                  << QByteArray("C:\\App\\uninst.exe /S");
    QTest::newRow("maintenance command") << kLedger << false << "MsiExec.exe /I" + kLedger << remove;
    QTest::newRow("remove command") << kLedger << false << "msiexec /x " + kLedger.toLower() << remove;
    QTest::newRow("a bootstrapper's command") << kLedger << false << QByteArray("C:\\Cache\\setup.exe /uninstall")
                                              << remove;
    QTest::newRow("own quiet command") << kLedger << true << "MsiExec.exe /X" + kLedger + " /qn"
                                       << "MsiExec.exe /X" + kLedger + " /qn";
}

void TestUninstallWorker::uninstallCommand()
{
    QFETCH(QByteArray, code);
    QFETCH(bool, quiet);
    QFETCH(QByteArray, stored);
    QFETCH(QByteArray, started);
    const InstalledProgram p = record(code, quiet, stored);
    QCOMPARE(UninstallCommandFor(p), started);
    QCOMPARE(QByteArray(p.UninstallString), stored); // the record keeps what the entry stores

    // And what the worker really starts.
    Machine m;
    m.fake.processes.SetScript(started.toStdString(), {});
    auto job = std::make_shared<UninstallJob>();
    job->program = p;
    UninstallWorker(job, pw::CurrentPlatform(), [](UninstallEvent) {});
    const std::vector<pw::CFakeProcessRunner::Call> calls = m.fake.processes.Calls();
    QCOMPARE(int(calls.size()), 1);
    QCOMPARE(QByteArray::fromStdString(calls.front().commandLine), started);
}

// A product installed into C:\Program Files\Vexa\Ledger, whose entry names no folder; the program
// wrote a log and its settings there while it was used. Another product of the vendor, Ledger
// Sync, stays installed beside it.
void TestUninstallWorker::productFolder_data()
{
    QTest::addColumn<QByteArray>("location");     // the entry's InstallLocation
    QTest::addColumn<QString>("answer");          // what Windows Installer knows, empty: nothing
    QTest::addColumn<bool>("autoRemove");
    QTest::addColumn<QStringList>("asked");       // the products Windows Installer was asked about
    QTest::addColumn<bool>("runtimeFilesGone");

    const QStringList both{QString::fromLatin1(kLedger), QString::fromLatin1(kSync)};
    QTest::newRow("folder from Windows Installer") << QByteArray() << kLedgerFolder << true << both << true;
    QTest::newRow("folder the entry names") << kLedgerFolder.toLocal8Bit() << QStringLiteral("C:\\Elsewhere") << true
                                            << QStringList{QString::fromLatin1(kSync)} << true;
    QTest::newRow("Windows Installer knows no folder") << QByteArray() << QString() << true << both << false;
    // Asked all the same: the wait tells the uninstaller's processes by the folder.
    QTest::newRow("leftovers kept") << QByteArray() << kLedgerFolder << false << QStringList{QString::fromLatin1(kLedger)}
                                    << false;
}

void TestUninstallWorker::productFolder()
{
    QFETCH(QByteArray, location);
    QFETCH(QString, answer);
    QFETCH(bool, autoRemove);
    QFETCH(QStringList, asked);
    QFETCH(bool, runtimeFilesGone);

    Machine m;
    registerProduct(m, kLedger, "Vexa Ledger", location);
    registerProduct(m, kSync, "Vexa Ledger Sync");
    for (const QString &f : {kLedgerFolder + "\\app.exe", kLedgerFolder + "\\data\\defaults.ini",
                             kSyncFolder + "\\app.exe", kSyncFolder + "\\data\\defaults.ini"})
        m.file(f);
    const QStringList runtime{kLedgerFolder + "\\logs\\run.log", kLedgerFolder + "\\settings.ini"};
    for (const QString &f : runtime)
        m.file(f);
    if (!answer.isEmpty())
        m.fake.installer.SetProductFolder(kLedger.toStdString(), answer.toStdString());
    m.fake.installer.SetProductFolder(kSync.toStdString(), kSyncFolder.toStdString());

    // msiexec /X removes what it installed and the entry, and Windows Installer forgets the product.
    bool askedBeforeRemoval = false;
    m.fake.processes.SetScript(("MsiExec.exe /X" + kLedger).toStdString(), {{}, [&] {
        askedBeforeRemoval = !m.fake.installer.Asked().empty();
        QFile::remove(m.native(kLedgerFolder + "\\app.exe"));
        QFile::remove(m.native(kLedgerFolder + "\\data\\defaults.ini"));
        QDir().rmdir(m.native(kLedgerFolder + "\\data"));
        m.removeEntry(kLedger);
        m.fake.installer.SetProductFolder(kLedger.toStdString(), {}, pw::kErrorUnknownProduct);
    }});

    auto job = std::make_shared<UninstallJob>();
    job->program = m.record(kLedger);
    job->autoRemove = autoRemove;
    QCOMPARE(QByteArray(job->program.ProductCode), kLedger);
    QList<UninstallEvent> events;
    UninstallWorker(job, pw::CurrentPlatform(), [&](UninstallEvent e) { events.append(e); });

    QCOMPARE(job->outcome.load(), int(UninstallJob::Removed));
    QCOMPARE(m.fake.processes.Calls().size(), size_t(1));
    QStringList askedAbout;
    for (const std::string &code : m.fake.installer.Asked())
        askedAbout << QString::fromStdString(code);
    QCOMPARE(askedAbout, asked);
    QCOMPARE(askedBeforeRemoval, asked.contains(QString::fromLatin1(kLedger)));
    QCOMPARE(QByteArray(job->program.InstallLocation), location); // the caller's record is left alone
    for (const QString &f : runtime)
        QVERIFY2(m.exists(f) != runtimeFilesGone, qPrintable(f));
    QCOMPARE(m.exists(kLedgerFolder), !runtimeFilesGone);
    // The other product and the vendor folder it lives in stay.
    QVERIFY(m.exists(kSyncFolder + "\\app.exe"));
    QVERIFY(m.exists(kSyncFolder + "\\data\\defaults.ini"));
    QVERIFY(m.hasEntry(kSync));
}

void TestUninstallWorker::waitRuleNamesTheProgram_data()
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
void TestUninstallWorker::waitRuleNamesTheProgram()
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
void TestUninstallWorker::leftRunningIsLogged()
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

QTEST_GUILESS_MAIN(TestUninstallWorker)
#include "tst_uninstallworker.moc"
