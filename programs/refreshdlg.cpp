#include "programs/refreshdlg.h"

#include "shell/msgids.h"

#include <QLabel>
#include <QMovie>
#include <QPainter>
#include <QVBoxLayout>

CRefreshDlg::CRefreshDlg(QWidget *parent) : QDialog(parent)
{
    setFixedSize(130, 85);
    SetNotifyCentor(CBPNotifyCentor::instance());
    RegisterMsg(MSG_CLOSE_DLG);
    if (parent) {
        const QRect g = parent->geometry();
        move(g.x() + g.width() / 2 - width() / 2, g.y() + g.height() / 2 - height() / 2);
    }
    BuildContent();
}

void CRefreshDlg::BuildContent()
{
    if (m_label)
        return;
    auto *layout = new QVBoxLayout(this);
    m_label = new QLabel(this);
    m_movie = new QMovie(QStringLiteral("./Resources/loading_b.gif"), QByteArray(), this);
    m_label->setMovie(m_movie);
    layout->addWidget(m_label, 0, Qt::AlignHCenter);
    m_movie->start();
}

int CRefreshDlg::ReceiveMsg(const __MsgData &msg)
{
    if (msg.id == MSG_CLOSE_DLG)
        close();
    return 0;
}

void CRefreshDlg::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(50, 54, 57));
    painter.drawRect(rect());
}
