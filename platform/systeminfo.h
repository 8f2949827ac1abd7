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

} // namespace pw
