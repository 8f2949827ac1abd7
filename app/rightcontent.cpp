#include "app/rightcontent.h"

#include "shell/msgids.h"
#include "shell/rightcontentbase.h"
#include "app/righttab.h"

#include <QLayout>
#include <QVBoxLayout>

#include <cstring>

CRightContent::CRightContent(QWidget *parent) : CBPQtWidget(parent)
{
    SetNotifyCentor(CBPNotifyCentor::instance());
    RegisterMsg(MSG_SWITCH_PAGE);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_tab = new CRightTab(this);
    layout->addWidget(m_tab);
}

int CRightContent::ReceiveMsg(const __MsgData &msg)
{
    if (msg.id != MSG_SWITCH_PAGE)
        return 0;
    if (!msg.data || msg.len < int(sizeof(int))) {
        SwitchPage(m_previousPage, -1, -1);
        return 0;
    }
    int values[4] = {0, 0, 0, 0};
    std::memcpy(values, msg.data, qMin<size_t>(sizeof values, size_t(msg.len)));
    SwitchPage(values[0], values[2], values[3]);
    return 0;
}

void CRightContent::SwitchPage(int page, int b, int c)
{
    if (page < 0 || page >= PAGE_NONE || !m_tab)
        return;
    m_previousPage = m_tab->CurrentPageId();
    const QMap<int, QWidget *> &pages = m_tab->Pages();
    auto it = pages.constFind(page);
    if (it == pages.constEnd())
        return;
    QWidget *host = it.value();
    if (auto *base = dynamic_cast<CRightContentBase *>(host->layout()))
        base->ActivatePage(b, c);
    m_tab->setCurrentWidget(host);
}
