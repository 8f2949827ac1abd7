#include "widgets/windlgfrm.h"

#include "widgets/windowdlgtitle.h"

#include <QPainter>
#include <QVBoxLayout>

CWinDlgFrm::CWinDlgFrm(QWidget *parent, Qt::WindowFlags flags) : QDialog(parent, flags)
{
    SetNotifyCentor(CBPNotifyCentor::instance());

    m_container = new QWidget(this);
    m_outerLayout = new QVBoxLayout(m_container);

    titleBar = new CWindowDlgTitle(this);
    m_outerLayout->addWidget(titleBar);
    titleBar->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Minimum);
    titleBar->SetWindow(this);

    setWindowFlags(Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setContentsMargins(0, 0, 0, 0);

    contentLayout = new QVBoxLayout;
    contentLayout->setContentsMargins(0, 0, 0, 20);
    m_outerLayout->addLayout(contentLayout);

    m_outerLayout->setContentsMargins(0, 0, 0, 20);
    m_outerLayout->setSpacing(0);
}

int CWinDlgFrm::ReceiveMsg(const __MsgData &)
{
    return 0;
}

void CWinDlgFrm::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.setPen(QColor(23, 26, 24));
    painter.setBrush(QColor(45, 51, 77));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8, Qt::AbsoluteSize);
    painter.setPen(QColor(60, 64, 84));
    painter.drawLine(QPoint(1, 32), QPoint(rect().right() - 1, 32));
}
