#include "programs/uninstallworker.h"

#include "app/msgids.h"
#include "inventory/appenum.h"
#include "inventory/programhelpers.h"
#include "libs/sharelog/sharelog.h"
#include "libs/vdxqt/notifycentor.h"
#include "platform/platform.h"
#include "programs/folderlister.h"
#include "programs/leftovercleaner.h"
#include "programs/programpaths.h"

#include <QByteArray>
#include <QFileInfo>

#include <cstring>
#include <thread>

namespace {

void Send(unsigned int id)
{
    CBPNotifyCentor::instance()->Send(id, 0, nullptr, 0);
}

void LogStartFailure(const char *commandLine, pw::WinError error)
{
    const QByteArray line = QByteArray("start process ") + commandLine + " failed with " +
                            QByteArray::number(qlonglong(error)) + ".\n";
    LogInfoEx(line.constData());
}

// The same uninstall entry: where it was read, or, for a record that does not say, the same
// name and command.
bool IsSameEntry(const InstalledProgram &entry, const InstalledProgram &program)
{
    if (program.SubKeyName[0] == '\0')
        return std::strcmp(entry.DisplayName, program.DisplayName) == 0 &&
               std::strcmp(entry.UninstallString, program.UninstallString) == 0;
    return entry.RegistryRoot == program.RegistryRoot && entry.RegistryView == program.RegistryView &&
           qstricmp(entry.SubKeyName, program.SubKeyName) == 0;
}

} // namespace

bool IsStillInstalled(const InstalledProgram &program)
{
    const pw::Platform &platform = pw::CurrentPlatform();
    if (!platform.registry || !platform.system)
        return true; // cannot tell: never report or clean a program that may still be there
    CAppEnum inventory(platform.registry, platform.system);
    inventory.EnumPrograms();
    const InstalledProgramList entries = inventory.GetPrograms() + inventory.GetUpdates();
    for (const InstalledProgram &entry : entries) {
        if (!IsSameEntry(entry, program))
            continue;
        const QString uninstaller = UninstallerFile(QByteArray(entry.UninstallString));
        if (uninstaller.isEmpty())
            return true;
        const QString native = NativePath(uninstaller);
        // An entry whose uninstaller is gone is what an uninstall that forgot its key leaves.
        bool there = false;
        PathType(native, &there); // a link is there even when its target is gone
        if (native.isEmpty() || there)
            return true;
    }
    return false;
}

void UninstallWorker(const std::shared_ptr<UninstallJob> &job)
{
    pw::IProcessRunner *runner = pw::CurrentPlatform().processes;
    const char *commandLine = job->program.UninstallString;

    if (job->ownEntry) {
        // Started without a window and without waiting: the main window ends the process.
        const pw::IProcessRunner::Result result =
            runner ? runner->Run(commandLine, pw::kCreateNoWindow, false) : pw::IProcessRunner::Result{2, 0};
        if (result.startError == pw::kErrorSuccess) {
            job->outcome = UninstallJob::QuitStarted;
            Send(MSG_QUIT_APP);
            return;
        }
        // Quitting for an uninstaller that never started would look like success.
        LogStartFailure(commandLine, result.startError);
        job->outcome = UninstallJob::StartFailed;
        Send(MSG_UNINSTALL_ONE_DONE);
        return;
    }

    const pw::IProcessRunner::Result result =
        runner ? runner->Run(commandLine, 0, true) : pw::IProcessRunner::Result{2, 0};
    if (result.startError != pw::kErrorSuccess) {
        LogStartFailure(commandLine, result.startError);
        job->outcome = UninstallJob::StartFailed;
        Send(MSG_UNINSTALL_ONE_DONE);
        return;
    }

    // A cancelled or failed uninstaller leaves the program registered: its files are still
    // in use and must not be cleaned.
    if (IsStillInstalled(job->program)) {
        job->outcome = UninstallJob::StillInstalled;
        Send(MSG_UNINSTALL_ONE_DONE);
        return;
    }

    if (job->autoRemove) {
        Send(MSG_DEEP_CLEAN_STARTED);
        CLeftoverCleaner cleaner; // logs every deletion and every item it keeps
        cleaner.CleanLeftovers(job->program);
    }
    job->outcome = UninstallJob::Removed;
    Send(MSG_UNINSTALL_ONE_DONE);
}

void StartUninstallWorker(std::shared_ptr<UninstallJob> job)
{
    std::thread([job] { UninstallWorker(job); }).detach();
}
