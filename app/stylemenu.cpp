#include "app/stylemenu.h"

#include "app/menustyle.h"

#include <QKeyEvent>
#include <QPainter>

CStyleMenu::CStyleMenu(QWidget *parent) : QMenu(parent), m_style(new CMenuStyle)
{
    setStyle(m_style);
}

CStyleMenu::~CStyleMenu()
{
    // A widget does not own its style; the menu's own goes with it.
    setStyle(nullptr);
    delete m_style;
}

void CStyleMenu::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(47, 51, 72));
    painter.drawRect(rect());
}

void CStyleMenu::keyPressEvent(QKeyEvent *event)
{
    event->accept();
}

void CStyleMenu::keyReleaseEvent(QKeyEvent *event)
{
    event->accept();
}
