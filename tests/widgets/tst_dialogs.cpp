// The dialog kit: bus-driven closing, the message box's result codes, icons and placement, and
// the keyboard every dialog shares (Tab order, Enter, Escape).
#include "shell/msgids.h"
#include "libs/vdxqt/bpqtpushbtn.h"
#include "libs/vdxqt/notifycentor.h"
#include "widgets/basedialog.h"
#include "widgets/msgdlg.h"
#include "widgets/windowdlgtitle.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>
#include <thread>

namespace {

// A dialog that follows the kit's conventions and counts what reaches it.
class CountingDlg : public CBaseDialog {
public:
    static int received;
    explicit CountingDlg(QWidget *parent = nullptr) : CBaseDialog(parent)
    {
        RegisterMsg(MSG_CLOSE_DLG);
        setFixedSize(300, 200);
        setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    }
    int ReceiveMsg(const __MsgData &msg) override
    {
        if (msg.id == MSG_CLOSE_DLG) {
            ++received;
            close();
        }
        return 0;
    }
};
int CountingDlg::received = 0;

void sendCloseDlg()
{
    CBPNotifyCentor::instance()->Send(MSG_CLOSE_DLG, 0, nullptr, 0);
}

QPushButton *button(QWidget *dlg, const char *name)
{
    return dlg->findChild<QPushButton *>(QLatin1String(name));
}

// Runs `action` once the dialog's modal loop runs, then returns exec()'s result.
int execWith(QDialog &dlg, const std::function<void(QDialog &)> &action)
{
    QTimer::singleShot(0, &dlg, [&dlg, action] {
        QTRY_VERIFY(dlg.isVisible());
        action(dlg);
    });
    return dlg.exec();
}

} // namespace

class TestDialogs : public QObject {
    Q_OBJECT
private slots:
    void closeDlgClosesEveryOpenDialog();
    void titleCloseButtonClosesEveryOpenDialog();
    void closeDlgFromWorkerEndsNestedModalLoops();
    void destroyedDialogReceivesNothing();
    void lateActivationDoesNotReopenClosedDialog();
    void messageBoxResult_data();
    void messageBoxResult();
    void messageBoxButtons_data();
    void messageBoxButtons();
    void messageBoxIcon_data();
    void messageBoxIcon();
    void messageBoxPlacement();
    void longTextKeepsFixedSize();
    void messageBoxTabOrder();
    void escapeTakesTheTitleBarsWay_data();
    void escapeTakesTheTitleBarsWay();
};

void TestDialogs::closeDlgClosesEveryOpenDialog()
{
    CountingDlg::received = 0;
    CountingDlg first;
    CountingDlg second;
    first.show();
    second.show();
    QVERIFY(first.isVisible() && second.isVisible());

    sendCloseDlg();
    QVERIFY(!first.isVisible());
    QVERIFY(!second.isVisible());
    QCOMPARE(CountingDlg::received, 2);

    // Nothing open: nothing happens.
    sendCloseDlg();
    QVERIFY(!first.isVisible() && !second.isVisible());
}

void TestDialogs::titleCloseButtonClosesEveryOpenDialog()
{
    CMSGDlg first(434, 240);
    first.SetContent(CMSGDlg::IconWarning, QStringLiteral("first"), CMSGDlg::ButtonsOk);
    CMSGDlg second(434, 240);
    second.SetContent(CMSGDlg::IconWarning, QStringLiteral("second"), CMSGDlg::ButtonsYesNo);
    first.open();
    second.open();
    QVERIFY(first.isVisible() && second.isVisible());

    QTest::mouseClick(second.titleBar->closeButton(), Qt::LeftButton);
    QVERIFY(!first.isVisible());
    QVERIFY(!second.isVisible());
    QCOMPARE(first.result(), 1);
    QCOMPARE(second.result(), 1);
}

