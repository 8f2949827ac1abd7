#include "programs/listrefresh.h"

#include "inventory/appenum.h"
#include "shell/msgids.h"
#include "libs/vdxqt/notifycentor.h"

#include <mutex>
#include <thread>

// Written on the worker, read on the GUI thread after MSG_LIST_READY.
struct CListRefresh::Inbox {
    std::mutex mutex;
    bool ready = false;
    InstalledProgramList programs;
};

CListRefresh::CListRefresh() : m_inbox(std::make_shared<Inbox>()) {}

void CListRefresh::Start(CAppEnum *inventory)
{
    std::shared_ptr<Inbox> inbox = m_inbox;
    std::thread([inbox, inventory] {
        if (inventory) {
            inventory->EnumPrograms();
            const InstalledProgramList programs = inventory->GetPrograms();
            std::lock_guard<std::mutex> lock(inbox->mutex);
            inbox->programs = programs;
            inbox->ready = true;
        }
        CBPNotifyCentor::instance()->Send(MSG_CLOSE_DLG, 0, nullptr, 0);
        const int page = PAGE_PROGRAMS;
        CBPNotifyCentor::instance()->Send(MSG_LIST_READY, 0, &page, sizeof page);
    }).detach();
}

bool CListRefresh::Take(InstalledProgramList *programs)
{
    std::lock_guard<std::mutex> lock(m_inbox->mutex);
    if (!m_inbox->ready)
        return false;
    *programs = std::move(m_inbox->programs);
    m_inbox->programs.clear();
    m_inbox->ready = false;
    return true;
}
