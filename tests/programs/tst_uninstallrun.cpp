// The uninstall run through the page with a scripted process runner: what is queued and in
// which order, confirmation and its cancellation, the row statuses, the pause between two
// programs, what the uninstaller's exit code and a missing uninstaller change, what the result
// reports, and the refresh that ends every run.
#include "inventory/programhelpers.h"
#include "pagefixture.h"
#include "programs/readyuninstalldlg.h"
#include "programs/uninstallrstdlg.h"
#include "programs/uninstallrun.h"
#include "widgets/msgdlg.h"
#include "widgets/searchedit.h"

#include <QCheckBox>
#include <QLineEdit>

#include <future>

using namespace fixture;

namespace {

struct Result {
    bool shown = false;
    QString title;
    bool successImage = false;
    QString text;
    QString notUninstalled;
    QString restart;
    QString trash;
    bool pageButtonsDisabled = false;
};

// Answers the confirmation with OK (auto-remove as given) and records the listed names and
// the question.
void ConfirmNext(QStringList *listed, bool autoRemove = true, QString *question = nullptr)
{
    OnNextModal<CReadyUninstallDlg>([listed, autoRemove, question](CReadyUninstallDlg *dialog) {
        if (question)
            *question = dialog->questionLabel()->text();
        QTreeWidget *tree = dialog->listTree();
        for (int row = 0; row < tree->topLevelItemCount(); ++row) {
            QWidget *cell = tree->itemWidget(tree->topLevelItem(row), 1);
            listed->append(cell->findChildren<QLabel *>().at(1)->text());
        }
        QVERIFY(dialog->autoRemoveBox()->isChecked());
        dialog->autoRemoveBox()->setChecked(autoRemove);
        dialog->okButton()->click();
    });
}

// Records the result dialog and closes it by `close`.
void ReadResultNext(PageFixture *f, Result *result, std::function<void(CUninstallRstDlg *)> close = nullptr)
{
    OnNextModal<CUninstallRstDlg>([f, result, close](CUninstallRstDlg *dialog) {
        result->shown = true;
        result->title = dialog->titleLabel()->text();
        result->successImage = dialog->imageLabel()->isVisibleTo(dialog);
        result->text = dialog->resultLabel()->text();
        result->notUninstalled = dialog->notUninstalledLabel()->isVisibleTo(dialog)
                                     ? dialog->notUninstalledLabel()->text()
                                     : QString();
        result->restart = dialog->restartLabel()->isVisibleTo(dialog) ? dialog->restartLabel()->text() : QString();
        result->trash = dialog->trashLabel()->isVisibleTo(dialog) ? dialog->trashLabel()->text() : QString();
        result->pageButtonsDisabled =
            !f->page->uninstallButton()->isEnabled() && !f->page->refreshButton()->isEnabled();
        if (close)
            close(dialog);
        else
            dialog->close();
    });
}

QString ResultText(int count, uint64_t freed)
{
    if (freed == 0)
        return QStringLiteral("<font style = 'font-size:16px;color:rgba(255,255,255,153)'>Successfully uninstall </font>"
                              "<font style = 'font-size:16px; font-weight:600;color:rgb(40,191,96)'>%1</font>"
                              "<font style = 'font-size:16px;color:rgba(255,255,255,153)'> program(s).</font>")
            .arg(count);
    return QStringLiteral("<font style = 'font-size:16px;color:rgba(255,255,255,153)'>Successfully uninstall </font>"
                          "<font style = 'font-size:16px; font-weight:600;color:rgb(40,191,96)'>%1</font>"
                          "<font style = 'font-size:16px; color:rgba(255,255,255,153)'> program(s) and free up </font>"
                          "<font style = 'font-size:16px; font-weight:600;color:rgb(40,191,96)'>%2</font>")
        .arg(count)
        .arg(FormatSize(freed));
}

QStringList Commands(const PageFixture &f)
{
    QStringList out;
    for (const auto &call : f.fake.processes.Calls())
        out << QString::fromStdString(call.commandLine);
    return out;
}

constexpr int kRunTimeout = 20000;

} // namespace

class TestUninstallRun : public QObject {
    Q_OBJECT
private slots:
    void singleRunIgnoresTicks();
    void batchRunsInTreeOrderWithOwnEntryLast();
    void productEntry_data();
    void productEntry();
    void namesakeOfTheProductIsAProgramLikeAnyOther();
    void cancelLeavesEverything_data();
    void cancelLeavesEverything();
    void autoRemove_data();
    void autoRemove();
    void commandThatCannotStart();
    void cancelledUninstallerIsNotCleaned();
    void runThatRemovedNothingIsNoSuccess();
    void uninstallerThatForgetsItsEntry();
    void ownUninstallerThatCannotStart();
    void exitCodes_data();
    void exitCodes();
    void restartNoticeNamesEachProgram();
    void restartNoticeFitsTheResult_data();
    void restartNoticeFitsTheResult();
    void deadEntry_data();
    void deadEntry();
    void deadEntryOnlyWhenTheFileIsMissing_data();
    void deadEntryOnlyWhenTheFileIsMissing();
    void pauseBetweenProgramsKeepsTheWindowLive();
    void rowsComingIntoViewDuringARunAreLocked();
    void closingTheResultRefreshes_data();
    void closingTheResultRefreshes();
    void removalSetting_data();
    void removalSetting();
};