void TestDialogs::closeDlgFromWorkerEndsNestedModalLoops()
{
    CMSGDlg outer(434, 240);
    outer.SetContent(CMSGDlg::IconOk, QStringLiteral("outer"), CMSGDlg::ButtonsOkCancel);
    int innerResult = -1;
    std::thread worker;
    const int outerResult = execWith(outer, [&](QDialog &) {
        CMSGDlg inner(300, 200, &outer);
        inner.SetContent(CMSGDlg::IconOk, QStringLiteral("inner"), CMSGDlg::ButtonsOkCancel);
        QTimer::singleShot(0, &inner, [&] { worker = std::thread(sendCloseDlg); });
        innerResult = inner.exec();
    });
    worker.join();
    QCOMPARE(innerResult, 1);
    QCOMPARE(outerResult, 1);
}

void TestDialogs::destroyedDialogReceivesNothing()
{
    CountingDlg::received = 0;
    auto *dlg = new CountingDlg;
    dlg->show();
    sendCloseDlg();
    QCOMPARE(CountingDlg::received, 1);
    delete dlg;

    sendCloseDlg();
    // Queued from a worker while no receiver is alive, delivered later: still nothing.
    std::thread(sendCloseDlg).join();
    QCoreApplication::processEvents();
    QCOMPARE(CountingDlg::received, 1);
}

void TestDialogs::lateActivationDoesNotReopenClosedDialog()
{
    QEvent activate(QEvent::WindowActivate);

    // An activation reaching a dialog that is not shown yet shows it.
    CountingDlg pending;
    QApplication::sendEvent(&pending, &activate);
    QVERIFY(pending.isVisible());

    // One that arrives after the dialog was closed leaves it closed.
    CMSGDlg dlg(434, 240);
    dlg.SetContent(CMSGDlg::IconOk, QStringLiteral("done"), CMSGDlg::ButtonsOk);
    dlg.show();
    sendCloseDlg();
    QVERIFY(!dlg.isVisible());
    QApplication::sendEvent(&dlg, &activate);
    QVERIFY(!dlg.isVisible());
}

enum Action { ClickFirst, ClickSecond, PressEnter, PressEscape, TitleClose, BusClose, CloseWindow, TabEnter, TabTabEnter };
Q_DECLARE_METATYPE(Action)

void TestDialogs::messageBoxResult_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<Action>("action");
    QTest::addColumn<int>("expected");
    QTest::newRow("OK: OK") << 1 << ClickFirst << 0;
    QTest::newRow("OK: Enter") << 1 << PressEnter << 0;
    QTest::newRow("OK: Escape") << 1 << PressEscape << 1;
    QTest::newRow("OK/Cancel: OK") << 2 << ClickFirst << 0;
    QTest::newRow("OK/Cancel: Cancel") << 2 << ClickSecond << 1;
    QTest::newRow("OK/Cancel: Escape") << 2 << PressEscape << 1;
    QTest::newRow("YES/NO: YES") << 3 << ClickFirst << 0;
    QTest::newRow("YES/NO: NO") << 3 << ClickSecond << 1;
    QTest::newRow("YES/NO: Enter") << 3 << PressEnter << 0;
    QTest::newRow("YES/NO: Escape") << 3 << PressEscape << 1;
    QTest::newRow("YES/NO: Tab to NO, Enter") << 3 << TabEnter << 1;
    QTest::newRow("YES/NO: Tab to the close button, Enter") << 3 << TabTabEnter << 1;
    QTest::newRow("OK: Tab to the close button, Enter") << 1 << TabEnter << 1;
    QTest::newRow("YES/NO: title close") << 3 << TitleClose << 1;
    QTest::newRow("YES/NO: MSG_CLOSE_DLG") << 3 << BusClose << 1;
    QTest::newRow("YES/NO: window closed") << 3 << CloseWindow << 1;
    QTest::newRow("no buttons: MSG_CLOSE_DLG") << 0 << BusClose << 1;
    QTest::newRow("no buttons: Escape") << 7 << PressEscape << 1;
    QTest::newRow("no buttons: Enter") << 0 << PressEnter << 1;
}

