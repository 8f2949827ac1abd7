#pragma once
#include "platform/processrunner.h"

namespace pw {

// Starts a command line as stored. A waited-for process runs in a job object of its own, and the
// wait ends when the job has no process left: uninstallers that copy themselves elsewhere and
// hand over to the copy are waited for until the copy has finished too. With a wait rule, what
// the uninstaller started and left running once its entry is gone (a browser, a tray program)
// is not waited for and keeps running.
class CWin32ProcessRunner : public IProcessRunner {
public:
    explicit CWin32ProcessRunner(unsigned codePage);
    using IProcessRunner::Run;
    Result Run(const std::string &commandLine, uint32_t creationFlags, bool wait, const WaitRule *rule) override;

private:
    unsigned m_codePage;
};

} // namespace pw
