// The uninstall run end to end on a real machine: three programs installed by real NSIS
// installers from one vendor, two of them ticked and removed through the page with
// "Automatically remove residual files" on; the third stays untouched.
#include "pagefixture.h"
#include "programs/readyuninstalldlg.h"
#include "programs/uninstallrstdlg.h"
#include "support/testmachine.h"

#include <QDir>
#include <QFileInfo>

#include <memory>

using namespace fixture;

namespace {

const QString kVendorFolder = QStringLiteral("Program Files/Norford Test Software/");

QStringList ProgramNames(const InstalledProgramList &programs)
{
    QStringList names;
    for (const InstalledProgram &p : programs)
        names << QString::fromLocal8Bit(p.DisplayName);
    return names;
}

} // namespace

class TestWineUninstallRun : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void batchRemovesTheTickedPrograms();

private:
    CTestMachine m_machine;
    pw::Platform m_platform;
    pw::Platform m_previous;
    QTemporaryDir m_logDir;
};

void TestWineUninstallRun::initTestCase()
{
    QString error;
    QVERIFY2(m_machine.Create(&error), qPrintable(error));
    for (const char *installer : {ALPHA_INSTALLER, BRAVO_INSTALLER, CHARLIE_INSTALLER})
        QVERIFY2(m_machine.InstallSilently(QString::fromLocal8Bit(installer), &error), qPrintable(error));
    // What the user made while using Alpha: its uninstaller leaves it behind.
    QFile notes(m_machine.DrivePath(kVendorFolder + QStringLiteral("Page Alpha/notes.txt")));
    QVERIFY(notes.open(QIODevice::WriteOnly));
    notes.write("kept by the uninstaller, not by the deep clean");
    notes.close();

    sharelog::SetLogFilePath(m_logDir.filePath(QStringLiteral("log.txt")));
    m_platform = m_machine.Backend();
    m_previous = pw::CurrentPlatform();
    pw::SetCurrentPlatform(m_platform);
}

void TestWineUninstallRun::cleanupTestCase()
{
    pw::SetCurrentPlatform(m_previous);
}

void TestWineUninstallRun::batchRemovesTheTickedPrograms()
{
    CAppEnum inventory(m_platform.registry, m_platform.system);
    inventory.EnumPrograms();
    QVERIFY(ProgramNames(inventory.GetPrograms()).contains(QStringLiteral("Page Charlie")));
    CUIPublic *ui = CUIPublic::GetInstance();
    ui->SetAppEnum(&inventory);
    ui->SetPrograms(inventory.GetPrograms());
    QWidget window;
    window.setWindowTitle(QStringLiteral("Vendrix Purgewell"));
    window.resize(1000, 700);
    ui->SetMainWindow(&window);
    auto *host = new QWidget(&window);
    host->setGeometry(0, 32, 1000, 600);
    auto *page = new CEnumProgramPage(0);
    host->setLayout(page);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const auto row = [page](const QByteArray &name) {
        const InstalledProgramList list = page->programs();
        for (int i = 0; i < list.size(); ++i)
            if (name == list.at(i).DisplayName)
                return page->rowWidgets(i);
        return CEnumProgramPage::RowWidgets();
    };
    QVERIFY(row("Page Alpha").check && row("Page Bravo").check && row("Page Charlie").check);
    row("Page Alpha").check->click();
    row("Page Bravo").check->click();

    MsgRecorder recorder{MSG_DEEP_CLEAN_STARTED, MSG_LIST_READY};
    bool confirmed = false;
    OnNextModal<CReadyUninstallDlg>([&](CReadyUninstallDlg *dialog) {
        confirmed = dialog->autoRemoveBox()->isChecked();
        dialog->okButton()->click();
    });
    QString resultText, notUninstalled;
    bool resultShown = false;
    OnNextModal<CUninstallRstDlg>([&](CUninstallRstDlg *dialog) {
        resultShown = true;
        resultText = dialog->resultLabel()->text();
        notUninstalled = dialog->notUninstalledLabel()->isVisibleTo(dialog) ? dialog->notUninstalledLabel()->text()
                                                                           : QString();
        CBPNotifyCentor::instance()->Send(MSG_CLOSE_DLG, 0, nullptr, 0); // the title bar's close
    });
    page->uninstallButton()->click();
    QVERIFY(confirmed);

    QTRY_VERIFY_WITH_TIMEOUT(resultShown, 240000);
    QVERIFY2(resultText.contains(QStringLiteral(">2<")), qPrintable(resultText));
    QVERIFY2(notUninstalled.isEmpty(), qPrintable(notUninstalled));
    QCOMPARE(recorder.count(MSG_DEEP_CLEAN_STARTED), 2);
    QTRY_COMPARE_WITH_TIMEOUT(recorder.count(MSG_LIST_READY), 1, 60000);

    // Gone from the list, the registry and the disk; the unticked sibling untouched.
    QStringList listed;
    for (const InstalledProgram &p : page->programs())
        listed << QString::fromLocal8Bit(p.DisplayName);
    QVERIFY2(!listed.contains(QStringLiteral("Page Alpha")) && !listed.contains(QStringLiteral("Page Bravo")),
             qPrintable(listed.join(", ")));
    QVERIFY(listed.contains(QStringLiteral("Page Charlie")));
    CAppEnum after(m_platform.registry, m_platform.system);
    after.EnumPrograms();
    const QStringList registered = ProgramNames(after.GetPrograms());
    QVERIFY(!registered.contains(QStringLiteral("Page Alpha")));
    QVERIFY(!registered.contains(QStringLiteral("Page Bravo")));
    QVERIFY(registered.contains(QStringLiteral("Page Charlie")));
    // Nothing of either program is left on disk: the uninstallers took their own files, the
    // deep clean what the user made. (An install folder that held files directly may stay,
    // empty: the cleaner deletes those files one by one and not the folder.)
    for (const char *name : {"Page Alpha", "Page Bravo"}) {
        const QString folder = m_machine.DrivePath(kVendorFolder + QLatin1String(name));
        const QStringList left = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
        QVERIFY2(left.isEmpty(), qPrintable(folder + ": " + left.join(", ")));
    }
    for (const char *file : {"readme.txt", "settings.ini", "uninstall.exe"})
        QVERIFY2(QFileInfo::exists(m_machine.DrivePath(kVendorFolder + QStringLiteral("Page Charlie/") + file)), file);

    ui->SetMainWindow(nullptr);
    ui->SetAppEnum(nullptr);
}

QTEST_MAIN(TestWineUninstallRun)
#include "tst_wineuninstallrun.moc"
