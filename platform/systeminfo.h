#pragma once
#include <cstdint>

namespace pw {

// Facts about the Windows system the product manages.
class ISystemInfo {
public:
    virtual ~ISystemInfo() = default;
    // wProcessorArchitecture of GetNativeSystemInfo.
    virtual uint16_t NativeArchitecture() = 0;
    // Major/minor file version of kernel32.dll as (major << 16 | minor); 0 when unknown.
    virtual uint32_t Kernel32Version() = 0;
};

// Whether a kernel32 version (as Kernel32Version gives it) is Windows 10 or later: major 10 up.
constexpr bool IsWindows10Version(uint32_t kernel32Version)
{
    return kernel32Version > 0x0009FFFFu;
}

} // namespace pw
