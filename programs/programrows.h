#pragma once
// The rows of the programs list: one tree item per program record, built in one pass, and the
// cell widgets of a row (tick, icon, name and publisher, trash button, status labels), made when
// the row first comes into view. The rows know no uninstall run: the page locks them and writes
// their status.
#include "inventory/installedprogram.h"

#include <QFont>
#include <QObject>
#include <QPalette>
#include <QPixmap>
#include <QString>
#include <QVector>

class CProgramTreeWidget;
class QAbstractButton;
class QCheckBox;
class QLabel;
class QTreeWidgetItem;

class CProgramRows : public QObject {
    Q_OBJECT
public:
    // The tree's columns: the name and size keys are hidden and sort the visible ones.
    enum Column { ColNameKey = 0, ColName = 1, ColSize = 2, ColVersion = 3, ColOperation = 4, ColSizeKey = 5 };
    // The frames of the loading animation, loading_0.png ... loading_49.png.
    static constexpr int kLoadingFrames = 50;

    // The widgets of the row built from record `index`. A row gets its widgets when it first
    // comes into view; until then they are null.
    struct RowWidgets {
        QTreeWidgetItem *item = nullptr;
        QCheckBox *check = nullptr;
        QAbstractButton *trash = nullptr;
        QLabel *loading = nullptr;
        QLabel *status = nullptr;
    };

    explicit CProgramRows(CProgramTreeWidget *tree, QObject *parent = nullptr);

    // Replaces every row with one per record of `programs`, sorted by `sortColumn`. The rows
    // are unlocked again.
    void Fill(const InstalledProgramList &programs, int sortColumn, Qt::SortOrder order);

    const InstalledProgramList &Programs() const { return m_programs; }
    int Count() const { return m_programs.size(); }
    // The record a tree item shows, or -1.
    static int IndexOf(const QTreeWidgetItem *item);
    RowWidgets Row(int index) const { return m_rows.value(index); }
    // Whether the record's name or publisher contains `text` (case-insensitive).
    bool Matches(int index, const QString &text) const;

    // Disables every tick and hides every trash button, also of rows made later, until the next Fill.
    void Lock();
    // Shows the loading image and `status` beside the row's trash button place.
    void ShowStatus(int index, const QString &status);
    void SetStatusText(int index, const QString &status);
    void HideLoading(int index);
    // One frame of the loading animation; each image is read from disk once.
    const QPixmap &LoadingFrame(int frame);

signals:
    void tickClicked(int index, bool checked);
    void trashClicked(int index);

private:
    void CreateCells(QTreeWidgetItem *item);
    QWidget *CreateNameCell(const InstalledProgram &program, int index);
    QWidget *CreateOperationCell(int index);
    void CreateStatusLabels(int index);

    CProgramTreeWidget *m_tree;
    InstalledProgramList m_programs;
    QVector<RowWidgets> m_rows;
    QVector<QString> m_searchKeys; // per record: name, line break, publisher
    bool m_locked = false;

    QVector<QPixmap> m_loadingFrames;
    QPixmap m_trashImages[3];
    QFont m_nameFont;
    QFont m_smallFont;
    QPalette m_whiteText;
    QPalette m_dimText;
};
