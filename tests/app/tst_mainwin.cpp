// The main window: start-up scan behind the splash, failures that must not hang it, F1,
// the blur overlay, the quit message, the refresh dialog, and closing while an uninstall runs.
#include "programs/enumprogrampage.h"
#include "app/mainwin.h"
#include "shell/msgids.h"
#include "shell/processexit.h"
#include "programs/refreshdlg.h"
#include "programs/uninstallrun.h"
#include "app/rightcontent.h"
#include "app/righttab.h"
#include "app/startdlg.h"
#include "shell/uipublic.h"
#include "shell/widgethelpers.h"
#include "inventory/appenum.h"
#include "libs/sharelog/sharelog.h"
#include "libs/vdxqt/notifycentor.h"
#include "platform/fake/fakeplatform.h"
#include "widgets/blurdlg.h"
#include "widgets/msgdlg.h"
#include "widgets/windowtitle.h"

#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <future>
#include <stdexcept>
#include <thread>

namespace {

const char kUninstall[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

void addProgram(pw::CFakeRegistry &registry, const std::string &key, const std::string &name)
{
    const std::string path = kUninstall + key;
    registry.SetString(pw::RegRoot::CurrentUser, pw::CFakeRegistry::View64, path, "DisplayName", name);
    registry.SetString(pw::RegRoot::CurrentUser, pw::CFakeRegistry::View64, path, "UninstallString",
                       "C:\\Program Files\\" + name + "\\uninst.exe");
}

// A registry whose reads fail the way a dead backend does.
class ThrowingRegistry : public pw::CFakeRegistry {
public:
    pw::WinError OpenKey(pw::RegKey, const std::string &, uint32_t, pw::RegKey *) override
    {
        throw std::runtime_error("registry backend went away");
    }
    // The scan asks for a copy of each uninstall tree first: that is where it meets the loss.
    std::unique_ptr<pw::IRegistry> Snapshot(pw::RegRoot, const std::string &, uint32_t) override
    {
        throw std::runtime_error("registry backend went away");
    }
};

// Records the bus messages of one id.
class MsgCounter : public CBPMsgReceiver {
public:
    explicit MsgCounter(unsigned int id)
    {
        SetNotifyCentor(CBPNotifyCentor::instance());
        RegisterMsg(id);
    }
    int ReceiveMsg(const __MsgData &) override
    {
        ++count;
        return 0;
    }
    int count = 0;
};

// Answers every message box that comes up while it lives with its first ("YES") or second
// button, in turn as given, and keeps the questions.
class BoxAnswers {
public:
    explicit BoxAnswers(QList<bool> yes) : m_yes(std::move(yes))
    {
        m_poll.setInterval(5);
        QObject::connect(&m_poll, &QTimer::timeout, [this] {
            auto *box = qobject_cast<CMSGDlg *>(QApplication::activeModalWidget());
            if (!box || !box->isVisible() || box == m_answering)
                return;
            m_answering = box;
            texts << box->findChild<QLabel *>(QStringLiteral("msgText"))->text();
            const bool yes = m_yes.isEmpty() ? false : m_yes.takeFirst();
            box->findChild<QPushButton *>(yes ? QStringLiteral("msgFirstButton") : QStringLiteral("msgSecondButton"))->click();
        });
        m_poll.start();
    }
    QStringList texts;

private:
    QList<bool> m_yes;
    QTimer m_poll;
    QPointer<CMSGDlg> m_answering;
};

QByteArray readLog(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestMainWin : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void startupReadsListBehindSplash();
    void failingScanOpensWithEmptyList();
    void workerThatCannotStartOpensWithEmptyList();
    void f1OpensHelpLink();
    void otherKeysOpenNothing();
    void overlayFollowsModalDialogs_data();
    void overlayFollowsModalDialogs();
    void quitMessageEndsProcessASecondLater();
    void refreshDialogCentresAndCloses();
    void closingWhileUninstallingAsks_data();
    void closingWhileUninstallingAsks();
    void closingWhenIdleDoesNotAsk();
    void stateIconShowsSecondImageWhenDisabled();

private:
    QTemporaryDir m_dir;
    QString m_log;
};

void TestMainWin::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_log = m_dir.filePath(QStringLiteral("test.log"));
    sharelog::SetLogFilePath(m_log);
}

void TestMainWin::init()
{
    CUIPublic::GetInstance()->SetPrograms(InstalledProgramList());
    CUIPublic::GetInstance()->SetWin10OrLater(false);
    CMainWin::SetThreadStarter({});
}

void TestMainWin::startupReadsListBehindSplash()
{
    pw::CFakePlatform platform;
    addProgram(platform.registry, "Alpha", "Alpha Editor");
    addProgram(platform.registry, "Beta", "Beta Player");

    // Hold the scan until the splash is seen, with no main window shown.
    std::function<void()> scan;
    std::thread worker;
    CMainWin::SetThreadStarter([&](std::function<void()> work) {
        scan = std::move(work);
        return true;
    });
    bool splashUp = false;
    bool mainWindowShown = true;
    QTimer::singleShot(0, this, [&] {
        QTRY_VERIFY(qobject_cast<CStartDlg *>(QApplication::activeModalWidget()));
        splashUp = true;
        mainWindowShown = false;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (qobject_cast<CMainWin *>(w) && w->isVisible())
                mainWindowShown = true;
        worker = std::thread(scan);
    });
    CMainWin window;
    worker.join();
    QVERIFY(splashUp);
    QVERIFY(!mainWindowShown);

    QVERIFY(!window.isVisible());
    QVERIFY(window.RightContent());
    QCOMPARE(window.RightContent()->Tab()->CurrentPageId(), 0);
    QCOMPARE(window.Programs().size(), 2);
    QCOMPARE(CUIPublic::GetInstance()->GetPrograms().size(), 2);
    QCOMPARE(CUIPublic::GetInstance()->GetAppEnum(), window.AppEnum());
    QVERIFY(window.BlurDialog() && !window.BlurDialog()->isVisible());
    // From the settings beside the test, which name another size than the default.
    QCOMPARE(window.size(), QSize(1100, 700));
    QVERIFY(CMainWin::DefaultSize() != QSize(1100, 700));
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(readLog(m_log).contains("CStartDlg received MSG_CLOSE_DLG!"));
}

void TestMainWin::failingScanOpensWithEmptyList()
{
    pw::CFakePlatform platform;
    ThrowingRegistry broken;
    pw::Platform withBrokenRegistry = pw::CurrentPlatform();
    withBrokenRegistry.registry = &broken;
    pw::SetCurrentPlatform(withBrokenRegistry);
    CUIPublic::GetInstance()->SetPrograms(InstalledProgramList() << InstalledProgram());

    CMainWin window; // returns: the splash did not wait for ever

    QVERIFY(window.RightContent());
    QVERIFY(window.Programs().isEmpty());
    QVERIFY(CUIPublic::GetInstance()->GetPrograms().isEmpty());
    QVERIFY(readLog(m_log).contains("registry backend went away"));
}

void TestMainWin::workerThatCannotStartOpensWithEmptyList()
{
    pw::CFakePlatform platform;
    addProgram(platform.registry, "Alpha", "Alpha Editor");
    CMainWin::SetThreadStarter([](std::function<void()>) { return false; });
    CMainWin window;
    QVERIFY(window.RightContent());
    QVERIFY(window.Programs().isEmpty());
    QVERIFY(!QApplication::activeModalWidget());
}

void TestMainWin::f1OpensHelpLink()
{
    pw::CFakePlatform platform;
    CMainWin window;
    window.show();
    QTest::keyClick(&window, Qt::Key_F1);

    const QSettings installed(QCoreApplication::applicationDirPath() + QStringLiteral("/uiconfig"),
                              QSettings::IniFormat);
    const QString expected = installed.value(QStringLiteral("URL/ID_LINK_HELP")).toString();
    QVERIFY(!expected.isEmpty());
    QCOMPARE(platform.desktop.openedUrls, std::vector<std::string>{expected.toStdString()});
}

void TestMainWin::otherKeysOpenNothing()
{
    pw::CFakePlatform platform;
    CMainWin window;
    window.show();
    for (Qt::Key key : {Qt::Key_F2, Qt::Key_Escape, Qt::Key_Return, Qt::Key_A})
        QTest::keyClick(&window, key);
    QVERIFY(platform.desktop.openedUrls.empty());
    QVERIFY(window.isVisible());
}

void TestMainWin::overlayFollowsModalDialogs_data()
{
    QTest::addColumn<bool>("win10");
    QTest::newRow("Windows 10") << true;
    QTest::newRow("earlier or not Windows") << false;
}

void TestMainWin::overlayFollowsModalDialogs()
{
    QFETCH(bool, win10);
    pw::CFakePlatform platform;
    CMainWin window;
    CUIPublic::GetInstance()->SetWin10OrLater(win10);
    window.move(120, 80);
    window.show();

    bool shownWhileBlocked = false;
    QPoint overlayPos;
    CMSGDlg box(434, 240, &window);
    box.SetContent(CMSGDlg::IconWarning, QStringLiteral("modal"), CMSGDlg::ButtonsOk);
    QTimer::singleShot(0, &box, [&] {
        shownWhileBlocked = window.BlurDialog()->isVisible();
        overlayPos = window.BlurDialog()->pos();
        box.OKClicked();
    });
    box.exec();
    QCOMPARE(shownWhileBlocked, win10);
    if (win10)
        QCOMPARE(overlayPos, window.geometry().topLeft());
    QTRY_VERIFY(!window.BlurDialog()->isVisible());
}

void TestMainWin::quitMessageEndsProcessASecondLater()
{
    pw::CFakePlatform platform;
    CMainWin window;
    CBPNotifyCentor::instance()->Send(MSG_QUIT_APP, 0, nullptr, 0);
    QVERIFY(platform.processes.Exits().empty()); // not at once, and the event loop keeps running meanwhile
    // A second later: a single-shot timer of 1000 ms is running.
    QVERIFY(window.QuitTimer()->isActive());
    QVERIFY(window.QuitTimer()->isSingleShot());
    QCOMPARE(window.QuitTimer()->interval(), 1000);
    bool loopRan = false;
    QTimer::singleShot(0, [&] { loopRan = true; });
    QTRY_VERIFY_WITH_TIMEOUT(!platform.processes.Exits().empty(), 5000);
    QVERIFY(loopRan);
    QCOMPARE(platform.processes.Exits(), std::vector<int>{0});
}

void TestMainWin::refreshDialogCentresAndCloses()
{
    QWidget parent;
    parent.setGeometry(101, 53, 1001, 641);
    CRefreshDlg dlg(&parent);
    QCOMPARE(dlg.size(), QSize(130, 85));
    // 1001/2 = 500, 130/2 = 65; 641/2 = 320, 85/2 = 42.
    QCOMPARE(dlg.pos(), QPoint(101 + 500 - 65, 53 + 320 - 42));
    dlg.setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    QTimer::singleShot(0, [] { CBPNotifyCentor::instance()->Send(MSG_CLOSE_DLG, 0, nullptr, 0); });
    dlg.exec();
    QVERIFY(!dlg.isVisible());
}

void TestMainWin::closingWhileUninstallingAsks_data()
{
    QTest::addColumn<bool>("titleBar");
    QTest::newRow("title bar's close button") << true;
    QTest::newRow("Alt+F4, the window manager") << false;
}

void TestMainWin::closingWhileUninstallingAsks()
{
    QFETCH(bool, titleBar);
    pw::CFakePlatform platform;
    CMainWin window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // An uninstaller that runs until the test lets it end.
    const std::string command = "\"C:\\Apps\\Alpha\\uninst.exe\" /S";
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    platform.processes.SetScript(command, {pw::IProcessRunner::Result{}, [released] { released.wait(); }});
    auto *run = new CUninstallRun(&window);
    CUninstallRun::Step step;
    step.index = 0;
    qstrncpy(step.program.DisplayName, "Alpha", sizeof step.program.DisplayName);
    qstrncpy(step.program.UninstallString, command.c_str(), sizeof step.program.UninstallString);
    QSignalSpy finished(run, &CUninstallRun::finished);
    run->Start({step}, false);
    QVERIFY(window.IsUninstallRunning());

    MsgCounter closing(MSG_APP_CLOSING);
    const auto close = [&] {
        if (titleBar)
            window.titleBar->closeButton()->click();
        else
            window.close();
    };
    {
        // No: everything goes on.
        BoxAnswers answers({false});
        close();
        QCOMPARE(answers.texts.size(), 1);
        QVERIFY2(answers.texts.at(0).simplified().startsWith(QStringLiteral("An uninstall is still running.")),
                 qPrintable(answers.texts.at(0)));
        QVERIFY2(answers.texts.at(0).simplified().endsWith(QStringLiteral("Close Vendrix Purgewell anyway?")),
                 qPrintable(answers.texts.at(0)));
        QVERIFY(platform.processes.Exits().empty());
        QCOMPARE(closing.count, 0);
        QVERIFY(window.isVisible());
        QVERIFY(run->IsRunning());
    }
    {
        // Yes: announced, and the process ends at once.
        BoxAnswers answers({true});
        close();
        QCOMPARE(answers.texts.size(), 1);
        QCOMPARE(platform.processes.Exits(), std::vector<int>{0});
        QCOMPARE(closing.count, 1);
    }

    release.set_value();
    QVERIFY(finished.wait(20000));
    QVERIFY(!window.IsUninstallRunning());
}

void TestMainWin::closingWhenIdleDoesNotAsk()
{
    pw::CFakePlatform platform;
    CMainWin window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(!window.IsUninstallRunning());
    MsgCounter closing(MSG_APP_CLOSING);
    BoxAnswers answers({});

    // The title bar's button ends the process at once.
    window.titleBar->closeButton()->click();
    QCOMPARE(platform.processes.Exits(), std::vector<int>{0});
    QCOMPARE(closing.count, 1);
    // Any other close closes the window.
    QVERIFY(window.close());
    QVERIFY(!window.isVisible());
    QCOMPARE(platform.processes.Exits(), std::vector<int>{0});
    QVERIFY(answers.texts.isEmpty());
}

void TestMainWin::stateIconShowsSecondImageWhenDisabled()
{
    QImage normal(16, 16, QImage::Format_ARGB32);
    normal.fill(Qt::white);
    QImage disabled(16, 16, QImage::Format_ARGB32);
    disabled.fill(Qt::gray);
    const QString a = m_dir.filePath(QStringLiteral("normal.png"));
    const QString b = m_dir.filePath(QStringLiteral("disabled.png"));
    QVERIFY(normal.save(a) && disabled.save(b));

    const QIcon icon = MakeStateIcon({a, b});
    QCOMPARE(StateIconSize(icon), QSize(16, 16));
    QCOMPARE(icon.pixmap(16, 16, QIcon::Disabled).toImage().pixelColor(8, 8), QColor(Qt::gray));
    QCOMPARE(icon.pixmap(16, 16, QIcon::Normal).toImage().pixelColor(8, 8), QColor(Qt::white));
    SetWidgetFont(nullptr, 12);
    SetWidgetTextColor(nullptr, Qt::red);
}

QTEST_MAIN(TestMainWin)
#include "tst_mainwin.moc"
