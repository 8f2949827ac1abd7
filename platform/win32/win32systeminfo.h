#pragma once
#include "platform/systeminfo.h"

namespace pw {

// GetNativeSystemInfo and the file version of kernel32.dll.
class CWin32SystemInfo : public ISystemInfo {
public:
    uint16_t NativeArchitecture() override;
    uint32_t Kernel32Version() override;
};

} // namespace pw
