#include "programs/enumprogrampage.h"

#include "libs/shell/msgids.h"
#include "programs/refreshdlg.h"
#include "libs/shell/stylefile.h"
#include "libs/shell/uipublic.h"
#include "inventory/appenum.h"
#include "inventory/programhelpers.h"
#include "libs/sharelog/sharelog.h"
#include "libs/vdxqt/bpqtlabel.h"
#include "programs/detailtooltip.h"
#include "programs/imagebutton.h"
#include "programs/programicon.h"
#include "programs/programtreewidget.h"
#include "programs/readyuninstalldlg.h"
#include "programs/uninstallrstdlg.h"
#include "platform/platform.h"
#include "programs/uninstallreport.h"
#include "widgets/filetreeitemdelegate.h"
#include "widgets/searchedit.h"

#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QTreeWidget>

#include <cstring>
#include <mutex>
#include <thread>

// What the refresh worker hands over: written on the worker, read on the GUI thread after
// MSG_LIST_READY. Shared, so a worker that outlives the page writes into memory that still
// exists.
struct CEnumProgramPage::RefreshInbox {
    std::mutex mutex;
    bool ready = false;
    InstalledProgramList programs;
};

namespace {

constexpr int kAnimationFrames = 50;

QString BorderImageSheet(const QString &normal, const QString &hover, const QString &pressed,
                         const QString &disabled = QString(), const QString &extra = QString(),
                         const QString &disabledExtra = QString())
{
    QString sheet = QStringLiteral("QPushButton{border-image:url(%1);%2}"
                                   "QPushButton:hover{border-image:url(%3);}"
                                   "QPushButton:pressed{border-image:url(%4);}")
                        .arg(normal, extra, hover, pressed);
    if (!disabled.isEmpty())
        sheet += QStringLiteral("QPushButton:disabled{border-image:url(%1);%2}").arg(disabled, disabledExtra);
    return sheet;
}

QWidget *MainWindow()
{
    return CUIPublic::GetInstance()->GetMainWindow();
}

} // namespace

