#pragma once
#include "platform/processrunner.h"

namespace pw {

// Starts a command line as stored. A waited-for process runs in a job object of its own, and the
// wait ends when the job has no process left: uninstallers that copy themselves elsewhere and
// hand over to the copy are waited for until the copy has finished too.
class CWin32ProcessRunner : public IProcessRunner {
public:
    explicit CWin32ProcessRunner(unsigned codePage);
    Result Run(const std::string &commandLine, uint32_t creationFlags, bool wait) override;

private:
    unsigned m_codePage;
};

} // namespace pw