void TestUninstallRun::singleRunIgnoresTicks()
{
    PageFixture f;
    f.Build({{"Alpha", "A", "1", 100}, {"Bravo", "B", "1", 200}, {"Charlie", "C", "1", 300}});
    for (const char *name : {"Alpha", "Bravo", "Charlie"})
        f.ScriptRemoval(name);
    f.Tick("Alpha");
    f.Tick("Bravo");
    MsgRecorder recorder{MSG_UNINSTALL_ONE_DONE, MSG_LIST_READY};

    QStringList listed;
    QString question;
    Result result;
    ConfirmNext(&listed, true, &question);
    ReadResultNext(&f, &result);
    f.Row("Charlie").trash->click();

    QCOMPARE(listed, QStringList{"Charlie"});
    QCOMPARE(question, QStringLiteral("Do you want to uninstall the selected 1 program(s)?"));
    QCOMPARE(CUIPublic::GetInstance()->GetPendingUninstallSize(), uint64_t(300 * 1024));
    // Every row is locked for the run; only the chosen one waits.
    for (const char *name : {"Alpha", "Bravo", "Charlie"}) {
        QVERIFY(!f.Row(name).check->isEnabled());
        QVERIFY(!f.Row(name).trash->isVisibleTo(f.host));
    }
    QCOMPARE(f.Status("Alpha"), QString());

    QTRY_VERIFY_WITH_TIMEOUT(result.shown, kRunTimeout);
    QCOMPARE(Commands(f), QStringList{QString::fromLatin1(PageFixture::Command("Charlie"))});
    QCOMPARE(f.fake.processes.Calls().at(0).creationFlags, 0u);
    QVERIFY(f.fake.processes.Calls().at(0).wait);
    QCOMPARE(result.text, ResultText(1, 300 * 1024));
    QCOMPARE(result.notUninstalled, QString());
    QVERIFY(result.pageButtonsDisabled);

    QTRY_COMPARE(recorder.count(MSG_LIST_READY), 1);
    QCOMPARE(f.RowNames(), (QStringList{"Bravo", "Alpha"}));
    QVERIFY(f.IsRegistered("Alpha"));
}

void TestUninstallRun::batchRunsInTreeOrderWithOwnEntryLast()
{
    PageFixture f;
    f.Build({{"Vendrix Purgewell", "Vendrix", "1.2", 50},
             {"Alpha", "A", "1", 100},
             {"Bravo", "B", "1", 200},
             {"Charlie", "C", "1", 300}});
    for (const char *name : {"Vendrix Purgewell", "Alpha", "Bravo", "Charlie"})
        f.ScriptRemoval(name);
    // Own entry ticked first; the tree shows names descending: Vendrix, Charlie, Bravo, Alpha.
    f.Tick("Vendrix Purgewell");
    f.Tick("Alpha");
    f.Tick("Charlie");
    // Hidden by the search, still uninstalled.
    f.page->searchEdit()->lineEdit()->setText(QStringLiteral("alpha"));
    MsgRecorder recorder{MSG_UNINSTALL_ONE_DONE, MSG_QUIT_APP};
    recorder.onMessage = [&](unsigned int id) {
        if (id == MSG_QUIT_APP)
            QVERIFY(QApplication::activeModalWidget() == nullptr);
    };

    QStringList listed;
    QString question;
    ConfirmNext(&listed, true, &question);
    f.page->uninstallButton()->click();
    QCOMPARE(listed, (QStringList{"Charlie", "Alpha", "Vendrix Purgewell"}));
    QCOMPARE(question, QStringLiteral("Do you want to uninstall the selected 3 program(s)?"));
    QCOMPARE(f.Status("Bravo"), QString());
    QCOMPARE(f.Status("Alpha"), QStringLiteral("waiting"));

    QTRY_COMPARE_WITH_TIMEOUT(recorder.count(MSG_QUIT_APP), 1, kRunTimeout);
    QCOMPARE(Commands(f), (QStringList{QString::fromLatin1(PageFixture::Command("Charlie")),
                                        QString::fromLatin1(PageFixture::Command("Alpha")),
                                        QString::fromLatin1(PageFixture::Command("Vendrix Purgewell"))}));
    const auto calls = f.fake.processes.Calls();
    QCOMPARE(calls.at(2).creationFlags, pw::kCreateNoWindow);
    QVERIFY(!calls.at(2).wait);
    QVERIFY(calls.at(0).wait && calls.at(1).wait);
    // The process ends through the main window: no step end, no result dialog.
    QCOMPARE(recorder.count(MSG_UNINSTALL_ONE_DONE), 2);
    QCOMPARE(f.Status("Charlie"), QStringLiteral("Finished"));
    QCOMPARE(f.Status("Alpha"), QStringLiteral("Finished"));
    QCOMPARE(f.Status("Vendrix Purgewell"), QStringLiteral("uninstallling"));
    QVERIFY(f.IsRegistered("Bravo"));
}

void TestUninstallRun::productEntry_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<bool>("isProduct");
    // Drive V: is the product's folder (see PageFixture).
    QTest::newRow("its name, uninstaller in its folder") << QByteArray("Vendrix Purgewell")
                                                         << QByteArray("\"V:\\uninst.exe\" /S") << true;
    QTest::newRow("name with a version, uninstaller below its folder")
        << QByteArray("Vendrix Purgewell 1.2") << QByteArray("V:\\Vendrix\\unins000.exe /SILENT") << true;
    QTest::newRow("a copy installed elsewhere") << QByteArray("Vendrix Purgewell")
                                                << QByteArray("\"C:\\Program Files\\Vendrix Purgewell\\uninst.exe\"")
                                                << false;
    QTest::newRow("name merely containing it") << QByteArray("My Vendrix Purgewell Skins")
                                               << QByteArray("\"V:\\uninst.exe\"") << false;
    QTest::newRow("name running on") << QByteArray("Vendrix PurgewellPro") << QByteArray("\"V:\\uninst.exe\"") << false;
    QTest::newRow("no uninstaller path") << QByteArray("Vendrix Purgewell")
                                         << QByteArray("MsiExec.exe /X{12345678-1234-1234-1234-123456789012}") << false;
    QTest::newRow("another case") << QByteArray("vendrix purgewell") << QByteArray("\"V:\\uninst.exe\"") << false;
}