CEnumProgramPage::CEnumProgramPage(int pageId)
    : CRightContentBase(pageId), m_refreshInbox(std::make_shared<RefreshInbox>())
{
    setContentsMargins(24, 0, 24, 0);
    setSpacing(0);
    m_loadingFrames.resize(kAnimationFrames);
    m_loadingFirstFrame = LoadingFrame(0);
    m_trashImages[0] = QPixmap(QStringLiteral("./Resources/icon_trash.png"));
    m_trashImages[1] = QPixmap(QStringLiteral("./Resources/icon_trash_hover.png"));
    m_trashImages[2] = QPixmap(QStringLiteral("./Resources/icon_trash_press.png"));
    m_nameFont.setPixelSize(14);
    m_nameFont.setWeight(QFont::Medium);
    m_smallFont.setPixelSize(12);
    m_whiteText.setColor(QPalette::WindowText, QColor(255, 255, 255));
    m_dimText.setColor(QPalette::WindowText, QColor(255, 255, 255, 153));

    // Top bar.
    auto *top = new QWidget;
    top->setObjectName(QStringLiteral("TopPart"));
    top->setStyleSheet(QStringLiteral("#TopPart{background-color: rgb(38,43,65)}"));
    auto *topLayout = new QHBoxLayout(top);
    topLayout->setContentsMargins(0, 15, 0, 5);
    topLayout->setSpacing(5);
    auto *title = new QLabel(tr("Applications"));
    title->setStyleSheet(QStringLiteral("font-size:16px; color:rgb(255,255,255);font-weight:500"));
    topLayout->addWidget(title, 0, Qt::AlignLeft | Qt::AlignVCenter);
    m_countLabel = new QLabel;
    m_countLabel->setStyleSheet(QStringLiteral("font-size:14px; color:rgba(255,255,255,153)"));
    topLayout->addWidget(m_countLabel, 0, Qt::AlignLeft | Qt::AlignVCenter);
    topLayout->addStretch();
    m_sortBtn = new QPushButton;
    m_sortBtn->setFixedSize(74, 20);
    m_sortBtn->setAccessibleName(tr("Sort by"));
    m_sortBtn->setToolTip(tr("Sort the programs by name or size"));
    m_sortBtn->setStyleSheet(BorderImageSheet(
        QStringLiteral("./Resources/sortby.png"), QStringLiteral("./Resources/sortby_hover.png"),
        QStringLiteral("./Resources/sortby_press.png"), QStringLiteral("./Resources/sortby.png")));
    connect(m_sortBtn, &QPushButton::clicked, this, &CEnumProgramPage::SortClicked);
    topLayout->addWidget(m_sortBtn, 0, Qt::AlignRight);
    m_search = new CSearchEdit;
    connect(m_search->lineEdit(), &QLineEdit::textChanged, this, &CEnumProgramPage::SearchText);
    topLayout->addWidget(m_search, 0, Qt::AlignRight);
    m_refreshBtn = new QPushButton;
    m_refreshBtn->setFixedSize(16, 16);
    m_refreshBtn->setAccessibleName(tr("Refresh"));
    m_refreshBtn->setToolTip(tr("Read the installed programs again"));
    m_refreshBtn->setStyleSheet(BorderImageSheet(
        QStringLiteral("./Resources/refresh_normal.png"), QStringLiteral("./Resources/refresh_hover.png"),
        QStringLiteral("./Resources/refresh_press.png"), QStringLiteral("./Resources/refresh_disable.png"),
        QStringLiteral("color:rgb(255,255,255);"), QStringLiteral("color:rgb(237,239,240);")));
    connect(m_refreshBtn, &QPushButton::clicked, this, &CEnumProgramPage::RefreshClicked);
    topLayout->addWidget(m_refreshBtn, 0, Qt::AlignRight);
    // Tab: search, sort, refresh, then the list and the uninstall button (see below).
    QWidget::setTabOrder(m_search->lineEdit(), m_sortBtn);
    QWidget::setTabOrder(m_sortBtn, m_refreshBtn);
    addWidget(top);

    // The list.
    m_tree = new CProgramTreeWidget;
    m_tree->setObjectName(QStringLiteral("ProgramTreeWidget"));
    m_delegate = new CFileTreeItemDelegate;
    m_delegate->setParent(m_tree);
    m_tree->setItemDelegate(m_delegate);
    m_tree->setColumnCount(6);
    m_tree->setColumnHidden(ColNameKey, true);
    m_tree->setColumnHidden(ColSizeKey, true);
    m_tree->setColumnWidth(ColName, 400);
    m_tree->setColumnWidth(ColSize, 120);
    m_tree->setFrameShape(QFrame::NoFrame);
    m_tree->setFocusPolicy(Qt::NoFocus);
    m_tree->header()->hide();
    m_tree->setIndentation(0);
    // Every row has the same fixed-height cells; uniform heights keep row placement O(1).
    m_tree->setUniformRowHeights(true);
    m_tree->setMouseTracking(true);
    m_tree->viewport()->setAttribute(Qt::WA_Hover);
    m_tree->viewport()->installEventFilter(this);
    m_tree->verticalScrollBar()->setStyleSheet(ReadStyleFile(QStringLiteral("./QSS/vscrollbar.qss")));
    m_tree->horizontalScrollBar()->setStyleSheet(ReadStyleFile(QStringLiteral("./QSS/hscrollbar.qss")));
    m_tree->header()->setSortIndicator(ColNameKey, Qt::DescendingOrder);
    m_tree->setSortingEnabled(true);
    connect(m_tree->header(), &QHeaderView::sectionClicked, this, &CEnumProgramPage::sectionClickedSlot);
    connect(m_tree, &QTreeWidget::itemPressed, this, &CEnumProgramPage::TreeitemClicked);
    m_tree->SetCellFactory([this](QTreeWidgetItem *item) { CreateCells(item); });
    addWidget(m_tree);

    // Bottom bar.
    auto *bottom = new QHBoxLayout;
    bottom->setContentsMargins(0, 16, 0, 16);
    bottom->setSpacing(25);
    bottom->addStretch();
    m_summaryLabel = new CBPQtLabel;
    QFont summaryFont(QStringLiteral("Segoe UI"));
    summaryFont.setPixelSize(16);
    m_summaryLabel->setFont(summaryFont);
    QPalette summaryPalette;
    summaryPalette.setColor(QPalette::WindowText, QColor(255, 255, 255, 153));
    m_summaryLabel->setPalette(summaryPalette);
    m_summaryLabel->setTextFormat(Qt::RichText);
    bottom->addWidget(m_summaryLabel, 0, Qt::AlignRight);
    m_uninstallBtn = new QPushButton(tr("Uninstall"));
    m_uninstallBtn->setFixedSize(144, 32);
    m_uninstallBtn->setToolTip(tr("Uninstall the ticked programs"));
    m_tree->setFocusPolicy(Qt::StrongFocus); // the list takes Tab and Space (CProgramTreeWidget)
    m_uninstallBtn->setStyleSheet(BorderImageSheet(
        QStringLiteral("./Resources/btn_uninstall.png"), QStringLiteral("./Resources/btn_uninstall_hover.png"),
        QStringLiteral("./Resources/btn_uninstall_press.png"), QStringLiteral("./Resources/btn_uninstall_disable.png"),
        QStringLiteral("color:white;font-size:15px;font-weight:600;"), QStringLiteral("color:rgba(255,255,255,90);")));
    connect(m_uninstallBtn, &QPushButton::clicked, this, &CEnumProgramPage::UninstallAllClicked);
    bottom->addWidget(m_uninstallBtn, 0, Qt::AlignRight);
    addLayout(bottom);

    // Sort menu.
    m_sortMenu = new QMenu;
    m_sortMenu->setFixedWidth(92);
    m_actName = m_sortMenu->addAction(tr("Name"));
    m_actSize = m_sortMenu->addAction(tr("Size"));
    m_sortMenu->addSeparator();
    m_actAscending = m_sortMenu->addAction(tr("Ascending"));
    m_actDescending = m_sortMenu->addAction(tr("Descending"));
    for (QAction *action : {m_actName, m_actSize, m_actAscending, m_actDescending})
        action->setCheckable(true);
    m_actName->setChecked(true);
    m_actDescending->setChecked(true);
    connect(m_sortMenu, &QMenu::triggered, this, &CEnumProgramPage::OnSortMenuTriggered);

    m_toolTip = new CDetailToolTip(nullptr);

    m_animationTimer = new QTimer(this);
    m_animationTimer->setInterval(100);
    connect(m_animationTimer, &QTimer::timeout, this, &CEnumProgramPage::onTimeout);
    // The pause between two programs runs on a timer so the window keeps painting.
    m_pauseTimer = new QTimer(this);
    m_pauseTimer->setSingleShot(true);
    m_pauseTimer->setInterval(kStepPauseMs);
    connect(m_pauseTimer, &QTimer::timeout, this, &CEnumProgramPage::StartNextRow);

    SetNotifyCentor(CBPNotifyCentor::instance());
    RegisterMsg(MSG_UNINSTALL_ONE_DONE);
    RegisterMsg(MSG_REFRESH_PAGE);
    RegisterMsg(MSG_LIST_READY);
    RegisterMsg(MSG_DEEP_CLEAN_STARTED);

    m_programs = CUIPublic::GetInstance()->GetPrograms();
    CreateTree();
}

