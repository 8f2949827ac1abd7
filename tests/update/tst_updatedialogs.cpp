// The update check as the user meets it: the waiting dialog that cannot be dismissed while
// the worker runs, the result dialog's views, and its buttons.
#include "shell/msgids.h"
#include "libs/updatekit/updateaddressoverride.h"
#include "libs/vdxqt/notifycentor.h"
#include "modalwatch.h"
#include "platform/fake/fakeplatform.h"
#include "readonlyfolder.h"
#include "tests/libs/localhttpserver.h"
#include "update/checkupdate.h"
#include "update/updaterstdlg.h"
#include "widgets/windowdlgtitle.h"

#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

#include <memory>

namespace {

const QString kInfoPath = QStringLiteral("/update/purgewell.ini");
const QString kDownloadPage = QStringLiteral("https://downloads.test/download/uninstaller-update.html");
const QByteArray kNewer = "[VERSION]\nLatest=1.3.0.0\nDescription=<b>Faster</b> scans, fewer leftovers\n";
constexpr Qt::WindowFlags kDialogFlags = Qt::Dialog | Qt::FramelessWindowHint;

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString labelText(QWidget *dialog, const char *name)
{
    auto *label = dialog->findChild<QLabel *>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("<no %1>").arg(QLatin1String(name));
}

void closeDialogs()
{
    CBPNotifyCentor::instance()->Send(MSG_CLOSE_DLG, 0, nullptr, 0);
}

} // namespace

class TestUpdateDialogs : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void outcomesReachTheirView_data();
    void outcomesReachTheirView();
    void waitingDialogCannotBeDismissed();
    void workerOutlivingItsDialogWritesNothingIntoIt();
    void buttonsEndTheDialog_data();
    void buttonsEndTheDialog();
    void noUpdaterShowsUpToDateWithoutText();
    void descriptionLinksNeverOpenLocalFiles();

private:
    struct Check {
        QString text;
        int failed = -1;
        int newVersion = -1;
        UpgradeInfo upgrade;
    };
    Check runCheck();
    std::unique_ptr<CUpdateRstDlg> resultDialog(const Check &check);

    std::unique_ptr<pw::CFakePlatform> m_platform;
    std::unique_ptr<CLocalHttpServer> m_server;
    std::unique_ptr<updatekit::CUpdateAddressOverride> m_addresses;
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<QWidget> m_main;
};

void TestUpdateDialogs::init()
{
    m_platform = std::make_unique<pw::CFakePlatform>();
    m_server = std::make_unique<CLocalHttpServer>();
    m_addresses = std::make_unique<updatekit::CUpdateAddressOverride>(m_server->url(kInfoPath), kDownloadPage);
    m_folder = std::make_unique<QTemporaryDir>();
    m_main = std::make_unique<QWidget>();
}

void TestUpdateDialogs::cleanup()
{
    m_server->release();
    m_main.reset();
    m_folder.reset();
    m_addresses.reset();
    m_server.reset();
    m_platform.reset();
}

TestUpdateDialogs::Check TestUpdateDialogs::runCheck()
{
    CheckUpdate dialog(m_main.get());
    dialog.setWindowFlags(kDialogFlags);
    dialog.SetProgramFolder(m_folder->path());
    dialog.StartCheck();
    dialog.exec();
    return Check{dialog.ResultText(), dialog.IsFailed(), dialog.HasNewVersion(), dialog.Upgrade()};
}

std::unique_ptr<CUpdateRstDlg> TestUpdateDialogs::resultDialog(const Check &check)
{
    auto dialog = std::make_unique<CUpdateRstDlg>(542, 372, m_main.get());
    dialog->setWindowFlags(kDialogFlags);
    dialog->SetContent(check.text, check.failed, check.newVersion, check.upgrade);
    return dialog;
}

void TestUpdateDialogs::outcomesReachTheirView_data()
{
    QTest::addColumn<QString>("setup"); // "served", "refused", "served once", "read-only"
    QTest::addColumn<QByteArray>("served");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("view");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("description"); // plain text of the browser

    const QString congratulations = QStringLiteral("Congratulations!");
    const QString failedTitle = QStringLiteral("Update Failed!");
    const QString fetchFailed = QStringLiteral("Failed to check for updates. Please check your network connection.");
    const QString shortMessage = QStringLiteral("A new version has been released, do you want to update now?");
    QTest::newRow("newer with description")
        << "served" << kNewer << 200 << int(CUpdateRstDlg::ViewNewVersionDescription) << QString() << QString()
        << QStringLiteral("Faster scans, fewer leftovers");
    QTest::newRow("running 1.2.0.0 is the latest")
        << "served" << QByteArray("[VERSION]\nLatest=1.2.0.0\n") << 200 << int(CUpdateRstDlg::ViewUpToDate)
        << congratulations << QStringLiteral("You already have the latest version, no update \nis available.") << QString();
    QTest::newRow("404") << "served" << kNewer << 404 << int(CUpdateRstDlg::ViewFailed) << failedTitle << fetchFailed
                         << QString();
    QTest::newRow("refused connection") << "refused" << kNewer << 200 << int(CUpdateRstDlg::ViewFailed) << failedTitle
                                        << fetchFailed << QString();
    QTest::newRow("newer, Upgrade.ini unavailable")
        << "served once" << kNewer << 200 << int(CUpdateRstDlg::ViewNewVersionShort) << congratulations << shortMessage
        << QString();
    QTest::newRow("newer, read-only program folder with a stale Upgrade.ini")
        << "read-only" << kNewer << 200 << int(CUpdateRstDlg::ViewNewVersionShort) << congratulations << shortMessage
        << QString();
}

