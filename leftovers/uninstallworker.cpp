#include "leftovers/uninstallworker.h"

#include "inventory/appenum.h"
#include "inventory/registryreader.h"
#include "leftovers/installstate.h"
#include "leftovers/leftovercleaner.h"
#include "leftovers/programpaths.h"
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

// Windows Installer registers InstallLocation only when the package asks for it; for a product
// whose entry names no folder, asks Windows Installer where it lives and records the answer as
// the record's InstallLocation. The answer, or why there is none.
pw::WinError AddProductFolder(InstalledProgram &program, const pw::Platform &platform)
{
    const QByteArray code = FieldText(program.ProductCode);
    if (code.isEmpty() || !platform.installer || !PathFromValue(FieldText(program.InstallLocation)).isEmpty())
        return pw::kErrorInvalidParameter;
    std::string folder;
    const pw::WinError error = platform.installer->ProductFolder(code.toStdString(), &folder);
    if (error != pw::kErrorSuccess)
        return error;
    inventory::CopyField(program.InstallLocation, QByteArray::fromStdString(folder));
    return program.InstallLocation[0] ? pw::kErrorSuccess : pw::kErrorFileNotFound;
}

} // namespace

QByteArray UninstallCommandFor(const InstalledProgram &program)
{
    const QByteArray code = FieldText(program.ProductCode);
    if (code.isEmpty() || program.QuietUninstall)
        return FieldText(program.UninstallString);
    // How /X behaves, as tried under Wine: it asks no "Are you sure?" question, with a display or
    // without; it removes the product and runs the package's own dialogs, if it has any. A package
    // without dialogs goes without a window; one with dialogs shows its progress and, when
    // everything is removed, a last page that waits for "Finish" (Windows' msiexec first asks
    // whether to remove the product). So /X runs as it is, without a quiet switch: the user meets
    // the package as any other uninstaller. Only where nothing can be shown (Wine's null display
    // driver) would such a last page wait for ever; the tests' packages have no dialogs.
    return QByteArray("MsiExec.exe /X") + code;
}

void UninstallWorker(const std::shared_ptr<UninstallJob> &job, const pw::Platform &platform,
                     const UninstallReport &report)
{
    pw::IProcessRunner *runner = platform.processes;
    InstalledProgram program = job->program;
    const QByteArray command = UninstallCommandFor(program);
    const char *commandLine = command.constData();

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

    // Asked before the uninstall, which makes Windows Installer forget the product: the leftover
    // scan then finds what the program wrote into its folder while it was used.
    if (job->autoRemove && program.ProductCode[0] && PathFromValue(FieldText(program.InstallLocation)).isEmpty()) {
        const pw::WinError error = AddProductFolder(program, platform);
        if (error == pw::kErrorSuccess)
            LogInfo("Windows Installer places %s in %s", FieldText(program.DisplayName).constData(),
                    program.InstallLocation);
        else
            LogInfo("Windows Installer names no folder of %s %s (%ld)", FieldText(program.DisplayName).constData(),
                    program.ProductCode, error);
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
        // The folders of the Windows Installer products still installed, which their entries
        // rarely name: the cleaner keeps what lies in them.
        for (InstalledProgram &other : now.programs)
            AddProductFolder(other, platform);
        CLeftoverCleaner cleaner(platform); // logs every deletion and every item it keeps
        cleaner.CleanLeftovers(program, now);
    }
    job->outcome = UninstallJob::Removed;
    report(UninstallEvent::Done);
}

void StartUninstallWorker(std::shared_ptr<UninstallJob> job, const pw::Platform &platform, UninstallReport report)
{
    std::thread([job, platform, report] { UninstallWorker(job, platform, report); }).detach();
}
