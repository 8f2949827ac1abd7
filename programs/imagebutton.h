#pragma once
// A text-less button drawn from three images (normal, hover, pressed), as a border-image style
// sheet would draw it. The list makes one per row; the images are loaded once and shared.
#include <QAbstractButton>
#include <QPixmap>

class CImageButton : public QAbstractButton {
    Q_OBJECT
public:
    CImageButton(const QPixmap &normal, const QPixmap &hover, const QPixmap &pressed, QWidget *parent = nullptr);

    QSize sizeHint() const override { return size(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_normal;
    QPixmap m_hover;
    QPixmap m_pressed;
};
