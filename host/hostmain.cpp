#include "host/hostmain.h"

#include <windows.h>

namespace {

HANDLE privateCopy(DWORD which)
{
    HANDLE copy = nullptr;
    DuplicateHandle(GetCurrentProcess(), GetStdHandle(which), GetCurrentProcess(), &copy, 0, FALSE,
                    DUPLICATE_SAME_ACCESS);
    return copy;
}

} // namespace

namespace pw {

int RunHost(CHostServer::ExtraRequests extra)
{
    const HANDLE input = privateCopy(STD_INPUT_HANDLE);
    const HANDLE output = privateCopy(STD_OUTPUT_HANDLE);
    // Programs we start must not inherit the pipes: one that writes to its standard output would
    // corrupt the frames, and one that outlives us would keep the client from seeing us end.
    const HANDLE nul = CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                   OPEN_EXISTING, 0, nullptr);
    SetStdHandle(STD_INPUT_HANDLE, nul);
    SetStdHandle(STD_OUTPUT_HANDLE, nul);
    SetStdHandle(STD_ERROR_HANDLE, nul);
    if (!input || !output)
        return 3;
    CHostServer server(input, output, std::move(extra));
    return server.Run();
}

} // namespace pw