const QPixmap &CEnumProgramPage::LoadingFrame(int frame)
{
    // Each image is read from disk once, when the animation first needs it.
    QPixmap &image = m_loadingFrames[frame];
    if (image.isNull())
        image = QPixmap(QStringLiteral("./Resources/loading/loading_%1.png").arg(frame));
    return image;
}

QTreeWidget *CEnumProgramPage::tree() const
{
    return m_tree;
}

CEnumProgramPage::~CEnumProgramPage()
{
    delete m_sortMenu;
    delete m_toolTip;
}

int CEnumProgramPage::ReceiveMsg(const __MsgData &msg)
{
    const auto pageOf = [&msg] {
        int page = -1;
        if (msg.data && msg.len >= int(sizeof page))
            std::memcpy(&page, msg.data, sizeof page);
        return page;
    };
    switch (msg.id) {
    case MSG_UNINSTALL_ONE_DONE:
        if (m_job)
            StepDone();
        break;
    case MSG_DEEP_CLEAN_STARTED:
        if (m_job && m_statusLabel)
            m_statusLabel->setText(tr("Deep Clean..."));
        break;
    case MSG_REFRESH_PAGE:
        // Run after the sender (the result dialog) has finished closing.
        if (pageOf() == PAGE_PROGRAMS)
            QTimer::singleShot(0, this, &CEnumProgramPage::RefreshClicked);
        break;
    case MSG_LIST_READY:
        // Rows are never rebuilt under a running uninstall; its end refreshes them.
        if (pageOf() == PAGE_PROGRAMS && !isUninstalling()) {
            InstalledProgramList programs = m_programs;
            {
                std::lock_guard<std::mutex> lock(m_refreshInbox->mutex);
                if (m_refreshInbox->ready) {
                    programs = m_refreshInbox->programs;
                    m_refreshInbox->programs.clear();
                    m_refreshInbox->ready = false;
                }
            }
            ShowPrograms(programs);
            if (m_refreshDlg)
                m_refreshDlg->close();
        }
        break;
    default:
        break;
    }
    return 0;
}

