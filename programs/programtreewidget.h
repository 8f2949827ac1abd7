#pragma once
// The program list's tree. Every row carries cell widgets. Made for thousands of rows at once,
// they cost far more than the rows themselves (each is polished by the style sheet as it is
// shown), and shown and moved together they make every change to the list cost time in
// proportion to the rows. So a row gets its cells from a factory when it first comes into
// view, and only the cells of the rows in view are shown and placed.
//
// From the keyboard the list is one stop in the Tab order; the keys act on the current row,
// as the mouse does on its controls: the arrow keys (and Home, End, Page Up, Page Down) move
// it, Space ticks or unticks it (through the row's check box, as a click would), Delete
// presses its trash button, and Enter, the menu key or Shift+F10 asks for its details
// (detailsRequested), as its "Details" link does. A row hidden by the search is never acted
// on. The check box and the trash button of a row take no focus of their own; the trash button
// gets its name, and buttons and rows name their keys in their tooltips.
//
// The list marks the keyboard focus itself (CFocusMark): the delegate outlines the current
// row; an empty list outlines its whole area. Where no row is shown, a placeholder text takes
// the list's place (SetPlaceholderText).
#include <QPointer>
#include <QSet>
#include <QTreeWidget>
#include <QVector>

#include <functional>

class QAbstractButton;
class QLabel;

class CProgramTreeWidget : public QTreeWidget {
    Q_OBJECT
public:
    explicit CProgramTreeWidget(QWidget *parent = nullptr);

    // Makes the cells of a row; called once per row, when the row first comes into view.
    void SetCellFactory(std::function<void(QTreeWidgetItem *)> factory) { m_factory = std::move(factory); }

    // Lays the rows out and places the cells now rather than at the next event loop pass.
    void LayoutNow();

    // The text shown in the middle of the list while no row is visible; empty hides it.
    void SetPlaceholderText(const QString &text);
    QLabel *placeholder() const { return m_placeholder; }
    // Whether any row is shown (not hidden by the search).
    bool HasVisibleRows() const;

    // The texts of the tooltips, with the keys they name.
    static QString RowToolTip();
    static QString DetailsToolTip();

    void reset() override;

signals:
    // Enter, the menu key or Shift+F10 on `item` (never a hidden one).
    void detailsRequested(QTreeWidgetItem *item);

protected slots:
    void updateEditorGeometries() override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;

protected:
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool viewportEvent(QEvent *event) override;

private:
    void prepareCells(QTreeWidgetItem *item);
    // The current row when it is shown, else null.
    QTreeWidgetItem *CurrentShownItem() const;
    // The row's check box (tick) or trash button, when it can be pressed now.
    QAbstractButton *RowButton(QTreeWidgetItem *item, bool tick) const;
    void UpdateRow(const QModelIndex &index);

    std::function<void(QTreeWidgetItem *)> m_factory;
    QVector<QPointer<QWidget>> m_shown;
    QSet<QTreeWidgetItem *> m_made; // rows whose cells exist
    QLabel *m_placeholder = nullptr;
};
