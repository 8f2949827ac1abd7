// The main window: start-up scan behind the splash, failures that must not hang it, F1,
// the blur overlay, the quit message and the refresh dialog.
#include "programs/enumprogrampage.h"
#include "app/mainwin.h"
#include "shell/msgids.h"
#include "shell/processexit.h"
#include "programs/refreshdlg.h"
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

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

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
