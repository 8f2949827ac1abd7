// The programs page, its dialogs and the title bars for screen readers and the keyboard: every
// button that shows only an image has a name and a tooltip, read back through QAccessible; Tab
// and Shift+Tab walk every control of the main window and of each dialog; the keys of the
// current row (Space, Delete, Enter, the menu key); Enter and Escape in the dialogs; the text
// that stands in for an empty list.
#include "pagefixture.h"
#include "about/aboutdlg.h"
#include "app/rightcontent.h"
#include "app/righttab.h"
#include "libs/vdxqt/bpqthyperlink.h"
#include "update/updaterstdlg.h"
#include "programs/detailtooltip.h"
#include "programs/prefixchooser.h"
#include "programs/programtreewidget.h"
#include "programs/readyuninstalldlg.h"
#include "programs/uninstallrstdlg.h"
#include "widgets/filetreeitemdelegate.h"
#include "widgets/focusmark.h"
#include "widgets/searchedit.h"
#include "widgets/windowdlgtitle.h"
#include "widgets/windowtitle.h"
#include "widgets/winfrm.h"

#include <QAccessible>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QVBoxLayout>

using namespace fixture;

namespace {

QString AccessibleText(QWidget *widget, QAccessible::Text what)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(what) : QStringLiteral("<no interface>");
}

pw::WinePrefixInfo Prefix(const QString &label)
{
    pw::WinePrefixInfo prefix;
    prefix.label = label;
    prefix.path = QStringLiteral("/prefixes/") + label;
    prefix.wineFound = true;
    return prefix;
}

// Prefix hooks that find `labels` and switch to any of them; none with an empty list.
void SetPrefixes(const QStringList &labels)
{
    WinePrefixHooks hooks;
    if (!labels.isEmpty()) {
        hooks.find = [labels] {
            QVector<pw::WinePrefixInfo> found;
            for (const QString &label : labels)
                found << Prefix(label);
            return found;
        };
        hooks.switchTo = [](const pw::WinePrefixInfo &, bool, std::string *) { return true; };
    }
    CUIPublic::GetInstance()->SetWinePrefixHooks(hooks);
}

// Builds the page as the main window holds it: in the page container, inside the window frame
// under its title bar.
void BuildInFrame(PageFixture &f, const QList<Program> &programs)
{
    for (const Program &p : programs)
        f.Register(p);
    f.inventory = std::make_unique<CAppEnum>(&f.fake.registry, &f.fake.system);
    f.inventory->EnumPrograms();
    CUIPublic *ui = CUIPublic::GetInstance();
    ui->SetAppEnum(f.inventory.get());
    ui->SetPrograms(f.inventory->GetPrograms());
    auto *frame = new CWinFrm;
    frame->setWindowTitle(QStringLiteral("Vendrix Purgewell"));
    frame->resize(1000, 640);
    ui->SetMainWindow(frame);
    f.window = frame;
    // The page container, as the main window adds it once the list is ready.
    auto *content = new CRightContent;
    frame->contentLayout->addWidget(content);
    f.page = dynamic_cast<CEnumProgramPage *>(content->Tab()->Pages().value(PAGE_PROGRAMS)->layout());
    QVERIFY(f.page);
    frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(frame));
    QApplication::setActiveWindow(frame);
    QVERIFY(QTest::qWaitForWindowActive(frame));
}

// The widgets Tab stops at from `start`, `steps` times (Shift+Tab when `back`).
QList<QWidget *> Walk(QWidget *start, int steps, bool back = false)
{
    QList<QWidget *> stops;
    start->setFocus(back ? Qt::BacktabFocusReason : Qt::TabFocusReason);
    for (int i = 0; i < steps; ++i) {
        QWidget *focus = QApplication::focusWidget();
        if (!focus)
            break;
        QTest::keyClick(focus, Qt::Key_Tab, back ? Qt::ShiftModifier : Qt::NoModifier);
        stops << QApplication::focusWidget();
    }
    return stops;
}

