#include "programs/enumprogrampage.h"

#include "inventory/appenum.h"
#include "inventory/programhelpers.h"
#include "platform/platform.h"
#include "shell/configreader.h"
#include "shell/msgids.h"
#include "shell/stylefile.h"
#include "shell/translations.h"
#include "shell/uipublic.h"
#include "libs/sharelog/sharelog.h"
#include "libs/vdxqt/bpqtlabel.h"
#include "programs/detailtooltip.h"
#include "programs/listrefresh.h"
#include "programs/prefixchooser.h"
#include "programs/programtreewidget.h"
#include "programs/readyuninstalldlg.h"
#include "programs/refreshdlg.h"
#include "programs/uninstallrstdlg.h"
#include "widgets/filetreeitemdelegate.h"
#include "widgets/msgdlg.h"
#include "widgets/searchedit.h"

#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QTreeWidget>

#include <cstring>

namespace {

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

// Breaks `text` into lines of at most `width` pixels at spaces, for the message box, which does
// not wrap; an existing line break stays.
QString WrapLines(const QString &text, const QFontMetrics &metrics, int width)
{
    QStringList lines;
    for (const QString &paragraph : text.split(QLatin1Char('\n'))) {
        QString line;
        for (const QString &word : paragraph.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
            if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width) {
                lines << line;
                line = word;
            } else {
                line = longer;
            }
        }
        lines << line;
    }
    return lines.join(QLatin1Char('\n'));
}

// The question for an entry whose uninstaller is gone, in the product's message box: yes
// removes the entry and the program's leftovers.
bool AskRemoveDeadEntry(const InstalledProgram &program)
{
    constexpr int kWidth = 434;
    // The text's room: the box's width less the indent, the icon and the gaps around them.
    constexpr int kTextWidth = kWidth - 40 - 48 - 20 - 24;
    QFont font(QStringLiteral("Segoe UI"));
    font.setPixelSize(15);
    const QFontMetrics metrics(font);
    const QString name = metrics.elidedText(QString::fromLocal8Bit(FieldText(program.DisplayName)), Qt::ElideMiddle,
                                            kTextWidth);
    const QString text = WrapLines(
        CEnumProgramPage::tr("The uninstaller of %1 is missing. Remove its entry and what it left behind?").arg(name),
        metrics, kTextWidth);
    const int lines = text.count(QLatin1Char('\n')) + 1;
    CMSGDlg box(kWidth, qMax(240, 160 + 20 * lines), MainWindow());
    box.SetContent(CMSGDlg::IconWarning, text, CMSGDlg::ButtonsYesNo);
    return box.exec() == 0;
}

// The product's name as the user sees it: the main window's title.
QString ProductName()
{
    QWidget *window = MainWindow();
    const QString title = window ? window->windowTitle() : QString();
    return title.isEmpty() ? QStringLiteral("Vendrix Purgewell") : title;
}

} // namespace

