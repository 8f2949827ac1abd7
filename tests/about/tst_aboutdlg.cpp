// The About box: its texts, and a link that opens the product page without closing the box.
#include "about/aboutdlg.h"
#include "shell/msgids.h"
#include "libs/vdxqt/bpqthyperlink.h"
#include "platform/fake/fakeplatform.h"

#include <QLabel>
#include <QtTest>

class TestAboutDlg : public QObject {
    Q_OBJECT
private slots:
    void showsProductVersionAndTwoLineDescription();
    void linkOpensProductPageAndBoxStays();
};

void TestAboutDlg::showsProductVersionAndTwoLineDescription()
{
    QWidget main;
    CAboutDlg dialog(&main);
    dialog.setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    dialog.BuildContent();
    QCOMPARE(dialog.size(), QSize(640, 376));

    auto *product = dialog.findChild<QLabel *>(QStringLiteral("productLabel"));
    QVERIFY(product);
    QCOMPARE(product->text(), QStringLiteral("Vendrix Purgewell Pro 1.2"));
    QVERIFY(product->font().bold());
    QCOMPARE(product->font().pixelSize(), 22);

    auto *description = dialog.findChild<QLabel *>(QStringLiteral("descriptionLabel"));
    QVERIFY(description);
    QCOMPARE(description->text().split(QLatin1Char('\n')),
             QStringList({QStringLiteral("Free, safe and powerful uninstaller to help you uninstall "),
                          QStringLiteral("unwanted programs and delete all leftovers.")}));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(description->height() > description->fontMetrics().height() * 3 / 2); // laid out on two lines
}

void TestAboutDlg::linkOpensProductPageAndBoxStays()
{
    pw::CFakePlatform platform;
    QWidget main;
    CAboutDlg dialog(&main);
    dialog.setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    dialog.BuildContent();
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    auto *link = dialog.findChild<CBPQtHyperLink *>();
    QVERIFY(link);
    QCOMPARE(link->text(), QStringLiteral("www.vendrix.example"));
    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(platform.desktop.openedUrls,
             std::vector<std::string>{"https://www.vendrix.example/uninstaller/free-uninstaller.html"});
    QCoreApplication::processEvents();
    QVERIFY(dialog.isVisible());

    CBPNotifyCentor::instance()->Send(MSG_CLOSE_DLG, 0, nullptr, 0);
    QVERIFY(!dialog.isVisible());
}

QTEST_MAIN(TestAboutDlg)
#include "tst_aboutdlg.moc"
