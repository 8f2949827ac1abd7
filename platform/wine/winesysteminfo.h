#pragma once
#include "platform/systeminfo.h"
#include "platform/wine/winehost.h"

#include <mutex>

namespace pw {

// The Windows system of the prefix, asked once from the host.
class CWineSystemInfo : public ISystemInfo {
public:
    explicit CWineSystemInfo(CWineHost &host) : m_host(host) {}
    // PROCESSOR_ARCHITECTURE_UNKNOWN while the host cannot be reached.
    uint16_t NativeArchitecture() override;
    uint32_t Kernel32Version() override;

private:
    bool Load();

    CWineHost &m_host;
    std::mutex m_mutex;
    bool m_known = false;
    uint16_t m_architecture = 0;
    uint32_t m_kernel32 = 0;
};

} // namespace pw