void TestUninstallRun::productEntry()
{
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, command);
    QFETCH(bool, isProduct);
    PageFixture f;
    InstalledProgram entry;
    qstrncpy(entry.DisplayName, name.constData(), sizeof entry.DisplayName);
    qstrncpy(entry.UninstallString, command.constData(), sizeof entry.UninstallString);
    QCOMPARE(IsProductEntry(entry, QStringLiteral("Vendrix Purgewell"), QCoreApplication::applicationDirPath(),
                            pw::CurrentPlatform()),
             isProduct);
}

void TestUninstallRun::namesakeOfTheProductIsAProgramLikeAnyOther()
{
    // Its name starts with the product's, but its uninstaller is its own: it is waited for,
    // counted, and the product goes on running.
    PageFixture f;
    f.Build({{"Vendrix Purgewell Toolbar", "T", "1", 10}, {"Alpha", "A", "1", 100}});
    f.ScriptRemoval("Vendrix Purgewell Toolbar");
    f.ScriptRemoval("Alpha");
    f.Tick("Vendrix Purgewell Toolbar");
    f.Tick("Alpha");
    MsgRecorder recorder{MSG_UNINSTALL_ONE_DONE, MSG_QUIT_APP};
    QStringList listed;
    Result result;
    ConfirmNext(&listed, true);
    ReadResultNext(&f, &result);
    f.page->uninstallButton()->click();
    QCOMPARE(listed, (QStringList{"Vendrix Purgewell Toolbar", "Alpha"}));
    QTRY_COMPARE_WITH_TIMEOUT(recorder.count(MSG_UNINSTALL_ONE_DONE), 2, kRunTimeout);
    QCOMPARE(recorder.count(MSG_QUIT_APP), 0);
    const auto calls = f.fake.processes.Calls();
    QCOMPARE(calls.size(), 2);
    QVERIFY(calls.at(0).wait && calls.at(1).wait);
    QTRY_VERIFY(result.shown);
    QCOMPARE(result.text, ResultText(2, 110 * 1024));
}

void TestUninstallRun::cancelLeavesEverything_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Cancel button") << "cancel";
    QTest::newRow("Escape") << "escape";
    QTest::newRow("title bar close") << "bus";
    QTest::newRow("window manager close") << "close";
}

void TestUninstallRun::cancelLeavesEverything()
{
    QFETCH(QString, how);
    PageFixture f;
    f.Build({{"Alpha", "A", "1", 100}, {"Bravo", "B", "1", 200}});
    f.ScriptRemoval("Alpha");
    f.ScriptRemoval("Bravo");
    f.Tick("Alpha");
    f.Tick("Bravo");
    const QString summary = f.page->summaryLabel()->text();

    bool answered = false;
    OnNextModal<CReadyUninstallDlg>([&](CReadyUninstallDlg *dialog) {
        answered = true;
        if (how == "cancel")
            dialog->cancelButton()->click();
        else if (how == "escape")
            QTest::keyClick(dialog, Qt::Key_Escape);
        else if (how == "bus")
            CBPNotifyCentor::instance()->Send(MSG_CLOSE_DLG, 0, nullptr, 0);
        else
            dialog->close();
    });
    f.page->uninstallButton()->click();

    QVERIFY(answered);
    QVERIFY(f.fake.processes.Calls().empty());
    QVERIFY(!f.page->isUninstalling());
    QVERIFY(f.page->uninstallButton()->isEnabled());
    QVERIFY(f.page->refreshButton()->isEnabled());
    QCOMPARE(f.page->summaryLabel()->text(), summary);
    QCOMPARE(f.page->selectedCount(), 2);
    for (const char *name : {"Alpha", "Bravo"}) {
        QVERIFY(f.Row(name).check->isChecked());
        QVERIFY(f.Row(name).check->isEnabled());
        QVERIFY(f.Row(name).trash->isVisibleTo(f.host));
        QCOMPARE(f.Status(name), QString());
    }
}

void TestUninstallRun::autoRemove_data()
{
    QTest::addColumn<bool>("autoRemove");
    QTest::newRow("ticked") << true;
    QTest::newRow("unticked") << false;
}