// ---------------------------------------------------------------------------------------------
// Building the rows

void CEnumProgramPage::ShowPrograms(const InstalledProgramList &programs)
{
    m_programs = programs;
    CreateTree();
    m_refreshBtn->show();
    m_refreshBtn->setEnabled(true);
}

void CEnumProgramPage::CreateTree()
{
    m_programCount = m_programs.size();
    LogInfoEx(sharelog::TimedLine("create tree begin with %s\r\n").constData());
    FillTree();
    LogInfoEx(sharelog::TimedLine("create tree end with %s\r\n").constData());
    m_selectedCount = 0;
    m_selectedSize = 0;
    m_summaryLabel->clear();
    m_countLabel->setText(tr("(%1)").arg(m_programCount));
    m_uninstallBtn->setEnabled(false);
    m_refreshing = 0;
}

void CEnumProgramPage::FillTree()
{
    // Adding rows one by one to a painting, sorting tree re-sorts and re-lays out the whole
    // list for every row. Build with updates and sorting off and sort once at the end. The
    // rows get their cell widgets from the tree as they come into view (CreateCells).
    m_tree->setUpdatesEnabled(false);
    m_tree->setSortingEnabled(false);
    m_tree->clear();
    m_rows.clear();
    m_rows.resize(m_programs.size());
    m_rowsLocked = false;

    // Name and publisher, converted once per rebuild rather than on every keystroke. A line
    // break cannot be typed into the search field, so no match spans the two.
    m_searchKeys.clear();
    m_searchKeys.reserve(m_programs.size());
    for (const InstalledProgram &program : qAsConst(m_programs))
        m_searchKeys.append(QString::fromLocal8Bit(program.DisplayName) + QLatin1Char('\n') +
                            QString::fromLocal8Bit(program.Publisher));

    QList<QTreeWidgetItem *> items;
    items.reserve(m_programs.size());
    for (int i = 0; i < m_programs.size(); ++i) {
        const InstalledProgram &program = m_programs.at(i);
        auto *item = new QTreeWidgetItem;
        item->setText(ColNameKey, QString::fromLocal8Bit(program.DisplayName));
        item->setData(ColName, Qt::UserRole, i);
        item->setText(ColSize, FormatSize(program.Size));
        const QString version = QString::fromLocal8Bit(program.DisplayVersion);
        item->setText(ColVersion, version.isEmpty() ? QStringLiteral("-") : version);
        item->setData(ColSizeKey, Qt::DisplayRole, qint64(program.Size));
        m_rows[i].item = item;
        items.append(item);
    }
    m_tree->addTopLevelItems(items);

    m_tree->header()->setSortIndicator(m_sortKey == SortBySize ? ColSizeKey : ColNameKey, Qt::SortOrder(m_sortOrder));
    m_tree->setSortingEnabled(true); // sorts once, by the indicator
    m_tree->setUpdatesEnabled(true);
    m_tree->LayoutNow();
}

void CEnumProgramPage::CreateCells(QTreeWidgetItem *item)
{
    const int index = item->data(ColName, Qt::UserRole).toInt();
    if (index < 0 || index >= m_programs.size())
        return;
    m_tree->setItemWidget(item, ColName, CreateNameCell(m_programs.at(index), index));
    m_tree->setItemWidget(item, ColOperation, CreateOperationCell(index));
    if (m_rowsLocked) {
        // A row that comes into view during a run is locked like the others.
        m_rows[index].check->setEnabled(false);
        m_rows[index].trash->hide();
    }
}

