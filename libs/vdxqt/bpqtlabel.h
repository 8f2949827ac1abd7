#pragma once
// Text label of the dialogs and pages.
#include <QLabel>

class CBPQtLabel : public QLabel {
    Q_OBJECT
public:
    explicit CBPQtLabel(QWidget *parent = nullptr) : QLabel(parent) {}
    explicit CBPQtLabel(const QString &text, QWidget *parent = nullptr) : QLabel(text, parent) {}
};
