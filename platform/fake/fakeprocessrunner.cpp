#include "platform/fake/fakeprocessrunner.h"

namespace pw {

void CFakeProcessRunner::SetScript(const std::string &commandLine, Script script)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_scripts[commandLine] = std::move(script);
}

std::vector<CFakeProcessRunner::Call> CFakeProcessRunner::Calls() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_calls;
}

IProcessRunner::Result CFakeProcessRunner::Run(const std::string &commandLine, uint32_t creationFlags, bool wait,
                                               const WaitRule *rule)
{
    Script script;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_calls.push_back({commandLine, creationFlags, wait, rule ? std::optional<WaitRule>(*rule) : std::nullopt});
        auto it = m_scripts.find(commandLine);
        if (it == m_scripts.end()) {
            Result failed;
            failed.startError = kErrorFileNotFound;
            return failed;
        }
        script = it->second;
    }
    if (script.result.startError == kErrorSuccess && script.action)
        script.action();
    return script.result;
}

void CFakeProcessRunner::ExitThisProcess(int code)
{
    std::function<void(int)> action;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_exits.push_back(code);
        action = m_exitAction;
    }
    if (action)
        action(code);
}

void CFakeProcessRunner::SetExitAction(std::function<void(int)> action)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_exitAction = std::move(action);
}

std::vector<int> CFakeProcessRunner::Exits() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_exits;
}

} // namespace pw
