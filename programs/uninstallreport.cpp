#include "programs/uninstallreport.h"

#include "shell/msgids.h"
#include "libs/vdxqt/notifycentor.h"

UninstallReport ReportOnTheBus()
{
    return [](UninstallEvent event) {
        unsigned int id = MSG_UNINSTALL_ONE_DONE;
        if (event == UninstallEvent::DeepCleanStarted)
            id = MSG_DEEP_CLEAN_STARTED;
        else if (event == UninstallEvent::QuitRequested)
            id = MSG_QUIT_APP;
        CBPNotifyCentor::instance()->Send(id, 0, nullptr, 0);
    };
}
