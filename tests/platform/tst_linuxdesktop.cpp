// The Linux desktop services: one instance per user whose later launches raise the first, a
// crashed instance that does not block the next, the crash report, and links.
#include "platform/wine/linuxdesktopservices.h"

#include <QDesktopServices>
#include <QtTest>

#include <signal.h>

using namespace pw;

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls.append(url); }
};

class TestLinuxDesktop : public QObject {
    Q_OBJECT

    QString helper() const { return QCoreApplication::applicationDirPath() + QStringLiteral("/pwlinuxhelper"); }

private slots:
    void secondInstanceRaisesFirst()
    {
        QTemporaryDir dir;
        CLinuxDesktopServices first(dir.path());
        int raised = 0;
        first.SetRaiseHandler([&raised] { ++raised; });
        QVERIFY(first.CheckSingleInstance());
        QVERIFY(first.CheckSingleInstance()); // asking again does not lose the place

        CLinuxDesktopServices sameProcess(dir.path());
        QVERIFY(!sameProcess.CheckSingleInstance());
        QTRY_COMPARE(raised, 1);

        QProcess second;
        second.start(helper(), {QStringLiteral("second"), dir.path()});
        QVERIFY(second.waitForFinished(30000));
        QCOMPARE(second.exitCode(), 0);
        QTRY_COMPARE(raised, 2);
    }

    void crashedInstanceDoesNotBlock()
    {
        QTemporaryDir dir;
        QProcess first;
        first.start(helper(), {QStringLiteral("first"), dir.path()});
        QVERIFY(first.waitForReadyRead(30000));
        QCOMPARE(first.readLine().trimmed(), QByteArray("first"));
        CLinuxDesktopServices meanwhile(dir.path());
        QVERIFY(!meanwhile.CheckSingleInstance());

        ::kill(pid_t(first.processId()), SIGKILL);
        QVERIFY(first.waitForFinished(30000));
        CLinuxDesktopServices next(dir.path());
        int raised = 0;
        next.SetRaiseHandler([&raised] { ++raised; });
        QVERIFY(next.CheckSingleInstance());
        // and it answers the launches after it
        CLinuxDesktopServices later(dir.path());
        QVERIFY(!later.CheckSingleInstance());
        QTRY_COMPARE(raised, 1);
    }

    void crashReport_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("signal");
        QTest::newRow("invalid memory access") << QStringLiteral("segv") << QStringLiteral("SIGSEGV");
        QTest::newRow("abort") << QStringLiteral("abort") << QStringLiteral("SIGABRT");
    }
    void crashReport()
    {
        QFETCH(QString, kind);
        QFETCH(QString, signal);
        QTemporaryDir state;
        QProcess crashing;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_STATE_HOME"), state.path() + QStringLiteral("/new/state"));
        crashing.setProcessEnvironment(env);
        crashing.start(helper(), {QStringLiteral("crash"), kind});
        QVERIFY(crashing.waitForStarted(30000));
        const qint64 pid = crashing.processId();
        QVERIFY(crashing.waitForFinished(30000));
        QCOMPARE(crashing.exitStatus(), QProcess::CrashExit); // the signal still ends it
        QFile report(state.path() + QStringLiteral("/new/state/purgewell/crash-")
                     + QString::number(pid) + QStringLiteral(".txt"));
        QVERIFY2(report.open(QIODevice::ReadOnly), qPrintable(report.fileName()));
        const QString text = QString::fromLocal8Bit(report.readAll());
        QVERIFY2(text.startsWith(QLatin1String("Vendrix Purgewell crashed at ")), qPrintable(text));
        QVERIFY2(text.contains(signal), qPrintable(text));
        QVERIFY2(text.contains(QLatin1String("Backtrace:\n")), qPrintable(text));
    }

    void openUrl()
    {
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("pwtest"), &catcher, "open");
        CLinuxDesktopServices desktop;
        QVERIFY(desktop.OpenUrl("pwtest://support/page?a=1"));
        QCOMPARE(catcher.urls, QList<QUrl>{QUrl(QStringLiteral("pwtest://support/page?a=1"))});
        QVERIFY(!desktop.EnableBlur(nullptr, true));
        QDesktopServices::unsetUrlHandler(QStringLiteral("pwtest"));
    }
};

QTEST_GUILESS_MAIN(TestLinuxDesktop)
#include "tst_linuxdesktop.moc"
