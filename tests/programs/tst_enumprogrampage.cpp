// The programs page as the user meets it: rows and their texts, the count, search, ticking
// and its summary, the sort menu, the details link and refresh.
#include "inventory/programhelpers.h"
#include "pagefixture.h"
#include "programs/detailtooltip.h"
#include "programs/prefixchooser.h"
#include "widgets/filetreeitemdelegate.h"
#include "widgets/searchedit.h"

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>

#include <condition_variable>
#include <mutex>

using namespace fixture;

namespace {

// Five programs whose name order differs from their size order.
QList<Program> FivePrograms()
{
    return {
        {"Alpha Editor", "Northwind", "2.1", 300},
        {"bravo Player", "Contoso Media", "", 0},
        {"Charlie Tools", "contoso media", "10.4.1", 1200},
        {"Delta Sync", "Fabrikam", "5.0", 0},
        {"echo Chat", "Northwind", "1.0", 40},
    };
}

QStringList Sorted(QStringList names, bool ascending)
{
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        return QString::localeAwareCompare(a, b) < 0;
    });
    if (!ascending)
        std::reverse(names.begin(), names.end());
    return names;
}

// Forwards to a registry, holding every key open until the test opens the gate.
class GatedRegistry : public pw::IRegistry {
public:
    explicit GatedRegistry(pw::IRegistry &inner) : m_inner(inner) {}
    void Open()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_open = true;
        m_changed.notify_all();
    }
    pw::WinError OpenKey(pw::RegKey parent, const std::string &path, uint32_t access, pw::RegKey *out) override
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_changed.wait(lock, [this] { return m_open; });
        lock.unlock();
        return m_inner.OpenKey(parent, path, access, out);
    }
    pw::WinError CreateKey(pw::RegKey parent, const std::string &path, uint32_t access, pw::RegKey *out) override
    {
        return m_inner.CreateKey(parent, path, access, out);
    }
    pw::WinError CloseKey(pw::RegKey key) override { return m_inner.CloseKey(key); }
    pw::WinError EnumKey(pw::RegKey key, uint32_t index, char *name, uint32_t *nameLen) override
    {
        return m_inner.EnumKey(key, index, name, nameLen);
    }
    pw::WinError EnumValue(pw::RegKey key, uint32_t index, char *name, uint32_t *nameLen, uint32_t *type) override
    {
        return m_inner.EnumValue(key, index, name, nameLen, type);
    }
    pw::WinError QueryValue(pw::RegKey key, const char *name, uint32_t *type, uint8_t *data, uint32_t *size) override
    {
        return m_inner.QueryValue(key, name, type, data, size);
    }
    pw::WinError QueryValueCount(pw::RegKey key, uint32_t *count) override { return m_inner.QueryValueCount(key, count); }
    pw::WinError SetValue(pw::RegKey key, const char *name, uint32_t type, const uint8_t *data, uint32_t size) override
    {
        return m_inner.SetValue(key, name, type, data, size);
    }
    pw::WinError DeleteValue(pw::RegKey key, const char *name) override { return m_inner.DeleteValue(key, name); }
    pw::WinError DeleteKey(pw::RegKey parent, const std::string &path) override { return m_inner.DeleteKey(parent, path); }
    pw::WinError DeleteKeyEx(pw::RegKey parent, const std::string &path, uint32_t viewFlag) override
    {
        return m_inner.DeleteKeyEx(parent, path, viewFlag);
    }

private:
    pw::IRegistry &m_inner;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_open = false;
};

} // namespace

class TestEnumProgramPage : public QObject {
    Q_OBJECT
private slots:
    void emptyList();
    void prefixChooser();
    void rowsShowTheRecords();
    void search_data();
    void search();
    void hiddenTickedRowStaysCounted();
    void summary();
    void sortMenu();
    void detailsLink();
    void detailsTooltipTexts_data();
    void detailsTooltipTexts();
    void refresh();
    void cellsFollowTheView();
};

