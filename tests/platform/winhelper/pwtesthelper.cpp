// A Windows program for the wine-labelled tests, run inside the test prefix:
//   exit N                 ends with exit code N
//   handoff FILE N         starts "late FILE" without waiting for it and ends with N at once
//   late FILE              waits a moment, then creates FILE (the work an uninstaller hands off)
//   waitreg                ends once HKCU\Software\PurgewellTest has the value "Go"
//   linger                 what an uninstaller leaves running (a browser with a feedback page):
//                          ends once HKCU\Software\PurgewellTest has the value "StopLinger",
//                          or after ten minutes
//   unregister KEY MS      what an uninstaller hands its work to: waits MS milliseconds, then
//                          deletes the uninstall entry KEY (HKLM, 64-bit view) and ends
//   running NAME           exit code 0 when a process whose program file is called NAME runs,
//                          else 1
//   crash access|memory    installs the crash filter, then crashes
//   watchcrash KIND        runs "crash KIND" and reports in its exit code which crash events it
//                          signalled: 1 the crash event, 2 the memory-crash event
//   single                 takes the single-instance mutex with a minimised main window, runs
//                          "second" and checks it: 0 when the second instance was refused and
//                          the window restored (4: no window, 5: "second" did not start)
//   second                 exit code 1 when the single-instance check let it run, else 0
#include "platform/desktopservices.h"
#include "platform/win32/win32crashfilter.h"
#include "platform/win32/win32desktopservices.h"
#include "platform/win32/win32systeminfo.h"
#include "platform/win32/win32text.h"

#include <windows.h>
#include <tlhelp32.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::wstring selfPath()
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

// Starts this program again with `arguments`; the process handle, or null.
HANDLE startSelf(const std::wstring &arguments)
{
    std::wstring line = L"\"" + selfPath() + L"\" " + arguments;
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessW(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return nullptr;
    CloseHandle(info.hThread);
    return info.hProcess;
}

// Waits for a process while answering the messages other processes send to our windows.
DWORD waitPumping(HANDLE process)
{
    for (;;) {
        const DWORD r = MsgWaitForMultipleObjects(1, &process, FALSE, 30000, QS_ALLINPUT);
        if (r != WAIT_OBJECT_0 + 1)
            break;
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    DWORD code = 99;
    GetExitCodeProcess(process, &code);
    return code;
}

std::wstring wide(const char *text)
{
    return pw::win32::Widen(text, std::strlen(text), pw::win32::kCodePageAnsi);
}

int late(const char *file)
{
    Sleep(1500);
    const HANDLE h = CreateFileW(wide(file).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return 1;
    CloseHandle(h);
    return 0;
}

int handoff(const char *file, int code)
{
    const HANDLE child = startSelf(L"late \"" + wide(file) + L"\"");
    if (!child)
        return 100;
    CloseHandle(child);
    return code;
}

bool hasTestValue(const wchar_t *name)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\PurgewellTest", 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return false;
    const LONG r = RegQueryValueExW(key, name, nullptr, nullptr, nullptr, nullptr);
    RegCloseKey(key);
    return r == ERROR_SUCCESS;
}

int waitRegistry()
{
    while (!hasTestValue(L"Go"))
        Sleep(50);
    return 0;
}

int linger()
{
    for (int i = 0; i < 6000 && !hasTestValue(L"StopLinger"); ++i)
        Sleep(100);
    return 0;
}

int unregisterLater(const char *key, int delayMs)
{
    Sleep(DWORD(delayMs));
    const std::wstring path = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" + wide(key);
    return RegDeleteKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), KEY_WOW64_64KEY, 0) == ERROR_SUCCESS ? 0 : 1;
}

int running(const char *name)
{
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return 100;
    const std::wstring wanted = wide(name);
    PROCESSENTRY32W entry = {};
    entry.dwSize = sizeof entry;
    bool found = false;
    for (BOOL more = Process32FirstW(snapshot, &entry); more && !found; more = Process32NextW(snapshot, &entry))
        found = entry.th32ProcessID != GetCurrentProcessId() && lstrcmpiW(entry.szExeFile, wanted.c_str()) == 0;
    CloseHandle(snapshot);
    return found ? 0 : 1;
}

int crash(const char *kind)
{
    pw::InstallCrashFilter();
    if (std::strcmp(kind, "memory") == 0)
        RaiseException(pw::kMemoryCrashCode, EXCEPTION_NONCONTINUABLE, 0, nullptr);
    volatile int *nowhere = nullptr;
    *nowhere = 1;
    return 0;
}

int watchCrash(const char *kind)
{
    const HANDLE crashEvent = CreateEventA(nullptr, FALSE, FALSE, pw::kCrashEventName);
    const HANDLE memoryEvent = CreateEventA(nullptr, FALSE, FALSE, pw::kMemoryCrashEventName);
    if (!crashEvent || !memoryEvent)
        return 100;
    const HANDLE child = startSelf(L"crash " + wide(kind));
    if (!child)
        return 101;
    WaitForSingleObject(child, INFINITE);
    CloseHandle(child);
    int signalled = 0;
    if (WaitForSingleObject(crashEvent, 0) == WAIT_OBJECT_0)
        signalled |= 1;
    if (WaitForSingleObject(memoryEvent, 0) == WAIT_OBJECT_0)
        signalled |= 2;
    return signalled;
}

int single()
{
    pw::CWin32SystemInfo system;
    pw::CWin32DesktopServices desktop(pw::win32::kCodePageAnsi, &system);
    if (!desktop.CheckSingleInstance())
        return 2;
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = pw::kMainWindowClassName;
    RegisterClassW(&windowClass);
    const HWND window = CreateWindowW(pw::kMainWindowClassName, L"Vendrix Purgewell", WS_OVERLAPPEDWINDOW, 0, 0, 300,
                                      200, nullptr, nullptr, windowClass.hInstance, nullptr);
    if (!window)
        return 4;
    ShowWindow(window, SW_SHOWMINIMIZED);
    const HANDLE second = startSelf(L"second");
    if (!second)
        return 5;
    const DWORD allowed = waitPumping(second);
    CloseHandle(second);
    if (allowed != 0)
        return 1;
    return IsIconic(window) ? 3 : 0;
}

int second()
{
    pw::CWin32SystemInfo system;
    pw::CWin32DesktopServices desktop(pw::win32::kCodePageAnsi, &system);
    return desktop.CheckSingleInstance() ? 1 : 0;
}

} // namespace

int main(int argc, char **argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "exit" && argc > 2)
        return std::atoi(argv[2]);
    if (mode == "handoff" && argc > 3)
        return handoff(argv[2], std::atoi(argv[3]));
    if (mode == "late" && argc > 2)
        return late(argv[2]);
    if (mode == "waitreg")
        return waitRegistry();
    if (mode == "linger")
        return linger();
    if (mode == "unregister" && argc > 3)
        return unregisterLater(argv[2], std::atoi(argv[3]));
    if (mode == "running" && argc > 2)
        return running(argv[2]);
    if (mode == "crash" && argc > 2)
        return crash(argv[2]);
    if (mode == "watchcrash" && argc > 2)
        return watchCrash(argv[2]);
    if (mode == "single")
        return single();
    if (mode == "second")
        return second();
    return 127;
}
