#include "platform/win32/win32processrunner.h"

#include "platform/uninstallerimage.h"
#include "platform/win32/win32text.h"

#include <windows.h>
#include <shlobj.h>

#include <vector>

namespace pw {

namespace {

namespace rule = uninstallerimage;

// How often the job is looked at while nothing is reported, and how long it must have held
// nothing but processes that are not the uninstaller's before the wait stops for them.
constexpr DWORD kPollMs = 300;
constexpr ULONGLONG kGraceMs = 2500;

// A path as the rule compares it: upper-cased the system's way (letters beyond ASCII too), then
// UTF-8, whatever the code page of this backend's narrow strings is.
std::string Comparable(std::wstring path)
{
    if (!path.empty())
        CharUpperBuffW(&path[0], DWORD(path.size()));
    return rule::ComparablePath(win32::Narrow(path, win32::kCodePageUtf8));
}

std::wstring LongPath(const std::wstring &path)
{
    std::vector<wchar_t> buffer(32768);
    const DWORD n = GetLongPathNameW(path.c_str(), buffer.data(), DWORD(buffer.size()));
    return n > 0 && n < buffer.size() ? std::wstring(buffer.data(), n) : path;
}

std::wstring ShortPath(const std::wstring &path)
{
    std::vector<wchar_t> buffer(32768);
    const DWORD n = GetShortPathNameW(path.c_str(), buffer.data(), DWORD(buffer.size()));
    return n > 0 && n < buffer.size() ? std::wstring(buffer.data(), n) : path;
}

std::wstring EnvironmentValue(const wchar_t *name)
{
    std::vector<wchar_t> buffer(32768);
    const DWORD n = GetEnvironmentVariableW(name, buffer.data(), DWORD(buffer.size()));
    return n > 0 && n < buffer.size() ? std::wstring(buffer.data(), n) : std::wstring();
}

// The folders the rule needs, in every spelling a process image may come in: GetTempPath's
// folder and what it is made of (TMP, TEMP), the user's and the Windows folder's Temp, each as
// given, long and short (8.3).
rule::Folders RuleFolders(const WaitRule &waitRule, unsigned codePage)
{
    rule::Folders folders;
    if (!waitRule.installFolder.empty())
        folders.installFolder = Comparable(LongPath(win32::Widen(waitRule.installFolder, codePage)));

    std::vector<std::wstring> temps;
    wchar_t buffer[MAX_PATH + 1] = {};
    const DWORD n = GetTempPathW(MAX_PATH + 1, buffer);
    if (n > 0 && n <= MAX_PATH)
        temps.emplace_back(buffer, n);
    for (const wchar_t *name : {L"TMP", L"TEMP"})
        temps.push_back(EnvironmentValue(name));
    wchar_t local[MAX_PATH] = {};
    if (SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, local)))
        temps.push_back(std::wstring(local) + L"\\Temp");
    wchar_t windows[MAX_PATH] = {};
    const UINT w = GetWindowsDirectoryW(windows, MAX_PATH);
    if (w > 0 && w < MAX_PATH) {
        temps.push_back(std::wstring(windows, w) + L"\\Temp");
        temps.push_back(std::wstring(windows, w) + L"\\SystemTemp");
        folders.windowsFolder = Comparable(LongPath(std::wstring(windows, w)));
    }
    for (const std::wstring &temp : temps) {
        if (temp.empty())
            continue;
        folders.tempFolders.push_back(Comparable(temp));
        folders.tempFolders.push_back(Comparable(LongPath(temp)));
        folders.tempFolders.push_back(Comparable(ShortPath(temp)));
    }
    return folders;
}

// Whether the program's uninstall entry is still there. Anything but "not found" counts as
// there, so that a registry that cannot be read never cuts a wait short.
bool EntryRegistered(const WaitRule &waitRule, unsigned codePage)
{
    const std::wstring path = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\"
                              + win32::Widen(waitRule.entryKey, codePage);
    const HKEY root = reinterpret_cast<HKEY>(
        static_cast<ULONG_PTR>(static_cast<LONG_PTR>(static_cast<LONG>(static_cast<uint32_t>(waitRule.entryRoot)))));
    HKEY key = nullptr;
    const LONG r = RegOpenKeyExW(root, path.c_str(), 0, KEY_READ | (waitRule.entryView & (KEY_WOW64_32KEY | KEY_WOW64_64KEY)),
                                 &key);
    if (r == ERROR_SUCCESS)
        RegCloseKey(key);
    return r != ERROR_FILE_NOT_FOUND;
}

// The image of a running process, in its long form; false when it has ended or cannot be read.
bool RunningImage(DWORD processId, std::wstring *image)
{
    const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE, FALSE, processId);
    if (!process)
        return false;
    std::vector<wchar_t> buffer(32768);
    DWORD size = DWORD(buffer.size());
    const bool ok = WaitForSingleObject(process, 0) == WAIT_TIMEOUT
                    && QueryFullProcessImageNameW(process, 0, buffer.data(), &size);
    CloseHandle(process);
    if (ok)
        *image = LongPath(std::wstring(buffer.data(), size));
    return ok;
}