void TestEnumProgramPage::emptyList()
{
    PageFixture f;
    f.Build({});
    QCOMPARE(f.page->tree()->topLevelItemCount(), 0);
    QCOMPARE(f.page->countLabel()->text(), QStringLiteral("(0)"));
    QVERIFY(!f.page->uninstallButton()->isEnabled());
    // Searching and sorting an empty list is harmless.
    QTest::keyClicks(f.page->searchEdit()->lineEdit(), QStringLiteral("x"));
    f.page->OnSortMenuTriggered(f.page->sortMenu()->actions().at(1));
    QCOMPARE(f.page->tree()->topLevelItemCount(), 0);
}

void TestEnumProgramPage::prefixChooser()
{
    // Without the hooks start-up sets on Linux (Windows, tests) there is no chooser.
    {
        PageFixture f;
        f.Build(FivePrograms());
        QVERIFY(!f.page->prefixChooser()->isVisibleTo(f.host));
    }
    // With them, the machine's prefixes are offered; choosing one moves the backend there and
    // reads the list again behind the refresh dialog.
    pw::WinePrefixInfo own, bottle;
    own.path = QStringLiteral("/home/ann/.wine");
    own.label = QStringLiteral("Wine: default");
    own.wineName = QStringLiteral("system");
    own.isDefaultPrefix = true;
    own.wineFound = true;
    bottle.path = QStringLiteral("/home/ann/.local/share/bottles/bottles/Games");
    bottle.label = QStringLiteral("Bottles: Games");
    bottle.manager = pw::PrefixManager::Bottles;
    bottle.wine = QStringLiteral("/home/ann/.local/share/bottles/runners/soda/bin/wine");
    bottle.wineName = QStringLiteral("soda");
    bottle.wineFound = true;
    QStringList switched;
    WinePrefixHooks hooks;
    hooks.find = [&] { return QVector<pw::WinePrefixInfo>{own, bottle}; };
    hooks.switchTo = [&](const pw::WinePrefixInfo &prefix, bool useSystemWine, std::string *) {
        switched << prefix.path + (useSystemWine ? QStringLiteral(" (system wine)") : QString());
        return true;
    };
    CUIPublic::GetInstance()->SetWinePrefixHooks(hooks);
    PageFixture f;
    f.Build(FivePrograms());
    CPrefixChooser *chooser = f.page->prefixChooser();
    QVERIFY(chooser->isVisibleTo(f.host));
    QCOMPARE(chooser->count(), 2);
    QCOMPARE(chooser->currentText(), QStringLiteral("Wine: default"));
    MsgRecorder recorder{MSG_LIST_READY};
    OnNextModal<QDialog>([](QDialog *) {});
    chooser->setCurrentIndex(1);
    QTRY_COMPARE(recorder.count(MSG_LIST_READY), 1);
    QCOMPARE(switched, QStringList{bottle.path});
    CUIPublic::GetInstance()->SetWinePrefixHooks({});
}

void TestEnumProgramPage::rowsShowTheRecords()
{
    PageFixture f;
    f.Build(FivePrograms());
    QTreeWidget *tree = f.page->tree();
    QCOMPARE(tree->topLevelItemCount(), 5);
    QCOMPARE(f.page->countLabel()->text(), QStringLiteral("(5)"));
    QVERIFY(!f.page->uninstallButton()->isEnabled());
    QVERIFY(tree->isColumnHidden(0));
    QVERIFY(tree->isColumnHidden(5));

    // Name order, descending, from the start.
    const QStringList names{"Alpha Editor", "bravo Player", "Charlie Tools", "Delta Sync", "echo Chat"};
    QCOMPARE(f.RowNames(), Sorted(names, false));

    const QTreeWidgetItem *bravo = f.Row("bravo Player").item;
    QCOMPARE(bravo->text(CEnumProgramPage::ColVersion), QStringLiteral("-"));
    QCOMPARE(bravo->text(CEnumProgramPage::ColSize), QStringLiteral("-"));
    const QTreeWidgetItem *charlie = f.Row("Charlie Tools").item;
    QCOMPARE(charlie->text(CEnumProgramPage::ColVersion), QStringLiteral("10.4.1"));
    QCOMPARE(charlie->text(CEnumProgramPage::ColSize), FormatSize(1200 * 1024));
    QCOMPARE(charlie->data(CEnumProgramPage::ColSizeKey, Qt::DisplayRole).toLongLong(), 1200LL * 1024);

    // The record index ties the row, its check box and its trash button to one record.
    for (const char *name : {"Alpha Editor", "echo Chat"}) {
        const int index = f.IndexOf(name);
        const CEnumProgramPage::RowWidgets row = f.Row(name);
        QCOMPARE(row.item->data(CEnumProgramPage::ColName, Qt::UserRole).toInt(), index);
        QCOMPARE(row.check->property("checkindex").toInt(), index);
        QCOMPARE(row.trash->property("uninstallindex").toInt(), index);
        QVERIFY(row.trash->isVisibleTo(f.host));
        QVERIFY(!row.loading || !row.loading->isVisibleTo(f.host));
        QVERIFY(!row.status || !row.status->isVisibleTo(f.host));
    }
    QVERIFY(f.Log().contains("create tree begin with "));
    QVERIFY(f.Log().contains("create tree end with "));
}

