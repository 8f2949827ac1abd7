#pragma once
// The "Applications" page: the list of installed classic programs with sorting, live search,
// ticking, a details tooltip and refresh, and the uninstall run that starts from it (a row's
// trash button or the uninstall button for every ticked row).
#include "libs/shell/rightcontentbase.h"
#include "inventory/installedprogram.h"
#include "libs/vdxqt/notifycentor.h"

#include <QFont>
#include <QPalette>
#include <QPixmap>
#include <QPointer>
#include <QVBoxLayout>
#include <QVector>

#include <cstdint>
#include <memory>

class CBPQtLabel;
class CDetailToolTip;
class CFileTreeItemDelegate;
class CProgramTreeWidget;
class CRefreshDlg;
class CSearchEdit;
class QAbstractButton;
class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;
struct UninstallJob;

class CEnumProgramPage : public QVBoxLayout, public CRightContentBase, public CBPMsgReceiver {
    Q_OBJECT
public:
    enum SortKey { SortByName = 1, SortBySize = 2 };
    enum Column { ColNameKey = 0, ColName = 1, ColSize = 2, ColVersion = 3, ColOperation = 4, ColSizeKey = 5 };

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
    InstalledProgramList programs() const { return m_programs; }
    int selectedCount() const { return m_selectedCount; }
    uint64_t selectedSize() const { return m_selectedSize; }
    int sortKey() const { return m_sortKey; }
    int sortOrder() const { return m_sortOrder; }
    bool isRefreshing() const { return m_refreshing != 0; }
    bool isUninstalling() const { return m_job != nullptr || m_nextIndex > 0; }

    // The widgets of the row built from record `index`. A row gets its widgets when it first
    // comes into view; until then they are null.
    struct RowWidgets {
        QTreeWidgetItem *item = nullptr;
        QCheckBox *check = nullptr;
        QAbstractButton *trash = nullptr;
        QLabel *loading = nullptr;
        QLabel *status = nullptr;
    };
    RowWidgets rowWidgets(int index) const { return m_rows.value(index); }

    // The pause between two programs of a run.
    static constexpr int kStepPauseMs = 1000;

public slots:
    void OnSortMenuTriggered(QAction *action);
    void SortClicked();
    void TreeitemClicked(QTreeWidgetItem *item, int column);
    void RefreshClicked();
    void UninstallAllClicked();
    void UninstallClicked();
    void CheckSize();
    void sectionClickedSlot(int column);
    void SearchText(const QString &text);
    void onTimeout();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct RefreshInbox;

    void FillTree();
    void CreateCells(QTreeWidgetItem *item);
    QWidget *CreateNameCell(const InstalledProgram &program, int index);
    QWidget *CreateOperationCell(int index);
    void CreateStatusLabels(int index);
    void UpdateSummary();
    void ApplySort();

    bool IsOwnEntry(const QString &displayName) const;
    bool Confirm(const InstalledProgramList &programs);
    void StartUninstall(bool single);
    void StartLoadingAnimation();
    void StartCurrentWorker();
    void StartNextRow();
    void StepDone();
    void FinishUninstall();

    // Program list and its rows.
    InstalledProgramList m_programs;
    QVector<RowWidgets> m_rows;
    QVector<QString> m_searchKeys; // per record: name, line break, publisher
    int m_programCount = 0;
    int m_selectedCount = 0;
    uint64_t m_selectedSize = 0;
    int m_sortKey = SortByName;
    int m_sortOrder = Qt::DescendingOrder;
    int m_refreshing = 0;
    std::shared_ptr<RefreshInbox> m_refreshInbox;
    QPointer<CRefreshDlg> m_refreshDlg;
    QPoint m_lastPress{-1, -1};
    const QPixmap &LoadingFrame(int frame);
    QVector<QPixmap> m_loadingFrames;
    QPixmap m_loadingFirstFrame;
    QPixmap m_trashImages[3];
    QFont m_nameFont;
    QFont m_smallFont;
    QPalette m_whiteText;
    QPalette m_dimText;

    // Widgets.
    QLabel *m_countLabel = nullptr;
    QPushButton *m_sortBtn = nullptr;
    QMenu *m_sortMenu = nullptr;
    QAction *m_actName = nullptr;
    QAction *m_actSize = nullptr;
    QAction *m_actAscending = nullptr;
    QAction *m_actDescending = nullptr;
    CSearchEdit *m_search = nullptr;
    QPushButton *m_refreshBtn = nullptr;
    CProgramTreeWidget *m_tree = nullptr;
    CFileTreeItemDelegate *m_delegate = nullptr;
    CBPQtLabel *m_summaryLabel = nullptr;
    QPushButton *m_uninstallBtn = nullptr;
    CDetailToolTip *m_toolTip = nullptr;

    // The uninstall run.
    bool m_rowsLocked = false; // a run has locked every row until the next rebuild
    int m_singleMode = 0;
    int m_clickedIndex = -1;
    InstalledProgramList m_batchList;
    QList<QTreeWidgetItem *> m_queue;
    int m_nextIndex = 0;
    QTreeWidgetItem *m_currentRow = nullptr;
    bool m_autoRemove = true;
    QTimer *m_animationTimer = nullptr;
    QTimer *m_pauseTimer = nullptr;
    int m_animationFrame = 0;
    QLabel *m_loadingLabel = nullptr;
    QLabel *m_statusLabel = nullptr;
    std::shared_ptr<UninstallJob> m_job;
    int m_removedCount = 0;
    int m_notRemovedCount = 0;
    uint64_t m_freedSize = 0;
};