// The job and its completion port; false when the process could not be put into a job (for
// example a job of our own that forbids nesting on old Windows), in which case only the first
// process is waited for.
//
// The job is made without JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE: closing it when the wait is over
// ends nothing, so what an uninstaller leaves running goes on running.
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

    // The processes in the job now; false when the job cannot tell.
    bool Processes(std::vector<DWORD> *ids) const
    {
        std::vector<ULONG_PTR> buffer(64);
        for (int attempt = 0; attempt < 8; ++attempt) {
            auto *list = reinterpret_cast<JOBOBJECT_BASIC_PROCESS_ID_LIST *>(buffer.data());
            const DWORD bytes = DWORD(buffer.size() * sizeof(ULONG_PTR));
            const bool ok = QueryInformationJobObject(job, JobObjectBasicProcessIdList, list, bytes, nullptr) != FALSE;
            if (!ok && GetLastError() != ERROR_MORE_DATA)
                return false;
            if (ok && list->NumberOfProcessIdsInList >= list->NumberOfAssignedProcesses) {
                ids->clear();
                for (DWORD i = 0; i < list->NumberOfProcessIdsInList; ++i)
                    ids->push_back(DWORD(list->ProcessIdList[i]));
                return true;
            }
            buffer.resize(list->NumberOfAssignedProcesses + buffer.size() + 16);
        }
        return false;
    }

    // How many processes the job holds; -1 when it cannot tell.
    long ActiveProcesses() const
    {
        JOBOBJECT_BASIC_ACCOUNTING_INFORMATION info = {};
        if (!QueryInformationJobObject(job, JobObjectBasicAccountingInformation, &info, sizeof info, nullptr))
            return -1;
        return long(info.ActiveProcesses);
    }

    // Until the job holds no process. With a rule, also until nothing in it is the uninstaller's
    // (see platform/uninstallerimage.h) and has not been for the grace period; then the images
    // still running are returned. The completion port's message ends the wait at once, but the
    // job is looked at between messages too, so that a lost message cannot make it endless.
    std::vector<std::wstring> Wait(HANDLE first, const WaitRule *waitRule, unsigned codePage)
    {
        rule::Folders folders;
        bool haveFolders = false;
        bool quiet = false;
        ULONGLONG quietSince = 0;
        for (;;) {
            DWORD message = 0;
            ULONG_PTR key = 0;
            LPOVERLAPPED overlapped = nullptr;
            if (GetQueuedCompletionStatus(port, &message, &key, &overlapped, kPollMs)) {
                if (key == reinterpret_cast<ULONG_PTR>(job) && message == JOB_OBJECT_MSG_ACTIVE_PROCESS_ZERO)
                    return {};
            } else if (GetLastError() != WAIT_TIMEOUT) {
                Sleep(kPollMs); // the port is of no use: look at the job alone
            }

            std::vector<DWORD> ids;
            if (!Processes(&ids)) {
                // Without the list, every process is waited for, as long as the job holds one.
                if (ActiveProcesses() == 0)
                    return {};
                continue;
            }
            if (ids.empty())
                return {};
            // The process started is the uninstaller itself, whatever program it runs.
            if (!waitRule || WaitForSingleObject(first, 0) == WAIT_TIMEOUT) {
                quiet = false;
                continue;
            }

            if (!haveFolders) {
                folders = RuleFolders(*waitRule, codePage);
                haveFolders = true;
            }
            std::vector<std::wstring> images;
            std::vector<rule::Kind> kinds;
            for (DWORD id : ids) {
                std::wstring image;
                if (!RunningImage(id, &image))
                    continue;
                images.push_back(image);
                kinds.push_back(rule::ClassifyImage(Comparable(image), folders));
            }
            // The registry is asked only when no uninstaller runs.
            const bool keepWaiting = rule::MustKeepWaiting(false, kinds)
                                     || rule::MustKeepWaiting(EntryRegistered(*waitRule, codePage), kinds);
            if (keepWaiting) {
                quiet = false;
                continue;
            }
            if (!quiet) {
                quiet = true;
                quietSince = GetTickCount64();
                continue;
            }
            if (GetTickCount64() - quietSince >= kGraceMs)
                return images;
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

IProcessRunner::Result CWin32ProcessRunner::Run(const std::string &commandLine, uint32_t creationFlags, bool wait,
                                                const WaitRule *waitRule)
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
        if (inJob) {
            for (const std::wstring &image : job.Wait(info.hProcess, waitRule, m_codePage))
                result.leftRunning.push_back(win32::Narrow(image, m_codePage));
        }
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