void TestEnumProgramPage::search_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("visible");
    QTest::newRow("part of a name in other case") << "CHARLIE" << QStringList{"Charlie Tools"};
    QTest::newRow("lower-case start of a name") << "echo" << QStringList{"echo Chat"};
    QTest::newRow("publisher, any case") << "CONTOSO" << QStringList{"bravo Player", "Charlie Tools"};
    QTest::newRow("publisher shared by two") << "northwind" << QStringList{"Alpha Editor", "echo Chat"};
    QTest::newRow("version is not searched") << "10.4" << QStringList{};
    QTest::newRow("no match") << "zzz" << QStringList{};
    QTest::newRow("empty shows all") << ""
                                     << QStringList{"Alpha Editor", "bravo Player", "Charlie Tools", "Delta Sync",
                                                    "echo Chat"};
}

void TestEnumProgramPage::search()
{
    QFETCH(QString, text);
    QFETCH(QStringList, visible);
    PageFixture f;
    f.Build(FivePrograms());
    QLineEdit *edit = f.page->searchEdit()->lineEdit();
    edit->setText(QStringLiteral("something first"));
    edit->setText(text);
    QCOMPARE(f.RowNames(true), Sorted(visible, false));
    QCOMPARE(f.page->tree()->headerItem()->text(1),
             QStringLiteral(" Program Name (%1 programs)").arg(visible.size()));
    QCOMPARE(f.page->tree()->headerItem()->text(0), QStringLiteral("Program Name Order"));
    QCOMPARE(f.page->tree()->headerItem()->text(5), QStringLiteral("Size Order"));
    // Hidden rows are still there, ready to come back.
    QCOMPARE(f.page->tree()->topLevelItemCount(), 5);
    edit->clear();
    QCOMPARE(f.RowNames(true).size(), 5);
}

void TestEnumProgramPage::hiddenTickedRowStaysCounted()
{
    PageFixture f;
    f.Build(FivePrograms());
    f.Tick("Charlie Tools");
    f.Tick("Alpha Editor");
    f.page->searchEdit()->lineEdit()->setText(QStringLiteral("alpha"));
    QCOMPARE(f.RowNames(true), QStringList{"Alpha Editor"});
    QCOMPARE(f.page->selectedCount(), 2);
    QCOMPARE(f.page->selectedSize(), uint64_t(1500) * 1024);
    QVERIFY(f.Row("Charlie Tools").check->isChecked());
    QVERIFY(f.page->uninstallButton()->isEnabled());
    QVERIFY(f.page->summaryLabel()->text().contains(FormatSize(1500 * 1024)));
}