CEnumProgramPage::CEnumProgramPage(int pageId)
    : CRightContentBase(pageId), m_listRefresh(std::make_unique<CListRefresh>())
{
    setContentsMargins(24, 0, 24, 0);
    setSpacing(0);

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
    m_prefixChooser = new CPrefixChooser;
    m_prefixChooser->setToolTip(tr("The Wine prefix whose programs are listed"));
    const WinePrefixHooks &prefixHooks = CUIPublic::GetInstance()->GetWinePrefixHooks();
    if (prefixHooks.find && prefixHooks.switchTo) {
        m_prefixChooser->SetPrefixes(prefixHooks.find());
        // At start-up a read-only prefix is opened without asking: it is read from its files.
        const int initial = m_prefixChooser->currentIndex();
        if (initial >= 0 && m_prefixChooser->Prefixes().at(initial).ReadOnly())
            m_readOnlyReason = CPrefixChooser::ReadOnlyReason(m_prefixChooser->Prefixes().at(initial));
        connect(m_prefixChooser, &CPrefixChooser::prefixChosen, this, &CEnumProgramPage::SwitchPrefix);
    } else {
        m_prefixChooser->hide();
    }
    topLayout->addSpacing(12);
    topLayout->addWidget(m_prefixChooser, 0, Qt::AlignLeft | Qt::AlignVCenter);
    topLayout->addStretch();
    m_sortBtn = new QPushButton;
    // Its caption is drawn into the images, in the user's language; the button is as wide as they are.
    const QString sortImage = LocalizedResource(QStringLiteral("sortby.png"));
    const QSize sortSize = QImageReader(sortImage).size();
    m_sortBtn->setFixedSize(sortSize.isValid() ? sortSize : QSize(74, 20));
    m_sortBtn->setAccessibleName(tr("Sort by"));
    m_sortBtn->setToolTip(tr("Sort the programs by name or size"));
    m_sortBtn->setStyleSheet(BorderImageSheet(sortImage, LocalizedResource(QStringLiteral("sortby_hover.png")),
                                              LocalizedResource(QStringLiteral("sortby_press.png")), sortImage));
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
    // Tab goes as the eye does, in the order the controls are made: prefix chooser, sort,
    // search, refresh, then the list and the uninstall button. Enter presses a focused button,
    // as Space does.
    for (QPushButton *button : {m_sortBtn, m_refreshBtn})
        button->setAutoDefault(true);
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
    m_rows = new CProgramRows(m_tree, this);
    connect(m_rows, &CProgramRows::tickClicked, this, &CEnumProgramPage::CheckSize);
    connect(m_rows, &CProgramRows::trashClicked, this, &CEnumProgramPage::UninstallClicked);
    connect(m_tree, &CProgramTreeWidget::detailsRequested, this, &CEnumProgramPage::ShowDetailsOfRow);
    // The list takes the focus when the window first shows, unless something else has it.
    m_tree->installEventFilter(this);
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
    m_uninstallBtn->setAutoDefault(true);
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
    m_run = new CUninstallRun(this);
    connect(m_run, &CUninstallRun::stepStarted, this, &CEnumProgramPage::StepStarted);
    connect(m_run, &CUninstallRun::deepCleanStarted, this, [this](int index) {
        m_rows->SetStatusText(index, tr("Deep Clean..."));
    });
    connect(m_run, &CUninstallRun::stepDone, this, &CEnumProgramPage::StepDone);
    connect(m_run, &CUninstallRun::finished, this, &CEnumProgramPage::FinishUninstall);
    m_run->SetDeadEntryQuestion(AskRemoveDeadEntry);

    SetNotifyCentor(CBPNotifyCentor::instance());
    RegisterMsg(MSG_REFRESH_PAGE);
    RegisterMsg(MSG_LIST_READY);

    m_programs = CUIPublic::GetInstance()->GetPrograms();
    CreateTree();
}

QTreeWidget *CEnumProgramPage::tree() const
{
    return m_tree;
}

InstalledProgramList CEnumProgramPage::programs() const
{
    return m_programs;
}

CEnumProgramPage::RowWidgets CEnumProgramPage::rowWidgets(int index) const
{
    return m_rows->Row(index);
}

bool CEnumProgramPage::isUninstalling() const
{
    return m_run->IsRunning();
}

CEnumProgramPage::~CEnumProgramPage()
{
    delete m_sortMenu;
    delete m_toolTip;
}

