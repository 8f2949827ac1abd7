#pragma once
// Base of the plain container widgets.
#include <QWidget>

class CBPQtWidget : public QWidget {
    Q_OBJECT
public:
    explicit CBPQtWidget(QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags())
        : QWidget(parent, flags)
    {
    }
};
