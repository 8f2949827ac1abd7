// The uninstall run through the page with a scripted process runner: what is queued and in
// which order, confirmation and its cancellation, the row statuses, the pause between two
// programs, what the result reports, and the refresh that ends every run.
#include "inventory/programhelpers.h"
#include "pagefixture.h"
#include "programs/readyuninstalldlg.h"
#include "programs/uninstallrstdlg.h"
#include "programs/uninstallrun.h"
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
    void pauseBetweenProgramsKeepsTheWindowLive();
    void rowsComingIntoViewDuringARunAreLocked();
    void closingTheResultRefreshes_data();
    void closingTheResultRefreshes();
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

QTEST_MAIN(TestUninstallRun)
#include "tst_uninstallrun.moc"
