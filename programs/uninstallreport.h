#pragma once
// The uninstall worker's reports as bus messages, delivered on the GUI thread: DeepCleanStarted
// as MSG_DEEP_CLEAN_STARTED, Done as MSG_UNINSTALL_ONE_DONE, QuitRequested as MSG_QUIT_APP.
#include "leftovers/uninstallworker.h"

UninstallReport ReportOnTheBus();
