#pragma once
#include "platform/processrunner.h"
#include "platform/wine/winehost.h"

namespace pw {

// Starts programs inside the prefix through the host, which waits for them in a job object.
// A wait that is cut short because the host died gives kErrorBackendUnavailable.
class CWineProcessRunner : public IProcessRunner {
public:
    explicit CWineProcessRunner(CWineHost &host) : m_host(host) {}
    using IProcessRunner::Run;
    Result Run(const std::string &commandLine, uint32_t creationFlags, bool wait, const WaitRule *rule) override;

private:
    CWineHost &m_host;
};

} // namespace pw
