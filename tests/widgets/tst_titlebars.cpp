// Title bars: dragging rules, maximise/restore, the buttons and their messages, the frames.
#include "shell/msgids.h"
#include "libs/vdxqt/notifycentor.h"
#include "platform/fake/fakeplatform.h"
#include "widgets/aeroglasshelper.h"
#include "widgets/blurdlg.h"
#include "widgets/windowdlgtitle.h"
#include "widgets/windowtitle.h"
#include "widgets/winfrm.h"

#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

#include <vector>

namespace {

class Recorder : public CBPMsgReceiver {
public:
    explicit Recorder(unsigned int id) { RegisterMsg(id); }
    int ReceiveMsg(const __MsgData &msg) override
    {
        ids.push_back(msg.id);
        return 0;
    }
    std::vector<unsigned int> ids;
};

void send(QWidget *target, QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, pos, target->mapToGlobal(pos), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// A plain window hosting a title bar, as the frames do.
struct Host {
    QWidget window;
    CWindowTitle *title;
    Host()
    {
        auto *layout = new QVBoxLayout(&window);
        title = new CWindowTitle(&window);
        layout->addWidget(title);
        title->SetWindow(&window);
        window.setWindowFlags(Qt::FramelessWindowHint);
        window.setGeometry(200, 150, 600, 400);
        window.show();
    }
};

} // namespace

class TestTitleBars : public QObject {
    Q_OBJECT
private slots:
    void drag_data();
    void drag();
    void dragsAgainAfterRestore();
    void doubleClickTogglesAndSwapsButtons();
    void maximizeRestoreAndMinimizeButtons();
    void closeButtonAnnouncesAndEndsProcess();
    void menuButtonRunsInstalledMenu();
    void nothingHappensWithoutWindow();
    void dialogTitleDragsAndHides();
    void framesBuildTheirParts();
    void windowsVersion_data();
    void windowsVersion();
    void overlayStaysPlainBeforeWindows10_data();
    void overlayStaysPlainBeforeWindows10();
};

void TestTitleBars::drag_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("held");
    QTest::addColumn<bool>("moves");
    QTest::newRow("normal, left") << int(Qt::WindowNoState) << int(Qt::LeftButton) << true;
    QTest::newRow("maximised") << int(Qt::WindowMaximized) << int(Qt::LeftButton) << false;
    QTest::newRow("full screen") << int(Qt::WindowFullScreen) << int(Qt::LeftButton) << false;
    QTest::newRow("left and right") << int(Qt::WindowNoState) << int(Qt::LeftButton | Qt::RightButton) << false;
    QTest::newRow("right only") << int(Qt::WindowNoState) << int(Qt::RightButton) << false;
}