void TestDialogs::messageBoxResult()
{
    QFETCH(int, buttons);
    QFETCH(Action, action);
    QFETCH(int, expected);

    CMSGDlg dlg(434, 240);
    dlg.SetContent(CMSGDlg::IconWarning, QStringLiteral("Proceed?"), buttons);
    const int result = execWith(dlg, [action](QDialog &d) {
        switch (action) {
        case ClickFirst:
            QTest::mouseClick(button(&d, "msgFirstButton"), Qt::LeftButton);
            break;
        case ClickSecond:
            QTest::mouseClick(button(&d, "msgSecondButton"), Qt::LeftButton);
            break;
        case PressEnter:
            QTest::keyClick(&d, Qt::Key_Return);
            break;
        case PressEscape:
            QTest::keyClick(&d, Qt::Key_Escape);
            break;
        case TitleClose:
            QTest::mouseClick(static_cast<CMSGDlg &>(d).titleBar->closeButton(), Qt::LeftButton);
            break;
        case BusClose:
            sendCloseDlg();
            break;
        case CloseWindow:
            d.close();
            break;
        case TabEnter:
        case TabTabEnter:
            QTRY_VERIFY(QApplication::focusWidget());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            if (action == TabTabEnter)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            break;
        }
    });
    QCOMPARE(result, expected);
    QVERIFY(!dlg.isVisible());
}

void TestDialogs::messageBoxButtons_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::newRow("1") << 1 << "OK" << QString();
    QTest::newRow("2") << 2 << "OK" << "Cancel";
    QTest::newRow("3") << 3 << "YES" << "NO";
    QTest::newRow("0") << 0 << QString() << QString();
    QTest::newRow("-1") << -1 << QString() << QString();
}

void TestDialogs::messageBoxButtons()
{
    QFETCH(int, buttons);
    QFETCH(QString, first);
    QFETCH(QString, second);
    CMSGDlg dlg(434, 240);
    dlg.SetContent(CMSGDlg::IconOk, QStringLiteral("text"), buttons);
    const QList<CBPQtPushBtn *> found = dlg.findChildren<CBPQtPushBtn *>();
    QCOMPARE(found.size(), int(!first.isEmpty()) + int(!second.isEmpty()));
    if (!first.isEmpty()) {
        auto *btn = dlg.findChild<CBPQtPushBtn *>(QStringLiteral("msgFirstButton"));
        QVERIFY(btn);
        QCOMPARE(btn->text(), first);
        QVERIFY(btn->isDefault());
    }
    if (!second.isEmpty()) {
        auto *btn = dlg.findChild<CBPQtPushBtn *>(QStringLiteral("msgSecondButton"));
        QVERIFY(btn);
        QCOMPARE(btn->text(), second);
        QVERIFY(!btn->isDefault());
    }
}

void TestDialogs::messageBoxIcon_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("file");
    QTest::newRow("0 success") << 0 << "tip_suc.png";
    QTest::newRow("1 warning") << 1 << "tip_warnning.png";
    QTest::newRow("2 ok") << 2 << "tip_ok.png";
    QTest::newRow("3 failed") << 3 << "tip_failed.png";
    QTest::newRow("5 falls back") << 5 << "tip_failed.png";
    QTest::newRow("-1 falls back") << -1 << "tip_failed.png";
}

void TestDialogs::messageBoxIcon()
{
    QFETCH(int, kind);
    QFETCH(QString, file);

    // Each icon file is a different solid colour, so the label shows which file it read.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("Resources")));
    const QStringList names = {QStringLiteral("tip_suc.png"), QStringLiteral("tip_warnning.png"),
                               QStringLiteral("tip_ok.png"), QStringLiteral("tip_failed.png")};
    const QList<QColor> colours = {Qt::green, Qt::yellow, Qt::blue, Qt::red};
    for (int i = 0; i < names.size(); ++i) {
        QImage image(64, 64, QImage::Format_ARGB32);
        image.fill(colours[i]);
        QVERIFY(image.save(dir.path() + QStringLiteral("/Resources/") + names[i]));
    }
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));

    CMSGDlg dlg(434, 240);
    dlg.SetContent(kind, QStringLiteral("text"), 1);
    QDir::setCurrent(previous);

    QCOMPARE(CMSGDlg::IconPath(kind), QStringLiteral("./Resources/") + file);
    auto *icon = dlg.findChild<QLabel *>(QStringLiteral("msgIcon"));
    QVERIFY(icon);
    const QPixmap pixmap = icon->pixmap(Qt::ReturnByValue);
    QCOMPARE(pixmap.size(), QSize(48, 48));
    QCOMPARE(pixmap.toImage().pixelColor(24, 24), colours[names.indexOf(file)]);
}

