#include "platform/wine/wineprocessrunner.h"

namespace pw {

IProcessRunner::Result CWineProcessRunner::Run(const std::string &commandLine, uint32_t creationFlags, bool wait)
{
    Result result;
    hostproto::Writer args;
    args.Str(commandLine);
    args.U32(creationFlags);
    args.U8(wait ? 1 : 0);
    std::string reply;
    // Never sent twice: a program must not be started again because its answer was lost.
    const WinError sent = m_host.Call(hostproto::kRun, args, &reply, 0, false);
    m_host.NoteChange(); // an uninstaller changes the registry
    hostproto::Reader r(reply);
    const uint32_t startError = r.U32();
    const uint32_t exitCode = r.U32();
    if (sent != kErrorSuccess || !r.Ok()) {
        result.startError = kErrorBackendUnavailable;
        return result;
    }
    result.startError = WinError(startError);
    result.exitCode = exitCode;
    return result;
}

} // namespace pw
