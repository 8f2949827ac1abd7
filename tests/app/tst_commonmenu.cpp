// The option menu: its entries, a popup that only the mouse drives, the links, the modal
// dialogs it runs over the main window, and the page value it sends after every action.
#include "about/aboutdlg.h"
#include "shell/msgids.h"
#include "shell/uipublic.h"
#include "libs/updatekit/updateaddressoverride.h"
#include "libs/vdxqt/bpstylemenuitem.h"
#include "libs/vdxqt/notifycentor.h"
#include "platform/fake/fakeplatform.h"
#include "tests/libs/localhttpserver.h"
#include "tests/update/modalwatch.h"
#include "update/checkupdate.h"
#include "update/updaterstdlg.h"
#include "app/commonmenu.h"
#include "app/stylemenu.h"

#include <QCursor>
#include <QPushButton>
#include <QWidgetAction>
#include <QtTest>

#include <memory>

namespace {

constexpr Qt::WindowFlags kDialogFlags = Qt::Dialog | Qt::FramelessWindowHint;
const QString kDownloadPage = QStringLiteral("https://downloads.test/download/uninstaller-update.html");

class PageRecorder : public CBPMsgReceiver {
public:
    PageRecorder()
    {
        SetNotifyCentor(CBPNotifyCentor::instance());
        RegisterMsg(MSG_SWITCH_PAGE);
    }
    int ReceiveMsg(const __MsgData &msg) override
    {
        payloads.push_back(QByteArray(static_cast<const char *>(msg.data), msg.len));
        return 0;
    }
    std::vector<QByteArray> payloads;
};

QByteArray pageThree()
{
    const qint32 page[4] = {3, 0, 0, 0};
    return QByteArray(reinterpret_cast<const char *>(page), sizeof page);
}

void closeDialogs()
{
    CBPNotifyCentor::instance()->Send(MSG_CLOSE_DLG, 0, nullptr, 0);
}

bool hasDialogShape(QWidget *dialog, QWidget *mainWindow)
{
    return dialog->parentWidget() == mainWindow && dialog->windowFlags() == kDialogFlags && dialog->isModal();
}

} // namespace

class TestCommonMenu : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void entriesInOrder();
    void popupIgnoresKeysAndRunsTheClickedEntry();
    void shownWhereverTheCursorIs_data();
    void shownWhereverTheCursorIs();
    void linkEntriesOpenTheirSettingsLink_data();
    void linkEntriesOpenTheirSettingsLink();
    void aboutIsAModalChildOfTheMainWindowEachTimeAnew();
    void checkUpdateRunsBothDialogsOverTheMainWindow();

private:
    std::unique_ptr<pw::CFakePlatform> m_platform;
    std::unique_ptr<QWidget> m_main;
    std::unique_ptr<PageRecorder> m_pages;
};

void TestCommonMenu::initTestCase()
{
    // This test has a program folder of its own: the settings links come from there.
    QFile config(QCoreApplication::applicationDirPath() + QStringLiteral("/userconfig"));
    QVERIFY(config.open(QIODevice::WriteOnly | QIODevice::Truncate));
    config.write("[URL]\n"
                 "ID_LINK_SUPPORT=https://support.test/centre\n"
                 "ID_LINK_HELP=https://help.test/guide\n"
                 "ID_LINK_SE=https://scrubwell.test/\n");
}

void TestCommonMenu::cleanupTestCase()
{
    QFile::remove(QCoreApplication::applicationDirPath() + QStringLiteral("/userconfig"));
    QFile::remove(QCoreApplication::applicationDirPath() + QStringLiteral("/Upgrade.ini"));
}

void TestCommonMenu::init()
{
    m_platform = std::make_unique<pw::CFakePlatform>();
    m_main = std::make_unique<QWidget>();
    m_main->resize(800, 600);
    CUIPublic::GetInstance()->SetMainWindow(m_main.get());
    m_pages = std::make_unique<PageRecorder>();
}

void TestCommonMenu::cleanup()
{
    m_pages.reset();
    CUIPublic::GetInstance()->SetMainWindow(nullptr);
    m_main.reset();
    m_platform.reset();
}

