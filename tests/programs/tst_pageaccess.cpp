// The programs page and the title bars for screen readers and the keyboard: every button that
// shows only an image has a name and a tooltip, read back through QAccessible; Tab goes search,
// sort, refresh, list, uninstall button; Space ticks the current row.
#include "pagefixture.h"
#include "widgets/searchedit.h"
#include "widgets/windowdlgtitle.h"
#include "widgets/windowtitle.h"

#include <QAccessible>
#include <QLineEdit>

using namespace fixture;

namespace {

QString AccessibleText(QWidget *widget, QAccessible::Text what)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(what) : QStringLiteral("<no interface>");
}

} // namespace

class TestPageAccess : public QObject {
    Q_OBJECT
private slots:
    void pageButtons();
    void titleButtons();
    void tabOrderAndSpace();
};

void TestPageAccess::pageButtons()
{
    PageFixture f;
    f.Build({{"Alpha Editor", "Northwind", "2.1", 300}});
    const struct {
        QWidget *widget;
        const char *name;
    } buttons[] = {
        {f.page->sortButton(), "Sort by"},
        {f.page->refreshButton(), "Refresh"},
        {f.page->uninstallButton(), "Uninstall"},
        {f.page->searchEdit()->lineEdit(), "Search"},
        {f.Row("Alpha Editor").trash, "Uninstall Alpha Editor"},
        {f.Row("Alpha Editor").check, "Alpha Editor"},
    };
    for (const auto &button : buttons) {
        QVERIFY(button.widget);
        QCOMPARE(AccessibleText(button.widget, QAccessible::Name), QString::fromUtf8(button.name));
        if (!qobject_cast<QCheckBox *>(button.widget)) {
            QVERIFY2(!AccessibleText(button.widget, QAccessible::Description).isEmpty(), button.name);
            QVERIFY2(!button.widget->toolTip().isEmpty(), button.name);
        }
    }
}

void TestPageAccess::titleButtons()
{
    QWidget window;
    auto *title = new CWindowTitle(&window);
    auto *dialogTitle = new CWindowDlgTitle(&window);
    const QList<QPair<QString, QString>> expected = {
        {QStringLiteral("menuButton"), QStringLiteral("Menu")},
        {QStringLiteral("minimizeButton"), QStringLiteral("Minimize")},
        {QStringLiteral("maximizeButton"), QStringLiteral("Maximize")},
        {QStringLiteral("restoreButton"), QStringLiteral("Restore")},
        {QStringLiteral("closeButton"), QStringLiteral("Close")},
    };
    for (const auto &pair : expected) {
        auto *button = title->findChild<QPushButton *>(pair.first);
        QVERIFY2(button, qPrintable(pair.first));
        QCOMPARE(AccessibleText(button, QAccessible::Name), pair.second);
        QCOMPARE(AccessibleText(button, QAccessible::Description), pair.second);
    }
    auto *close = dialogTitle->findChild<QPushButton *>(QStringLiteral("closeButton"));
    QVERIFY(close);
    QCOMPARE(AccessibleText(close, QAccessible::Name), QStringLiteral("Close"));
    QCOMPARE(close->toolTip(), QStringLiteral("Close"));
}

void TestPageAccess::tabOrderAndSpace()
{
    PageFixture f;
    f.Build({{"Alpha Editor", "Northwind", "2.1", 300}, {"Bravo Player", "Contoso", "1.0", 100}});
    QApplication::setActiveWindow(f.window);
    QVERIFY(QTest::qWaitForWindowActive(f.window));
    QLineEdit *search = f.page->searchEdit()->lineEdit();
    search->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(search));

    const auto tab = [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); };
    tab();
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(f.page->sortButton()));
    tab();
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(f.page->refreshButton()));
    tab();
    QTreeWidget *tree = f.page->tree();
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(tree));

    // Space ticks the current row and unticks it again, as a click on its box does; the
    // summary and the uninstall button follow.
    // Coming into the list makes its first row the current one.
    QVERIFY(tree->currentItem());
    QCOMPARE(tree->currentItem(), tree->topLevelItem(0));
    const int index = tree->currentItem()->data(CEnumProgramPage::ColName, Qt::UserRole).toInt();
    QCheckBox *box = f.page->rowWidgets(index).check;
    QVERIFY(box);
    QVERIFY(!box->isChecked());
    QTest::keyClick(tree, Qt::Key_Space);
    QVERIFY(box->isChecked());
    QVERIFY(f.page->uninstallButton()->isEnabled());
    QTest::keyClick(tree, Qt::Key_Down);
    QTest::keyClick(tree, Qt::Key_Space);
    const int second = tree->currentItem()->data(CEnumProgramPage::ColName, Qt::UserRole).toInt();
    QVERIFY(second != index);
    QVERIFY(f.page->rowWidgets(second).check->isChecked());
    QTest::keyClick(tree, Qt::Key_Space);
    QVERIFY(!f.page->rowWidgets(second).check->isChecked());
    QVERIFY(box->isChecked());

    tab();
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(f.page->uninstallButton()));
    // The rows' own boxes and trash buttons are no stops of their own.
    QVERIFY(box->focusPolicy() == Qt::NoFocus);
    QVERIFY(f.page->rowWidgets(index).trash->focusPolicy() == Qt::NoFocus);
}

QTEST_MAIN(TestPageAccess)
#include "tst_pageaccess.moc"