int CEnumProgramPage::ReceiveMsg(const __MsgData &msg)
{
    int page = -1;
    if (msg.data && msg.len >= int(sizeof page))
        std::memcpy(&page, msg.data, sizeof page);
    switch (msg.id) {
    case MSG_REFRESH_PAGE:
        // Run after the sender (the result dialog) has finished closing.
        if (page == PAGE_PROGRAMS)
            QTimer::singleShot(0, this, &CEnumProgramPage::RefreshClicked);
        break;
    case MSG_LIST_READY:
        // Rows are never rebuilt under a running uninstall; its end refreshes them.
        if (page == PAGE_PROGRAMS && !isUninstalling()) {
            InstalledProgramList programs = m_programs;
            m_listRefresh->Take(&programs);
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
// The list

void CEnumProgramPage::ShowPrograms(const InstalledProgramList &programs)
{
    m_programs = programs;
    CreateTree();
    m_refreshBtn->show();
    m_refreshBtn->setEnabled(true);
    m_prefixChooser->setEnabled(true);
}

void CEnumProgramPage::CreateTree()
{
    LogInfoEx(sharelog::TimedLine("create tree begin with %s\r\n").constData());
    m_rows->Fill(m_programs, m_sortKey == SortBySize ? ColSizeKey : ColNameKey, Qt::SortOrder(m_sortOrder));
    LogInfoEx(sharelog::TimedLine("create tree end with %s\r\n").constData());
    m_selectedCount = 0;
    m_selectedSize = 0;
    m_summaryLabel->clear();
    m_countLabel->setText(tr("(%1)").arg(m_programs.size()));
    m_uninstallBtn->setEnabled(false);
    m_refreshing = 0;
    UpdatePlaceholder();
}

QString CEnumProgramPage::PlaceholderText() const
{
    if (m_programs.isEmpty()) {
#ifdef Q_OS_WIN
        QString text = tr("No programs are installed on this computer.");
#else
        QString text = tr("No programs are installed in this prefix.");
#endif
        // Other prefixes may hold what the user looks for.
        if (m_prefixChooser->isVisibleTo(m_prefixChooser->parentWidget()) && m_prefixChooser->count() > 1)
            text += QLatin1Char('\n') + tr("Choose another prefix above.");
        return text;
    }
    if (!m_tree->HasVisibleRows())
        return tr("No program matches \u201c%1\u201d.").arg(m_search->lineEdit()->text());
    return QString();
}

void CEnumProgramPage::UpdatePlaceholder()
{
    m_tree->SetPlaceholderText(PlaceholderText());
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
        const bool match = m_rows->Matches(CProgramRows::IndexOf(item), text);
        if (item->isHidden() == match)
            item->setHidden(!match);
        if (match)
            ++shown;
    }
    m_tree->setHeaderLabels({tr("Program Name Order"), tr(" Program Name (%1 programs)").arg(shown), tr("Size"),
                             tr("Version"), tr("Operation"), tr("Size Order")});
    // The keys act on the current row: it must be one the user sees.
    QTreeWidgetItem *current = m_tree->currentItem();
    if (current && current->isHidden()) {
        QTreeWidgetItem *first = nullptr;
        for (int row = 0; row < count && !first; ++row)
            if (!m_tree->topLevelItem(row)->isHidden())
                first = m_tree->topLevelItem(row);
        if (first)
            m_tree->setCurrentItem(first);
    }
    m_tree->LayoutNow();
    UpdatePlaceholder();
}

// ---------------------------------------------------------------------------------------------
// Selection

void CEnumProgramPage::CheckSize(int index, bool checked)
{
    if (index < 0 || index >= m_programs.size())
        return;
    const uint64_t size = m_programs.at(index).Size;
    if (checked) {
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
    QString text = QStringLiteral("<font style = 'font-size:14px;color:#A3A4AA'>%1</font>"
                                  "<font style = 'font-size:14px; font-weight:600;color:#A3A4AA'>%2</font>")
                       .arg(tr("Selected:"))
                       .arg(m_selectedCount);
    if (m_selectedSize != 0)
        text += QStringLiteral("(<font style = 'font-size:14px; font-weight:600;color:#A3A4AA'>%1</font>)")
                    .arg(FormatSize(m_selectedSize));
    m_summaryLabel->setText(text);
    m_uninstallBtn->setEnabled(m_readOnlyReason.isEmpty());
    m_uninstallBtn->setToolTip(m_readOnlyReason.isEmpty() ? tr("Uninstall the ticked programs") : m_readOnlyReason);
}

bool CEnumProgramPage::RefuseReadOnly()
{
    if (m_readOnlyReason.isEmpty())
        return false;
    CMSGDlg box(580, 260, MainWindow());
    box.setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    box.SetContent(CMSGDlg::IconWarning, m_readOnlyReason, CMSGDlg::ButtonsOk);
    box.exec();
    return true;
}

// ---------------------------------------------------------------------------------------------
// Details

bool CEnumProgramPage::eventFilter(QObject *watched, QEvent *event)
{
    // The press position decides whether the "Details" link was hit; itemPressed carries none.
    if (watched == m_tree->viewport() && event->type() == QEvent::MouseButtonPress)
        m_lastPress = static_cast<QMouseEvent *>(event)->pos();
    if (watched == m_tree && event->type() == QEvent::Show && !m_initialFocusSet) {
        m_initialFocusSet = true;
        if (!m_tree->window()->focusWidget())
            m_tree->setFocus(Qt::OtherFocusReason);
    }
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
    ShowDetails(item, m_tree->viewport()->mapToGlobal(m_lastPress));
}

void CEnumProgramPage::ShowDetailsOfRow(QTreeWidgetItem *item)
{
    if (!item || item->isHidden())
        return;
    m_tree->scrollToItem(item);
    m_tree->LayoutNow();
    const int row = m_tree->indexOfTopLevelItem(item);
    const QRect cell = m_tree->visualRect(m_tree->model()->index(row, ColName));
    const QRect link = CFileTreeItemDelegate::DetailsRectFor(cell);
    // Under the row's "Details" link, or above the row where the screen ends below it.
    QPoint at = m_tree->viewport()->mapToGlobal(link.bottomLeft());
    if (const QScreen *screen = m_tree->screen()) {
        const QRect room = screen->availableGeometry();
        if (at.y() + m_toolTip->height() > room.bottom())
            at.setY(m_tree->viewport()->mapToGlobal(cell.topLeft()).y() - m_toolTip->height());
    }
    ShowDetails(item, at);
}

void CEnumProgramPage::ShowDetails(QTreeWidgetItem *item, const QPoint &globalPos)
{
    const int index = CProgramRows::IndexOf(item);
    if (index < 0 || index >= m_programs.size() || !m_rows->Row(index).check)
        return;
    const InstalledProgram &program = m_programs.at(index);
    m_toolTip->SetDetails(item->text(ColNameKey), item->text(ColVersion),
                          GetCreationTime(QByteArray(program.InstallLocation)),
                          QString::fromLocal8Bit(program.InstallLocation));
    m_toolTip->ShowAt(globalPos);
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
    m_listRefresh->Start(CUIPublic::GetInstance()->GetAppEnum());

    auto *dialog = new CRefreshDlg(MainWindow());
    dialog->setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    m_refreshDlg = dialog;
    // The rebuild may already have happened if something ran the event loop meanwhile.
    if (m_refreshing)
        dialog->exec();
    m_refreshDlg = nullptr;
    delete dialog;
}

void CEnumProgramPage::SwitchPrefix(int index)
{
    const WinePrefixHooks &hooks = CUIPublic::GetInstance()->GetWinePrefixHooks();
    if (!hooks.switchTo || index < 0 || index >= m_prefixChooser->Prefixes().size() || isUninstalling())
        return;
    const pw::WinePrefixInfo prefix = m_prefixChooser->Prefixes().at(index);
    // Nothing is started in a prefix whose own Wine is missing unless the user says so.
    const bool useSystemWine = prefix.ReadOnly() && AskUseSystemWine(MainWindow(), prefix);
    m_readOnlyReason = prefix.ReadOnly() && !useSystemWine ? CPrefixChooser::ReadOnlyReason(prefix) : QString();
    std::string error;
    if (!hooks.switchTo(prefix, useSystemWine, &error) && !error.empty()) {
        CMSGDlg box(434, 240, MainWindow());
        box.setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
        box.SetContent(1, QString::fromStdString(error), 1);
        box.exec();
    }
    RefreshClicked();
}

// ---------------------------------------------------------------------------------------------
// The uninstall run

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

bool CEnumProgramPage::IsProduct(const InstalledProgram &program) const
{
    return IsProductEntry(program, ProductName(), ProgramFolder(), pw::CurrentPlatform());
}

QVector<int> CEnumProgramPage::TickedInListOrder() const
{
    // Tree order is the order the user sees, rows hidden by the search included. The product's
    // entry goes last: its uninstaller ends this program.
    QVector<int> ticked;
    int product = -1;
    for (int row = 0; row < m_tree->topLevelItemCount(); ++row) {
        const int index = CProgramRows::IndexOf(m_tree->topLevelItem(row));
        const QCheckBox *check = m_rows->Row(index).check;
        if (!check || !check->isChecked() || index < 0 || index >= m_programs.size())
            continue;
        if (product < 0 && IsProduct(m_programs.at(index)))
            product = index;
        else
            ticked.append(index);
    }
    if (product >= 0)
        ticked.append(product);
    return ticked;
}

void CEnumProgramPage::UninstallClicked(int index)
{
    if (isUninstalling() || index < 0 || index >= m_programs.size() || RefuseReadOnly())
        return;
    const InstalledProgram program = m_programs.at(index);
    CUIPublic::GetInstance()->SetPendingUninstallSize(program.Size);
    if (Confirm(InstalledProgramList{program}))
        StartUninstall({index});
}

void CEnumProgramPage::UninstallAllClicked()
{
    if (isUninstalling())
        return;
    const QVector<int> ticked = TickedInListOrder();
    if (ticked.isEmpty() || RefuseReadOnly())
        return;
    InstalledProgramList programs;
    for (int index : ticked)
        programs.append(m_programs.at(index));
    CUIPublic::GetInstance()->SetPendingUninstallSize(m_selectedSize);
    if (Confirm(programs))
        StartUninstall(ticked);
}

void CEnumProgramPage::StartUninstall(const QVector<int> &indexes)
{
    m_uninstallBtn->setEnabled(false);
    m_refreshBtn->setEnabled(false);
    m_prefixChooser->setEnabled(false);
    m_rows->Lock();

    QVector<CUninstallRun::Step> steps;
    for (int index : indexes) {
        // Only a row the user could see and tick (or click) is queued.
        if (!m_rows->Row(index).check)
            continue;
        m_rows->ShowStatus(index, tr("waiting"));
        CUninstallRun::Step step;
        step.index = index;
        step.program = m_programs.at(index);
        step.isProduct = IsProduct(step.program);
        steps.append(step);
    }
    const int prefixIndex = m_prefixChooser->currentIndex();
    const QString prefix = prefixIndex >= 0 && prefixIndex < m_prefixChooser->Prefixes().size()
                               ? m_prefixChooser->Prefixes().at(prefixIndex).path
                               : QString();
    m_run->SetRemoval(LeftoverRemovalSetting(), prefix);
    m_run->Start(steps, m_autoRemove);
}

void CEnumProgramPage::StepStarted(int index)
{
    m_animationFrame = 0;
    m_animatedRow = index;
    m_rows->SetStatusText(index, tr("uninstallling"));
    m_animationTimer->start();
}

void CEnumProgramPage::onTimeout()
{
    if (m_animationFrame > CProgramRows::kLoadingFrames - 1)
        m_animationFrame = 0;
    if (QLabel *loading = m_rows->Row(m_animatedRow).loading)
        loading->setPixmap(m_rows->LoadingFrame(m_animationFrame));
    ++m_animationFrame;
}

void CEnumProgramPage::StepDone(int index, bool removed)
{
    m_animationTimer->stop();
    m_rows->SetStatusText(index, removed ? tr("Finished") : tr("Not uninstalled"));
    m_rows->HideLoading(index);
}

void CEnumProgramPage::FinishUninstall()
{
    m_animatedRow = -1;
    m_animationFrame = 0;

    // The result covers only what was really removed.
    CUIPublic::GetInstance()->SetPendingUninstallSize(m_run->FreedSize());
    auto *dialog = new CUninstallRstDlg(MainWindow());
    dialog->setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    dialog->SetResult(m_run->RemovedCount(), PAGE_PROGRAMS, m_run->NotRemovedCount());
    dialog->SetRestartPrograms(m_run->RestartNames());
    dialog->SetTrashed(m_run->TrashedCount() > 0);
    dialog->CreateLayout();
    dialog->exec();
    delete dialog;
}
