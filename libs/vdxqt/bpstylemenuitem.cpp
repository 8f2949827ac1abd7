#include "libs/vdxqt/bpstylemenuitem.h"

#include <QMenu>
#include <QPainter>
#include <QWidgetAction>

CBPStyleMenuItem::CBPStyleMenuItem(const QString &text, const QString &secondText, QWidget *parent)
    : QWidget(parent), m_text(text), m_secondText(secondText)
{
    setAttribute(Qt::WA_Hover);
    setMouseTracking(false); // plain moves go on to the menu, which tracks the current action
}

void CBPStyleMenuItem::setText(const QString &text)
{
    m_text = text;
    updateGeometry();
    update();
}

void CBPStyleMenuItem::setSecondText(const QString &text)
{
    m_secondText = text;
    updateGeometry();
    update();
}

QAction *CBPStyleMenuItem::ownAction() const
{
    QWidget *menu = parentWidget();
    if (!menu)
        return nullptr;
    for (QAction *action : menu->actions()) {
        auto *widgetAction = qobject_cast<QWidgetAction *>(action);
        if (widgetAction && widgetAction->defaultWidget() == this)
            return action;
    }
    return nullptr;
}

QFont CBPStyleMenuItem::textFont() const
{
    QAction *action = ownAction();
    if (action && action->font().resolve() != 0)
        return action->font();
    return font();
}

QSize CBPStyleMenuItem::sizeHint() const
{
    const QFontMetrics fm(textFont());
    int width = 16 + fm.horizontalAdvance(m_text) + 16;
    if (!m_secondText.isEmpty())
        width += 24 + fm.horizontalAdvance(m_secondText);
    return QSize(width, qMax(36, fm.height() + 12));
}

void CBPStyleMenuItem::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    auto *menu = qobject_cast<QMenu *>(parentWidget());
    QAction *action = ownAction();
    const bool active = underMouse() || (menu && action && menu->activeAction() == action);
    if (active && isEnabled()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(64, 70, 98));
        painter.drawRoundedRect(QRectF(rect()).adjusted(2, 2, -4, -2), 4, 4);
    }
    painter.setFont(textFont());
    const QRect textRect = rect().adjusted(16, 0, -16, 0);
    painter.setPen(isEnabled() ? QColor(230, 231, 235) : QColor(255, 255, 255, 90));
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, m_text);
    if (!m_secondText.isEmpty()) {
        painter.setPen(QColor(255, 255, 255, 153));
        painter.drawText(textRect, Qt::AlignRight | Qt::AlignVCenter, m_secondText);
    }
}

void CBPStyleMenuItem::enterEvent(QEvent *event)
{
    update();
    QWidget::enterEvent(event);
}

void CBPStyleMenuItem::leaveEvent(QEvent *event)
{
    update();
    QWidget::leaveEvent(event);
}
