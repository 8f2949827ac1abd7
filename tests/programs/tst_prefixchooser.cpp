// The prefix chooser offscreen: its items, the initial choice, the signal, and the consent box
// for a read-only prefix.
#include "programs/prefixchooser.h"
#include "widgets/msgdlg.h"

#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

using pw::WinePrefixInfo;
Q_DECLARE_METATYPE(QVector<WinePrefixInfo>)

namespace {

WinePrefixInfo prefix(const QString &label, bool wineFound = true, bool variable = false, bool isDefault = false)
{
    WinePrefixInfo p;
    p.label = label;
    p.path = QStringLiteral("/prefixes/") + label;
    p.wine = QStringLiteral("/runners/soda-7.0-9/bin/wine");
    p.wineName = QStringLiteral("soda-7.0-9");
    p.wineFound = wineFound;
    p.fromWinePrefixVariable = variable;
    p.isDefaultPrefix = isDefault;
    return p;
}

} // namespace

class TestPrefixChooser : public QObject {
    Q_OBJECT
private slots:
    void initialChoice_data()
    {
        QTest::addColumn<QVector<WinePrefixInfo>>("prefixes");
        QTest::addColumn<int>("initial");
        QTest::newRow("none") << QVector<WinePrefixInfo>{} << -1;
        QTest::newRow("first found") << QVector<WinePrefixInfo>{prefix("A"), prefix("B")} << 0;
        QTest::newRow("~/.wine") << QVector<WinePrefixInfo>{prefix("A"), prefix("B", true, false, true)} << 1;
        QTest::newRow("WINEPREFIX before ~/.wine")
            << QVector<WinePrefixInfo>{prefix("A", true, false, true), prefix("B"), prefix("C", true, true)} << 2;
    }
    void initialChoice()
    {
        QFETCH(QVector<WinePrefixInfo>, prefixes);
        QFETCH(int, initial);
        CPrefixChooser chooser;
        QSignalSpy chosen(&chooser, &CPrefixChooser::prefixChosen);
        chooser.SetPrefixes(prefixes);
        QCOMPARE(chooser.currentIndex(), initial);
        QCOMPARE(chooser.count(), prefixes.size());
        QCOMPARE(chosen.count(), 0); // filling is not a choice
    }

    void itemsAndSignal()
    {
        CPrefixChooser chooser;
        chooser.SetPrefixes({prefix("Wine: default", true, false, true), prefix("Bottles: Old", false)});
        chooser.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chooser));
        QCOMPARE(chooser.itemText(0), QStringLiteral("Wine: default"));
        QCOMPARE(chooser.itemText(1), QStringLiteral("Bottles: Old (read-only: soda-7.0-9 missing)"));
        QCOMPARE(chooser.itemData(1, Qt::ToolTipRole).toString(), QStringLiteral("/prefixes/Bottles: Old"));
        QVERIFY(chooser.styleSheet().contains(QStringLiteral("rgb(38,43,65)")));

        QSignalSpy chosen(&chooser, &CPrefixChooser::prefixChosen);
        chooser.setFocus();
        QTest::keyClick(&chooser, Qt::Key_Down);
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen.at(0).at(0).toInt(), 1);
        // Filling again (a new search) starts over without a signal: nothing was remembered.
        chooser.SetPrefixes(chooser.Prefixes());
        QCOMPARE(chooser.currentIndex(), 0);
        QCOMPARE(chosen.count(), 1);
    }

    void consent_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }
    void consent()
    {
        QFETCH(bool, yes);
        QString shown;
        QTimer::singleShot(0, this, [&] {
            auto *box = qobject_cast<CMSGDlg *>(QApplication::activeModalWidget());
            if (!box)
                return;
            shown = box->findChild<QLabel *>(QStringLiteral("msgText"))->text();
            yes ? box->OKClicked() : box->CancelClicked();
        });
        QTimer::singleShot(5000, this, [] { // never left waiting for a box that is not there
            if (auto *w = QApplication::activeModalWidget())
                w->close();
        });
        QCOMPARE(AskUseSystemWine(nullptr, prefix("Bottles: Old", false)), yes);
        QVERIFY2(shown.contains(QStringLiteral("soda-7.0-9")), qPrintable(shown));
        QVERIFY(shown.contains(QStringLiteral("Bottles: Old")));
    }
};

QTEST_MAIN(TestPrefixChooser)
#include "tst_prefixchooser.moc"
