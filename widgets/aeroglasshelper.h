#pragma once
// Blur behind a native window. The blur itself is a desktop service of the platform layer
// (Windows: the accent policy on Windows 10 and later, the DWM blur before); on other systems
// it is never enabled.
#include "platform/systeminfo.h"
#include <cstdint>

class CAeroGlassHelper {
public:
    CAeroGlassHelper();
    virtual ~CAeroGlassHelper();

    // Remembers the window and asks the desktop for blur behind it. The region is kept for
    // the Windows DWM path; null means the whole window.
    void EnableBlur(void *window, void *region);
    void *LastWindow() const { return m_window; }

    // Windows 10 or later: kernel32.dll reports major version 10 or more. Always false
    // outside Windows, where the product runs against a Wine prefix and has no desktop
    // composition of its own.
    static bool IsWindows10OrLater();
    // The version test alone, for a kernel32 version given as (major << 16 | minor).
    static bool IsWindows10Version(uint32_t kernel32Version) { return pw::IsWindows10Version(kernel32Version); }

private:
    void *m_window = nullptr;
    void *m_region = nullptr;
};