void TestUninstallRun::autoRemove()
{
    QFETCH(bool, autoRemove);
    PageFixture f;
    f.Build({{"Alpha", "A", "1", 100}, {"Bravo", "B", "1", 200}});
    f.ScriptRemoval("Alpha");
    f.ScriptRemoval("Bravo");
    f.Tick("Alpha");
    f.Tick("Bravo");
    QStringList deepCleanStatuses;
    MsgRecorder recorder{MSG_DEEP_CLEAN_STARTED};
    recorder.onMessage = [&](unsigned int) {
        deepCleanStatuses << f.Status("Bravo") + "|" + f.Status("Alpha");
    };

    QStringList listed;
    Result result;
    ConfirmNext(&listed, autoRemove);
    ReadResultNext(&f, &result);
    f.page->uninstallButton()->click();
    QTRY_VERIFY_WITH_TIMEOUT(result.shown, kRunTimeout);

    if (autoRemove)
        QCOMPARE(deepCleanStatuses, (QStringList{"Deep Clean...|waiting", "Finished|Deep Clean..."}));
    else
        QCOMPARE(deepCleanStatuses, QStringList());
    QCOMPARE(result.text, ResultText(2, 300 * 1024));
    // What the uninstallers left behind goes only when asked.
    for (const char *name : {"Alpha", "Bravo"}) {
        QCOMPARE(f.exists(PageFixture::InstallFolder(name) + QStringLiteral("\\user.cfg")), !autoRemove);
        QCOMPARE(f.exists(PageFixture::RoamingFolder(name) + QStringLiteral("\\state.dat")), !autoRemove);
    }
    // It went to the trash, and the result says where to get it back.
    QCOMPARE(result.trash, autoRemove ? QStringLiteral("Removed items are in the trash. You can restore them from the menu.")
                                      : QString());
    QTRY_VERIFY(!f.page->isRefreshing() && f.page->tree()->topLevelItemCount() == 0);
}

void TestUninstallRun::commandThatCannotStart()
{
    PageFixture f;
    f.Build({{"Zulu Broken", "Z", "1", 700}, {"Alpha Fine", "A", "1", 100}});
    f.ScriptRemoval("Alpha Fine"); // Zulu's command has no script: it fails to start
    f.Tick("Zulu Broken");
    f.Tick("Alpha Fine");
    QStringList statusesWhenAlphaStarts;
    MsgRecorder recorder{MSG_UNINSTALL_ONE_DONE};

    QStringList listed;
    Result result;
    ConfirmNext(&listed);
    ReadResultNext(&f, &result);
    f.page->uninstallButton()->click();
    QCOMPARE(listed, (QStringList{"Zulu Broken", "Alpha Fine"}));

    QTRY_COMPARE_WITH_TIMEOUT(recorder.count(MSG_UNINSTALL_ONE_DONE), 1, kRunTimeout);
    QCOMPARE(f.Status("Zulu Broken"), QStringLiteral("Not uninstalled"));
    QVERIFY(!f.Row("Zulu Broken").loading->isVisibleTo(f.host));
    QVERIFY(f.Log().contains("start process " + PageFixture::Command("Zulu Broken") + " failed with 2.\n"));

    // The next row still runs, and the result counts only what went.
    QTRY_VERIFY_WITH_TIMEOUT(result.shown, kRunTimeout);
    QCOMPARE(Commands(f).size(), 2);
    QCOMPARE(result.title, QStringLiteral("Uninstall Completed!"));
    QVERIFY(result.successImage);
    QCOMPARE(result.text, ResultText(1, 100 * 1024));
    QCOMPARE(result.notUninstalled, QStringLiteral("1 program(s) were not uninstalled."));
    QTRY_COMPARE(f.RowNames(), QStringList{"Zulu Broken"});
}

void TestUninstallRun::cancelledUninstallerIsNotCleaned()
{
    PageFixture f;
    f.Build({{"Alpha", "A", "1", 100}, {"Bravo", "B", "1", 200}});
    f.ScriptCancel("Bravo");
    f.ScriptRemoval("Alpha");
    f.Tick("Alpha");
    f.Tick("Bravo");
    MsgRecorder recorder{MSG_DEEP_CLEAN_STARTED, MSG_UNINSTALL_ONE_DONE};
    QString bravoAfterItsStep;
    recorder.onMessage = [&](unsigned int id) {
        if (id == MSG_UNINSTALL_ONE_DONE && bravoAfterItsStep.isEmpty())
            bravoAfterItsStep = f.Status("Bravo");
    };

    QStringList listed;
    Result result;
    ConfirmNext(&listed, true);
    ReadResultNext(&f, &result);
    f.page->uninstallButton()->click();
    QTRY_VERIFY_WITH_TIMEOUT(result.shown, kRunTimeout);

    QCOMPARE(bravoAfterItsStep, QStringLiteral("Not uninstalled"));
    QCOMPARE(recorder.count(MSG_DEEP_CLEAN_STARTED), 1); // Alpha only
    QCOMPARE(result.text, ResultText(1, 100 * 1024));
    QCOMPARE(result.notUninstalled, QStringLiteral("1 program(s) were not uninstalled."));
    QVERIFY(f.IsRegistered("Bravo"));
    for (const QString &file : {PageFixture::InstallFolder("Bravo") + QStringLiteral("\\app.exe"),
                                PageFixture::InstallFolder("Bravo") + QStringLiteral("\\user.cfg"),
                                PageFixture::RoamingFolder("Bravo") + QStringLiteral("\\state.dat")})
        QVERIFY2(f.exists(file), qPrintable(file));
    QVERIFY(!f.exists(PageFixture::RoamingFolder("Alpha") + QStringLiteral("\\state.dat")));
    QTRY_COMPARE(f.RowNames(), QStringList{"Bravo"});
}

void TestUninstallRun::runThatRemovedNothingIsNoSuccess()
{
    // One uninstaller is cancelled, the other cannot start: nothing went.
    PageFixture f;
    f.Build({{"Alpha", "A", "1", 100}, {"Zulu Broken", "Z", "1", 700}});
    f.ScriptCancel("Alpha");
    f.Tick("Alpha");
    f.Tick("Zulu Broken");
    QStringList listed;
    Result result;
    ConfirmNext(&listed, true);
    ReadResultNext(&f, &result);
    f.page->uninstallButton()->click();
    QTRY_VERIFY_WITH_TIMEOUT(result.shown, kRunTimeout);

    QCOMPARE(result.title, QStringLiteral("Nothing Was Uninstalled"));
    QVERIFY(!result.successImage);
    QVERIFY2(!result.text.contains(QStringLiteral("Successfully")), qPrintable(result.text));
    QVERIFY2(result.text.contains(QStringLiteral("No program was uninstalled.")), qPrintable(result.text));
    QCOMPARE(result.notUninstalled, QStringLiteral("2 program(s) were not uninstalled."));
    QVERIFY(f.IsRegistered("Alpha"));
    QTRY_COMPARE(f.RowNames().size(), 2);
}

