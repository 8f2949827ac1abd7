#pragma once
// The program list's tree. Every row carries cell widgets. Made for thousands of rows at once,
// they cost far more than the rows themselves (each is polished by the style sheet as it is
// shown), and shown and moved together they make every change to the list cost time in
// proportion to the rows. So a row gets its cells from a factory when it first comes into
// view, and only the cells of the rows in view are shown and placed.
//
// From the keyboard the list is one stop in the Tab order: the arrow keys move the current row
// and Space ticks or unticks it (through the row's check box, as a click would). The check box
// and the trash button of a row take no focus of their own; the trash button gets its name.
#include <QPointer>
#include <QSet>
#include <QTreeWidget>
#include <QVector>

#include <functional>

class CProgramTreeWidget : public QTreeWidget {
    Q_OBJECT
public:
    using QTreeWidget::QTreeWidget;

    // Makes the cells of a row; called once per row, when the row first comes into view.
    void SetCellFactory(std::function<void(QTreeWidgetItem *)> factory) { m_factory = std::move(factory); }

    // Lays the rows out and places the cells now rather than at the next event loop pass.
    void LayoutNow();

    void reset() override;

protected slots:
    void updateEditorGeometries() override;

protected:
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void prepareCells(QTreeWidgetItem *item);

    std::function<void(QTreeWidgetItem *)> m_factory;
    QVector<QPointer<QWidget>> m_shown;
    QSet<QTreeWidgetItem *> m_made; // rows whose cells exist
};
