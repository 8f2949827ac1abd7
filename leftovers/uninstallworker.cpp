#include "leftovers/uninstallworker.h"

#include "inventory/appenum.h"
#include "leftovers/installstate.h"
#include "leftovers/leftovercleaner.h"
#include "leftovers/programpaths.h"
#include "leftovers/protectedplaces.h"
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

// What the runner needs to tell the uninstaller from what it leaves running (a browser with a
// feedback page): the program's entry and its install folder. A folder that other programs share
// (a drive, Program Files, the Windows folder) would make their processes look like this
// uninstaller's, so it is left out. Without the entry's name there is no rule: everything is
// waited for.
std::unique_ptr<pw::WaitRule> WaitRuleFor(const InstalledProgram &program, const pw::Platform &platform)
{
    const QByteArray key = FieldText(program.SubKeyName);
    if (key.isEmpty())
        return nullptr;
    auto rule = std::make_unique<pw::WaitRule>();
    rule->entryRoot = pw::RegRoot(program.RegistryRoot);
    rule->entryView = program.RegistryView;
    rule->entryKey = key.toStdString();
    const QString folder = ProgramFolder(program);
    if (!folder.isEmpty() && !CProtectedPlaces(platform.folders).IsProtected(folder))
        rule->installFolder = folder.toLocal8Bit().toStdString();
    return rule;
}

void LogLeftRunning(const InstalledProgram &program, const std::vector<std::string> &images)
{
    QByteArray names;
    for (const std::string &image : images)
        names += (names.isEmpty() ? "" : ", ") + QByteArray::fromStdString(image);
    LogInfo("The uninstaller of %s has ended; left running: %s", FieldText(program.DisplayName).constData(),
            names.constData());
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
            runner ? runner->Run(commandLine, pw::kCreateNoWindow, false) : pw::IProcessRunner::Result{2, 0, {}};
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

    // Waits for the uninstaller and every copy it hands over to, but not for what it starts and
    // leaves running once the program is gone.
    const std::unique_ptr<pw::WaitRule> rule = WaitRuleFor(job->program, platform);
    const pw::IProcessRunner::Result result =
        runner ? runner->Run(commandLine, 0, true, rule.get()) : pw::IProcessRunner::Result{2, 0, {}};
    if (result.startError != pw::kErrorSuccess) {
        LogStartFailure(commandLine, result.startError);
        job->outcome = UninstallJob::StartFailed;
        report(UninstallEvent::Done);
        return;
    }
    if (!result.leftRunning.empty())
        LogLeftRunning(job->program, result.leftRunning);

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