QStringList Names(const QList<QWidget *> &widgets)
{
    QStringList names;
    for (QWidget *widget : widgets)
        names << (widget ? (widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                                           : widget->objectName())
                         : QStringLiteral("<none>"));
    return names;
}

// Runs `action` on the dialog once its modal loop runs, then returns exec()'s result.
int ExecWith(QDialog &dialog, const std::function<void(QDialog &)> &action)
{
    QTimer::singleShot(0, &dialog, [&dialog, action] {
        QTRY_VERIFY(dialog.isVisible());
        QApplication::setActiveWindow(&dialog);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        action(dialog);
    });
    return dialog.exec();
}

} // namespace

class TestPageAccess : public QObject {
    Q_OBJECT
private slots:
    void pageButtons();
    void titleButtons();
    void tabOrderAndSpace();
    void mainWindowTabOrder();
    void rowKeys_data();
    void rowKeys();
    void keysSkipRowsTheSearchHides();
    void detailsFromKeyboardContextMenu();
    void rowTooltipsNameTheKeys();
    void confirmationByKeyboard_data();
    void confirmationByKeyboard();
    void resultClosesByKeyboardAndRefreshes_data();
    void resultClosesByKeyboardAndRefreshes();
    void aboutByKeyboard();
    void updateResultByKeyboard();
    void emptyListSaysWhy_data();
    void emptyListSaysWhy();
    void searchWithoutMatchSaysSo();
    void emptyListTextInThePagesStyle();

    void cleanup() { SetPrefixes({}); }
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
    QPushButton *sort = f.page->sortButton();
    sort->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(sort));

    const auto tab = [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); };
    tab();
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(f.page->searchEdit()->lineEdit()));
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

void TestPageAccess::mainWindowTabOrder()
{
    SetPrefixes({QStringLiteral("Default"), QStringLiteral("Games")});
    PageFixture f;
    BuildInFrame(f, {{"Alpha Editor", "Northwind", "2.1", 300}, {"Bravo Player", "Contoso", "1.0", 100}});
    f.Tick("Alpha Editor"); // the uninstall button is a stop once it can be pressed
    auto *frame = static_cast<CWinFrm *>(f.window.data());
    CWindowTitle *title = frame->titleBar;
    CEnumProgramPage *page = f.page;
    QVERIFY(page->prefixChooser()->isVisible());

    // Top to bottom, left to right, and round again.
    const QList<QWidget *> order = {title->menuButton(),     title->minimizeButton(), title->maximizeButton(),
                                    title->closeButton(),    page->prefixChooser(),   page->sortButton(),
                                    page->searchEdit()->lineEdit(), page->refreshButton(), page->tree(),
                                    page->uninstallButton()};
    QList<QWidget *> forward = order.mid(1);
    forward << order.first();
    QCOMPARE(Names(Walk(order.first(), order.size())), Names(forward));

    QList<QWidget *> backward;
    for (int i = order.size() - 2; i >= 0; --i)
        backward << order.at(i);
    backward << order.last();
    QCOMPARE(Names(Walk(order.last(), order.size(), true)), Names(backward));

    // Enter presses a focused title-bar button as Space does: the maximise button swaps for the
    // restore button, which keeps the focus.
    title->maximizeButton()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(title->maximizeButton(), Qt::Key_Return);
    QVERIFY(title->restoreButton()->isVisible());
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(title->restoreButton()));
    QTest::keyClick(title->restoreButton(), Qt::Key_Space);
    QVERIFY(title->maximizeButton()->isVisible());
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(title->maximizeButton()));

    // The focus came by Tab: the mark is on; a click puts it away.
    CFocusMark *mark = CFocusMark::Instance();
    QVERIFY(mark);
    page->sortButton()->setFocus(Qt::TabFocusReason);
    QCOMPARE(mark->MarkedWidget(), static_cast<QWidget *>(page->sortButton()));
    QTest::mouseClick(page->searchEdit()->lineEdit(), Qt::LeftButton);
    QCOMPARE(mark->MarkedWidget(), static_cast<QWidget *>(nullptr));
}