// Cells take fonts and palettes rather than style sheets of their own: each style sheet is
// parsed and polished per widget, and rows are made while the user scrolls and types.
QWidget *CEnumProgramPage::CreateNameCell(const InstalledProgram &program, int index)
{
    auto *cell = new QWidget(m_tree->viewport());
    cell->setFixedHeight(48);
    auto *layout = new QHBoxLayout(cell);
    layout->setContentsMargins(20, 0, 15, 0);
    layout->setSpacing(0);
    layout->setAlignment(Qt::AlignLeft);

    auto *check = new QCheckBox(cell);
    check->setProperty("checkindex", index);
    connect(check, &QCheckBox::clicked, this, &CEnumProgramPage::CheckSize);
    layout->addWidget(check);
    layout->addSpacing(8);

    auto *icon = new QLabel(cell);
    icon->setFixedSize(32, 32);
    icon->setPixmap(CProgramIconCache::instance().Pixmap(QByteArray(program.DisplayIcon), 32));
    layout->addWidget(icon);
    layout->addSpacing(12);

    auto *texts = new QVBoxLayout;
    texts->setContentsMargins(0, 0, 0, 0);
    texts->setSpacing(0);
    auto *name = new QLabel(QString::fromLocal8Bit(program.DisplayName), cell);
    name->setFont(m_nameFont);
    name->setObjectName(QStringLiteral("ProgramName"));
    name->setPalette(m_whiteText);
    name->setAlignment(Qt::AlignBottom);
    auto *publisher = new QLabel(QString::fromLocal8Bit(program.Publisher), cell);
    publisher->setFont(m_smallFont);
    publisher->setObjectName(QStringLiteral("ProgramPublisher"));
    publisher->setPalette(m_dimText);
    publisher->setAlignment(Qt::AlignTop);
    texts->addWidget(name);
    texts->addWidget(publisher);
    layout->addLayout(texts);

    m_rows[index].check = check;
    return cell;
}

QWidget *CEnumProgramPage::CreateOperationCell(int index)
{
    auto *cell = new QWidget(m_tree->viewport());
    cell->setFixedHeight(48);
    auto *layout = new QHBoxLayout(cell);
    layout->setSpacing(5);

    auto *trash = new CImageButton(m_trashImages[0], m_trashImages[1], m_trashImages[2], cell);
    trash->setFixedSize(16, 16);
    trash->setProperty("uninstallindex", index);
    connect(trash, &QAbstractButton::clicked, this, &CEnumProgramPage::UninstallClicked);
    layout->addWidget(trash);

    // The loading and status labels come with the first run that queues the row.
    layout->addStretch();

    m_rows[index].trash = trash;
    return cell;
}

void CEnumProgramPage::CreateStatusLabels(int index)
{
    RowWidgets &row = m_rows[index];
    if (row.status || !row.trash)
        return;
    QWidget *cell = row.trash->parentWidget();
    auto *layout = static_cast<QHBoxLayout *>(cell->layout());
    row.loading = new QLabel(cell);
    row.loading->setPixmap(m_loadingFirstFrame);
    row.loading->hide();
    layout->insertWidget(1, row.loading);
    row.status = new QLabel(tr("waiting"), cell);
    row.status->setFont(m_smallFont);
    row.status->setObjectName(QStringLiteral("ProgramStatus"));
    row.status->setPalette(m_dimText);
    row.status->hide();
    layout->insertWidget(2, row.status);
}

// ---------------------------------------------------------------------------------------------
// Sort

void CEnumProgramPage::SortClicked()
{
    QWidget *window = MainWindow();
    const QPoint below = m_sortBtn->pos() + QPoint(0, 55);
    const QPoint at = window ? window->mapToGlobal(below) : m_sortBtn->parentWidget()->mapToGlobal(below);
    m_sortMenu->exec(at);
}

void CEnumProgramPage::sectionClickedSlot(int column)
{
    if (column != ColName && column != ColSize)
        return;
    m_sortOrder = m_sortOrder == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    m_actAscending->setChecked(m_sortOrder == Qt::AscendingOrder);
    m_actDescending->setChecked(m_sortOrder != Qt::AscendingOrder);
    m_tree->sortByColumn(column == ColName ? ColNameKey : ColSizeKey, Qt::SortOrder(m_sortOrder));
}

