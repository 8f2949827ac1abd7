#include "programs/programrows.h"

#include "inventory/programhelpers.h"
#include "programs/imagebutton.h"
#include "programs/programicon.h"
#include "programs/programtreewidget.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidgetItem>
#include <QVBoxLayout>

CProgramRows::CProgramRows(CProgramTreeWidget *tree, QObject *parent) : QObject(parent), m_tree(tree)
{
    m_loadingFrames.resize(kLoadingFrames);
    m_trashImages[0] = QPixmap(QStringLiteral("./Resources/icon_trash.png"));
    m_trashImages[1] = QPixmap(QStringLiteral("./Resources/icon_trash_hover.png"));
    m_trashImages[2] = QPixmap(QStringLiteral("./Resources/icon_trash_press.png"));
    m_nameFont.setPixelSize(14);
    m_nameFont.setWeight(QFont::Medium);
    m_smallFont.setPixelSize(12);
    m_whiteText.setColor(QPalette::WindowText, QColor(255, 255, 255));
    m_dimText.setColor(QPalette::WindowText, QColor(255, 255, 255, 153));
    m_tree->SetCellFactory([this](QTreeWidgetItem *item) { CreateCells(item); });
}

const QPixmap &CProgramRows::LoadingFrame(int frame)
{
    frame = qBound(0, frame, kLoadingFrames - 1);
    QPixmap &image = m_loadingFrames[frame];
    if (image.isNull())
        image = QPixmap(QStringLiteral("./Resources/loading/loading_%1.png").arg(frame));
    return image;
}

int CProgramRows::IndexOf(const QTreeWidgetItem *item)
{
    return item ? item->data(ColName, Qt::UserRole).toInt() : -1;
}

bool CProgramRows::Matches(int index, const QString &text) const
{
    if (text.isEmpty())
        return true;
    return index >= 0 && index < m_searchKeys.size() && m_searchKeys.at(index).contains(text, Qt::CaseInsensitive);
}

void CProgramRows::Fill(const InstalledProgramList &programs, int sortColumn, Qt::SortOrder order)
{
    // Adding rows one by one to a painting, sorting tree re-sorts and re-lays out the whole
    // list for every row. Build with updates and sorting off and sort once at the end. The
    // rows get their cell widgets from the tree as they come into view (CreateCells).
    m_programs = programs;
    m_tree->setUpdatesEnabled(false);
    m_tree->setSortingEnabled(false);
    m_tree->clear();
    m_rows.clear();
    m_rows.resize(m_programs.size());
    m_locked = false;

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

    m_tree->header()->setSortIndicator(sortColumn, order);
    m_tree->setSortingEnabled(true); // sorts once, by the indicator
    m_tree->setUpdatesEnabled(true);
    m_tree->LayoutNow();
}

void CProgramRows::Lock()
{
    m_locked = true;
    for (const RowWidgets &row : qAsConst(m_rows)) {
        if (!row.check)
            continue; // never in view yet: made locked when it comes
        row.check->setEnabled(false);
        row.trash->hide();
    }
}

void CProgramRows::CreateCells(QTreeWidgetItem *item)
{
    const int index = IndexOf(item);
    if (index < 0 || index >= m_programs.size())
        return;
    m_tree->setItemWidget(item, ColName, CreateNameCell(m_programs.at(index), index));
    m_tree->setItemWidget(item, ColOperation, CreateOperationCell(index));
    if (m_locked) {
        // A row that comes into view during a run is locked like the others.
        m_rows[index].check->setEnabled(false);
        m_rows[index].trash->hide();
    }
}

// Cells take fonts and palettes rather than style sheets of their own: each style sheet is
// parsed and polished per widget, and rows are made while the user scrolls and types.
QWidget *CProgramRows::CreateNameCell(const InstalledProgram &program, int index)
{
    auto *cell = new QWidget(m_tree->viewport());
    cell->setFixedHeight(48);
    auto *layout = new QHBoxLayout(cell);
    layout->setContentsMargins(20, 0, 15, 0);
    layout->setSpacing(0);
    layout->setAlignment(Qt::AlignLeft);

    auto *check = new QCheckBox(cell);
    check->setProperty("checkindex", index); // the record the tick stands for
    connect(check, &QCheckBox::clicked, this, [this, index](bool checked) { emit tickClicked(index, checked); });
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

QWidget *CProgramRows::CreateOperationCell(int index)
{
    auto *cell = new QWidget(m_tree->viewport());
    cell->setFixedHeight(48);
    auto *layout = new QHBoxLayout(cell);
    layout->setSpacing(5);

    auto *trash = new CImageButton(m_trashImages[0], m_trashImages[1], m_trashImages[2], cell);
    trash->setFixedSize(16, 16);
    trash->setProperty("uninstallindex", index);
    connect(trash, &QAbstractButton::clicked, this, [this, index] { emit trashClicked(index); });
    layout->addWidget(trash);

    // The loading and status labels come with the first run that queues the row.
    layout->addStretch();

    m_rows[index].trash = trash;
    return cell;
}

void CProgramRows::CreateStatusLabels(int index)
{
    RowWidgets &row = m_rows[index];
    if (row.status || !row.trash)
        return;
    QWidget *cell = row.trash->parentWidget();
    auto *layout = static_cast<QHBoxLayout *>(cell->layout());
    row.loading = new QLabel(cell);
    row.loading->setPixmap(LoadingFrame(0));
    row.loading->hide();
    layout->insertWidget(1, row.loading);
    row.status = new QLabel(cell);
    row.status->setFont(m_smallFont);
    row.status->setObjectName(QStringLiteral("ProgramStatus"));
    row.status->setPalette(m_dimText);
    row.status->hide();
    layout->insertWidget(2, row.status);
}

void CProgramRows::ShowStatus(int index, const QString &status)
{
    if (index < 0 || index >= m_rows.size())
        return;
    CreateStatusLabels(index);
    const RowWidgets &row = m_rows.at(index);
    if (!row.status)
        return;
    row.loading->setPixmap(LoadingFrame(0));
    row.loading->show();
    row.status->setText(status);
    row.status->show();
}

void CProgramRows::SetStatusText(int index, const QString &status)
{
    if (QLabel *label = m_rows.value(index).status)
        label->setText(status);
}

void CProgramRows::HideLoading(int index)
{
    if (QLabel *label = m_rows.value(index).loading)
        label->hide();
}