void TestUninstallRun::uninstallerThatForgetsItsEntry()
{
    PageFixture f;
    f.Build({{"Alpha", "A", "1", 100}});
    // Removes its files, uninstaller included, and leaves its uninstall entry behind.
    f.fake.processes.SetScript(PageFixture::Command("Alpha").toStdString(), {pw::IProcessRunner::Result{}, [&f] {
                                   QFile::remove(f.native(PageFixture::InstallFolder("Alpha") + "\\app.exe"));
                                   QFile::remove(f.native(PageFixture::InstallFolder("Alpha") + "\\uninst.exe"));
                               }});
    QStringList listed;
    Result result;
    ConfirmNext(&listed, true);
    ReadResultNext(&f, &result);
    f.Row("Alpha").trash->click();
    QTRY_VERIFY_WITH_TIMEOUT(result.shown, kRunTimeout);

    // The program is gone; the deep clean takes the entry it forgot with the rest.
    QCOMPARE(result.text, ResultText(1, 100 * 1024));
    QCOMPARE(result.notUninstalled, QString());
    QVERIFY(!f.IsRegistered("Alpha"));
    QVERIFY(!f.exists(PageFixture::InstallFolder("Alpha") + QStringLiteral("\\user.cfg")));
    QTRY_COMPARE(f.RowNames(), QStringList());
}

void TestUninstallRun::ownUninstallerThatCannotStart()
{
    PageFixture f;
    f.Build({{"Vendrix Purgewell", "Vendrix", "1.2", 50}});
    MsgRecorder recorder{MSG_QUIT_APP};
    QStringList listed;
    Result result;
    ConfirmNext(&listed);
    ReadResultNext(&f, &result);
    f.Row("Vendrix Purgewell").trash->click();

    // Quitting for an uninstaller that never started would look like success.
    QTRY_VERIFY_WITH_TIMEOUT(result.shown, kRunTimeout);
    QCOMPARE(recorder.count(MSG_QUIT_APP), 0);
    QCOMPARE(result.title, QStringLiteral("Nothing Was Uninstalled"));
    QVERIFY(!result.successImage);
    QCOMPARE(result.notUninstalled, QStringLiteral("1 program(s) were not uninstalled."));
    QVERIFY(f.Log().contains("start process " + PageFixture::Command("Vendrix Purgewell") + " failed with 2.\n"));
    QTRY_VERIFY(f.page->refreshButton()->isEnabled());
}

void TestUninstallRun::exitCodes_data()
{
    QTest::addColumn<uint>("exitCode");
    QTest::addColumn<bool>("removesEntry"); // what the uninstaller does to the registry
    QTest::addColumn<bool>("removed");
    QTest::addColumn<bool>("restart");
    QTest::newRow("0") << 0u << true << true << false;
    QTest::newRow("3010 restart required") << 3010u << true << true << true;
    QTest::newRow("1641 restart started") << 1641u << true << true << true;
    QTest::newRow("3010, entry still there") << 3010u << false << false << true;
    QTest::newRow("1602 user exit, entry gone anyway") << 1602u << true << false << false;
    QTest::newRow("1223 cancelled, entry gone anyway") << 1223u << true << false << false;
    QTest::newRow("other code, entry gone") << 1603u << true << true << false;
    QTest::newRow("other code, entry still there") << 1603u << false << false << false;
}

void TestUninstallRun::exitCodes()
{
    QFETCH(uint, exitCode);
    QFETCH(bool, removesEntry);
    QFETCH(bool, removed);
    QFETCH(bool, restart);
    PageFixture f;
    f.Build({{"Alpha", "A", "1", 100}});
    if (removesEntry)
        f.ScriptRemoval("Alpha", exitCode);
    else
        f.ScriptCancel("Alpha", exitCode);
    MsgRecorder recorder{MSG_UNINSTALL_ONE_DONE};
    QString status;
    recorder.onMessage = [&](unsigned int) { status = f.Status("Alpha"); };

    QStringList listed;
    Result result;
    ConfirmNext(&listed, true);
    ReadResultNext(&f, &result);
    f.Row("Alpha").trash->click();
    QTRY_VERIFY_WITH_TIMEOUT(result.shown, kRunTimeout);

    QCOMPARE(status, removed ? QStringLiteral("Finished") : QStringLiteral("Not uninstalled"));
    QCOMPARE(result.notUninstalled, removed ? QString() : QStringLiteral("1 program(s) were not uninstalled."));
    QCOMPARE(result.restart, restart ? QStringLiteral("Restart the computer to finish removing Alpha.") : QString());
    // Leftovers go only with a program that is gone.
    QCOMPARE(f.exists(PageFixture::InstallFolder("Alpha") + QStringLiteral("\\user.cfg")), !removed);
    QCOMPARE(f.exists(PageFixture::RoamingFolder("Alpha") + QStringLiteral("\\state.dat")), !removed);
    QTRY_VERIFY(!f.page->isRefreshing() && !f.page->isUninstalling());
}

