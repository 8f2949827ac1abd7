// Start-up: single instance, the look, and failures that must be explained.
#include "app/mainwin.h"
#include "shell/msgids.h"
#include "app/startup.h"
#include "shell/uipublic.h"
#include "libs/sharelog/sharelog.h"
#include "libs/vdxqt/bpqtpushbtn.h"
#include "libs/vdxqt/notifycentor.h"
#include "platform/fake/fakeplatform.h"
#include "widgets/msgdlg.h"
#include "widgets/windowtitle.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

// Calls `onShown` from the event loop once the main window has been shown.
class ShownWatcher : public CBPMsgReceiver {
public:
    explicit ShownWatcher(std::function<void()> onShown) : m_onShown(std::move(onShown))
    {
        RegisterMsg(MSG_MAINWIN_SHOWN);
    }
    int ReceiveMsg(const __MsgData &) override
    {
        ++count;
        QTimer::singleShot(0, m_onShown);
        return 0;
    }
    int count = 0;

private:
    std::function<void()> m_onShown;
};

struct SeenBox {
    QString text;
    QSize size;
    QStringList buttons;
};

// Reads the message box that the code under test runs modally, then presses its first button.
void answerMessageBox(SeenBox *seen)
{
    QTimer::singleShot(0, [seen] {
        QTRY_VERIFY(qobject_cast<CMSGDlg *>(QApplication::activeModalWidget()));
        auto *box = qobject_cast<CMSGDlg *>(QApplication::activeModalWidget());
        seen->text = box->findChild<QLabel *>(QStringLiteral("msgText"))->text();
        seen->size = box->size();
        for (CBPQtPushBtn *b : box->findChildren<CBPQtPushBtn *>())
            seen->buttons << b->text();
        box->OKClicked();
    });
}

class CurrentDir {
public:
    explicit CurrentDir(const QString &dir) : m_previous(QDir::currentPath()) { QDir::setCurrent(dir); }
    ~CurrentDir() { QDir::setCurrent(m_previous); }

private:
    QString m_previous;
};

} // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void secondInstanceShowsMessageAndExitsZero();
    void firstInstanceShowsWindowAndComesForward();
    void menuButtonOpensOptionMenu();
    void startsWithoutStyleSheet();
    void installsStyleSheet();
    void startupErrorIsExplained();
    void startupOrder_data();
    void startupOrder();
    void wrapText_data();
    void wrapText();

private:
    QTemporaryDir m_dir;
};

void TestStartup::initTestCase()
{
    QVERIFY(m_dir.isValid());
    sharelog::SetLogFilePath(m_dir.filePath(QStringLiteral("test.log")));
}

void TestStartup::secondInstanceShowsMessageAndExitsZero()
{
    pw::CFakePlatform platform;
    platform.desktop.firstInstance = false;
    SeenBox seen;
    answerMessageBox(&seen);
    ShownWatcher watcher([] { QCoreApplication::exit(99); });

    const int code = RunOnPlatform(*qApp);

    QCOMPARE(code, 0);
    QCOMPARE(seen.text, QStringLiteral("Vendrix Purgewell has been running!"));
    QCOMPARE(seen.size, QSize(434, 240));
    QCOMPARE(seen.buttons, QStringList{QStringLiteral("OK")});
    // That the first instance comes forward is the backends' part: tst_linuxdesktop and, with
    // real processes, tst_startupprocess show it.
    QCOMPARE(watcher.count, 0); // no main window in the second instance
}

void TestStartup::firstInstanceShowsWindowAndComesForward()
{
    pw::CFakePlatform platform;
    bool visible = false;
    QString title;
    bool restored = false;
    ShownWatcher watcher([&] {
        QWidget *window = CUIPublic::GetInstance()->GetMainWindow();
        QVERIFY(qobject_cast<CMainWin *>(window));
        visible = window->isVisible();
        title = window->windowTitle();
        // A later launch asks this one to come forward while it is minimised.
        window->setWindowState(Qt::WindowMinimized);
        QVERIFY(platform.desktop.raiseHandler);
        platform.desktop.raiseHandler();
        restored = !(window->windowState() & Qt::WindowMinimized) && window->isVisible();
        QCoreApplication::exit(7);
    });

    const int code = RunOnPlatform(*qApp);

    QCOMPARE(code, 7); // the event loop's code
    QCOMPARE(watcher.count, 1);
    QVERIFY(visible);
    QCOMPARE(title, QStringLiteral("Vendrix Purgewell"));
    QVERIFY(restored);
    QVERIFY(!CUIPublic::GetInstance()->GetMainWindow());
    QVERIFY(!platform.desktop.raiseHandler); // nothing left pointing at the destroyed window
}

void TestStartup::menuButtonOpensOptionMenu()
{
    pw::CFakePlatform platform;
    int entries = -1;
    ShownWatcher watcher([&] {
        auto *window = qobject_cast<CMainWin *>(CUIPublic::GetInstance()->GetMainWindow());
        QVERIFY(window);
        QTimer::singleShot(0, [&] {
            QTRY_VERIFY(QApplication::activePopupWidget());
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            entries = menu ? menu->actions().size() : -1;
            QApplication::activePopupWidget()->close();
        });
        QTest::mouseClick(window->titleBar->menuButton(), Qt::LeftButton);
        QCoreApplication::exit(0);
    });
    QCOMPARE(RunOnPlatform(*qApp), 0);
    QCOMPARE(entries, 6); // support, guide, Scrubwell, restore, update check, about
}

