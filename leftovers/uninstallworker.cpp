#include "leftovers/uninstallworker.h"

#include "inventory/appenum.h"
#include "leftovers/installstate.h"
#include "leftovers/leftovercleaner.h"
#include "libs/sharelog/sharelog.h"

#include <QByteArray>

#include <thread>

namespace {

void LogStartFailure(const char *commandLine, pw::WinError error)
{
    const QByteArray line = QByteArray("start process ") + commandLine + " failed with " +
                            QByteArray::number(qlonglong(error)) + ".\n";
    LogInfoEx(line.constData());
}

} // namespace

void UninstallWorker(const std::shared_ptr<UninstallJob> &job, const pw::Platform &platform,
                     const UninstallReport &report)
{
    pw::IProcessRunner *runner = platform.processes;
    const char *commandLine = job->program.UninstallString;

    if (job->isThisProduct) {
        // Started without a window and without waiting: the main window ends the process.
        const pw::IProcessRunner::Result result =
            runner ? runner->Run(commandLine, pw::kCreateNoWindow, false) : pw::IProcessRunner::Result{2, 0};
        if (result.startError == pw::kErrorSuccess) {
            job->outcome = UninstallJob::QuitStarted;
            report(UninstallEvent::QuitRequested);
            return;
        }
        // Quitting for an uninstaller that never started would look like success.
        LogStartFailure(commandLine, result.startError);
        job->outcome = UninstallJob::StartFailed;
        report(UninstallEvent::Done);
        return;
    }

    const pw::IProcessRunner::Result result =
        runner ? runner->Run(commandLine, 0, true) : pw::IProcessRunner::Result{2, 0};
    if (result.startError != pw::kErrorSuccess) {
        LogStartFailure(commandLine, result.startError);
        job->outcome = UninstallJob::StartFailed;
        report(UninstallEvent::Done);
        return;
    }

    // A cancelled or failed uninstaller leaves the program registered: its files are still in
    // use and must not be cleaned. One scan answers this and tells the cleaner what else is
    // still installed.
    InstalledNow now;
    bool stillInstalled = true; // without a registry nothing can be told
    if (platform.registry && platform.system) {
        CAppEnum inventory(platform.registry, platform.system);
        inventory.EnumPrograms();
        now.programs = inventory.GetPrograms();
        now.updates = inventory.GetUpdates();
        stillInstalled = IsStillInstalled(job->program, now.programs + now.updates, platform);
    }
    if (stillInstalled) {
        job->outcome = UninstallJob::StillInstalled;
        report(UninstallEvent::Done);
        return;
    }

    if (job->autoRemove) {
        report(UninstallEvent::DeepCleanStarted);
        CLeftoverCleaner cleaner(platform); // logs every deletion and every item it keeps
        cleaner.CleanLeftovers(job->program, now);
    }
    job->outcome = UninstallJob::Removed;
    report(UninstallEvent::Done);
}

void StartUninstallWorker(std::shared_ptr<UninstallJob> job, const pw::Platform &platform, UninstallReport report)
{
    std::thread([job, platform, report] { UninstallWorker(job, platform, report); }).detach();
}