void CEnumProgramPage::OnSortMenuTriggered(QAction *action)
{
    if (action == m_actName) {
        if (m_sortKey != SortByName) {
            m_sortKey = SortByName;
            sectionClickedSlot(ColName);
        }
    } else if (action == m_actSize) {
        if (m_sortKey != SortBySize) {
            m_sortKey = SortBySize;
            sectionClickedSlot(ColSize);
        }
    } else if (action == m_actAscending || action == m_actDescending) {
        m_sortOrder = action == m_actAscending ? Qt::AscendingOrder : Qt::DescendingOrder;
        m_tree->sortByColumn(m_sortKey == SortBySize ? ColSizeKey : ColNameKey, Qt::SortOrder(m_sortOrder));
    }
    // A checkable action toggles itself when chosen; the marks follow the state, also when
    // the choice changed nothing.
    m_actName->setChecked(m_sortKey == SortByName);
    m_actSize->setChecked(m_sortKey == SortBySize);
    m_actAscending->setChecked(m_sortOrder == Qt::AscendingOrder);
    m_actDescending->setChecked(m_sortOrder != Qt::AscendingOrder);
}

// ---------------------------------------------------------------------------------------------
// Search

void CEnumProgramPage::SearchText(const QString &text)
{
    int shown = 0;
    const int count = m_tree->topLevelItemCount();
    for (int row = 0; row < count; ++row) {
        QTreeWidgetItem *item = m_tree->topLevelItem(row);
        const int index = item->data(ColName, Qt::UserRole).toInt();
        bool match = text.isEmpty();
        if (!match && index >= 0 && index < m_searchKeys.size())
            match = m_searchKeys.at(index).contains(text, Qt::CaseInsensitive);
        if (item->isHidden() == match)
            item->setHidden(!match);
        if (match)
            ++shown;
    }
    m_tree->setHeaderLabels({tr("Program Name Order"), tr(" Program Name (%1 programs)").arg(shown), tr("Size"),
                             tr("Version"), tr("Operation"), tr("Size Order")});
    m_tree->LayoutNow();
}

// ---------------------------------------------------------------------------------------------
// Selection

void CEnumProgramPage::CheckSize()
{
    auto *check = qobject_cast<QCheckBox *>(sender());
    if (!check)
        return;
    const int index = check->property("checkindex").toInt();
    if (index < 0 || index >= m_programs.size())
        return;
    const uint64_t size = m_programs.at(index).Size;
    if (check->isChecked()) {
        m_selectedSize += size;
        ++m_selectedCount;
    } else {
        m_selectedSize -= size;
        --m_selectedCount;
    }
    UpdateSummary();
}

void CEnumProgramPage::UpdateSummary()
{
    if (m_selectedCount == 0) {
        m_summaryLabel->setText(QString());
        m_uninstallBtn->setEnabled(false);
        return;
    }
    QString text = QStringLiteral("<font style = 'font-size:14px;color:#A3A4AA'>Selected:</font>"
                                  "<font style = 'font-size:14px; font-weight:600;color:#A3A4AA'>%1</font>")
                       .arg(m_selectedCount);
    if (m_selectedSize != 0)
        text += QStringLiteral("(<font style = 'font-size:14px; font-weight:600;color:#A3A4AA'>%1</font>)")
                    .arg(FormatSize(m_selectedSize));
    m_summaryLabel->setText(text);
    m_uninstallBtn->setEnabled(true);
}

// ---------------------------------------------------------------------------------------------
// Details

bool CEnumProgramPage::eventFilter(QObject *watched, QEvent *event)
{
    // The press position decides whether the "Details" link was hit; itemPressed carries none.
    if (watched == m_tree->viewport() && event->type() == QEvent::MouseButtonPress)
        m_lastPress = static_cast<QMouseEvent *>(event)->pos();
    return QVBoxLayout::eventFilter(watched, event);
}

void CEnumProgramPage::TreeitemClicked(QTreeWidgetItem *item, int column)
{
    if (!item || column != ColName)
        return;
    const int row = m_tree->indexOfTopLevelItem(item);
    const QRect cell = m_tree->visualRect(m_tree->model()->index(row, ColName));
    if (!CFileTreeItemDelegate::DetailsRectFor(cell).contains(m_lastPress))
        return;
    const int index = item->data(ColName, Qt::UserRole).toInt();
    if (index < 0 || index >= m_rows.size() || !m_rows.at(index).check)
        return;
    const InstalledProgram &program = m_programs.at(index);
    m_toolTip->SetDetails(item->text(ColNameKey), item->text(ColVersion),
                          GetCreationTime(QByteArray(program.InstallLocation)),
                          QString::fromLocal8Bit(program.InstallLocation));
    m_toolTip->ShowAt(m_tree->viewport()->mapToGlobal(m_lastPress));
}