void TestEnumProgramPage::summary()
{
    PageFixture f;
    f.Build(FivePrograms());
    const QString countOnly = QStringLiteral(
        "<font style = 'font-size:14px;color:#A3A4AA'>Selected:</font>"
        "<font style = 'font-size:14px; font-weight:600;color:#A3A4AA'>%1</font>");
    const QString withSize = countOnly + QStringLiteral(
        "(<font style = 'font-size:14px; font-weight:600;color:#A3A4AA'>%2</font>)");

    f.Tick("bravo Player");
    QCOMPARE(f.page->summaryLabel()->text(), countOnly.arg(1));
    f.Tick("Delta Sync");
    QCOMPARE(f.page->summaryLabel()->text(), countOnly.arg(2));
    QVERIFY(f.page->uninstallButton()->isEnabled());
    f.Tick("echo Chat");
    QCOMPARE(f.page->summaryLabel()->text(), withSize.arg(3).arg(FormatSize(40 * 1024)));
    f.Tick("Charlie Tools");
    QCOMPARE(f.page->summaryLabel()->text(), withSize.arg(4).arg(FormatSize(1240 * 1024)));

    // Unticking takes the size back off, down to nothing.
    f.Tick("echo Chat");
    f.Tick("Charlie Tools");
    QCOMPARE(f.page->summaryLabel()->text(), countOnly.arg(2));
    f.Tick("bravo Player");
    f.Tick("Delta Sync");
    QCOMPARE(f.page->summaryLabel()->text(), QString());
    QCOMPARE(f.page->selectedSize(), uint64_t(0));
    QVERIFY(!f.page->uninstallButton()->isEnabled());

    // A click on the row elsewhere than the box ticks nothing.
    QTreeWidget *tree = f.page->tree();
    const QRect version = tree->visualItemRect(f.Row("Alpha Editor").item);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, QPoint(tree->columnViewportPosition(3) + 5, version.center().y()));
    QCOMPARE(f.page->selectedCount(), 0);
}

void TestEnumProgramPage::sortMenu()
{
    PageFixture f;
    f.Build(FivePrograms());
    const QList<QAction *> actions = f.page->sortMenu()->actions();
    QAction *name = actions.at(0), *size = actions.at(1), *ascending = actions.at(3), *descending = actions.at(4);
    QCOMPARE(name->text(), QStringLiteral("Name"));
    QCOMPARE(descending->text(), QStringLiteral("Descending"));
    const auto marks = [&] {
        return QString("%1%2%3%4").arg(name->isChecked()).arg(size->isChecked()).arg(ascending->isChecked())
            .arg(descending->isChecked());
    };
    const QStringList names = f.RowNames();
    // The two programs without a size keep the order the name sort gave them, which is the
    // locale's ("Delta" before "bravo" in the C locale, after it elsewhere).
    QStringList sizeless;
    for (const QString &n : names)
        if (n == QLatin1String("bravo Player") || n == QLatin1String("Delta Sync"))
            sizeless << n;
    const QStringList bySizeAscending = sizeless + QStringList{"echo Chat", "Alpha Editor", "Charlie Tools"};
    const QStringList bySizeDescending = QStringList{"Charlie Tools", "Alpha Editor", "echo Chat"} + sizeless;
    QCOMPARE(marks(), QStringLiteral("1001"));

    // A checkable action flips its own mark when chosen; trigger() does the same as a click.
    size->trigger();
    QCOMPARE(f.RowNames(), bySizeAscending);
    QCOMPARE(marks(), QStringLiteral("0110"));
    QCOMPARE(f.page->sortKey(), int(CEnumProgramPage::SortBySize));
    QCOMPARE(f.page->sortOrder(), int(Qt::AscendingOrder));

    size->trigger(); // already the key: nothing changes, marks included
    QCOMPARE(f.RowNames(), bySizeAscending);
    QCOMPARE(marks(), QStringLiteral("0110"));

    descending->trigger();
    // Equal sizes keep their previous relative order.
    QCOMPARE(f.RowNames(), bySizeDescending);
    QCOMPARE(marks(), QStringLiteral("0101"));

    descending->trigger(); // again: unchanged
    QCOMPARE(f.RowNames(), bySizeDescending);
    QCOMPARE(marks(), QStringLiteral("0101"));

    // Back to Name: the direction flips with the key.
    name->trigger();
    QCOMPARE(f.RowNames(), Sorted(names, true));
    QCOMPARE(marks(), QStringLiteral("1010"));

    ascending->trigger();
    QCOMPARE(f.RowNames(), Sorted(names, true));
    QCOMPARE(marks(), QStringLiteral("1010"));

    // The order survives a rebuild of the rows.
    f.page->CreateTree();
    QCOMPARE(f.RowNames(), Sorted(names, true));

    // The sort button pops the menu up under itself.
    QTimer::singleShot(0, f.page->sortMenu(), [&] {
        QVERIFY(f.page->sortMenu()->isVisible());
        f.page->sortMenu()->close();
    });
    f.page->sortButton()->click();
}

