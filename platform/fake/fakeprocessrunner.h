#pragma once
// A scripted process runner for unit tests: each command line gets a result and, optionally,
// an action that plays the uninstaller's part (removing files or registry entries).
#include "platform/processrunner.h"

#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace pw {

class CFakeProcessRunner : public IProcessRunner {
public:
    struct Script {
        Result result;
        std::function<void()> action;
    };
    struct Call {
        std::string commandLine;
        uint32_t creationFlags;
        bool wait;
        std::optional<WaitRule> rule; // as the caller passed it
    };

    // A command without a script fails to start with ERROR_FILE_NOT_FOUND.
    void SetScript(const std::string &commandLine, Script script);
    std::vector<Call> Calls() const;

    using IProcessRunner::Run;
    Result Run(const std::string &commandLine, uint32_t creationFlags, bool wait, const WaitRule *rule) override;

    // Records the exit instead of ending the test, and runs the exit action, if any, the moment
    // the program would have ended.
    void ExitThisProcess(int code) override;
    std::vector<int> Exits() const;
    void SetExitAction(std::function<void(int)> action);

private:
    mutable std::mutex m_mutex;
    std::map<std::string, Script> m_scripts;
    std::vector<Call> m_calls;
    std::vector<int> m_exits;
    std::function<void(int)> m_exitAction;
};

} // namespace pw