void TestUpdateDialogs::outcomesReachTheirView()
{
    QFETCH(QString, setup);
    QFETCH(QByteArray, served);
    QFETCH(int, status);
    QFETCH(int, view);
    QFETCH(QString, title);
    QFETCH(QString, message);
    QFETCH(QString, description);

    m_server->setFile(kInfoPath, served, status, setup == QLatin1String("served once") ? 1 : -1);
    std::unique_ptr<updatekit::CUpdateAddressOverride> refused;
    if (setup == QLatin1String("refused")) {
        m_addresses.reset();
        refused = std::make_unique<updatekit::CUpdateAddressOverride>(
            QStringLiteral("http://127.0.0.1:%1%2").arg(CLocalHttpServer::closedPort()).arg(kInfoPath), kDownloadPage);
    }
    const QString upgradeIni = m_folder->filePath(QStringLiteral("Upgrade.ini"));
    const QByteArray stale = "[VERSION]\nLatest=1.2.5.0\nDescription=Stale from an earlier run\n";

    Check check;
    if (setup == QLatin1String("read-only")) {
        QFile f(upgradeIni);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(stale);
        f.close();
        CReadOnlyFolder guard(m_folder->path());
        if (!guard.isReadOnly())
            QSKIP("this system lets the test write into a read-only folder");
        check = runCheck();
    } else {
        check = runCheck();
    }

    std::unique_ptr<CUpdateRstDlg> dialog = resultDialog(check);
    QCOMPARE(int(dialog->CurrentView()), view);
    auto *update = dialog->findChild<QPushButton *>(QStringLiteral("updateButton"));
    auto *browser = dialog->findChild<QTextBrowser *>(QStringLiteral("descriptionBrowser"));
    switch (view) {
    case CUpdateRstDlg::ViewNewVersionDescription:
        QVERIFY(browser);
        QCOMPARE(browser->toPlainText(), description);
        QVERIFY(browser->toHtml().contains(QLatin1String("font-weight:600"))); // the markup is rendered
        QVERIFY(labelText(dialog.get(), "titleLabel").contains(QLatin1String("A new version of Vendrix Purgewell  is available!")));
        QVERIFY(update);
        QCOMPARE(readFile(upgradeIni), served); // left in the program folder
        break;
    case CUpdateRstDlg::ViewNewVersionShort:
        QVERIFY(!browser);
        QVERIFY(update);
        QCOMPARE(labelText(dialog.get(), "titleLabel"), title);
        QCOMPARE(labelText(dialog.get(), "messageLabel"), message);
        QCOMPARE(readFile(upgradeIni), setup == QLatin1String("read-only") ? stale : QByteArray());
        break;
    default:
        QVERIFY(!browser);
        QVERIFY(!update);
        QCOMPARE(labelText(dialog.get(), "titleLabel"), title);
        QCOMPARE(labelText(dialog.get(), "messageLabel"), message);
        QVERIFY(!QFileInfo::exists(upgradeIni));
        break;
    }
    if (view == CUpdateRstDlg::ViewUpToDate)
        QCOMPARE(labelText(dialog.get(), "messageLabel").split(QLatin1Char('\n')).size(), 2);
}

void TestUpdateDialogs::waitingDialogCannotBeDismissed()
{
    m_server->setFile(kInfoPath, kNewer);
    m_server->hold();
    CheckUpdate dialog(m_main.get());
    dialog.setWindowFlags(kDialogFlags);
    dialog.SetProgramFolder(m_folder->path());
    dialog.StartCheck();
    dialog.show();
    QTRY_COMPARE(m_server->waitingCount(), 1); // the worker is in the middle of its work

    QPushButton *close = dialog.titleBar->closeButton();
    QVERIFY(!close->isEnabled());
    QTest::mouseClick(close, Qt::LeftButton);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    dialog.close();
    dialog.reject();
    closeDialogs();
    CBPNotifyCentor::instance()->Send(MSG_UPDATE_CHECK_DONE, 0, nullptr, 0); // not this check's
    QCoreApplication::processEvents();
    QVERIFY(dialog.isVisible());
    QVERIFY(dialog.IsChecking());

    m_server->release();
    QTRY_VERIFY(!dialog.isVisible());
    QCOMPARE(dialog.HasNewVersion(), 1);
    QCOMPARE(dialog.IsFailed(), 0);
    QVERIFY(dialog.Upgrade().available);
    QCOMPARE(dialog.Upgrade().description, QStringLiteral("<b>Faster</b> scans, fewer leftovers"));
}

