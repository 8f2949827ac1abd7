// The uninstall run end to end on a real machine: programs installed by real NSIS installers
// from one vendor, two of them ticked and removed through the page with "Automatically remove
// residual files" on, while a third stays untouched; and a fourth whose uninstaller was deleted,
// whose entry and files go when the user says yes to removing the dead entry.
#include "pagefixture.h"
#include "programs/readyuninstalldlg.h"
#include "programs/uninstallrstdlg.h"
#include "support/testmachine.h"
#include "widgets/msgdlg.h"

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

// The programs page in a shown window on the list `inventory` reads.
struct Page {
    explicit Page(CAppEnum &inventory)
    {
        CUIPublic *ui = CUIPublic::GetInstance();
        ui->SetAppEnum(&inventory);
        ui->SetPrograms(inventory.GetPrograms());
        window.setWindowTitle(QStringLiteral("Vendrix Purgewell"));
        window.resize(1000, 700);
        ui->SetMainWindow(&window);
        auto *host = new QWidget(&window);
        host->setGeometry(0, 32, 1000, 600);
        page = new CEnumProgramPage(0);
        host->setLayout(page);
        window.show();
    }
    ~Page()
    {
        CUIPublic::GetInstance()->SetMainWindow(nullptr);
        CUIPublic::GetInstance()->SetAppEnum(nullptr);
    }
    CEnumProgramPage::RowWidgets row(const QByteArray &name) const
    {
        const InstalledProgramList list = page->programs();
        for (int i = 0; i < list.size(); ++i)
            if (name == list.at(i).DisplayName)
                return page->rowWidgets(i);
        return CEnumProgramPage::RowWidgets();
    }
    QStringList listed() const { return ProgramNames(page->programs()); }

    QWidget window;
    CEnumProgramPage *page = nullptr;
};

// What is left in a folder of the machine; empty when the folder is gone.
QStringList LeftIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
}

} // namespace

class TestWineUninstallRun : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void batchRemovesTheTickedPrograms();
    void deadEntryRemovedOnYes();

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
    for (const char *installer : {ALPHA_INSTALLER, BRAVO_INSTALLER, CHARLIE_INSTALLER, DELTA_INSTALLER})
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
    Page p(inventory);
    QVERIFY(QTest::qWaitForWindowExposed(&p.window));
    CEnumProgramPage *page = p.page;
    const auto row = [&p](const QByteArray &name) { return p.row(name); };
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
    const QStringList listed = p.listed();
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
        const QStringList left = LeftIn(folder);
        QVERIFY2(left.isEmpty(), qPrintable(folder + ": " + left.join(", ")));
    }
    for (const char *file : {"readme.txt", "settings.ini", "uninstall.exe"})
        QVERIFY2(QFileInfo::exists(m_machine.DrivePath(kVendorFolder + QStringLiteral("Page Charlie/") + file)), file);
}

void TestWineUninstallRun::deadEntryRemovedOnYes()
{
    // Its uninstaller deleted by hand: the entry is dead, the rest of the program still there.
    const QString delta = m_machine.DrivePath(kVendorFolder + QStringLiteral("Page Delta"));
    QVERIFY(QFile::remove(delta + QStringLiteral("/uninstall.exe")));
    QVERIFY(QFileInfo::exists(delta + QStringLiteral("/readme.txt")));
    CAppEnum inventory(m_platform.registry, m_platform.system);
    inventory.EnumPrograms();
    QVERIFY(ProgramNames(inventory.GetPrograms()).contains(QStringLiteral("Page Delta")));
    Page p(inventory);
    QVERIFY(QTest::qWaitForWindowExposed(&p.window));
    QVERIFY(p.row("Page Delta").trash && p.row("Page Charlie").check);

    MsgRecorder recorder{MSG_DEEP_CLEAN_STARTED, MSG_LIST_READY};
    OnNextModal<CReadyUninstallDlg>([](CReadyUninstallDlg *dialog) { dialog->okButton()->click(); });
    QString question;
    OnNextModal<CMSGDlg>([&](CMSGDlg *box) {
        question = box->findChild<QLabel *>(QStringLiteral("msgText"))->text().simplified();
        box->findChild<QPushButton *>(QStringLiteral("msgFirstButton"))->click();
    });
    QString resultText, notUninstalled;
    bool resultShown = false;
    OnNextModal<CUninstallRstDlg>([&](CUninstallRstDlg *dialog) {
        resultShown = true;
        resultText = dialog->resultLabel()->text();
        notUninstalled = dialog->notUninstalledLabel()->isVisibleTo(dialog) ? dialog->notUninstalledLabel()->text()
                                                                           : QString();
        dialog->close();
    });
    p.row("Page Delta").trash->click();

    QTRY_VERIFY_WITH_TIMEOUT(resultShown, 240000);
    QCOMPARE(question, QStringLiteral("The uninstaller of Page Delta is missing. Remove its entry and what it left behind?"));
    QVERIFY2(resultText.contains(QStringLiteral(">1<")), qPrintable(resultText));
    QVERIFY2(notUninstalled.isEmpty(), qPrintable(notUninstalled));
    QCOMPARE(recorder.count(MSG_DEEP_CLEAN_STARTED), 1);
    QTRY_COMPARE_WITH_TIMEOUT(recorder.count(MSG_LIST_READY), 1, 60000);

    // The entry is gone from the registry and the list, and nothing of the program is on disk;
    // Charlie, installed beside it by the same vendor, is whole.
    QVERIFY(!p.listed().contains(QStringLiteral("Page Delta")));
    CAppEnum after(m_platform.registry, m_platform.system);
    after.EnumPrograms();
    const QStringList registered = ProgramNames(after.GetPrograms());
    QVERIFY2(!registered.contains(QStringLiteral("Page Delta")), qPrintable(registered.join(", ")));
    QVERIFY(registered.contains(QStringLiteral("Page Charlie")));
    QVERIFY2(LeftIn(delta).isEmpty(), qPrintable(delta + ": " + LeftIn(delta).join(", ")));
    for (const char *file : {"readme.txt", "settings.ini", "uninstall.exe"})
        QVERIFY2(QFileInfo::exists(m_machine.DrivePath(kVendorFolder + QStringLiteral("Page Charlie/") + file)), file);
}

QTEST_MAIN(TestWineUninstallRun)
#include "tst_wineuninstallrun.moc"