void TestEnumProgramPage::detailsLink()
{
    PageFixture f;
    f.Build(FivePrograms());
    QTreeWidget *tree = f.page->tree();
    QTreeWidgetItem *item = f.Row("Alpha Editor").item;
    const QRect cell = tree->visualRect(tree->model()->index(tree->indexOfTopLevelItem(item), CEnumProgramPage::ColName));
    const QRect link = CFileTreeItemDelegate::DetailsRectFor(cell);
    CDetailToolTip *tip = f.page->detailToolTip();

    // Hovering paints the link where the hit test looks for it.
    QTest::mouseMove(tree->viewport(), link.center());
    QTRY_COMPARE(CFileTreeItemDelegate::DetailsRect(), link);

    // In the name cell, but not on the link.
    QTest::mousePress(tree->viewport(), Qt::LeftButton, {}, QPoint(cell.left() + 60, cell.center().y()));
    QTest::mouseRelease(tree->viewport(), Qt::LeftButton, {}, QPoint(cell.left() + 60, cell.center().y()));
    QVERIFY(!tip->isVisible());
    // Just outside the link's corner.
    QTest::mousePress(tree->viewport(), Qt::LeftButton, {}, link.topLeft() - QPoint(1, 1));
    QVERIFY(!tip->isVisible());
    // Another column at the link's height.
    QTest::mousePress(tree->viewport(), Qt::LeftButton, {},
                      QPoint(tree->columnViewportPosition(CEnumProgramPage::ColSize) + 20, link.center().y()));
    QVERIFY(!tip->isVisible());

    QTest::mousePress(tree->viewport(), Qt::LeftButton, {}, link.center());
    QVERIFY(tip->isVisible());
    QCOMPARE(tip->nameValue()->text(), QStringLiteral("Alpha Editor"));
    QCOMPARE(tip->pos(), tree->viewport()->mapToGlobal(link.center()));

    // The tooltip goes away when it loses activation.
    QEvent deactivate(QEvent::WindowDeactivate);
    QApplication::sendEvent(tip, &deactivate);
    QVERIFY(!tip->isVisible());
}

void TestEnumProgramPage::detailsTooltipTexts_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QString>("version");
    QTest::addColumn<bool>("folderExists");
    QTest::newRow("with version and folder") << QByteArray("Charlie Tools") << "10.4.1" << true;
    QTest::newRow("no version") << QByteArray("bravo Player") << "-" << true;
    QTest::newRow("folder gone") << QByteArray("Delta Sync") << "5.0" << false;
}

void TestEnumProgramPage::detailsTooltipTexts()
{
    QFETCH(QByteArray, name);
    QFETCH(QString, version);
    QFETCH(bool, folderExists);
    PageFixture f;
    f.Build(FivePrograms());
    if (!folderExists)
        QVERIFY(QDir(f.native(PageFixture::InstallFolder(name))).removeRecursively());
    QTreeWidget *tree = f.page->tree();
    const int row = tree->indexOfTopLevelItem(f.Row(name).item);
    const QRect link = CFileTreeItemDelegate::DetailsRectFor(tree->visualRect(tree->model()->index(row, 1)));
    QTest::mousePress(tree->viewport(), Qt::LeftButton, {}, link.center());

    CDetailToolTip *tip = f.page->detailToolTip();
    QVERIFY(tip->isVisible());
    const QString path = PageFixture::InstallFolder(name);
    QCOMPARE(tip->nameValue()->text(), QString::fromLocal8Bit(name));
    QCOMPARE(tip->nameValue()->toolTip(), QString::fromLocal8Bit(name));
    QCOMPARE(tip->versionValue()->text(), version);
    QCOMPARE(tip->installPathValue()->text(), path);
    QCOMPARE(tip->installPathValue()->toolTip(), path);
    const QString time = tip->installTimeValue()->text();
    QCOMPARE(time.isEmpty(), !folderExists);
    if (folderExists)
        QCOMPARE(time, GetCreationTime(path.toLocal8Bit()));
}

