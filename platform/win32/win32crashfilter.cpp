#include "platform/desktopservices.h"
#include "platform/win32/win32crashfilter.h"

#include <windows.h>
#include <dbghelp.h>

#include <cwchar>

namespace pw {

namespace {

using WriteDump = BOOL(WINAPI *)(HANDLE, DWORD, HANDLE, MINIDUMP_TYPE, PMINIDUMP_EXCEPTION_INFORMATION,
                                 PMINIDUMP_USER_STREAM_INFORMATION, PMINIDUMP_CALLBACK_INFORMATION);
using InitialiseSymbols = BOOL(WINAPI *)(HANDLE, PCSTR, BOOL);

constexpr DWORD kDumpTimeLimitMs = 10000;

wchar_t g_programFolder[MAX_PATH]; // with its trailing backslash
volatile LONG g_dumpCounter = -1;
volatile LONG g_installed = 0;

struct DumpRequest {
    EXCEPTION_POINTERS *pointers;
    DWORD threadId;
};

void findProgramFolder()
{
    wchar_t path[MAX_PATH] = {};
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH)
        return;
    wchar_t *slash = wcsrchr(path, L'\\');
    if (!slash)
        return;
    slash[1] = L'\0';
    wcscpy(g_programFolder, path);
}

HMODULE loadDebugHelp()
{
    wchar_t local[MAX_PATH + 16];
    _snwprintf(local, MAX_PATH + 16, L"%lsDbgHelp.dll", g_programFolder);
    local[MAX_PATH + 15] = L'\0';
    if (HMODULE module = LoadLibraryW(local))
        return module;
    return LoadLibraryW(L"DbgHelp.dll");
}

DWORD WINAPI dumpThread(void *parameter)
{
    const DumpRequest *request = static_cast<const DumpRequest *>(parameter);
    const HMODULE debugHelp = loadDebugHelp();
    if (!debugHelp)
        return 0;
    const auto write = reinterpret_cast<WriteDump>(reinterpret_cast<void *>(GetProcAddress(debugHelp, "MiniDumpWriteDump")));
    if (!write)
        return 0;
    // Without this, Wine's MiniDumpWriteDump first loads the symbols of every module, which can
    // take longer than the filter waits; the dump itself needs none of them.
    if (const auto initialise = reinterpret_cast<InitialiseSymbols>(
            reinterpret_cast<void *>(GetProcAddress(debugHelp, "SymInitialize"))))
        initialise(GetCurrentProcess(), nullptr, FALSE);
    const LONG number = InterlockedIncrement(&g_dumpCounter);
    wchar_t path[MAX_PATH + 32];
    _snwprintf(path, MAX_PATH + 32, L"%lsvdxskdump%ld.dmp", g_programFolder, number);
    path[MAX_PATH + 31] = L'\0';
    const HANDLE file = CreateFileW(path, GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 0;
    MINIDUMP_EXCEPTION_INFORMATION exception = {};
    exception.ThreadId = request->threadId;
    exception.ExceptionPointers = request->pointers;
    exception.ClientPointers = FALSE;
    write(GetCurrentProcess(), GetCurrentProcessId(), file, MiniDumpNormal, &exception, nullptr, nullptr);
    CloseHandle(file);
    return 0;
}

LONG WINAPI crashFilter(EXCEPTION_POINTERS *pointers)
{
    const bool memory = pointers && pointers->ExceptionRecord
                        && pointers->ExceptionRecord->ExceptionCode == kMemoryCrashCode;
    if (HANDLE event = CreateEventA(nullptr, FALSE, FALSE, memory ? kMemoryCrashEventName : kCrashEventName)) {
        SetEvent(event);
        CloseHandle(event);
    }
    DumpRequest request = {pointers, GetCurrentThreadId()};
    const HANDLE thread = CreateThread(nullptr, 0, dumpThread, &request, 0, nullptr);
    if (!thread)
        return EXCEPTION_CONTINUE_SEARCH;
    if (WaitForSingleObject(thread, kDumpTimeLimitMs) == WAIT_TIMEOUT)
        TerminateThread(thread, 1);
    CloseHandle(thread);
    return EXCEPTION_EXECUTE_HANDLER;
}

} // namespace

void InstallCrashFilter()
{
    if (InterlockedExchange(&g_installed, 1) != 0)
        return;
    findProgramFolder();
    SetUnhandledExceptionFilter(crashFilter);
}

} // namespace pw
