#include "libs/vdxqt/bpqthyperlink.h"

#include <QKeyEvent>
#include <QMouseEvent>

CBPQtHyperLink::CBPQtHyperLink(QWidget *parent) : QLabel(parent)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, QColor(110, 170, 255));
    setPalette(pal);
}

CBPQtHyperLink::CBPQtHyperLink(const QString &text, QWidget *parent) : CBPQtHyperLink(parent)
{
    setText(text);
}

void CBPQtHyperLink::setUnderlined(bool on)
{
    QFont f = font();
    f.setUnderline(on);
    setFont(f);
}

void CBPQtHyperLink::enterEvent(QEvent *event)
{
    setUnderlined(true);
    QLabel::enterEvent(event);
}

void CBPQtHyperLink::leaveEvent(QEvent *event)
{
    setUnderlined(false);
    m_pressed = false;
    QLabel::leaveEvent(event);
}

void CBPQtHyperLink::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void CBPQtHyperLink::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->pos());
    m_pressed = false;
    event->accept();
    if (click) {
        QString linkText = text();
        emit linkClicked(linkText);
    }
}

void CBPQtHyperLink::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    const bool press = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
    if (!press || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        QLabel::keyPressEvent(event);
        return;
    }
    event->accept();
    QString linkText = text();
    emit linkClicked(linkText);
}
