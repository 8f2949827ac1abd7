#pragma once
// The search box of the programs page: a magnifier and a frameless line edit on a rounded box
// image. Users connect to lineEdit()'s signals.
#include <QPixmap>
#include <QWidget>

class QLineEdit;

class CSearchEdit : public QWidget {
    Q_OBJECT
public:
    CSearchEdit();

    QLineEdit *lineEdit() const { return m_edit; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QLineEdit *m_edit = nullptr;
    QPixmap m_box;
};
