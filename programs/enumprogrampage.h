#pragma once
// The "Applications" page: the list of installed classic programs with sorting, live search,
// ticking, a details tooltip and refresh, and the uninstall run that starts from it (a row's
// trash button or the uninstall button for every ticked row). The page holds the layout and the
// wiring; the rows are built by CProgramRows, the list is re-read by CListRefresh and the run is
// CUninstallRun's.
#include "inventory/installedprogram.h"
#include "shell/rightcontentbase.h"
#include "libs/vdxqt/notifycentor.h"
#include "programs/programrows.h"
#include "programs/uninstallrun.h"

#include <QPointer>
#include <QVBoxLayout>
#include <QVector>

#include <cstdint>
#include <memory>

class CBPQtLabel;
class CDetailToolTip;
class CFileTreeItemDelegate;
class CListRefresh;
class CPrefixChooser;
class CProgramTreeWidget;
class CRefreshDlg;
class CSearchEdit;
class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

class CEnumProgramPage : public QVBoxLayout, public CRightContentBase, public CBPMsgReceiver {
    Q_OBJECT
public:
    enum SortKey { SortByName = 1, SortBySize = 2 };
    using Column = CProgramRows::Column;
    static constexpr Column ColNameKey = CProgramRows::ColNameKey;
    static constexpr Column ColName = CProgramRows::ColName;
    static constexpr Column ColSize = CProgramRows::ColSize;
    static constexpr Column ColVersion = CProgramRows::ColVersion;
    static constexpr Column ColOperation = CProgramRows::ColOperation;
    static constexpr Column ColSizeKey = CProgramRows::ColSizeKey;
    using RowWidgets = CProgramRows::RowWidgets;
    // The pause between two programs of a run.
    static constexpr int kStepPauseMs = CUninstallRun::kStepPauseMs;

    // Fills itself from the program list that start-up left in CUIPublic.
    explicit CEnumProgramPage(int pageId = 0);
    ~CEnumProgramPage() override;

    int ReceiveMsg(const __MsgData &msg) override;

    // Rebuilds every row from the program list.
    void CreateTree();
    // Replaces the program list and rebuilds the rows, as a finished refresh does.
    void ShowPrograms(const InstalledProgramList &programs);

    // What the page shows, for the main window's layout and for tests.
    QTreeWidget *tree() const;
    CSearchEdit *searchEdit() const { return m_search; }
    QPushButton *uninstallButton() const { return m_uninstallBtn; }
    QPushButton *refreshButton() const { return m_refreshBtn; }
    QPushButton *sortButton() const { return m_sortBtn; }
    QMenu *sortMenu() const { return m_sortMenu; }
    QLabel *countLabel() const { return m_countLabel; }
    CBPQtLabel *summaryLabel() const { return m_summaryLabel; }
    CDetailToolTip *detailToolTip() const { return m_toolTip; }
    // The Wine prefix chooser beside the title; hidden where start-up set no prefix hooks.
    CPrefixChooser *prefixChooser() const { return m_prefixChooser; }
    InstalledProgramList programs() const;
    int selectedCount() const { return m_selectedCount; }
    uint64_t selectedSize() const { return m_selectedSize; }
    int sortKey() const { return m_sortKey; }
    int sortOrder() const { return m_sortOrder; }
    bool isRefreshing() const { return m_refreshing != 0; }
    bool isUninstalling() const;
    // Shows why nothing can be uninstalled from a read-only prefix; false when it can.
    bool RefuseReadOnly();
    // The widgets of the row built from record `index` (null until the row first came into view).
    RowWidgets rowWidgets(int index) const;

public slots:
    void OnSortMenuTriggered(QAction *action);
    void SortClicked();
    void TreeitemClicked(QTreeWidgetItem *item, int column);
    void RefreshClicked();
    void UninstallAllClicked();
    // The trash button of record `index`.
    void UninstallClicked(int index);
    // The tick of record `index` changed.
    void CheckSize(int index, bool checked);
    void sectionClickedSlot(int column);
    void SearchText(const QString &text);
    void onTimeout();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void UpdateSummary();
    // What the list shows in its place while no row is visible: why it is empty.
    QString PlaceholderText() const;
    void UpdatePlaceholder();
    // The details tooltip of `item`: at `globalPos` (a press on the link), or placed at the row
    // (the list's Enter, menu key or Shift+F10).
    void ShowDetails(QTreeWidgetItem *item, const QPoint &globalPos);
    void ShowDetailsOfRow(QTreeWidgetItem *item);
    // The user chose the prefix at `index` of the chooser: the backend moves there (after consent
    // for a prefix whose own Wine is missing) and the list is read again.
    void SwitchPrefix(int index);
    // Whether `program` is the product's own entry (see IsProductEntry).
    bool IsProduct(const InstalledProgram &program) const;
    // The ticked records in the order the list shows them, the product's entry last.
    QVector<int> TickedInListOrder() const;
    bool Confirm(const InstalledProgramList &programs);
    void StartUninstall(const QVector<int> &indexes);
    void StepStarted(int index);
    void StepDone(int index, bool removed);
    void FinishUninstall();

    InstalledProgramList m_programs;
    int m_selectedCount = 0;
    uint64_t m_selectedSize = 0;
    int m_sortKey = SortByName;
    int m_sortOrder = Qt::DescendingOrder;
    int m_refreshing = 0;
    std::unique_ptr<CListRefresh> m_listRefresh;
    QPointer<CRefreshDlg> m_refreshDlg;
    QPoint m_lastPress{-1, -1};
    bool m_initialFocusSet = false;

    // Widgets.
    QLabel *m_countLabel = nullptr;
    CPrefixChooser *m_prefixChooser = nullptr;
    QPushButton *m_sortBtn = nullptr;
    QMenu *m_sortMenu = nullptr;
    QAction *m_actName = nullptr;
    QAction *m_actSize = nullptr;
    QAction *m_actAscending = nullptr;
    QAction *m_actDescending = nullptr;
    CSearchEdit *m_search = nullptr;
    QPushButton *m_refreshBtn = nullptr;
    CProgramTreeWidget *m_tree = nullptr;
    CProgramRows *m_rows = nullptr;
    CFileTreeItemDelegate *m_delegate = nullptr;
    CBPQtLabel *m_summaryLabel = nullptr;
    QPushButton *m_uninstallBtn = nullptr;
    CDetailToolTip *m_toolTip = nullptr;

    // The uninstall run and what the page shows of it.
    CUninstallRun *m_run = nullptr;
    bool m_autoRemove = true;
    // Why nothing can be uninstalled from the prefix shown (read-only: its Wine is missing);
    // empty when uninstalling works.
    QString m_readOnlyReason;
    QTimer *m_animationTimer = nullptr;
    int m_animationFrame = 0;
    int m_animatedRow = -1;
};