void TestPageAccess::rowKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("details"); // else the uninstall is asked for
    QTest::newRow("Delete") << int(Qt::Key_Delete) << int(Qt::NoModifier) << false;
    QTest::newRow("Return") << int(Qt::Key_Return) << int(Qt::NoModifier) << true;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << true;
    QTest::newRow("menu key") << int(Qt::Key_Menu) << int(Qt::NoModifier) << true;
    QTest::newRow("Shift+F10") << int(Qt::Key_F10) << int(Qt::ShiftModifier) << true;
}

void TestPageAccess::rowKeys()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, details);
    PageFixture f;
    f.Build({{"Alpha Editor", "Northwind", "2.1", 300}, {"Bravo Player", "Contoso", "1.0", 100}});
    QApplication::setActiveWindow(f.window);
    QVERIFY(QTest::qWaitForWindowActive(f.window));
    QTreeWidget *tree = f.page->tree();
    tree->setFocus(Qt::TabFocusReason);
    QTest::keyClick(tree, Qt::Key_Home);
    QTest::keyClick(tree, Qt::Key_Down);
    QTreeWidgetItem *current = tree->currentItem();
    QVERIFY(current);
    QCOMPARE(current, tree->topLevelItem(1));
    const QString name = current->text(CEnumProgramPage::ColNameKey);

    QStringList asked;
    ModalWatch<CReadyUninstallDlg> watch([&asked](CReadyUninstallDlg *dialog) {
        QTreeWidget *list = dialog->listTree();
        for (int row = 0; row < list->topLevelItemCount(); ++row)
            if (QWidget *cell = list->itemWidget(list->topLevelItem(row), 1))
                asked << cell->findChildren<QLabel *>().value(1)->text(); // icon, name, publisher
        QTest::keyClick(dialog, Qt::Key_Escape); // nothing is uninstalled
    });
    QTest::keyClick(tree, Qt::Key(key), Qt::KeyboardModifiers(modifiers));

    CDetailToolTip *tip = f.page->detailToolTip();
    if (details) {
        QTRY_VERIFY(tip->isVisible());
        QCOMPARE(tip->nameValue()->text(), name);
        QCOMPARE(watch.count(), 0);
        // At the row: its top under the row's "Details" link.
        const QRect cell = tree->visualItemRect(current);
        const QRect link = CFileTreeItemDelegate::DetailsRectFor(
            tree->visualRect(tree->model()->index(tree->indexOfTopLevelItem(current), CEnumProgramPage::ColName)));
        QCOMPARE(tip->pos(), tree->viewport()->mapToGlobal(link.bottomLeft()));
        QVERIFY(link.top() >= cell.top() && link.bottom() <= cell.bottom());
        // A key puts it away again.
        QTest::keyClick(tip, Qt::Key_Escape);
        QVERIFY(!tip->isVisible());
    } else {
        QTRY_COMPARE(watch.count(), 1);
        QCOMPARE(asked, QStringList{name}); // the current row's program, alone
        QVERIFY(!tip->isVisible());
        QVERIFY(f.IsRegistered(name.toLocal8Bit()));
        QVERIFY(!f.page->isUninstalling());
    }
}

