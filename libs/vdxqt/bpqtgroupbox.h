#pragma once
// A group box that draws nothing of its own: the window behind it (a frame's painted
// background) stays visible. Title bars derive from it.
#include <QGroupBox>

class CBPQtGroupBox : public QGroupBox {
    Q_OBJECT
public:
    explicit CBPQtGroupBox(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
