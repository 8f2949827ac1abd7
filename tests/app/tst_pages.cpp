// The page container: switching by message, rejected ids, keys that must not switch.
#include "programs/enumprogrampage.h"
#include "shell/msgids.h"
#include "app/rightcontent.h"
#include "shell/rightcontentbase.h"
#include "app/righttab.h"
#include "shell/uipublic.h"
#include "libs/vdxqt/notifycentor.h"
#include "platform/fake/fakeplatform.h"

#include <QTabBar>
#include <QVBoxLayout>
#include <QtTest>

namespace {

class TestPage : public QVBoxLayout, public CRightContentBase {
public:
    explicit TestPage(int id) : CRightContentBase(id) {}
    void ActivatePage(int b, int c) override { calls.append({b, c}); }
    QList<QPair<int, int>> calls;
};

void sendSwitch(const void *payload, int len)
{
    CBPNotifyCentor::instance()->Send(MSG_SWITCH_PAGE, 0, payload, len);
}

} // namespace

class TestPages : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void programsPageIsCreated();
    void switchPage_data();
    void switchPage();
    void switchWithoutPayloadReturnsToPreviousPage();
    void pageSetterSendsPayload();
    void keysDoNotSwitchPages_data();
    void keysDoNotSwitchPages();

private:
    pw::CFakePlatform m_platform;
};

void TestPages::initTestCase()
{
    CUIPublic::GetInstance()->SetPrograms(InstalledProgramList());
}

void TestPages::programsPageIsCreated()
{
    CRightContent content;
    CRightTab *tab = content.Tab();
    QCOMPARE(tab->Pages().keys(), QList<int>{0});
    QVERIFY(tab->tabBar()->isHidden());
    QVERIFY(tab->documentMode());
    QCOMPARE(tab->CurrentPageId(), 0);
    auto *page = dynamic_cast<CRightContentBase *>(tab->Pages().value(0)->layout());
    QVERIFY(page);
    QCOMPARE(page->GetPageId(), 0);
    QVERIFY(dynamic_cast<CEnumProgramPage *>(page));
}

void TestPages::switchPage_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("current");  // page id current afterwards
    QTest::addColumn<int>("activated"); // which test page's hook ran, -1 for none
    // Pages 0 (programs) and 1 (a test page) exist; the test page 1 is current at the start.
    QTest::newRow("0 switches") << 0 << 0 << -1;
    QTest::newRow("1 activates") << 1 << 1 << 1;
    QTest::newRow("2 has no page") << 2 << 1 << -1;
    QTest::newRow("3 is no page") << 3 << 1 << -1;
    QTest::newRow("-1") << -1 << 1 << -1;
    QTest::newRow("99") << 99 << 1 << -1;
}

void TestPages::switchPage()
{
    QFETCH(int, page);
    QFETCH(int, current);
    QFETCH(int, activated);

    CRightContent content;
    auto *testPage = new TestPage(1);
    content.Tab()->AddPage(1, testPage);
    content.SwitchPage(1, 0, 0);
    testPage->calls.clear();
    QCOMPARE(content.Tab()->CurrentPageId(), 1);

    const int payload[4] = {page, 7, 8, 9};
    sendSwitch(payload, sizeof payload);

    QCOMPARE(content.Tab()->CurrentPageId(), current);
    if (activated == 1) {
        // The hook gets the payload's third and fourth integers.
        QCOMPARE(testPage->calls, (QList<QPair<int, int>>{{8, 9}}));
    } else {
        QVERIFY(testPage->calls.isEmpty());
    }
}

void TestPages::switchWithoutPayloadReturnsToPreviousPage()
{
    CRightContent content;
    auto *testPage = new TestPage(1);
    content.Tab()->AddPage(1, testPage);
    QCOMPARE(content.PreviousPageId(), 0);

    const int toOne[4] = {1, 0, 0, 0};
    sendSwitch(toOne, sizeof toOne);
    QCOMPARE(content.Tab()->CurrentPageId(), 1);
    QCOMPARE(content.PreviousPageId(), 0);

    sendSwitch(nullptr, 0);
    QCOMPARE(content.Tab()->CurrentPageId(), 0);
    QCOMPARE(content.PreviousPageId(), 1);

    sendSwitch(nullptr, 0);
    QCOMPARE(content.Tab()->CurrentPageId(), 1);
    QCOMPARE(testPage->calls.last(), qMakePair(-1, -1));
}

void TestPages::pageSetterSendsPayload()
{
    struct Recorder : CBPMsgReceiver {
        Recorder() { RegisterMsg(MSG_SWITCH_PAGE); }
        int ReceiveMsg(const __MsgData &msg) override
        {
            payload = QByteArray(static_cast<const char *>(msg.data), msg.len);
            return 0;
        }
        QByteArray payload;
    } recorder;

    CUIPublic::GetInstance()->SetPage(3, 5, 6);
    QCOMPARE(recorder.payload.size(), 16);
    int values[4];
    memcpy(values, recorder.payload.constData(), 16);
    QCOMPARE(values[0], 3);
    QCOMPARE(values[1], 0);
    QCOMPARE(values[2], 0);
    QCOMPARE(values[3], 0);
    QCOMPARE(CUIPublic::GetInstance()->GetPage(), 3);
}

void TestPages::keysDoNotSwitchPages_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Ctrl+Tab") << int(Qt::Key_Tab) << int(Qt::ControlModifier);
    QTest::newRow("Ctrl+Shift+Tab") << int(Qt::Key_Backtab) << int(Qt::ControlModifier | Qt::ShiftModifier);
    QTest::newRow("Ctrl+PageDown") << int(Qt::Key_PageDown) << int(Qt::ControlModifier);
    QTest::newRow("Ctrl+PageUp") << int(Qt::Key_PageUp) << int(Qt::ControlModifier);
}

void TestPages::keysDoNotSwitchPages()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    CRightContent content;
    content.Tab()->AddPage(1, new TestPage(1));
    content.Tab()->AddPage(2, new TestPage(2));
    content.resize(400, 300);
    content.show();
    content.SwitchPage(1, 0, 0);

    QKeyEvent press(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers));
    QApplication::sendEvent(content.Tab(), &press);
    QVERIFY(!press.isAccepted()); // left to the parent
    QTest::keyClick(content.Tab(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QTest::keyClick(content.Tab()->currentWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(content.Tab()->CurrentPageId(), 1);
}

QTEST_MAIN(TestPages)
#include "tst_pages.moc"