void TestTitleBars::drag()
{
    QFETCH(int, state);
    QFETCH(int, held);
    QFETCH(bool, moves);
    Host host;
    host.window.setWindowState(Qt::WindowStates(state));
    host.window.move(200, 150);
    const QPoint before = host.window.pos();

    send(host.title, QEvent::MouseButtonPress, QPoint(50, 10), Qt::LeftButton, Qt::LeftButton);
    send(host.title, QEvent::MouseMove, QPoint(70, 25), Qt::NoButton, Qt::MouseButtons(held));
    send(host.title, QEvent::MouseButtonRelease, QPoint(70, 25), Qt::LeftButton, Qt::NoButton);

    QCOMPARE(host.window.pos(), moves ? before + QPoint(20, 15) : before);

    // After the release the bar no longer drags.
    const QPoint after = host.window.pos();
    send(host.title, QEvent::MouseMove, QPoint(90, 30), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(host.window.pos(), after);
}

void TestTitleBars::dragsAgainAfterRestore()
{
    Host host;
    host.title->SetMaximized(true);
    send(host.title, QEvent::MouseButtonPress, QPoint(50, 10), Qt::LeftButton, Qt::LeftButton);
    send(host.title, QEvent::MouseMove, QPoint(60, 10), Qt::NoButton, Qt::LeftButton);
    send(host.title, QEvent::MouseButtonRelease, QPoint(60, 10), Qt::LeftButton, Qt::NoButton);

    host.title->SetMaximized(false);
    host.window.move(200, 150);
    send(host.title, QEvent::MouseButtonPress, QPoint(50, 10), Qt::LeftButton, Qt::LeftButton);
    send(host.title, QEvent::MouseMove, QPoint(60, 13), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(host.window.pos(), QPoint(210, 153));
}

void TestTitleBars::doubleClickTogglesAndSwapsButtons()
{
    Host host;
    QVERIFY(host.title->maximizeButton()->isVisible());
    QVERIFY(!host.title->restoreButton()->isVisible());

    send(host.title, QEvent::MouseButtonDblClick, QPoint(50, 10), Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(host.window.windowState(), Qt::WindowMaximized);
    QVERIFY(!host.title->maximizeButton()->isVisible());
    QVERIFY(host.title->restoreButton()->isVisible());

    send(host.title, QEvent::MouseButtonDblClick, QPoint(50, 10), Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(host.window.windowState(), Qt::WindowNoState);
    QVERIFY(host.title->maximizeButton()->isVisible());
    QVERIFY(!host.title->restoreButton()->isVisible());

    // A full-screen window restores on double-click too.
    host.window.setWindowState(Qt::WindowFullScreen);
    send(host.title, QEvent::MouseButtonDblClick, QPoint(50, 10), Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(host.window.windowState(), Qt::WindowNoState);

    host.title->SetMaximizeAllowed(false);
    send(host.title, QEvent::MouseButtonDblClick, QPoint(50, 10), Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(host.window.windowState(), Qt::WindowNoState);
}

void TestTitleBars::maximizeRestoreAndMinimizeButtons()
{
    Host host;
    QTest::mouseClick(host.title->maximizeButton(), Qt::LeftButton);
    QCOMPARE(host.window.windowState(), Qt::WindowMaximized);
    QVERIFY(host.title->restoreButton()->isVisible() && host.title->restoreButton()->isEnabled());
    QTest::mouseClick(host.title->restoreButton(), Qt::LeftButton);
    QCOMPARE(host.window.windowState(), Qt::WindowNoState);
    QVERIFY(host.title->maximizeButton()->isVisible());
    QTest::mouseClick(host.title->minimizeButton(), Qt::LeftButton);
    QVERIFY(host.window.windowState() & Qt::WindowMinimized);
}

void TestTitleBars::closeButtonAnnouncesAndEndsProcess()
{
    pw::CFakePlatform platform;
    Host host;
    Recorder closing(MSG_APP_CLOSING);
    size_t messagesBeforeExit = 0;
    platform.processes.SetExitAction([&](int) { messagesBeforeExit = closing.ids.size(); });
    QTest::mouseClick(host.title->closeButton(), Qt::LeftButton);

    QCOMPARE(platform.processes.Exits(), std::vector<int>{0});
    QCOMPARE(messagesBeforeExit, size_t(1)); // announced before the process ends
}

void TestTitleBars::menuButtonRunsInstalledMenu()
{
    Host host;
    CWindowTitle *owner = nullptr;
    CWindowTitle::SetMenuHandler([&](CWindowTitle *title) { owner = title; });
    QTest::mouseClick(host.title->menuButton(), Qt::LeftButton);
    CWindowTitle::SetMenuHandler({});
    QCOMPARE(owner, host.title);
}

void TestTitleBars::nothingHappensWithoutWindow()
{
    QWidget window(nullptr, Qt::FramelessWindowHint);
    auto *title = new CWindowTitle(&window);
    window.setGeometry(100, 100, 400, 200);
    window.show();
    pw::CFakePlatform platform;
    QTest::mouseClick(title->closeButton(), Qt::LeftButton);
    QTest::mouseClick(title->maximizeButton(), Qt::LeftButton);
    send(title, QEvent::MouseButtonPress, QPoint(50, 10), Qt::LeftButton, Qt::LeftButton);
    send(title, QEvent::MouseMove, QPoint(80, 20), Qt::NoButton, Qt::LeftButton);
    send(title, QEvent::MouseButtonDblClick, QPoint(50, 10), Qt::LeftButton, Qt::LeftButton);
    QVERIFY(platform.processes.Exits().empty());
    QCOMPARE(window.pos(), QPoint(100, 100));
    QCOMPARE(window.windowState(), Qt::WindowNoState);
}

void TestTitleBars::dialogTitleDragsAndHides()
{
    QWidget window(nullptr, Qt::FramelessWindowHint);
    auto *title = new CWindowDlgTitle(&window);
    title->SetWindow(&window);
    window.setGeometry(100, 100, 400, 200);
    window.show();
    send(title, QEvent::MouseButtonPress, QPoint(50, 10), Qt::LeftButton, Qt::LeftButton);
    send(title, QEvent::MouseMove, QPoint(45, 30), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(window.pos(), QPoint(95, 120));
    send(title, QEvent::MouseMove, QPoint(55, 30), Qt::NoButton, Qt::LeftButton | Qt::RightButton);
    QCOMPARE(window.pos(), QPoint(95, 120));

    title->SetCloseEnabled(false);
    QVERIFY(!title->closeButton()->isEnabled());
    title->HideContents();
    QVERIFY(!title->closeButton()->isVisible());
    QCOMPARE(title->height(), 32);
}

void TestTitleBars::framesBuildTheirParts()
{
    CWinFrm frame;
    QVERIFY(frame.titleBar && frame.contentLayout);
    QCOMPARE(frame.titleBar->GetWindow(), &frame);
    QVERIFY(frame.windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(frame.testAttribute(Qt::WA_TranslucentBackground));
    QCOMPARE(frame.titleBar->height(), 32);

    QWidget parent;
    CBaseDialog dlg(&parent);
    QCOMPARE(dlg.titleBar->GetWindow(), &dlg);
    // The frame alone sets only the frameless hint; creators add Qt::Dialog.
    QCOMPARE(dlg.windowFlags() & Qt::WindowType_Mask, Qt::Widget);
    QVERIFY(dlg.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(dlg.contentLayout->contentsMargins(), QMargins(0, 0, 0, 20));
}

void TestTitleBars::windowsVersion_data()
{
    QTest::addColumn<uint>("version");
    QTest::addColumn<bool>("win10");
    QTest::newRow("unknown") << 0u << false;
    QTest::newRow("8.1") << 0x00060003u << false;
    QTest::newRow("9.65535") << 0x0009FFFFu << false;
    QTest::newRow("10.0") << 0x000A0000u << true;
    QTest::newRow("11 reports 10.0") << 0x000A0000u << true;
    QTest::newRow("12.0") << 0x000C0000u << true;
}

void TestTitleBars::windowsVersion()
{
    QFETCH(uint, version);
    QFETCH(bool, win10);
    QCOMPARE(CAeroGlassHelper::IsWindows10Version(version), win10);
}

void TestTitleBars::overlayStaysPlainBeforeWindows10_data()
{
    QTest::addColumn<uint32_t>("kernel32");
    QTest::addColumn<bool>("blurred");
#ifdef Q_OS_WIN
    const bool onWindows = true;
#else
    const bool onWindows = false; // off Windows there is no composition, whatever Wine reports
#endif
    QTest::newRow("Windows 8.1") << ((6u << 16) | 3u) << false;
    QTest::newRow("Windows 10") << (10u << 16) << onWindows;
}

void TestTitleBars::overlayStaysPlainBeforeWindows10()
{
    QFETCH(uint32_t, kernel32);
    QFETCH(bool, blurred);
    pw::CFakePlatform platform;
    platform.system.kernel32Version = kernel32;
    QWidget main;
    main.resize(640, 480);
    CBlurDlg overlay(&main);
    QCOMPARE(overlay.size(), QSize(640, 480));
    QVERIFY(!overlay.titleBar->closeButton()->isVisibleTo(&overlay));
    QCOMPARE(CAeroGlassHelper::IsWindows10OrLater(), blurred);
    overlay.setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    overlay.show();
    QCOMPARE(overlay.graphicsEffect() != nullptr, blurred);
}

QTEST_MAIN(TestTitleBars)
#include "tst_titlebars.moc"
