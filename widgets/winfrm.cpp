#include "widgets/winfrm.h"

#include "widgets/windowtitle.h"

#include <QPainter>
#include <QVBoxLayout>

CWinFrm::CWinFrm(QWidget *parent, Qt::WindowFlags flags) : CBPQtMainWindow(parent, flags)
{
    SetNotifyCentor(CBPNotifyCentor::instance());

    m_container = new QWidget(this);
    setCentralWidget(m_container);
    m_outerLayout = new QVBoxLayout(m_container);

    titleBar = new CWindowTitle(this);
    m_outerLayout->addWidget(titleBar);
    titleBar->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Minimum);
    titleBar->SetWindow(this);

    setWindowFlags(Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setContentsMargins(0, 0, 0, 0);

    contentLayout = new QVBoxLayout;
    contentLayout->setContentsMargins(0, 0, 0, 0);
    contentLayout->setSpacing(0);
    m_outerLayout->addLayout(contentLayout);

    m_outerLayout->setContentsMargins(0, 0, 0, 0);
    m_outerLayout->setSpacing(0);
}

int CWinFrm::ReceiveMsg(const __MsgData &)
{
    return 0;
}

void CWinFrm::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(26, 29, 44));
    painter.drawRoundedRect(rect(), 8, 8);
    painter.setBrush(QColor(38, 43, 65));
    painter.drawRect(0, 32, width() - 1, height() - 95);
}
