#include "platform/win32/win32systeminfo.h"

#include <windows.h>

#include <vector>

namespace pw {

uint16_t CWin32SystemInfo::NativeArchitecture()
{
    SYSTEM_INFO info = {};
    GetNativeSystemInfo(&info);
    return info.wProcessorArchitecture;
}

uint32_t CWin32SystemInfo::Kernel32Version()
{
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(L"kernel32.dll", &ignored);
    if (size == 0)
        return 0;
    std::vector<unsigned char> buffer(size_t(size) * 2, 0);
    if (!GetFileVersionInfoW(L"kernel32.dll", 0, DWORD(buffer.size()), buffer.data()))
        return 0;
    VS_FIXEDFILEINFO *info = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(buffer.data(), L"\\", reinterpret_cast<void **>(&info), &length) || !info
        || length < sizeof(VS_FIXEDFILEINFO))
        return 0;
    return info->dwFileVersionMS;
}

} // namespace pw
