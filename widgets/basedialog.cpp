#include "widgets/basedialog.h"

#include <QEvent>
#include <QHideEvent>
#include <QIcon>

CBaseDialog::CBaseDialog(QWidget *parent) : CWinDlgFrm(parent, Qt::WindowFlags())
{
    SetNotifyCentor(CBPNotifyCentor::instance());
    setWindowIcon(QIcon(QStringLiteral("./Resources/Logo.ico")));
}

int CBaseDialog::ReceiveMsg(const __MsgData &)
{
    return 0;
}

bool CBaseDialog::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate && !isVisible() && !m_closed)
        show();
    return QWidget::event(event);
}

void CBaseDialog::showEvent(QShowEvent *event)
{
    m_closed = false;
    QDialog::showEvent(event);
}

void CBaseDialog::hideEvent(QHideEvent *event)
{
    if (!event->spontaneous())
        m_closed = true;
    QDialog::hideEvent(event);
}
