#include "leftovers/uninstallworker.h"

#include "inventory/appenum.h"
#include "inventory/registryreader.h"
#include "leftovers/installstate.h"
#include "leftovers/leftovercleaner.h"
#include "leftovers/programpaths.h"
#include "leftovers/protectedplaces.h"
#include "libs/sharelog/sharelog.h"

#include <QByteArray>
#include <QRegularExpression>
#include <QString>

#include <thread>

bool IsRestartExitCode(uint32_t exitCode)
{
    return exitCode == kExitRestartRequired || exitCode == kExitRestartInitiated;
}

bool IsCancelExitCode(uint32_t exitCode)
{
    return exitCode == kExitUserExit || exitCode == kExitCancelled;
}

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

// Whether the program file the entry's command starts is gone from disk, so that the entry is
// dead. Never for Windows Installer's own MsiExec.exe, whose package may be fine; never when it
// cannot be told (no path in the command, no way to the file system).
bool UninstallerIsMissing(const InstalledProgram &program, const pw::Platform &platform)
{
    const QString file = UninstallerFile(FieldText(program.UninstallString));
    // An unquoted command without ".exe" reads as one file name with the arguments in it
    // (C:\Windows\System32\msiexec /x {...}), which may hold slashes of their own.
    static const QRegularExpression msiexec(QStringLiteral("^msiexec(\\.exe)?(\\s|$)"),
                                            QRegularExpression::CaseInsensitiveOption);
    for (const QString &part : file.split(QRegularExpression(QStringLiteral("[\\\\/]"))))
        if (msiexec.match(part).hasMatch())
            return false;
    return UninstallerIsGone(program, platform);
}

// After the uninstaller (if any) has ended: whether the program is gone, and if so and asked
// to, its leftovers removed.
// `program` is the job's record with what was learnt before the uninstall (the folder Windows
// Installer named).
void FinishRemoval(const std::shared_ptr<UninstallJob> &job, const InstalledProgram &program,
                   const pw::Platform &platform, const UninstallReport &report, bool clean)
{
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
        stillInstalled = IsStillInstalled(program, now.programs + now.updates, platform);
    }
    if (stillInstalled) {
        job->outcome = UninstallJob::StillInstalled;
        report(UninstallEvent::Done);
        return;
    }

    if (clean) {
        report(UninstallEvent::DeepCleanStarted);
        // The folders of the Windows Installer products still installed, which their entries
        // rarely name: the cleaner keeps what lies in them.
        for (InstalledProgram &other : now.programs)
            AddProductFolder(other, platform);
        CLeftoverCleaner cleaner(platform); // logs every deletion and every item it keeps
        cleaner.SetRemoval({job->journal, job->removalMode, job->prefix});
        job->trashedCount = cleaner.CleanLeftovers(program, now).Trashed.size();
    }
    job->outcome = UninstallJob::Removed;
    report(UninstallEvent::Done);
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

    if (job->cleanOnly) {
        LogInfo("Removing the entry of %s, whose uninstaller is missing, with its leftovers",
                FieldText(job->program.DisplayName).constData());
        FinishRemoval(job, program, platform, report, true);
        return;
    }

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

    // Asked before the uninstall, which makes Windows Installer forget the product: the leftover
    // scan then finds what the program wrote into its folder while it was used, and the wait
    // knows the folder its uninstaller's processes run from.
    if (program.ProductCode[0] && PathFromValue(FieldText(program.InstallLocation)).isEmpty()) {
        const pw::WinError error = AddProductFolder(program, platform);
        if (error == pw::kErrorSuccess)
            LogInfo("Windows Installer places %s in %s", FieldText(program.DisplayName).constData(),
                    program.InstallLocation);
        else
            LogInfo("Windows Installer names no folder of %s %s (%ld)", FieldText(program.DisplayName).constData(),
                    program.ProductCode, error);
    }
    // Waits for the uninstaller and every copy it hands over to, but not for what it starts and
    // leaves running once the program is gone.
    const std::unique_ptr<pw::WaitRule> rule = WaitRuleFor(program, platform);
    const pw::IProcessRunner::Result result =
        runner ? runner->Run(commandLine, 0, true, rule.get()) : pw::IProcessRunner::Result{2, 0, {}};
    if (result.startError != pw::kErrorSuccess) {
        LogStartFailure(commandLine, result.startError);
        if (UninstallerIsMissing(job->program, platform)) {
            LogInfo("The uninstaller of %s is missing", FieldText(job->program.DisplayName).constData());
            job->outcome = UninstallJob::UninstallerMissing;
        } else {
            job->outcome = UninstallJob::StartFailed;
        }
        report(UninstallEvent::Done);
        return;
    }
    if (!result.leftRunning.empty())
        LogLeftRunning(job->program, result.leftRunning);

    job->exitCode = result.exitCode;
    if (IsCancelExitCode(result.exitCode)) {
        // Some uninstallers remove their entry first and put it back when cancelled, or never:
        // the user said no, so nothing is judged gone and nothing is cleaned.
        LogInfo("The uninstaller of %s was cancelled (exit code %u)", FieldText(job->program.DisplayName).constData(),
                unsigned(result.exitCode));
        job->outcome = UninstallJob::Cancelled;
        report(UninstallEvent::Done);
        return;
    }
    if (IsRestartExitCode(result.exitCode))
        LogInfo("The uninstaller of %s asks for a restart (exit code %u)",
                FieldText(job->program.DisplayName).constData(), unsigned(result.exitCode));

    FinishRemoval(job, program, platform, report, job->autoRemove);
}

void StartUninstallWorker(std::shared_ptr<UninstallJob> job, const pw::Platform &platform, UninstallReport report)
{
    std::thread([job, platform, report] { UninstallWorker(job, platform, report); }).detach();
}