void TestUninstallRun::restartNoticeNamesEachProgram()
{
    PageFixture f;
    f.Build({{"Alpha", "A", "1", 100}, {"Bravo", "B", "1", 200}, {"Charlie", "C", "1", 300}});
    f.ScriptRemoval("Alpha", 3010);
    f.ScriptRemoval("Bravo", 0);
    f.ScriptRemoval("Charlie", 1641);
    for (const char *name : {"Alpha", "Bravo", "Charlie"})
        f.Tick(name);
    QStringList listed;
    Result result;
    ConfirmNext(&listed, true);
    ReadResultNext(&f, &result);
    f.page->uninstallButton()->click();
    QTRY_VERIFY_WITH_TIMEOUT(result.shown, kRunTimeout);

    // In run order (the list's order, names descending), one line.
    QCOMPARE(result.restart, QStringLiteral("Restart the computer to finish removing Charlie, Alpha."));
    QCOMPARE(result.text, ResultText(3, 600 * 1024));
    QCOMPARE(result.notUninstalled, QString());
}

void TestUninstallRun::restartNoticeFitsTheResult_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<bool>("shortened");
    QTest::newRow("one") << QStringList{"Alpha"} << false;
    QTest::newRow("three") << QStringList{"Alpha Editor 2.1", "Bravo Player", "Charlie Tools"} << false;
    QStringList many;
    for (int i = 0; i < 40; ++i)
        many << QStringLiteral("Program With A Long Name %1").arg(i);
    QTest::newRow("forty") << many << true;
    QTest::newRow("one name longer than the room") << QStringList{QString(400, QLatin1Char('W'))} << true;
    QTest::newRow("a long name, then others") << QStringList{QString(400, QLatin1Char('W')), "Alpha"} << true;
}

void TestUninstallRun::restartNoticeFitsTheResult()
{
    QFETCH(QStringList, names);
    QFETCH(bool, shortened);
    QWidget parent;
    parent.resize(1000, 640);
    CUninstallRstDlg dialog(&parent);
    dialog.setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint); // as the page shows it
    dialog.SetResult(1, PAGE_PROGRAMS, 1);
    dialog.SetRestartPrograms(names);
    dialog.CreateLayout();
    dialog.show();
    QCoreApplication::processEvents();

    const QString whole = QStringLiteral("Restart the computer to finish removing %1.").arg(names.join(", "));
    QLabel *label = dialog.restartLabel();
    QVERIFY(label->isVisible());
    QVERIFY2(label->text().startsWith(QStringLiteral("Restart the computer to finish removing ")), qPrintable(label->text()));
    QVERIFY(label->text().endsWith(QLatin1Char('.')));
    if (shortened) {
        QVERIFY2(label->text().contains(QChar(0x2026)), qPrintable(label->text()));
        QCOMPARE(label->toolTip(), whole);
    } else {
        QCOMPARE(label->text(), whole);
        QCOMPARE(label->toolTip(), QString());
    }
    // At most two lines, whole inside the dialog, below the other lines.
    const QFontMetrics metrics(label->font());
    QVERIFY2(label->heightForWidth(label->width()) <= 2 * metrics.lineSpacing() + 2,
             qPrintable(QString::number(label->heightForWidth(label->width()))));
    const QRect inDialog(label->mapTo(&dialog, QPoint(0, 0)), label->size());
    QVERIFY2(dialog.rect().contains(inDialog), qPrintable(QStringLiteral("%1,%2 %3x%4").arg(inDialog.x()).arg(inDialog.y()).arg(inDialog.width()).arg(inDialog.height())));
    QVERIFY(inDialog.top() >= dialog.notUninstalledLabel()->mapTo(&dialog, QPoint(0, dialog.notUninstalledLabel()->height())).y());
    dialog.close();
}

void TestUninstallRun::deadEntry_data()
{
    QTest::addColumn<bool>("yes");
    QTest::addColumn<bool>("autoRemove");
    QTest::newRow("yes") << true << true;
    QTest::newRow("yes, residual files unticked") << true << false;
    QTest::newRow("no") << false << true;
}

