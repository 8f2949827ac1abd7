// Every link reaches the desktop the same way, fully percent-encoded: the help link of the
// settings as well as the menu's, the About box's and the update dialog's.
#include "platform/fake/fakeplatform.h"
#include "shell/linkopener.h"
#include "shell/uipublic.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestLinkOpener : public QObject {
    Q_OBJECT
private slots:
    void encodesOnce_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("handedOver");
        QTest::newRow("plain") << "https://www.vendrix.example/purgewell/" << "https://www.vendrix.example/purgewell/";
        QTest::newRow("space and umlaut") << "https://help.test/Über uns.html"
                                          << "https://help.test/%C3%9Cber%20uns.html";
        QTest::newRow("already encoded stays") << "https://help.test/a%20b" << "https://help.test/a%20b";
    }
    void encodesOnce()
    {
        QFETCH(QString, link);
        QFETCH(QString, handedOver);
        pw::CFakePlatform platform;
        OpenLink(link);
        QCOMPARE(platform.desktop.openedUrls, std::vector<std::string>{handedOver.toStdString()});
    }

    // The help link from the settings files is handed over like the others.
    void helpLinkFromTheSettings()
    {
        pw::CFakePlatform platform;
        const QString folder = QCoreApplication::applicationDirPath();
        QFile settings(folder + QStringLiteral("/userconfig"));
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write("[URL]\nID_LINK_HELP=https://help.test/user guide.html\n");
        settings.close();
        CUIPublic::GetInstance()->OpenHelpLink();
        QFile::remove(settings.fileName());
        QCOMPARE(platform.desktop.openedUrls, std::vector<std::string>{"https://help.test/user%20guide.html"});
    }

    void nothingWithoutADesktop()
    {
        pw::SetCurrentPlatform(pw::Platform());
        OpenLink(QStringLiteral("https://help.test/")); // logged, nothing else happens
    }
};

QTEST_GUILESS_MAIN(TestLinkOpener)
#include "tst_linkopener.moc"
