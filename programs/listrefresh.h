#pragma once
// A refresh of the program list: the uninstall registry is read again on a worker thread,
// which then closes the refresh dialog (MSG_CLOSE_DLG) and tells the page (MSG_LIST_READY).
// The list waits in an inbox shared with the worker, so a worker that outlives the page writes
// into memory that still exists.
#include "inventory/installedprogram.h"

#include <memory>

class CAppEnum;

class CListRefresh {
public:
    CListRefresh();

    // Starts the worker. Without an inventory nothing is read, and the page keeps its list.
    void Start(CAppEnum *inventory);
    // Moves the list the last worker read into `programs`; false when there is none (nothing
    // read, or taken already).
    bool Take(InstalledProgramList *programs);

private:
    struct Inbox;
    std::shared_ptr<Inbox> m_inbox;
};
