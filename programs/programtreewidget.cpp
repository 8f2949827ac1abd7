#include "programs/programtreewidget.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>

void CProgramTreeWidget::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
        if (QTreeWidgetItem *item = currentItem()) {
            for (int column = 0; column < columnCount(); ++column) {
                QWidget *cell = itemWidget(item, column);
                QCheckBox *check = cell ? cell->findChild<QCheckBox *>() : nullptr;
                if (check && check->isEnabled() && check->isVisibleTo(cell)) {
                    check->click();
                    break;
                }
            }
        }
        event->accept();
        return;
    }
    QTreeWidget::keyPressEvent(event);
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
            } else if (button->accessibleName().isEmpty()) {
                button->setAccessibleName(tr("Uninstall %1").arg(name));
                button->setToolTip(tr("Uninstall this program"));
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