// ---------------------------------------------------------------------------------------------
// Refresh

void CEnumProgramPage::RefreshClicked()
{
    if (m_refreshing || isUninstalling())
        return;
    m_refreshing = 1;
    m_summaryLabel->setText(QString());
    m_search->lineEdit()->setText(QString());
    m_refreshBtn->hide();

    std::shared_ptr<RefreshInbox> inbox = m_refreshInbox;
    CAppEnum *inventory = CUIPublic::GetInstance()->GetAppEnum();
    std::thread([inbox, inventory] {
        // Without an inventory the list stays as it is.
        if (inventory) {
            inventory->EnumPrograms();
            const InstalledProgramList programs = inventory->GetPrograms();
            std::lock_guard<std::mutex> lock(inbox->mutex);
            inbox->programs = programs;
            inbox->ready = true;
        }
        CBPNotifyCentor::instance()->Send(MSG_CLOSE_DLG, 0, nullptr, 0);
        const int page = PAGE_PROGRAMS;
        CBPNotifyCentor::instance()->Send(MSG_LIST_READY, 0, &page, sizeof page);
    }).detach();

    auto *dialog = new CRefreshDlg(MainWindow());
    dialog->setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    m_refreshDlg = dialog;
    // The rebuild may already have happened if something ran the event loop meanwhile.
    if (m_refreshing)
        dialog->exec();
    m_refreshDlg = nullptr;
    delete dialog;
}

// ---------------------------------------------------------------------------------------------
// The uninstall run

bool CEnumProgramPage::IsOwnEntry(const QString &displayName) const
{
    QWidget *window = MainWindow();
    QString title = window ? window->windowTitle() : QString();
    if (title.isEmpty())
        title = QStringLiteral("Vendrix Purgewell");
    return displayName.contains(title, Qt::CaseSensitive);
}

bool CEnumProgramPage::Confirm(const InstalledProgramList &programs)
{
    auto *dialog = new CReadyUninstallDlg(MainWindow());
    dialog->setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    dialog->SetPrograms(programs);
    dialog->CreateLayout();
    dialog->exec();
    const bool confirmed = dialog->IsConfirmed();
    m_autoRemove = dialog->IsAutoRemoveChecked();
    delete dialog;
    return confirmed;
}

void CEnumProgramPage::UninstallClicked()
{
    auto *trash = qobject_cast<QAbstractButton *>(sender());
    if (!trash || isUninstalling())
        return;
    const int index = trash->property("uninstallindex").toInt();
    if (index < 0 || index >= m_programs.size())
        return;
    m_queue.clear();
    m_singleMode = 1;
    m_clickedIndex = index;
    const InstalledProgram program = m_programs.at(index);
    CUIPublic::GetInstance()->SetPendingUninstallSize(program.Size);
    if (Confirm(InstalledProgramList{program}))
        StartUninstall(true);
}

void CEnumProgramPage::UninstallAllClicked()
{
    if (isUninstalling())
        return;
    m_singleMode = 0;
    m_batchList.clear();
    m_queue.clear();
    bool haveOwn = false;
    InstalledProgram own;
    // Tree order is the order the user sees, rows hidden by the search included.
    for (int row = 0; row < m_tree->topLevelItemCount(); ++row) {
        const int index = m_tree->topLevelItem(row)->data(ColName, Qt::UserRole).toInt();
        const RowWidgets &widgets = m_rows.value(index);
        if (!widgets.check || !widgets.check->isChecked())
            continue;
        const InstalledProgram &program = m_programs.at(index);
        if (IsOwnEntry(QString::fromLocal8Bit(program.DisplayName))) {
            own = program;
            haveOwn = true;
        } else {
            m_batchList.append(program);
        }
    }
    if (haveOwn)
        m_batchList.append(own);
    if (m_batchList.isEmpty())
        return;
    CUIPublic::GetInstance()->SetPendingUninstallSize(m_selectedSize);
    if (Confirm(m_batchList))
        StartUninstall(false);
}

