#pragma once
// Paints the rows of the program list: a pill-shaped highlight across the visible columns of a
// hovered or selected row, the cell text, and the underlined "Details" link in the name column
// of the hovered row. The link's last painted rectangle (of the hovered row) is shared by all
// instances so that the list can hit-test presses against it.
//
// While the list has the keyboard focus (CFocusMark::HasKeyboardFocus of the view), its
// current row is highlighted too, outlined in the focus mark's colour from end to end, and
// shows its "Details" link, which Enter opens.
#include <QRect>
#include <QStyledItemDelegate>

class CFileTreeItemDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    CFileTreeItemDelegate();

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    // The link rectangle last painted (viewport coordinates); empty until a hovered name cell
    // has been painted.
    static QRect DetailsRect();
    // Where the link lies in a name cell of the given rectangle.
    static QRect DetailsRectFor(const QRect &cellRect);

    enum Column { NameColumn = 1, SizeColumn = 2, OperationColumn = 4 };

    // Whether `index` lies in the current row of a view that has the keyboard focus.
    static bool IsKeyboardCurrent(const QStyleOptionViewItem &option, const QModelIndex &index);
};
