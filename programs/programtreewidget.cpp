#include "programs/programtreewidget.h"

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
