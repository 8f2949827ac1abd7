#pragma once
// One program of an uninstall run, on a thread of its own: start the program's uninstaller,
// wait until it and every process it handed over to have ended, tell whether the program is
// really gone, and if so (and asked to) remove what it left behind.
//
// The worker touches no widget. It writes its outcome into the job, then sends
// MSG_UNINSTALL_ONE_DONE; the page reads the outcome only when that message has arrived.
#include "inventory/installedprogram.h"

#include <atomic>
#include <memory>

struct UninstallJob {
    enum Outcome {
        Pending,
        Removed,        // the uninstaller ran and the program's uninstall entry is gone
        StillInstalled, // cancelled or failed: the entry is still there, nothing was cleaned
        StartFailed,    // the command could not be started
        QuitStarted,    // the product's own uninstaller was started; the process is ending
    };

    InstalledProgram program;
    bool ownEntry = false;   // the product's own entry: start without waiting, then quit
    bool autoRemove = false; // remove the leftovers of a program that is gone

    std::atomic<int> outcome{Pending};
};

// Runs the job on a new detached thread.
void StartUninstallWorker(std::shared_ptr<UninstallJob> job);

// The thread function, also callable directly.
void UninstallWorker(const std::shared_ptr<UninstallJob> &job);

// Whether the program is still installed after its uninstaller ended: its own uninstall entry
// (the root, view and subkey it was read from) is still listed and the uninstaller it names is
// still on disk. The same rule keeps the leftover cleaner from touching the program.
bool IsStillInstalled(const InstalledProgram &program);
