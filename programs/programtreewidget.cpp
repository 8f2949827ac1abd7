#include "programs/programtreewidget.h"

#include "widgets/filetreeitemdelegate.h"
#include "widgets/focusmark.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QToolTip>

CProgramTreeWidget::CProgramTreeWidget(QWidget *parent) : QTreeWidget(parent)
{
    // The delegate outlines the current row while the list has the keyboard focus.
    setProperty(CFocusMark::kOwnMarkProperty, true);
    CFocusMark::Install();

    m_placeholder = new QLabel(viewport());
    m_placeholder->setObjectName(QStringLiteral("ProgramListPlaceholder"));
    m_placeholder->setTextFormat(Qt::PlainText); // it quotes what the user typed
    m_placeholder->setAlignment(Qt::AlignCenter);
    m_placeholder->setWordWrap(true);
    m_placeholder->setContentsMargins(24, 0, 24, 0);
    QFont font(QStringLiteral("Segoe UI"));
    font.setPixelSize(16);
    m_placeholder->setFont(font);
    QPalette palette = m_placeholder->palette();
    palette.setColor(QPalette::WindowText, QColor(255, 255, 255, 153));
    m_placeholder->setPalette(palette);
    m_placeholder->hide();
}

QString CProgramTreeWidget::RowToolTip()
{
    return tr("Space: tick or untick\nDelete: uninstall\nEnter or menu key: details");
}

QString CProgramTreeWidget::DetailsToolTip()
{
    return tr("Show the details (Enter, menu key or Shift+F10)");
}

void CProgramTreeWidget::SetPlaceholderText(const QString &text)
{
    m_placeholder->setText(text);
    m_placeholder->setGeometry(viewport()->rect());
    m_placeholder->setVisible(!text.isEmpty());
}

bool CProgramTreeWidget::HasVisibleRows() const
{
    for (int row = 0; row < topLevelItemCount(); ++row)
        if (!topLevelItem(row)->isHidden())
            return true;
    return false;
}

QTreeWidgetItem *CProgramTreeWidget::CurrentShownItem() const
{
    QTreeWidgetItem *item = currentItem();
    return item && !item->isHidden() ? item : nullptr;
}

QAbstractButton *CProgramTreeWidget::RowButton(QTreeWidgetItem *item, bool tick) const
{
    if (!item)
        return nullptr;
    for (int column = 0; column < columnCount(); ++column) {
        QWidget *cell = itemWidget(item, column);
        if (!cell)
            continue;
        for (QAbstractButton *button : cell->findChildren<QAbstractButton *>()) {
            const bool isTick = qobject_cast<QCheckBox *>(button) != nullptr;
            if (isTick == tick && button->isEnabled() && button->isVisibleTo(cell))
                return button;
        }
    }
    return nullptr;
}

void CProgramTreeWidget::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    const bool plain = modifiers == Qt::NoModifier;
    const bool tick = plain && key == Qt::Key_Space;
    const bool remove = plain && key == Qt::Key_Delete;
    const bool details = (plain && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Menu))
                         || (modifiers == Qt::ShiftModifier && key == Qt::Key_F10);
    if (!tick && !remove && !details) {
        QTreeWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    QTreeWidgetItem *item = CurrentShownItem();
    if (!item)
        return;
    // The row's cells exist once it has been in view; the current row is brought there.
    if (!m_made.contains(item)) {
        scrollToItem(item);
        LayoutNow();
    }
    if (details) {
        emit detailsRequested(item);
    } else if (QAbstractButton *button = RowButton(item, tick)) {
        button->click();
    }
}

void CProgramTreeWidget::contextMenuEvent(QContextMenuEvent *event)
{
    // The menu key as the system reports it (Windows sends it for Shift+F10 too); the mouse's
    // right button has no menu here.
    if (event->reason() == QContextMenuEvent::Keyboard) {
        event->accept();
        if (QTreeWidgetItem *item = CurrentShownItem())
            emit detailsRequested(item);
        return;
    }
    QTreeWidget::contextMenuEvent(event);
}

bool CProgramTreeWidget::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        // One tooltip for every row (the check box and the trash button have their own).
        auto *help = static_cast<QHelpEvent *>(event);
        const QModelIndex index = indexAt(help->pos());
        if (!index.isValid()) {
            QToolTip::hideText();
            event->ignore();
            return true;
        }
        const QRect name = visualRect(index.sibling(index.row(), CFileTreeItemDelegate::NameColumn));
        const QRect link = CFileTreeItemDelegate::DetailsRectFor(name);
        const bool onLink = link.contains(help->pos());
        const QRect row(0, name.top(), viewport()->width(), name.height());
        QToolTip::showText(help->globalPos(), onLink ? DetailsToolTip() : RowToolTip(), viewport(),
                           onLink ? link : row);
        return true;
    }
    return QTreeWidget::viewportEvent(event);
}

