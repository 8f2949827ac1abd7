#include "programs/uninstallworker.h"

#include "app/msgids.h"
#include "libs/sharelog/sharelog.h"
#include "libs/vdxqt/notifycentor.h"
#include "platform/platform.h"

#include <QByteArray>

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

} // namespace

bool IsUninstallEntryPresent(const InstalledProgram &program)
{
    pw::IRegistry *registry = pw::CurrentPlatform().registry;
    if (!registry || program.SubKeyName[0] == '\0' || program.RegistryRoot == 0)
        return true; // nothing tells where it was read: assume it is still there
    const std::string path = std::string("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\") +
                             program.SubKeyName;
    pw::RegKey key = 0;
    const pw::WinError error =
        registry->OpenKey(pw::RootKey(pw::RegRoot(program.RegistryRoot)), path,
                          pw::kKeyQueryValue | program.RegistryView, &key);
    if (error == pw::kErrorSuccess) {
        registry->CloseKey(key);
        return true;
    }
    return error != pw::kErrorFileNotFound;
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
    if (IsUninstallEntryPresent(job->program)) {
        job->outcome = UninstallJob::StillInstalled;
        Send(MSG_UNINSTALL_ONE_DONE);
        return;
    }

    if (job->autoRemove) {
        Send(MSG_DEEP_CLEAN_STARTED);
        // The leftover scan and removal run here.
    }
    job->outcome = UninstallJob::Removed;
    Send(MSG_UNINSTALL_ONE_DONE);
}

void StartUninstallWorker(std::shared_ptr<UninstallJob> job)
{
    std::thread([job] { UninstallWorker(job); }).detach();
}