void TestCommonMenu::entriesInOrder()
{
    CCommonMenu menu(nullptr);
    const QList<QAction *> actions = menu.OptionMenu()->actions();
    const QStringList labels = {QStringLiteral("Support Center"), QStringLiteral("User Guide"),
                                QStringLiteral("Scrubwell"), QStringLiteral("Restore Removed Items..."),
                                QStringLiteral("Check Update"), QStringLiteral("About")};
    const QList<int> ids = {CCommonMenu::ID_SUPPORT_CENTER, CCommonMenu::ID_USER_GUIDE, CCommonMenu::ID_SCRUBWELL,
                            CCommonMenu::ID_RESTORE, CCommonMenu::ID_CHECK_UPDATE, CCommonMenu::ID_ABOUT};
    QCOMPARE(actions.size(), labels.size());
    for (int i = 0; i < actions.size(); ++i) {
        auto *action = qobject_cast<QWidgetAction *>(actions[i]);
        QVERIFY(action);
        QCOMPARE(action, menu.Action(ids[i]));
        auto *item = qobject_cast<CBPStyleMenuItem *>(action->defaultWidget());
        QVERIFY(item);
        QCOMPARE(item->text(), labels[i]);
        QVERIFY(item->secondText().isEmpty());
        QCOMPARE(item->minimumWidth(), 125);
        QCOMPARE(action->font().pixelSize(), 18);
        QVERIFY(action->font().bold());
    }
}

void TestCommonMenu::popupIgnoresKeysAndRunsTheClickedEntry()
{
    CCommonMenu menu(nullptr);
    CStyleMenu *popup = menu.OptionMenu();
    QCursor::setPos(200, 150);
    // Should a key reach the menu after all, whatever dialog it opens is closed and noted.
    bool dialogOpened = false;
    QTimer dialogGuard;
    connect(&dialogGuard, &QTimer::timeout, [&] {
        if (QApplication::activeModalWidget()) {
            dialogOpened = true;
            closeDialogs();
        }
    });
    dialogGuard.start(1);
    bool shown = false, keysIgnored = true;
    QTimer::singleShot(0, popup, [&] {
        shown = popup->isVisible();
        QAction *before = popup->activeAction();
        for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Down, Qt::Key_Up, Qt::Key_Left, Qt::Key_Right, Qt::Key_Return}) {
            QTest::keyClick(popup, key);
            keysIgnored = keysIgnored && popup->isVisible() && popup->activeAction() == before && m_pages->payloads.empty();
            if (!keysIgnored)
                break;
        }
        if (!keysIgnored)
            return;
        // A click on the entry's own widget reaches the menu, which runs the entry.
        QWidget *item = menu.Action(CCommonMenu::ID_USER_GUIDE)->defaultWidget();
        QTest::mouseClick(item, Qt::LeftButton, Qt::NoModifier, item->rect().center());
        if (popup->isVisible())
            popup->hide();
    });
    QAction *chosen = menu.Popup(CCommonMenu::POPUP_OPTION, -1, -1, QVariantList());
    QVERIFY(shown);
    QVERIFY(keysIgnored);
    QVERIFY(!dialogOpened);
    QCOMPARE(chosen, menu.Action(CCommonMenu::ID_USER_GUIDE));
    QCOMPARE(m_platform->desktop.openedUrls, std::vector<std::string>{"https://help.test/guide"});
    QCOMPARE(m_pages->payloads, std::vector<QByteArray>{pageThree()});
    QCOMPARE(menu.LastPopupKind(), int(CCommonMenu::POPUP_OPTION));
}

void TestCommonMenu::shownWhereverTheCursorIs_data()
{
    QTest::addColumn<QPoint>("cursor");
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("expectShown");
    QTest::newRow("on the primary screen") << QPoint(100, 100) << 2 << true;
    QTest::newRow("on a screen left of the primary one") << QPoint(-30, 200) << 2 << true;
    QTest::newRow("on a screen above the primary one") << QPoint(300, -1) << 2 << true;
    QTest::newRow("left of and above") << QPoint(-1200, -700) << 2 << true;
    QTest::newRow("negative kind") << QPoint(100, 100) << -1 << false;
    QTest::newRow("negative kind left of the primary screen") << QPoint(-30, 200) << -1 << false;
}

void TestCommonMenu::shownWhereverTheCursorIs()
{
    QFETCH(QPoint, cursor);
    QFETCH(int, kind);
    QFETCH(bool, expectShown);
    CCommonMenu menu(nullptr);
    CStyleMenu *popup = menu.OptionMenu();
    QCursor::setPos(cursor);
    bool shown = false;
    auto watchdog = std::make_unique<QTimer>();
    connect(watchdog.get(), &QTimer::timeout, popup, [&] {
        if (popup->isVisible()) {
            shown = true;
            popup->hide();
        }
    });
    watchdog->start(0);
    // Closed without a choice: nothing chosen, nothing sent.
    QCOMPARE(menu.Popup(kind, -1, -1, QVariantList()), nullptr);
    watchdog.reset();
    QCOMPARE(shown, expectShown);
    QVERIFY(m_pages->payloads.empty());
}

