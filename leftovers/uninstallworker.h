#pragma once
// One program of an uninstall run, on a thread of its own: start the program's uninstaller,
// wait until it and every process it handed over to have ended, tell whether the program is
// really gone, and if so (and asked to) remove what it left behind.
//
// The worker knows no widget and no message: it writes its outcome into the job and tells its
// caller through a callback, called on the worker's thread (the programs page's adapter turns
// it into MSG_UNINSTALL_ONE_DONE and friends). The caller reads the outcome only after Done.
#include "inventory/installedprogram.h"
#include "platform/platform.h"

#include <QByteArray>

#include <atomic>
#include <functional>
#include <memory>

struct UninstallJob {
    enum Outcome {
        Pending,
        Removed,        // the uninstaller ran and the program's uninstall entry is gone
        StillInstalled, // cancelled or failed: the entry is still there, nothing was cleaned
        StartFailed,    // the command could not be started
        QuitStarted,    // this product's own uninstaller was started; the process is ending
    };

    InstalledProgram program;
    // The program is this product itself: its uninstaller is started without waiting, and the
    // product then quits.
    bool isThisProduct = false;
    bool autoRemove = false; // remove the leftovers of a program that is gone

    std::atomic<int> outcome{Pending};
};

// What a worker tells its caller, in this order: DeepCleanStarted (only when it cleans), then
// Done, or QuitRequested alone when this product's own uninstaller was started.
enum class UninstallEvent { DeepCleanStarted, Done, QuitRequested };
using UninstallReport = std::function<void(UninstallEvent)>;

// The command that removes `program`. A Windows Installer product (one with a product code) is
// removed with "MsiExec.exe /X{product code}", as the Windows control panel and Wine's
// uninstaller do it: the command its entry stores, "MsiExec.exe /I{...}", opens the product's
// maintenance instead (and repairs it where no one answers). An entry with a quiet command of
// its own keeps that. Every other program runs its uninstall command as stored.
QByteArray UninstallCommandFor(const InstalledProgram &program);

// The thread function, also callable directly: the job on `platform`.
void UninstallWorker(const std::shared_ptr<UninstallJob> &job, const pw::Platform &platform,
                     const UninstallReport &report);

// Runs the job on a new detached thread.
void StartUninstallWorker(std::shared_ptr<UninstallJob> job, const pw::Platform &platform, UninstallReport report);
