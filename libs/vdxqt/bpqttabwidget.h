#pragma once
// Base of the page container's tab widget.
#include <QTabWidget>

class CBPQtTabWidget : public QTabWidget {
    Q_OBJECT
public:
    explicit CBPQtTabWidget(QWidget *parent = nullptr) : QTabWidget(parent) {}
};
