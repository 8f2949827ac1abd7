#include "platform/wine/wineprocessrunner.h"

namespace pw {

IProcessRunner::Result CWineProcessRunner::Run(const std::string &commandLine, uint32_t creationFlags, bool wait,
                                               const WaitRule *rule)
{
    Result result;
    hostproto::Writer args;
    args.Str(commandLine);
    args.U32(creationFlags);
    args.U8(wait ? 1 : 0);
    args.U8(rule ? 1 : 0);
    if (rule) {
        args.U32(uint32_t(rule->entryRoot));
        args.U32(rule->entryView);
        args.Str(rule->entryKey);
        args.Str(rule->installFolder);
    }
    std::string reply;
    // Never sent twice: a program must not be started again because its answer was lost.
    const WinError sent = m_host.Call(hostproto::kRun, args, &reply, 0, false);
    m_host.NoteChange(); // an uninstaller changes the registry
    hostproto::Reader r(reply);
    const uint32_t startError = r.U32();
    const uint32_t exitCode = r.U32();
    const uint32_t leftCount = r.U32();
    for (uint32_t i = 0; i < leftCount && r.Ok(); ++i)
        result.leftRunning.push_back(r.Str());
    if (sent != kErrorSuccess || !r.Ok()) {
        result = Result();
        result.startError = kErrorBackendUnavailable;
        return result;
    }
    result.startError = WinError(startError);
    result.exitCode = exitCode;
    return result;
}

} // namespace pw
