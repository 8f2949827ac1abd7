#pragma once
// Push button that paints itself in the product's dark look: the default button is filled
// with the accent blue, the others are outlined. A palette WindowText set on the button
// overrides the caption colour.
#include <QPushButton>

class CBPQtPushBtn : public QPushButton {
    Q_OBJECT
public:
    explicit CBPQtPushBtn(QWidget *parent = nullptr);
    explicit CBPQtPushBtn(const QString &text, QWidget *parent = nullptr);

    // Makes this the dialog's default button: Enter presses it, and it is drawn filled.
    void setAsDefaultBtn(bool isDefault = true);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
};
