#include "platform/win32/win32desktopservices.h"

#include "platform/win32/win32text.h"

#include <windows.h>
#include <shellapi.h>

namespace pw {

namespace {

// Undocumented but stable since Windows 10: the accent policy of a window.
struct AccentPolicy {
    int state;
    int flags;
    int gradientColour;
    int animationId;
};
struct CompositionAttributeData {
    int attribute;
    void *data;
    SIZE_T size;
};
constexpr int kAttributeAccentPolicy = 19;
constexpr int kAccentDisabled = 0;
constexpr int kAccentBlurBehind = 3;
using SetCompositionAttribute = BOOL(WINAPI *)(HWND, CompositionAttributeData *);

struct BlurBehind {
    DWORD flags;
    BOOL enable;
    HRGN region;
    BOOL transitionOnMaximized;
};
struct FrameMargins {
    int left, right, top, bottom;
};
constexpr DWORD kBlurBehindEnable = 0x1;
constexpr DWORD kBlurBehindRegion = 0x2;
using EnableBlurBehind = HRESULT(WINAPI *)(HWND, const BlurBehind *);
using ExtendFrame = HRESULT(WINAPI *)(HWND, const FrameMargins *);

} // namespace

CWin32DesktopServices::CWin32DesktopServices(unsigned codePage, ISystemInfo *system)
    : m_codePage(codePage), m_system(system)
{
}

bool CWin32DesktopServices::CheckSingleInstance()
{
    // Held, never closed, until the process ends.
    const HANDLE mutex = CreateMutexA(nullptr, TRUE, kSingleInstanceMutexName);
    if (!mutex || GetLastError() != ERROR_ALREADY_EXISTS)
        return true;
    const HWND window = FindWindowW(kMainWindowClassName, nullptr);
    if (!window)
        return false;
    if (IsIconic(window))
        ShowWindow(window, SW_RESTORE);
    SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW);
    SetActiveWindow(window);
    SetForegroundWindow(window);
    FlashWindow(window, TRUE);
    return false;
}

bool CWin32DesktopServices::OpenUrl(const std::string &url)
{
    const std::wstring target = win32::Widen(url, m_codePage);
    const HINSTANCE r = ShellExecuteW(nullptr, L"open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(r) > 32;
}

bool CWin32DesktopServices::EnableBlur(void *nativeWindow, bool enable)
{
    const HWND window = static_cast<HWND>(nativeWindow);
    if (!window)
        return false;
    if (m_system && IsWindows10Version(m_system->Kernel32Version())) {
        const HMODULE user32 = GetModuleHandleW(L"user32.dll");
        const auto set = user32 ? reinterpret_cast<SetCompositionAttribute>(
                                      reinterpret_cast<void *>(GetProcAddress(user32, "SetWindowCompositionAttribute")))
                                : nullptr;
        if (!set)
            return false;
        AccentPolicy accent = {enable ? kAccentBlurBehind : kAccentDisabled, 0, 0, 0};
        CompositionAttributeData data = {kAttributeAccentPolicy, &accent, sizeof accent};
        return set(window, &data) != FALSE;
    }
    static const HMODULE dwmapi = LoadLibraryW(L"dwmapi.dll");
    if (!dwmapi)
        return false;
    bool done = false;
    if (const auto blur = reinterpret_cast<EnableBlurBehind>(
            reinterpret_cast<void *>(GetProcAddress(dwmapi, "DwmEnableBlurBehindWindow")))) {
        // The enable flag must be named too, or the enable member is ignored.
        const BlurBehind behind = {kBlurBehindEnable | kBlurBehindRegion, enable ? TRUE : FALSE, nullptr, FALSE};
        done = SUCCEEDED(blur(window, &behind));
    }
    if (const auto extend = reinterpret_cast<ExtendFrame>(
            reinterpret_cast<void *>(GetProcAddress(dwmapi, "DwmExtendFrameIntoClientArea")))) {
        const FrameMargins margins = enable ? FrameMargins{-1, -1, -1, -1} : FrameMargins{0, 0, 0, 0};
        done = SUCCEEDED(extend(window, &margins)) || done;
    }
    return done;
}

} // namespace pw