void CProgramTreeWidget::UpdateRow(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    const QRect cell = visualRect(index);
    if (cell.isValid())
        viewport()->update(QRect(0, cell.top(), viewport()->width(), cell.height()));
}

void CProgramTreeWidget::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTreeWidget::currentChanged(current, previous);
    // The focus outline spans the whole row, not only the current cell.
    UpdateRow(previous);
    UpdateRow(current);
}

void CProgramTreeWidget::paintEvent(QPaintEvent *event)
{
    QTreeWidget::paintEvent(event);
    // With no row to outline, the keyboard focus is shown around the list itself.
    if (!CFocusMark::HasKeyboardFocus(this) || CurrentShownItem())
        return;
    QPainter painter(viewport());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(CFocusMark::Colour(), CFocusMark::kWidth));
    const qreal half = CFocusMark::kWidth / 2.0;
    painter.drawRoundedRect(QRectF(viewport()->rect()).adjusted(half, half, -half, -half), CFocusMark::kRadius,
                            CFocusMark::kRadius);
}

void CProgramTreeWidget::resizeEvent(QResizeEvent *event)
{
    QTreeWidget::resizeEvent(event);
    m_placeholder->setGeometry(viewport()->rect());
}

void CProgramTreeWidget::prepareCells(QTreeWidgetItem *item)
{
    QString name;
    for (int column = 0; column < columnCount() && name.isEmpty(); ++column)
        if (QWidget *cell = itemWidget(item, column))
            if (auto *label = cell->findChild<QLabel *>(QStringLiteral("ProgramName")))
                name = label->text();
    for (int column = 0; column < columnCount(); ++column) {
        QWidget *cell = itemWidget(item, column);
        if (!cell)
            continue;
        for (QAbstractButton *button : cell->findChildren<QAbstractButton *>()) {
            button->setFocusPolicy(Qt::NoFocus);
            if (qobject_cast<QCheckBox *>(button)) {
                button->setAccessibleName(name);
                button->setToolTip(tr("Tick or untick this program (Space)"));
            } else if (button->accessibleName().isEmpty()) {
                button->setAccessibleName(tr("Uninstall %1").arg(name));
                button->setToolTip(tr("Uninstall this program (Delete)"));
            }
        }
    }
}

void CProgramTreeWidget::LayoutNow()
{
    executeDelayedItemsLayout();
    updateEditorGeometries();
}

void CProgramTreeWidget::reset()
{
    m_shown.clear();
    m_made.clear();
    QTreeWidget::reset();
}

void CProgramTreeWidget::scrollContentsBy(int dx, int dy)
{
    QTreeWidget::scrollContentsBy(dx, dy);
    updateEditorGeometries();
}

void CProgramTreeWidget::updateEditorGeometries()
{
    QVector<QPointer<QWidget>> shown;
    const int bottom = viewport()->height();
    QModelIndex row = indexAt(QPoint(0, 0));
    if (row.isValid())
        row = row.sibling(row.row(), 0);
    for (; row.isValid(); row = indexBelow(row)) {
        QRect rowRect;
        for (int column = 0; column < columnCount() && !rowRect.isValid(); ++column)
            rowRect = visualRect(row.sibling(row.row(), column));
        if (!rowRect.isValid() || rowRect.top() >= bottom)
            break;
        if (m_factory) {
            QTreeWidgetItem *item = itemFromIndex(row);
            if (item && !m_made.contains(item)) {
                m_made.insert(item);
                m_factory(item);
                prepareCells(item);
            }
        }
        for (int column = 0; column < columnCount(); ++column) {
            const QModelIndex cell = row.sibling(row.row(), column);
            QWidget *widget = indexWidget(cell);
            const QRect rect = widget ? visualRect(cell) : QRect();
            if (!rect.isValid())
                continue;
            if (widget->geometry() != rect)
                widget->setGeometry(rect);
            if (widget->isHidden())
                widget->show();
            shown.append(widget);
        }
    }
    for (const QPointer<QWidget> &widget : qAsConst(m_shown))
        if (widget && !shown.contains(widget))
            widget->hide();
    m_shown = shown;
}