void TestCommonMenu::linkEntriesOpenTheirSettingsLink_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("url");
    QTest::newRow("Support Center") << int(CCommonMenu::ID_SUPPORT_CENTER) << "https://support.test/centre";
    QTest::newRow("User Guide") << int(CCommonMenu::ID_USER_GUIDE) << "https://help.test/guide";
    QTest::newRow("Scrubwell") << int(CCommonMenu::ID_SCRUBWELL) << "https://scrubwell.test/";
}

void TestCommonMenu::linkEntriesOpenTheirSettingsLink()
{
    QFETCH(int, id);
    QFETCH(QString, url);
    CCommonMenu menu(nullptr);
    menu.OnOptionMenuTriggered(menu.Action(id));
    QCOMPARE(m_platform->desktop.openedUrls, std::vector<std::string>{url.toStdString()});
    QCOMPARE(m_pages->payloads, std::vector<QByteArray>{pageThree()});

    // A null action does nothing at all; a foreign one still ends with the page value.
    menu.OnOptionMenuTriggered(nullptr);
    QCOMPARE(m_pages->payloads.size(), size_t(1));
    QAction foreign(nullptr);
    menu.OnOptionMenuTriggered(&foreign);
    QCOMPARE(m_platform->desktop.openedUrls.size(), size_t(1));
    QCOMPARE(m_pages->payloads.size(), size_t(2));
}

void TestCommonMenu::aboutIsAModalChildOfTheMainWindowEachTimeAnew()
{
    QList<QPointer<CAboutDlg>> seen;
    for (int round = 0; round < 2; ++round) {
        CCommonMenu menu(nullptr);
        bool shaped = false, gaveUp = false;
        WhenModal<CAboutDlg>(
            [&](CAboutDlg *about) {
                shaped = hasDialogShape(about, m_main.get());
                seen.append(about);
                closeDialogs();
            },
            [&] {
                gaveUp = true;
                closeDialogs();
            });
        menu.OnOptionMenuTriggered(menu.Action(CCommonMenu::ID_ABOUT));
        QVERIFY(!gaveUp);
        QVERIFY(shaped);
        QCOMPARE(m_pages->payloads.size(), size_t(round + 1));
        QCOMPARE(m_pages->payloads.back(), pageThree());
    }
    QCOMPARE(seen.size(), 2);
    QVERIFY(seen[0] && seen[1]);
    QVERIFY(seen[0] != seen[1]);
    // Both stay hidden children of the main window.
    QCOMPARE(m_main->findChildren<CAboutDlg *>().size(), 2);
    QVERIFY(!seen[0]->isVisible() && !seen[1]->isVisible());
}

void TestCommonMenu::checkUpdateRunsBothDialogsOverTheMainWindow()
{
    CLocalHttpServer server;
    server.setFile(QStringLiteral("/info.ini"), "[VERSION]\nLatest=1.3.0.0\nDescription=Better\n");
    server.hold();
    updatekit::CUpdateAddressOverride addresses(server.url(QStringLiteral("/info.ini")), kDownloadPage);

    CCommonMenu menu(nullptr);
    bool waitingShaped = false, resultShaped = false, gaveUp = false;
    CUpdateRstDlg::View view = CUpdateRstDlg::ViewNone;
    auto giveUp = [&] {
        gaveUp = true;
        server.release();
        closeDialogs();
    };
    WhenModal<CheckUpdate>(
        [&](CheckUpdate *check) {
            waitingShaped = hasDialogShape(check, m_main.get()) && check->IsChecking();
            WhenModal<CUpdateRstDlg>(
                [&](CUpdateRstDlg *result) {
                    resultShaped = hasDialogShape(result, m_main.get()) && result->size() == QSize(542, 372);
                    view = result->CurrentView();
                    if (auto *update = result->findChild<QPushButton *>(QStringLiteral("updateButton")))
                        QTest::mouseClick(update, Qt::LeftButton);
                    else
                        closeDialogs();
                },
                giveUp);
            server.release();
        },
        giveUp);
    menu.OnOptionMenuTriggered(menu.Action(CCommonMenu::ID_CHECK_UPDATE));

    QVERIFY(!gaveUp);
    QVERIFY(waitingShaped);
    QVERIFY(resultShaped);
    QCOMPARE(view, CUpdateRstDlg::ViewNewVersionDescription);
    QCOMPARE(m_platform->desktop.openedUrls, std::vector<std::string>{kDownloadPage.toStdString()});
    QCOMPARE(m_pages->payloads, std::vector<QByteArray>{pageThree()});
    // Both dialogs were used once and deleted.
    QVERIFY(m_main->findChildren<CheckUpdate *>().isEmpty());
    QVERIFY(m_main->findChildren<CUpdateRstDlg *>().isEmpty());
}

QTEST_MAIN(TestCommonMenu)
#include "tst_commonmenu.moc"
