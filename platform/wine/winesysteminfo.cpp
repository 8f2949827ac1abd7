#include "platform/wine/winesysteminfo.h"

namespace pw {

bool CWineSystemInfo::Load()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_known)
        return true;
    std::string reply;
    if (m_host.Call(hostproto::kSystemInfo, hostproto::Writer(), &reply) != kErrorSuccess)
        return false;
    hostproto::Reader r(reply);
    const uint32_t architecture = r.U32();
    const uint32_t kernel32 = r.U32();
    if (!r.Ok())
        return false;
    m_architecture = uint16_t(architecture);
    m_kernel32 = kernel32;
    m_known = true;
    return true;
}

uint16_t CWineSystemInfo::NativeArchitecture()
{
    return Load() ? m_architecture : uint16_t(0xFFFF);
}

uint32_t CWineSystemInfo::Kernel32Version()
{
    return Load() ? m_kernel32 : 0;
}

} // namespace pw
