#include "widgets/filetreeitemdelegate.h"

#include "widgets/focusmark.h"

#include <QAbstractItemView>
#include <QPainter>

namespace {
QRect g_detailsRect;

constexpr int kRowHeight = 42;
constexpr int kRadius = 8;
constexpr int kSquareStrip = 10;
} // namespace

CFileTreeItemDelegate::CFileTreeItemDelegate() = default;

bool CFileTreeItemDelegate::IsKeyboardCurrent(const QStyleOptionViewItem &option, const QModelIndex &index)
{
    const auto *view = qobject_cast<const QAbstractItemView *>(option.widget);
    if (!view || !CFocusMark::HasKeyboardFocus(view))
        return false;
    const QModelIndex current = view->currentIndex();
    return current.isValid() && current.row() == index.row() && current.parent() == index.parent();
}

QRect CFileTreeItemDelegate::DetailsRect()
{
    return g_detailsRect;
}

QRect CFileTreeItemDelegate::DetailsRectFor(const QRect &cellRect)
{
    return QRect(cellRect.right() + 1 - 50, cellRect.top() + 20, 50, 25);
}

QSize CFileTreeItemDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(kRowHeight);
    return size;
}

void CFileTreeItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                  const QModelIndex &index) const
{
    painter->setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    const int column = index.column();
    const bool hovered = option.state & QStyle::State_MouseOver;
    const bool selected = option.state & QStyle::State_Selected;
    const bool keyboardCurrent = IsKeyboardCurrent(option, index);

    if (hovered || selected || keyboardCurrent) {
        painter->save();
        painter->setPen(Qt::NoPen);
        painter->setBrush(QColor(47, 51, 72));
        const QRect band = option.rect.adjusted(0, 1, 0, -1);
        if (column == NameColumn || column == OperationColumn) {
            // Round only on the row's outer ends: square off the inner side of the end cells.
            painter->drawRoundedRect(band, kRadius, kRadius);
            QRect strip = band.adjusted(0, 1, 0, -1);
            if (column == NameColumn)
                strip.setLeft(strip.right() + 1 - kSquareStrip);
            else
                strip.setWidth(kSquareStrip);
            painter->drawRect(strip);
        } else {
            painter->drawRect(band);
        }
        painter->restore();
    }

    if (keyboardCurrent) {
        // The focus outline around the whole row: each cell draws its part of one rounded
        // rectangle, which reaches past the cell's inner sides and is cut at the cell's edges.
        painter->save();
        painter->setClipRect(option.rect);
        painter->setPen(QPen(CFocusMark::Colour(), CFocusMark::kWidth));
        painter->setBrush(Qt::NoBrush);
        const qreal half = CFocusMark::kWidth / 2.0;
        QRectF ring = QRectF(option.rect).adjusted(half, 1 + half, -half, -1 - half);
        if (column != NameColumn)
            ring.setLeft(ring.left() - 2 * kRadius);
        if (column != OperationColumn)
            ring.setRight(ring.right() + 2 * kRadius);
        painter->drawRoundedRect(ring, kRadius, kRadius);
        painter->restore();
    }

    const QColor textColor = column == SizeColumn ? QColor(255, 255, 255) : QColor(255, 255, 255, 153);
    painter->save();
    painter->setPen(textColor);
    painter->setFont(option.font);
    painter->drawText(option.rect, Qt::AlignLeft | Qt::AlignVCenter, index.data(Qt::DisplayRole).toString());
    painter->restore();

    if (column == NameColumn && (hovered || keyboardCurrent)) {
        painter->save();
        const QRect link = DetailsRectFor(option.rect);
        if (hovered)
            g_detailsRect = link;
        QFont font(QStringLiteral("Segoe UI"));
        font.setPixelSize(14);
        font.setUnderline(true);
        painter->setFont(font);
        painter->setPen(textColor);
        painter->drawText(link, Qt::AlignVCenter, tr("Details"));
        painter->restore();
    }
}
