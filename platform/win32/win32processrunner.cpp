#include "platform/win32/win32processrunner.h"

#include "platform/win32/win32text.h"

#include <windows.h>

#include <vector>

namespace pw {

namespace {

// The job and its completion port; false when the process could not be put into a job (for
// example a job of our own that forbids nesting on old Windows), in which case only the first
// process is waited for.
struct JobWait {
    HANDLE job = nullptr;
    HANDLE port = nullptr;

    bool Attach(HANDLE process)
    {
        job = CreateJobObjectW(nullptr, nullptr);
        if (!job)
            return false;
        port = CreateIoCompletionPort(INVALID_HANDLE_VALUE, nullptr, 0, 1);
        if (!port)
            return false;
        JOBOBJECT_ASSOCIATE_COMPLETION_PORT association = {};
        association.CompletionKey = job;
        association.CompletionPort = port;
        if (!SetInformationJobObject(job, JobObjectAssociateCompletionPortInformation, &association,
                                     sizeof association))
            return false;
        return AssignProcessToJobObject(job, process) != FALSE;
    }

    void WaitUntilEmpty()
    {
        for (;;) {
            DWORD message = 0;
            ULONG_PTR key = 0;
            LPOVERLAPPED overlapped = nullptr;
            if (!GetQueuedCompletionStatus(port, &message, &key, &overlapped, INFINITE))
                return;
            if (key == reinterpret_cast<ULONG_PTR>(job) && message == JOB_OBJECT_MSG_ACTIVE_PROCESS_ZERO)
                return;
        }
    }

    ~JobWait()
    {
        if (port)
            CloseHandle(port);
        if (job)
            CloseHandle(job);
    }
};

} // namespace

CWin32ProcessRunner::CWin32ProcessRunner(unsigned codePage) : m_codePage(codePage) {}

IProcessRunner::Result CWin32ProcessRunner::Run(const std::string &commandLine, uint32_t creationFlags, bool wait)
{
    Result result;
    std::wstring wide = win32::Widen(commandLine, m_codePage);
    std::vector<wchar_t> mutableLine(wide.begin(), wide.end());
    mutableLine.push_back(L'\0');

    // Under Wine the desktop's process is started by the first program that needs a window. Let
    // that never be a program we wait for: started from inside its job, the desktop process would
    // join the job and, as it never ends, keep the wait from ending. On Windows the desktop is
    // always there and this costs nothing.
    GetDesktopWindow();

    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    const DWORD flags = creationFlags | (wait ? CREATE_SUSPENDED : 0);
    if (!CreateProcessW(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, flags, nullptr, nullptr, &startup,
                        &info)) {
        result.startError = WinError(GetLastError());
        return result;
    }
    if (wait) {
        JobWait job;
        const bool inJob = job.Attach(info.hProcess);
        ResumeThread(info.hThread);
        if (inJob)
            job.WaitUntilEmpty();
        WaitForSingleObject(info.hProcess, INFINITE);
        DWORD code = 0;
        if (GetExitCodeProcess(info.hProcess, &code))
            result.exitCode = code;
    }
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return result;
}

} // namespace pw