void TestEnumProgramPage::refresh()
{
    PageFixture f;
    f.Build(FivePrograms());
    // The refresh reads the registry through a gate, so the test sees the page mid-refresh.
    GatedRegistry gated(f.fake.registry);
    CAppEnum inventory(&gated, &f.fake.system);
    CUIPublic::GetInstance()->SetAppEnum(&inventory);
    MsgRecorder recorder{MSG_LIST_READY, MSG_CLOSE_DLG};
    f.Tick("Alpha Editor");
    f.page->searchEdit()->lineEdit()->setText(QStringLiteral("echo"));
    // A program installed and another removed meanwhile.
    f.Register({"Foxtrot Maps", "Fabrikam", "3", 10});
    f.removeEntry("Delta Sync");

    int dialogs = 0;
    OnNextModal<QDialog>([&](QDialog *) {
        ++dialogs;
        QVERIFY(f.page->isRefreshing());
        QVERIFY(!f.page->refreshButton()->isVisibleTo(f.host));
        QCOMPARE(f.page->searchEdit()->lineEdit()->text(), QString());
        f.page->RefreshClicked(); // ignored while refreshing: returns at once
        gated.Open();
    });
    f.page->refreshButton()->click();

    QTRY_COMPARE(recorder.count(MSG_LIST_READY), 1);
    QCOMPARE(dialogs, 1);
    QCOMPARE(recorder.count(MSG_CLOSE_DLG), 1);
    QVERIFY(!f.page->isRefreshing());
    QVERIFY(f.page->refreshButton()->isVisibleTo(f.host));
    QVERIFY(f.page->refreshButton()->isEnabled());
    QCOMPARE(f.page->searchEdit()->lineEdit()->text(), QString());
    QCOMPARE(f.page->summaryLabel()->text(), QString());
    QCOMPARE(f.page->selectedCount(), 0);
    QVERIFY(!f.page->uninstallButton()->isEnabled());
    QVERIFY(!f.Row("Alpha Editor").check->isChecked());
    QCOMPARE(f.RowNames(true), Sorted({"Alpha Editor", "bravo Player", "Charlie Tools", "echo Chat", "Foxtrot Maps"}, false));
    QCOMPARE(f.page->countLabel()->text(), QStringLiteral("(5)"));
    CUIPublic::GetInstance()->SetAppEnum(nullptr);
}

void TestEnumProgramPage::cellsFollowTheView()
{
    PageFixture f;
    QList<Program> many;
    for (int i = 0; i < 60; ++i)
        many.append({"Program " + QByteArray::number(100 + i), "Vendor", "1", 10, false});
    f.Build(many);
    QTreeWidget *tree = f.page->tree();
    const auto cellPlaced = [&](const QByteArray &name) {
        const CEnumProgramPage::RowWidgets row = f.Row(name);
        if (!row.check)
            return false;
        const QModelIndex index = tree->model()->index(tree->indexOfTopLevelItem(row.item), CEnumProgramPage::ColName);
        QWidget *cell = tree->indexWidget(index);
        return cell && cell->isVisibleTo(tree) && cell->geometry() == tree->visualRect(index);
    };
    // Descending by name: "Program 159" is on top, "Program 100" at the bottom, out of view.
    QVERIFY(cellPlaced("Program 159"));
    QVERIFY(!f.Row("Program 100").check);

    tree->scrollToBottom();
    QTRY_VERIFY(cellPlaced("Program 100"));
    QVERIFY(!f.Row("Program 159").check->isVisibleTo(tree)); // made once, hidden out of view
    QVERIFY(f.Row("Program 159").check);

    // A row the search brings into view gets its cells; a ticked row keeps its box.
    tree->scrollToTop();
    f.Tick("Program 159");
    f.page->searchEdit()->lineEdit()->setText(QStringLiteral("Program 13"));
    QVERIFY(cellPlaced("Program 130"));
    QVERIFY(!f.Row("Program 159").check->isVisibleTo(tree));
    f.page->searchEdit()->lineEdit()->clear();
    QVERIFY(cellPlaced("Program 159"));
    QVERIFY(f.Row("Program 159").check->isChecked());
    QCOMPARE(f.page->selectedCount(), 1);
}

QTEST_MAIN(TestEnumProgramPage)
#include "tst_enumprogrampage.moc"