void TestUninstallRun::deadEntry()
{
    QFETCH(bool, yes);
    QFETCH(bool, autoRemove);
    PageFixture f;
    f.Build({{"Zulu Gone", "Z", "1", 700}, {"Yankee Gone", "Y", "1", 50}, {"Bravo", "B", "1", 200}});
    // Two dead entries; only Zulu's is chosen. Bravo is a sound program beside them.
    f.DeleteUninstaller("Zulu Gone");
    f.DeleteUninstaller("Yankee Gone");
    MsgRecorder recorder{MSG_UNINSTALL_ONE_DONE, MSG_DEEP_CLEAN_STARTED};
    QString status;
    recorder.onMessage = [&](unsigned int id) {
        if (id == MSG_UNINSTALL_ONE_DONE)
            status = f.Status("Zulu Gone");
    };
    QStringList questions;
    QWidget *questionParent = nullptr;
    QString statusWhileAsked;
    ModalWatch<CMSGDlg> answer([&](CMSGDlg *box) {
        questions << box->findChild<QLabel *>(QStringLiteral("msgText"))->text().simplified();
        questionParent = box->parentWidget();
        statusWhileAsked = f.Status("Zulu Gone");
        box->findChild<QPushButton *>(yes ? QStringLiteral("msgFirstButton") : QStringLiteral("msgSecondButton"))->click();
    });

    QStringList listed;
    Result result;
    ConfirmNext(&listed, autoRemove);
    ReadResultNext(&f, &result);
    f.Row("Zulu Gone").trash->click();
    QTRY_VERIFY_WITH_TIMEOUT(result.shown, kRunTimeout);

    QCOMPARE(questions, QStringList{"The uninstaller of Zulu Gone is missing. Remove its entry and what it left behind?"});
    QCOMPARE(questionParent, f.window.data());
    QCOMPARE(statusWhileAsked, QStringLiteral("uninstallling"));
    // The command was tried once; no uninstaller runs for the cleaning.
    QCOMPARE(Commands(f), QStringList{QString::fromLatin1(PageFixture::Command("Zulu Gone"))});
    if (yes) {
        QCOMPARE(status, QStringLiteral("Finished"));
        QCOMPARE(recorder.count(MSG_DEEP_CLEAN_STARTED), 1);
        QCOMPARE(result.text, ResultText(1, 700 * 1024));
        QCOMPARE(result.notUninstalled, QString());
    } else {
        QCOMPARE(status, QStringLiteral("Not uninstalled"));
        QCOMPARE(recorder.count(MSG_DEEP_CLEAN_STARTED), 0);
        QCOMPARE(result.title, QStringLiteral("Nothing Was Uninstalled"));
        QCOMPARE(result.notUninstalled, QStringLiteral("1 program(s) were not uninstalled."));
    }
    QCOMPARE(f.IsRegistered("Zulu Gone"), !yes);
    for (const QString &file : {PageFixture::InstallFolder("Zulu Gone") + QStringLiteral("\\app.exe"),
                                PageFixture::InstallFolder("Zulu Gone") + QStringLiteral("\\user.cfg"),
                                PageFixture::RoamingFolder("Zulu Gone") + QStringLiteral("\\state.dat")})
        QVERIFY2(f.exists(file) == !yes, qPrintable(file));
    // Never another program's entry or files, dead or not.
    for (const char *name : {"Yankee Gone", "Bravo"}) {
        QVERIFY2(f.IsRegistered(name), name);
        QVERIFY(f.exists(PageFixture::InstallFolder(name) + QStringLiteral("\\app.exe")));
        QVERIFY(f.exists(PageFixture::RoamingFolder(name) + QStringLiteral("\\state.dat")));
    }
    QVERIFY(f.Log().contains(yes ? "The entry of Zulu Gone, whose uninstaller is missing, is removed with its leftovers"
                                 : "The entry of Zulu Gone, whose uninstaller is missing, is kept"));
    QTRY_VERIFY(!f.page->isRefreshing() && !f.page->isUninstalling());
    QCOMPARE(answer.count(), 1);
}

void TestUninstallRun::deadEntryOnlyWhenTheFileIsMissing_data()
{
    QTest::addColumn<QByteArray>("command"); // empty: the fixture's own uninstaller
    QTest::addColumn<bool>("deleteFile");
    QTest::addColumn<bool>("asked");
    QTest::newRow("uninstaller gone") << QByteArray() << true << true;
    QTest::newRow("uninstaller there, but it does not start") << QByteArray() << false << false;
    QTest::newRow("MsiExec by name") << QByteArray("MsiExec.exe /X{12345678-1234-1234-1234-123456789012}") << false << false;
    QTest::newRow("MsiExec by a path that is not there")
        << QByteArray("C:\\Windows\\System32\\MsiExec.exe /X{12345678-1234-1234-1234-123456789012}") << false << false;
    QTest::newRow("msiexec by a path, without .exe")
        << QByteArray("C:\\Windows\\System32\\msiexec /x {12345678-1234-1234-1234-123456789012}") << false << false;
}

void TestUninstallRun::deadEntryOnlyWhenTheFileIsMissing()
{
    QFETCH(QByteArray, command);
    QFETCH(bool, deleteFile);
    QFETCH(bool, asked);
    PageFixture f;
    if (!command.isEmpty()) // registered before the list is read
        f.entry("Zulu Gone", "Zulu Gone", command);
    f.Build(command.isEmpty() ? QList<Program>{{"Zulu Gone", "Z", "1", 700}} : QList<Program>{});
    if (deleteFile)
        f.DeleteUninstaller("Zulu Gone");
    int questions = 0;
    ModalWatch<CMSGDlg> answer([&](CMSGDlg *box) {
        ++questions;
        box->findChild<QPushButton *>(QStringLiteral("msgSecondButton"))->click();
    });
    QStringList listed;
    Result result;
    ConfirmNext(&listed, true);
    ReadResultNext(&f, &result);
    f.Row("Zulu Gone").trash->click();
    QTRY_VERIFY_WITH_TIMEOUT(result.shown, kRunTimeout);

    QCOMPARE(questions, asked ? 1 : 0);
    QCOMPARE(result.notUninstalled, QStringLiteral("1 program(s) were not uninstalled."));
    QVERIFY(f.IsRegistered("Zulu Gone"));
}

void TestUninstallRun::pauseBetweenProgramsKeepsTheWindowLive()
{
    PageFixture f;
    f.Build({{"Alpha", "A", "1", 100}, {"Bravo", "B", "1", 200}});
    f.ScriptRemoval("Alpha");
    f.ScriptRemoval("Bravo");
    f.Tick("Alpha");
    f.Tick("Bravo");
    QStringList listed;
    Result result;
    ConfirmNext(&listed);
    ReadResultNext(&f, &result);
    f.page->uninstallButton()->click();

    // Between the two programs the event loop runs: the first row is finished while the
    // second still waits. A pause taken inside the handler would never show this state.
    QTRY_VERIFY_WITH_TIMEOUT(f.Status("Bravo") == QLatin1String("Finished") && f.Status("Alpha") == QLatin1String("waiting"),
                             kRunTimeout);
    QVERIFY(!f.Row("Bravo").loading->isVisibleTo(f.host));
    QVERIFY(f.Row("Alpha").loading->isVisibleTo(f.host));
    QTRY_VERIFY_WITH_TIMEOUT(result.shown, kRunTimeout);
    QTRY_VERIFY(!f.page->isRefreshing() && f.page->tree()->topLevelItemCount() == 0);
}