void TestPageAccess::keysSkipRowsTheSearchHides()
{
    PageFixture f;
    f.Build({{"Alpha Editor", "Northwind", "2.1", 300}, {"Bravo Player", "Contoso", "1.0", 100}});
    QApplication::setActiveWindow(f.window);
    QVERIFY(QTest::qWaitForWindowActive(f.window));
    QTreeWidget *tree = f.page->tree();
    tree->setFocus(Qt::TabFocusReason);
    tree->setCurrentItem(f.page->tree()->findItems(QStringLiteral("Alpha Editor"), Qt::MatchExactly,
                                                   CEnumProgramPage::ColNameKey).value(0));
    QVERIFY(tree->currentItem());

    // The search hides the current row: the first shown row becomes the current one.
    f.page->searchEdit()->lineEdit()->setText(QStringLiteral("Bravo"));
    QVERIFY(tree->currentItem());
    QVERIFY(!tree->currentItem()->isHidden());
    QCOMPARE(tree->currentItem()->text(CEnumProgramPage::ColNameKey), QStringLiteral("Bravo Player"));
    QTest::keyClick(tree, Qt::Key_Space);
    QVERIFY(f.Row("Bravo Player").check->isChecked());
    QVERIFY(!f.Row("Alpha Editor").check->isChecked());

    // No row shown: the keys act on nothing.
    f.page->searchEdit()->lineEdit()->setText(QStringLiteral("no such program"));
    ModalWatch<CReadyUninstallDlg> watch([](CReadyUninstallDlg *dialog) { dialog->reject(); });
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Delete, Qt::Key_Return})
        QTest::keyClick(tree, key);
    QCoreApplication::processEvents();
    QVERIFY(!f.page->detailToolTip()->isVisible());
    QCOMPARE(watch.count(), 0);
    QVERIFY(f.Row("Bravo Player").check->isChecked());
}

void TestPageAccess::detailsFromKeyboardContextMenu()
{
    // The system's context-menu request from the keyboard shows the details; one from the
    // mouse does not.
    PageFixture f;
    f.Build({{"Alpha Editor", "Northwind", "2.1", 300}});
    QTreeWidget *tree = f.page->tree();
    tree->setCurrentItem(tree->topLevelItem(0));
    QContextMenuEvent mouse(QContextMenuEvent::Mouse, QPoint(5, 5));
    QApplication::sendEvent(tree, &mouse);
    QVERIFY(!f.page->detailToolTip()->isVisible());
    QContextMenuEvent keyboard(QContextMenuEvent::Keyboard, QPoint(5, 5));
    QApplication::sendEvent(tree, &keyboard);
    QTRY_VERIFY(f.page->detailToolTip()->isVisible());
    QCOMPARE(f.page->detailToolTip()->nameValue()->text(), QStringLiteral("Alpha Editor"));
    f.page->detailToolTip()->hide();
}

void TestPageAccess::rowTooltipsNameTheKeys()
{
    PageFixture f;
    f.Build({{"Alpha Editor", "Northwind", "2.1", 300}});
    const CEnumProgramPage::RowWidgets row = f.Row("Alpha Editor");
    QVERIFY(row.trash->toolTip().contains(QStringLiteral("Delete")));
    QVERIFY(row.check->toolTip().contains(QStringLiteral("Space")));
    for (const QString &key : {QStringLiteral("Space"), QStringLiteral("Delete"), QStringLiteral("Enter")})
        QVERIFY2(CProgramTreeWidget::RowToolTip().contains(key), qPrintable(key));
    QVERIFY(CProgramTreeWidget::DetailsToolTip().contains(QStringLiteral("Shift+F10")));
}

void TestPageAccess::confirmationByKeyboard_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<bool>("confirmed");
    QTest::newRow("Enter on the default button") << QList<int>{Qt::Key_Return} << true;
    QTest::newRow("Enter on the check box") << QList<int>{Qt::Key_Backtab, Qt::Key_Enter} << true;
    QTest::newRow("Enter on Cancel") << QList<int>{Qt::Key_Tab, Qt::Key_Return} << false;
    QTest::newRow("Space on OK") << QList<int>{Qt::Key_Space} << true;
    QTest::newRow("Escape") << QList<int>{Qt::Key_Escape} << false;
    QTest::newRow("Enter on the close button") << QList<int>{Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Return} << false;
}

