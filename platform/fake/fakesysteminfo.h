#pragma once
#include "platform/systeminfo.h"

namespace pw {

class CFakeSystemInfo : public ISystemInfo {
public:
    uint16_t architecture = kArchitectureAmd64;
    uint32_t kernel32Version = (10u << 16) | 0u;

    uint16_t NativeArchitecture() override { return architecture; }
    uint32_t Kernel32Version() override { return kernel32Version; }
};

} // namespace pw
