#include "widgets/filetreeitemdelegate.h"

#include <QPainter>

namespace {
QRect g_detailsRect;

constexpr int kRowHeight = 42;
constexpr int kRadius = 8;
constexpr int kSquareStrip = 10;
} // namespace

CFileTreeItemDelegate::CFileTreeItemDelegate() = default;

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

    if (hovered || selected) {
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

    const QColor textColor = column == SizeColumn ? QColor(255, 255, 255) : QColor(255, 255, 255, 153);
    painter->save();
    painter->setPen(textColor);
    painter->setFont(option.font);
    painter->drawText(option.rect, Qt::AlignLeft | Qt::AlignVCenter, index.data(Qt::DisplayRole).toString());
    painter->restore();

    if (column == NameColumn && hovered) {
        painter->save();
        const QRect link = DetailsRectFor(option.rect);
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