void TestPageAccess::confirmationByKeyboard()
{
    QFETCH(QList<int>, keys);
    QFETCH(bool, confirmed);
    PageFixture f;
    f.Build({{"Alpha Editor", "Northwind", "2.1", 300}, {"Bravo Player", "Contoso", "1.0", 100}});
    CReadyUninstallDlg dialog(f.window);
    dialog.setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    dialog.SetPrograms(f.page->programs());
    dialog.CreateLayout();

    QStringList stops;
    ExecWith(dialog, [&](QDialog &) {
        // It opens on its default button, OK; Tab goes round: Cancel, close, the check box, OK.
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(dialog.okButton()));
        stops = Names(Walk(dialog.okButton(), 4));
        dialog.okButton()->setFocus(Qt::TabFocusReason);
        for (int key : keys) {
            if (key == Qt::Key_Backtab)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
            else
                QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        }
    });
    QCOMPARE(stops, Names({dialog.cancelButton(), dialog.titleBar->closeButton(), dialog.autoRemoveBox(),
                           dialog.okButton()}));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.IsConfirmed(), confirmed);
}

void TestPageAccess::resultClosesByKeyboardAndRefreshes_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Escape") << int(Qt::Key_Escape);
    QTest::newRow("Return") << int(Qt::Key_Return);
}

void TestPageAccess::resultClosesByKeyboardAndRefreshes()
{
    // The result has no button of its own: both keys take the title bar's way out, which asks
    // the page to read the list again.
    QFETCH(int, key);
    MsgRecorder recorder({MSG_REFRESH_PAGE, MSG_CLOSE_DLG});
    CUninstallRstDlg dialog;
    dialog.setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    dialog.SetResult(1, 0);
    dialog.CreateLayout();
    QStringList stops;
    ExecWith(dialog, [&](QDialog &) {
        stops = Names(Walk(dialog.titleBar->closeButton(), 1));
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &dialog, Qt::Key(key));
    });
    QCOMPARE(stops, Names({dialog.titleBar->closeButton()}));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(recorder.ids, (QList<unsigned int>{MSG_CLOSE_DLG, MSG_REFRESH_PAGE}));
}

void TestPageAccess::aboutByKeyboard()
{
    // Tab goes close button, web link, close button; Enter on the link opens the page and
    // leaves the box open; Escape closes it.
    PageFixture f;
    f.Build({});
    CAboutDlg dialog(f.window);
    dialog.setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    dialog.BuildContent();
    auto *link = dialog.findChild<CBPQtHyperLink *>();
    QVERIFY(link);
    QStringList stops;
    bool openAfterLink = false;
    ExecWith(dialog, [&](QDialog &) {
        stops = Names(Walk(dialog.titleBar->closeButton(), 2));
        link->setFocus(Qt::TabFocusReason);
        QTest::keyClick(link, Qt::Key_Return);
        openAfterLink = dialog.isVisible();
        QTest::keyClick(link, Qt::Key_Escape);
    });
    QCOMPARE(stops, Names({link, dialog.titleBar->closeButton()}));
    QVERIFY(openAfterLink);
    QCOMPARE(f.fake.desktop.openedUrls, std::vector<std::string>{CAboutDlg::ProductPageUrl().toStdString()});
    QVERIFY(!dialog.isVisible());
}

