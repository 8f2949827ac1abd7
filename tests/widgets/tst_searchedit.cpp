// The search box: typing reaches its users through the line edit, and it keeps its size.
#include "widgets/searchedit.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

class TestSearchEdit : public QObject {
    Q_OBJECT
private slots:
    void typingReachesTheLineEdit();
};

void TestSearchEdit::typingReachesTheLineEdit()
{
    CSearchEdit search;
    search.show();
    QVERIFY(QTest::qWaitForWindowExposed(&search));
    QCOMPARE(search.size(), QSize(200, 32));
    QVERIFY(search.lineEdit());
    QVERIFY(!search.lineEdit()->hasFrame());
    QVERIFY(search.rect().contains(search.lineEdit()->geometry()));

    QSignalSpy changed(search.lineEdit(), &QLineEdit::textChanged);
    QTest::keyClicks(search.lineEdit(), QStringLiteral("ab"));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.last().at(0).toString(), QStringLiteral("ab"));
}

QTEST_MAIN(TestSearchEdit)
#include "tst_searchedit.moc"