void TestDialogs::messageBoxPlacement()
{
    QWidget parent;
    parent.setGeometry(100, 100, 801, 601);
    CMSGDlg centred(435, 241, &parent);
    // Halves truncate: 801/2 = 400, 435/2 = 217; 601/2 = 300, 241/2 = 120.
    QCOMPARE(centred.pos(), QPoint(100 + 400 - 217, 100 + 300 - 120));
    QCOMPARE(centred.size(), QSize(435, 241));
    QVERIFY(centred.windowFlags().testFlag(Qt::Dialog));
    QVERIFY(centred.windowFlags().testFlag(Qt::FramelessWindowHint));

    CMSGDlg alone(434, 240);
    QCOMPARE(alone.pos(), QPoint(0, 0)); // left to the window system
}

void TestDialogs::longTextKeepsFixedSize()
{
    CMSGDlg dlg(434, 240);
    dlg.SetContent(CMSGDlg::IconWarning, QString(200, QLatin1Char('W')), 1);
    dlg.show();
    QCoreApplication::processEvents();
    QCOMPARE(dlg.size(), QSize(434, 240));
    auto *text = dlg.findChild<QLabel *>(QStringLiteral("msgText"));
    QVERIFY(text->width() > 434);
    dlg.close();
}

void TestDialogs::messageBoxTabOrder()
{
    // It opens on its first button; Tab goes to the second, the title bar's close button and
    // round again, Shift+Tab the other way.
    CMSGDlg dlg(434, 240);
    dlg.SetContent(CMSGDlg::IconWarning, QStringLiteral("Proceed?"), CMSGDlg::ButtonsYesNo);
    QList<QWidget *> forward;
    QList<QWidget *> backward;
    QWidget *opening = nullptr;
    execWith(dlg, [&](QDialog &d) {
        QTRY_VERIFY(QApplication::focusWidget());
        opening = QApplication::focusWidget();
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            forward << QApplication::focusWidget();
        }
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
            backward << QApplication::focusWidget();
        }
        d.reject();
    });
    QWidget *yes = button(&dlg, "msgFirstButton");
    QWidget *no = button(&dlg, "msgSecondButton");
    QWidget *close = dlg.titleBar->closeButton();
    QCOMPARE(opening, yes);
    QCOMPARE(forward, (QList<QWidget *>{no, close, yes}));
    QCOMPARE(backward, (QList<QWidget *>{close, no, yes}));
}

namespace {

// A dialog that does not listen to the bus, and one whose title bar may not close it now.
class QuietDlg : public CBaseDialog {
public:
    QuietDlg()
    {
        setFixedSize(300, 200);
        setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    }
};

} // namespace

void TestDialogs::escapeTakesTheTitleBarsWay_data()
{
    QTest::addColumn<bool>("listens");      // registered for MSG_CLOSE_DLG
    QTest::addColumn<bool>("closeEnabled"); // the title bar's close button
    QTest::addColumn<bool>("closes");
    QTest::newRow("listens to the bus") << true << true << true;
    QTest::newRow("deaf to the bus") << false << true << true;
    QTest::newRow("close button disabled") << true << false << false;
}

void TestDialogs::escapeTakesTheTitleBarsWay()
{
    QFETCH(bool, listens);
    QFETCH(bool, closeEnabled);
    QFETCH(bool, closes);
    CountingDlg::received = 0;
    CountingDlg other;
    other.show();
    std::unique_ptr<CBaseDialog> dlg;
    if (listens)
        dlg = std::make_unique<CountingDlg>();
    else
        dlg = std::make_unique<QuietDlg>();
    dlg->titleBar->SetCloseEnabled(closeEnabled);
    dlg->show();

    QTest::keyClick(dlg.get(), Qt::Key_Escape);
    QCOMPARE(dlg->isVisible(), !closes);
    // As by the title bar's close button, MSG_CLOSE_DLG went out and closed every dialog.
    QCOMPARE(other.isVisible(), !closes);
    QCOMPARE(CountingDlg::received, closes ? (listens ? 2 : 1) : 0);
    dlg->close();
    other.close();
}

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