void TestUpdateDialogs::workerOutlivingItsDialogWritesNothingIntoIt()
{
    // Only the destruction of its parent can take the waiting dialog away mid-check.
    m_server->setFile(kInfoPath, kNewer);
    m_server->hold();
    QPointer<CheckUpdate> dialog = new CheckUpdate(m_main.get());
    dialog->SetProgramFolder(m_folder->path());
    dialog->StartCheck();
    QTRY_COMPARE(m_server->waitingCount(), 1);
    m_main.reset();
    QVERIFY(dialog.isNull());

    m_server->release();
    QTRY_VERIFY(QFileInfo::exists(m_folder->filePath(QStringLiteral("Upgrade.ini"))));

    // A later check gets its own answer, even when the orphaned worker's message arrives
    // while it waits.
    m_main = std::make_unique<QWidget>();
    m_server->setFile(kInfoPath, "[VERSION]\nLatest=1.0.0.0\n");
    const Check check = runCheck();
    QCOMPARE(check.newVersion, 0);
    QCOMPARE(check.failed, 0);
    QCOMPARE(check.text, UpToDateText());
}

void TestUpdateDialogs::buttonsEndTheDialog_data()
{
    QTest::addColumn<bool>("withDescription");
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("opensPage");
    QTest::newRow("description view, update") << true << "updateButton" << true;
    QTest::newRow("description view, cancel") << true << "cancelButton" << false;
    QTest::newRow("short view, update") << false << "updateButton" << true;
    QTest::newRow("short view, cancel") << false << "cancelButton" << false;
}

void TestUpdateDialogs::buttonsEndTheDialog()
{
    QFETCH(bool, withDescription);
    QFETCH(QString, button);
    QFETCH(bool, opensPage);
    UpgradeInfo upgrade;
    upgrade.available = withDescription;
    upgrade.description = QStringLiteral("Notes");
    auto dialog = resultDialog(Check{NewVersionText(), 0, 1, upgrade});

    bool gaveUp = false;
    WhenModal<CUpdateRstDlg>(
        [button](CUpdateRstDlg *d) {
            auto *b = d->findChild<QPushButton *>(button);
            if (b)
                QTest::mouseClick(b, Qt::LeftButton);
            else
                closeDialogs();
        },
        [&gaveUp] {
            gaveUp = true;
            closeDialogs();
        });
    dialog->exec(); // returns only when the click ended it
    QVERIFY(!gaveUp);
    QVERIFY(!dialog->isVisible());
    const std::vector<std::string> expected =
        opensPage ? std::vector<std::string>{kDownloadPage.toStdString()} : std::vector<std::string>{};
    QCOMPARE(m_platform->desktop.openedUrls, expected);
}

void TestUpdateDialogs::noUpdaterShowsUpToDateWithoutText()
{
    auto dialog = resultDialog(Check{QString(), 0, 0, UpgradeInfo()});
    QCOMPARE(dialog->CurrentView(), CUpdateRstDlg::ViewUpToDate);
    QCOMPARE(labelText(dialog.get(), "titleLabel"), QStringLiteral("Congratulations!"));
    QCOMPARE(labelText(dialog.get(), "messageLabel"), QString());
}

void TestUpdateDialogs::descriptionLinksNeverOpenLocalFiles()
{
    UpgradeInfo upgrade;
    upgrade.available = true;
    upgrade.description = QStringLiteral("<a href='file:///etc/hostname'>local</a> <a href='https://notes.test/1.3'>notes</a>");
    auto dialog = resultDialog(Check{NewVersionText(), 0, 1, upgrade});
    auto *browser = dialog->findChild<QTextBrowser *>(QStringLiteral("descriptionBrowser"));
    QVERIFY(browser);
    const QString before = browser->toPlainText();
    emit browser->anchorClicked(QUrl(QStringLiteral("file:///etc/hostname")));
    QCOMPARE(browser->toPlainText(), before);
    QVERIFY(m_platform->desktop.openedUrls.empty());
    emit browser->anchorClicked(QUrl(QStringLiteral("https://notes.test/1.3")));
    QCOMPARE(m_platform->desktop.openedUrls, std::vector<std::string>{"https://notes.test/1.3"});
}

QTEST_MAIN(TestUpdateDialogs)
#include "tst_updatedialogs.moc"