void TestUninstallRun::rowsComingIntoViewDuringARunAreLocked()
{
    PageFixture f;
    QList<Program> many;
    for (int i = 0; i < 40; ++i)
        many.append({"Program " + QByteArray::number(100 + i), "Vendor", "1", 10, i == 39});
    f.Build(many);
    // The uninstaller waits until the test lets it end.
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    f.fake.processes.SetScript(PageFixture::Command("Program 139").toStdString(),
                               {pw::IProcessRunner::Result{}, [released] { released.wait(); }});
    QStringList listed;
    Result result;
    ConfirmNext(&listed);
    ReadResultNext(&f, &result);
    f.Row("Program 139").trash->click();
    QCOMPARE(f.Status("Program 139"), QStringLiteral("uninstallling"));

    QVERIFY(!f.Row("Program 100").check);
    f.page->tree()->scrollToBottom();
    QTRY_VERIFY(f.Row("Program 100").check && f.Row("Program 100").check->isVisibleTo(f.host));
    QVERIFY(!f.Row("Program 100").check->isEnabled());
    QVERIFY(!f.Row("Program 100").trash->isVisibleTo(f.host));

    release.set_value();
    QTRY_VERIFY_WITH_TIMEOUT(result.shown, kRunTimeout);
    QCOMPARE(result.notUninstalled, QStringLiteral("1 program(s) were not uninstalled."));
    QTRY_VERIFY(!f.page->isRefreshing() && f.Row("Program 100").check && f.Row("Program 100").check->isEnabled());
}

void TestUninstallRun::closingTheResultRefreshes_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("title bar close") << "bus";
    QTest::newRow("Escape") << "escape";
    QTest::newRow("window manager close") << "close";
    QTest::newRow("accept") << "accept";
}

void TestUninstallRun::closingTheResultRefreshes()
{
    QFETCH(QString, how);
    PageFixture f;
    f.Build({{"Alpha", "A", "1", 100}, {"Bravo", "B", "1", 200}});
    f.ScriptRemoval("Bravo");
    MsgRecorder recorder{MSG_REFRESH_PAGE, MSG_LIST_READY};
    QStringList listed;
    Result result;
    ConfirmNext(&listed);
    ReadResultNext(&f, &result, [how](CUninstallRstDlg *dialog) {
        if (how == "bus")
            CBPNotifyCentor::instance()->Send(MSG_CLOSE_DLG, 0, nullptr, 0);
        else if (how == "escape")
            QTest::keyClick(dialog, Qt::Key_Escape);
        else if (how == "close")
            dialog->close();
        else
            dialog->accept();
    });
    f.Row("Bravo").trash->click();
    QTRY_VERIFY_WITH_TIMEOUT(result.shown, kRunTimeout);
    QVERIFY(result.pageButtonsDisabled);

    QTRY_COMPARE(recorder.count(MSG_LIST_READY), 1);
    QCOMPARE(recorder.count(MSG_REFRESH_PAGE), 1);
    QCOMPARE(f.RowNames(), QStringList{"Alpha"});
    QVERIFY(f.page->refreshButton()->isEnabled());
    QVERIFY(f.page->refreshButton()->isVisibleTo(f.host));
    QVERIFY(f.Row("Alpha").check->isEnabled());
    QVERIFY(f.Row("Alpha").trash->isVisibleTo(f.host));
    QVERIFY(!f.page->isUninstalling());
}

void TestUninstallRun::removalSetting_data()
{
    QTest::addColumn<QByteArray>("uiconfig");
    QTest::addColumn<QByteArray>("userconfig");
    QTest::addColumn<bool>("deletes");
    QTest::newRow("absent") << QByteArray("[Main]\nWinSize=1\n") << QByteArray() << false;
    QTest::newRow("trash") << QByteArray("[Main]\nLeftoverRemoval=trash\n") << QByteArray() << false;
    QTest::newRow("delete") << QByteArray("[Main]\nLeftoverRemoval=delete\n") << QByteArray() << true;
    QTest::newRow("user over ui") << QByteArray("[Main]\nLeftoverRemoval=delete\n")
                                  << QByteArray("[Main]\nLeftoverRemoval=trash\n") << false;
    QTest::newRow("user asks to delete") << QByteArray() << QByteArray("[Main]\nLeftoverRemoval=Delete\n") << true;
    // A value that is neither keeps what can come back.
    QTest::newRow("unknown") << QByteArray("[Main]\nLeftoverRemoval=shred\n") << QByteArray() << false;
}

void TestUninstallRun::removalSetting()
{
    QFETCH(QByteArray, uiconfig);
    QFETCH(QByteArray, userconfig);
    QFETCH(bool, deletes);
    QTemporaryDir dir;
    for (const auto &file : {qMakePair(QStringLiteral("uiconfig"), uiconfig), qMakePair(QStringLiteral("userconfig"), userconfig)}) {
        if (file.second.isEmpty())
            continue;
        QFile f(dir.filePath(file.first));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(file.second);
    }
    QCOMPARE(LeftoverRemovalSetting(dir.path()) == RemovalMode::Delete, deletes);
}

QTEST_MAIN(TestUninstallRun)
#include "tst_uninstallrun.moc"
