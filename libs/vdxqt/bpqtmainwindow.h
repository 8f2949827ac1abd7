#pragma once
// Base of the product's main window.
#include <QMainWindow>

class CBPQtMainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit CBPQtMainWindow(QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags())
        : QMainWindow(parent, flags)
    {
    }
};
