#pragma once
// One program of an uninstall run, on a thread of its own: start the program's uninstaller,
// wait until it and every process it handed over to have ended, tell whether the program is
// really gone, and if so (and asked to) remove what it left behind.
//
// The worker knows no widget and no message: it writes its outcome into the job and tells its
// caller through a callback, called on the worker's thread (the programs page's adapter turns
// it into MSG_UNINSTALL_ONE_DONE and friends). The caller reads the outcome only after Done.
//
// An entry whose uninstaller file is gone cannot be run: the worker ends with
// UninstallerMissing and touches nothing. Whether such a dead entry goes is the user's choice;
// the caller asks and then runs a cleaning-only job (`cleanOnly`) for that one program.
#include "inventory/installedprogram.h"
#include "leftovers/removaljournal.h"
#include "platform/platform.h"

#include <QByteArray>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>

// Exit codes of an uninstaller that change what the run reports (Windows' own codes, which MSI
// packages and most installers return).
constexpr uint32_t kExitRestartRequired = 3010;  // ERROR_SUCCESS_REBOOT_REQUIRED
constexpr uint32_t kExitRestartInitiated = 1641; // ERROR_SUCCESS_REBOOT_INITIATED
constexpr uint32_t kExitUserExit = 1602;         // ERROR_INSTALL_USEREXIT
constexpr uint32_t kExitCancelled = 1223;        // ERROR_CANCELLED

// The uninstaller finished its work, but a restart completes the removal.
bool IsRestartExitCode(uint32_t exitCode);
// The user cancelled the uninstaller: the program stays, whatever the registry shows.
bool IsCancelExitCode(uint32_t exitCode);

struct UninstallJob {
    enum Outcome {
        Pending,
        Removed,            // the uninstaller ran and the program's uninstall entry is gone
        StillInstalled,     // cancelled or failed: the entry is still there, nothing was cleaned
        StartFailed,        // the command could not be started
        QuitStarted,        // this product's own uninstaller was started; the process is ending
        Cancelled,          // the uninstaller said the user cancelled it: nothing was cleaned
        UninstallerMissing, // not started: the program file the command names is gone from disk
    };

    InstalledProgram program;
    // The program is this product itself: its uninstaller is started without waiting, and the
    // product then quits.
    bool isThisProduct = false;
    bool autoRemove = false; // remove the leftovers of a program that is gone
    // A dead entry the user chose to remove: no uninstaller is started; the entry and the
    // program's other leftovers are cleaned (whatever autoRemove says), unless the program
    // turns out to be installed after all.
    bool cleanOnly = false;
    // How leftovers go (the settings' "LeftoverRemoval"), the run's journal they are recorded in
    // (shared by the run's jobs; none: not recorded) and, on Linux, the Wine prefix the program
    // belongs to, which the journal names.
    RemovalMode removalMode = RemovalMode::Trash;
    std::shared_ptr<CRunJournal> journal;
    QString prefix;

    std::atomic<int> outcome{Pending};
    // How many leftovers went to the trash (set before Done).
    std::atomic<int> trashedCount{0};
    // The exit code of the uninstaller's first process; 0 until it has run.
    std::atomic<uint32_t> exitCode{0};

    // The uninstaller ran and asked for a restart to finish.
    bool RestartRequired() const { return IsRestartExitCode(exitCode); }
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