void CEnumProgramPage::StartUninstall(bool single)
{
    m_uninstallBtn->setEnabled(false);
    m_refreshBtn->setEnabled(false);
    m_removedCount = 0;
    m_notRemovedCount = 0;
    m_freedSize = 0;
    m_queue.clear();
    m_nextIndex = 0;

    m_rowsLocked = true;
    QTreeWidgetItem *own = nullptr;
    for (int row = 0; row < m_tree->topLevelItemCount(); ++row) {
        QTreeWidgetItem *item = m_tree->topLevelItem(row);
        const int index = item->data(ColName, Qt::UserRole).toInt();
        if (index < 0 || index >= m_rows.size() || !m_rows.at(index).check)
            continue; // never in view yet: made locked when it comes
        const bool queued = single ? index == m_clickedIndex : m_rows.at(index).check->isChecked();
        m_rows.at(index).check->setEnabled(false);
        m_rows.at(index).trash->hide();
        if (!queued)
            continue;
        CreateStatusLabels(index);
        const RowWidgets &widgets = m_rows.at(index);
        widgets.loading->setPixmap(m_loadingFirstFrame);
        widgets.loading->show();
        widgets.status->setText(tr("waiting"));
        widgets.status->show();
        if (!single && IsOwnEntry(item->text(ColNameKey)))
            own = item;
        else
            m_queue.append(item);
    }
    if (own)
        m_queue.append(own);
    if (m_queue.isEmpty()) {
        FinishUninstall();
        return;
    }
    StartNextRow();
}

void CEnumProgramPage::StartNextRow()
{
    if (m_nextIndex >= m_queue.size())
        return;
    m_currentRow = m_queue.at(m_nextIndex++);
    StartLoadingAnimation();
    StartCurrentWorker();
}

void CEnumProgramPage::StartLoadingAnimation()
{
    m_animationFrame = 0;
    const int index = m_currentRow->data(ColName, Qt::UserRole).toInt();
    m_loadingLabel = m_rows.value(index).loading;
    m_statusLabel = m_rows.value(index).status;
    if (m_statusLabel)
        m_statusLabel->setText(tr("uninstallling"));
    m_animationTimer->start();
}

void CEnumProgramPage::onTimeout()
{
    if (m_animationFrame > kAnimationFrames - 1)
        m_animationFrame = 0;
    if (m_loadingLabel)
        m_loadingLabel->setPixmap(LoadingFrame(m_animationFrame));
    ++m_animationFrame;
}

void CEnumProgramPage::StartCurrentWorker()
{
    const int index = m_currentRow->data(ColName, Qt::UserRole).toInt();
    auto job = std::make_shared<UninstallJob>();
    job->program = m_programs.at(index);
    job->isThisProduct = IsOwnEntry(QString::fromLocal8Bit(job->program.DisplayName));
    job->autoRemove = m_autoRemove;
    m_job = job;
    StartUninstallWorker(job, pw::CurrentPlatform(), ReportOnTheBus());
}

void CEnumProgramPage::StepDone()
{
    m_animationTimer->stop();
    const bool removed = m_job->outcome == UninstallJob::Removed;
    if (removed) {
        ++m_removedCount;
        m_freedSize += m_job->program.Size;
    } else {
        ++m_notRemovedCount;
    }
    m_job.reset();
    if (m_statusLabel)
        m_statusLabel->setText(removed ? tr("Finished") : tr("Not uninstalled"));
    if (m_loadingLabel)
        m_loadingLabel->hide();

    if (m_nextIndex < m_queue.size())
        m_pauseTimer->start();
    else
        FinishUninstall();
}

void CEnumProgramPage::FinishUninstall()
{
    m_loadingLabel = nullptr;
    m_statusLabel = nullptr;
    m_animationFrame = 0;
    m_currentRow = nullptr;
    m_nextIndex = 0;
    m_queue.clear();

    // The result covers only what was really removed.
    CUIPublic::GetInstance()->SetPendingUninstallSize(m_freedSize);
    auto *dialog = new CUninstallRstDlg(MainWindow());
    dialog->setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    dialog->SetResult(m_removedCount, PAGE_PROGRAMS, m_notRemovedCount);
    dialog->CreateLayout();
    dialog->exec();
    delete dialog;
}
