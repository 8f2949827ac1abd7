// The base widgets that other parts build on: menu entries, links, default buttons.
#include "libs/vdxqt/bpqthyperlink.h"
#include "libs/vdxqt/bpqtpushbtn.h"
#include "libs/vdxqt/bpstylemenuitem.h"

#include <QDialog>
#include <QMenu>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QWidgetAction>
#include <QtTest>

class TestBaseWidgets : public QObject {
    Q_OBJECT
private slots:
    void menuItemTriggersItsActionAndClosesMenu();
    void menuItemUsesActionFont();
    void hyperlinkEmitsOnLeftClickOnly();
    void defaultButtonTakesEnter();
};

void TestBaseWidgets::menuItemTriggersItsActionAndClosesMenu()
{
    QMenu menu;
    QList<QWidgetAction *> actions;
    for (const char *label : {"Support Center", "User Guide", "About"}) {
        auto *action = new QWidgetAction(&menu);
        auto *item = new CBPStyleMenuItem(QLatin1String(label), QString());
        item->setMinimumWidth(125);
        action->setDefaultWidget(item);
        menu.addAction(action);
        actions.append(action);
    }
    QSignalSpy triggered(&menu, &QMenu::triggered);
    menu.popup(QPoint(100, 100));
    QTRY_VERIFY(menu.isVisible());

    QWidget *item = actions[1]->defaultWidget();
    QVERIFY(item->isVisible());
    QVERIFY(item->width() >= 125);
    const QPoint centre = item->rect().center();
    QTest::mouseMove(item, centre);
    QTest::mouseClick(item, Qt::LeftButton, Qt::NoModifier, centre);

    QTRY_COMPARE(triggered.count(), 1);
    QCOMPARE(triggered.first().first().value<QAction *>(), actions[1]);
    QTRY_VERIFY(!menu.isVisible());
}

void TestBaseWidgets::menuItemUsesActionFont()
{
    QMenu menu;
    auto *action = new QWidgetAction(&menu);
    auto *item = new CBPStyleMenuItem(QStringLiteral("Check Update"));
    action->setDefaultWidget(item);
    menu.addAction(action);
    const int plainWidth = item->sizeHint().width();
    QFont big = item->font();
    big.setPixelSize(18);
    big.setBold(true);
    action->setFont(big);
    QVERIFY(item->sizeHint().width() > plainWidth);
}

void TestBaseWidgets::hyperlinkEmitsOnLeftClickOnly()
{
    CBPQtHyperLink link(QStringLiteral("www.vendrix.example"));
    link.resize(200, 20);
    link.show();
    QStringList clicked;
    connect(&link, &CBPQtHyperLink::linkClicked, this, [&](QString &text) { clicked << text; });

    QTest::mouseClick(&link, Qt::RightButton);
    QVERIFY(clicked.isEmpty());
    QTest::mouseClick(&link, Qt::LeftButton);
    QCOMPARE(clicked, QStringList{QStringLiteral("www.vendrix.example")});
    // Released outside the link: no click.
    QTest::mousePress(&link, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseRelease(&link, Qt::LeftButton, Qt::NoModifier, QPoint(500, 5));
    QCOMPARE(clicked.size(), 1);
    QCOMPARE(link.palette().color(QPalette::WindowText), QColor(110, 170, 255));
}

void TestBaseWidgets::defaultButtonTakesEnter()
{
    QDialog dialog;
    auto *layout = new QVBoxLayout(&dialog);
    auto *first = new CBPQtPushBtn(QStringLiteral("YES"), &dialog);
    auto *second = new CBPQtPushBtn(QStringLiteral("NO"), &dialog);
    layout->addWidget(first);
    layout->addWidget(second);
    first->setAsDefaultBtn();
    QSignalSpy firstClicked(first, &QPushButton::clicked);
    QSignalSpy secondClicked(second, &QPushButton::clicked);
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Return);
    QCOMPARE(firstClicked.count(), 1);
    QCOMPARE(secondClicked.count(), 0);
    QVERIFY(first->sizeHint().width() >= 80);
}

QTEST_MAIN(TestBaseWidgets)
#include "tst_basewidgets.moc"