void TestStartup::startsWithoutStyleSheet()
{
    pw::CFakePlatform platform;
    QTemporaryDir empty;
    CurrentDir cwd(empty.path());
    qApp->setStyleSheet(QStringLiteral("QWidget{}"));

    ApplyLookAndFeel(*qApp);
    QVERIFY(qApp->styleSheet().isEmpty());
    QCOMPARE(QApplication::font().family(), QStringLiteral("Segoe UI"));
    // Without Segoe UI (Wine, Linux) the text is set in a sans-serif, not in what the system
    // would substitute.
    QCOMPARE(QFont::substitutes(QStringLiteral("Segoe UI")).value(0).toLower(), QStringLiteral("tahoma"));

    bool shown = false;
    ShownWatcher watcher([&] {
        shown = CUIPublic::GetInstance()->GetMainWindow()->isVisible();
        QCoreApplication::exit(0);
    });
    QCOMPARE(RunOnPlatform(*qApp), 0);
    QVERIFY(shown);
}

void TestStartup::installsStyleSheet()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("QSS")));
    const QByteArray sheet = "QToolTip { color: rgb(214,214,215); }";
    QFile file(dir.filePath(QStringLiteral("QSS/SK.qss")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(sheet);
    file.close();
    CurrentDir cwd(dir.path());
    ApplyLookAndFeel(*qApp);
    QCOMPARE(qApp->styleSheet(), QString::fromUtf8(sheet));
    qApp->setStyleSheet(QString());
}

void TestStartup::startupErrorIsExplained()
{
    const QString reason = QStringLiteral(
        "Wine was not found. Install the packages wine and wine64, then start Vendrix Purgewell again.");
    SeenBox seen;
    answerMessageBox(&seen);
    QCOMPARE(ShowStartupError(reason), 1);
    QVERIFY(seen.text.contains(QLatin1Char('\n')));
    QFont font(QStringLiteral("Segoe UI"));
    font.setPixelSize(15);
    for (const QString &line : seen.text.split(QLatin1Char('\n')))
        QVERIFY2(QFontMetrics(font).horizontalAdvance(line) <= 434 - 40 - 48 - 20 - 24, qPrintable(line));
    QCOMPARE(QString(seen.text).replace(QLatin1Char('\n'), QLatin1Char(' ')), reason);
    QCOMPARE(seen.buttons, QStringList{QStringLiteral("OK")});
    QCOMPARE(seen.size.width(), 434);
}

void TestStartup::wrapText_data()
{
    // Widths in characters of a fixed-pitch font, so each row states where lines break.
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("chars");
    QTest::addColumn<QString>("expected");
    QTest::newRow("short") << "one two" << 10 << "one two";
    QTest::newRow("breaks at blanks") << "one two three four" << 9 << "one two\nthree\nfour";
    QTest::newRow("keeps given breaks") << "first\nsecond line here" << 11 << "first\nsecond line\nhere";
    QTest::newRow("long word stays whole") << "a verylongword b" << 5 << "a\nverylongword\nb";
    QTest::newRow("empty") << "" << 10 << "";
}

void TestStartup::wrapText()
{
    QFETCH(QString, text);
    QFETCH(int, chars);
    QFETCH(QString, expected);
    QFont mono(QStringLiteral("DejaVu Sans Mono"));
    mono.setStyleHint(QFont::Monospace);
    mono.setPixelSize(10);
    const QFontMetrics metrics(mono);
    if (!QFontInfo(mono).fixedPitch())
        QSKIP("no fixed-pitch font here");
    QCOMPARE(WrapText(text, metrics, metrics.horizontalAdvance(QString(chars, QLatin1Char('x')))), expected);
}

void TestStartup::startupOrder_data()
{
    QTest::addColumn<bool>("first");
    QTest::addColumn<bool>("starts");
    QTest::addColumn<QString>("order");
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("code");
    // A second launch never starts the backend (no Wine error in place of the right message).
    QTest::newRow("second instance") << false << true << "install check" << "Vendrix Purgewell has been running!" << 0;
    QTest::newRow("first instance") << true << true << "install check splash start run" << "" << 7;
    QTest::newRow("backend fails") << true << false << "install check splash start" << "Wine was not found." << 1;
}

void TestStartup::startupOrder()
{
    QFETCH(bool, first);
    QFETCH(bool, starts);
    QFETCH(QString, order);
    QFETCH(QString, box);
    QFETCH(int, code);
    QStringList steps;
    StartupSteps s;
    s.install = [&] { steps << QStringLiteral("install"); };
    s.firstInstance = [&] { steps << QStringLiteral("check"); return first; };
    s.showSplash = [&] { steps << QStringLiteral("splash"); };
    s.start = [&](std::string *error) {
        steps << QStringLiteral("start");
        if (!starts)
            *error = "Wine was not found.";
        return starts;
    };
    s.run = [&] { steps << QStringLiteral("run"); return 7; };
    SeenBox seen;
    if (!box.isEmpty())
        answerMessageBox(&seen);
    QCOMPARE(RunStartup(s), code);
    QCOMPARE(steps.join(QLatin1Char(' ')), order);
    QCOMPARE(seen.text, box);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