void TestPageAccess::updateResultByKeyboard()
{
    // A new version: it opens on "Update Now"; Tab goes Cancel, close, Update Now; Enter on
    // Cancel ends it without opening the download page.
    PageFixture f;
    f.Build({});
    CUpdateRstDlg dialog(542, 361, f.window);
    dialog.setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    dialog.SetContent(QString(), 0, 1);
    QCOMPARE(dialog.CurrentView(), CUpdateRstDlg::ViewNewVersionShort);
    QList<QPushButton *> buttons = dialog.findChildren<QPushButton *>();
    buttons.removeAll(dialog.titleBar->closeButton());
    QCOMPARE(buttons.size(), 2);
    QWidget *opening = nullptr;
    QStringList stops;
    ExecWith(dialog, [&](QDialog &) {
        QTRY_VERIFY(QApplication::focusWidget());
        opening = QApplication::focusWidget();
        stops = Names(Walk(opening, 3));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    QCOMPARE(opening, static_cast<QWidget *>(buttons.at(0)));
    QCOMPARE(stops, Names({buttons.at(1), dialog.titleBar->closeButton(), buttons.at(0)}));
    QVERIFY(!dialog.isVisible());
    QVERIFY(f.fake.desktop.openedUrls.empty());
}

void TestPageAccess::emptyListSaysWhy_data()
{
    QTest::addColumn<QStringList>("prefixes");
    QTest::addColumn<QString>("text");
#ifdef Q_OS_WIN
    const QString none = QStringLiteral("No programs are installed on this computer.");
#else
    const QString none = QStringLiteral("No programs are installed in this prefix.");
#endif
    QTest::newRow("no prefix chooser") << QStringList() << none;
    QTest::newRow("the only prefix") << QStringList{QStringLiteral("Default")} << none;
    QTest::newRow("other prefixes")
        << QStringList{QStringLiteral("Default"), QStringLiteral("Games")}
        << none + QStringLiteral("\nChoose another prefix above.");
}

void TestPageAccess::emptyListSaysWhy()
{
    QFETCH(QStringList, prefixes);
    QFETCH(QString, text);
    SetPrefixes(prefixes);
    PageFixture f;
    f.Build({});
    auto *tree = static_cast<CProgramTreeWidget *>(f.page->tree());
    QLabel *placeholder = tree->placeholder();
    QVERIFY(placeholder->isVisible());
    QCOMPARE(placeholder->text(), text);
    QCOMPARE(placeholder->geometry(), tree->viewport()->rect());

    // Programs come with a refresh: the list shows them instead.
    f.Register({"Alpha Editor", "Northwind", "2.1", 300});
    f.inventory->EnumPrograms();
    f.page->ShowPrograms(f.inventory->GetPrograms());
    QVERIFY(!placeholder->isVisible());
}

void TestPageAccess::searchWithoutMatchSaysSo()
{
    PageFixture f;
    f.Build({{"Alpha Editor", "Northwind", "2.1", 300}});
    auto *tree = static_cast<CProgramTreeWidget *>(f.page->tree());
    QLabel *placeholder = tree->placeholder();
    QVERIFY(!placeholder->isVisible());
    // What the user typed is shown as typed, never read as markup.
    f.page->searchEdit()->lineEdit()->setText(QStringLiteral("<b>zz</b>"));
    QVERIFY(placeholder->isVisible());
    QCOMPARE(placeholder->text(), QStringLiteral("No program matches \u201c<b>zz</b>\u201d."));
    QCOMPARE(placeholder->textFormat(), Qt::PlainText);
    f.page->searchEdit()->lineEdit()->clear();
    QVERIFY(!placeholder->isVisible());
}

void TestPageAccess::emptyListTextInThePagesStyle()
{
    // Under the application's style sheet the text is light on the dark page, as the rows' are.
    QFile sheet(QStringLiteral(STYLE_SHEET));
    QVERIFY(sheet.open(QIODevice::ReadOnly));
    qApp->setStyleSheet(QString::fromUtf8(sheet.readAll()));
    PageFixture f;
    BuildInFrame(f, {});
    QLabel *placeholder = static_cast<CProgramTreeWidget *>(f.page->tree())->placeholder();
    QVERIFY(placeholder->isVisible());
    const QImage image = placeholder->grab().toImage();
    int lightest = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            lightest = qMax(lightest, qGray(image.pixel(x, y)));
    qApp->setStyleSheet(QString());
    QVERIFY2(lightest > 128, qPrintable(QString::number(lightest)));
}

QTEST_MAIN(TestPageAccess)
#include "tst_pageaccess.moc"
