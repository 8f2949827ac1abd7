#include "programs/imagebutton.h"

#include <QPainter>

CImageButton::CImageButton(const QPixmap &normal, const QPixmap &hover, const QPixmap &pressed, QWidget *parent)
    : QAbstractButton(parent), m_normal(normal), m_hover(hover), m_pressed(pressed)
{
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::NoFocus);
}

void CImageButton::paintEvent(QPaintEvent *)
{
    const QPixmap &image = isDown() ? m_pressed : (underMouse() ? m_hover : m_normal);
    if (image.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), image);
}
