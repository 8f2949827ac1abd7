#pragma once
// Serves the Win32 backend to the Wine client: reads request frames from one pipe and writes
// reply frames to another. Requests are answered in order, except a waited-for process start,
// which is answered from a thread of its own when the wait for the process and its job is over,
// so that registry calls go on meanwhile.
#include "platform/hostprotocol/hostprotocol.h"
#include "platform/win32/win32platform.h"

#include <windows.h>

#include <functional>

namespace pw {

class CHostServer {
public:
    // Answers a request the host itself does not know, into `reply`; false when it does not know
    // it either. Programs built on the host add requests of their own this way (the inventory
    // benchmark's host, bench/benchhost/); purgewell-host.exe has none.
    using ExtraRequests = std::function<bool(uint32_t op, hostproto::Reader &args, hostproto::Writer &reply,
                                             CWin32Platform &platform)>;

    CHostServer(HANDLE input, HANDLE output, ExtraRequests extra = {});
    CHostServer(const CHostServer &) = delete;
    CHostServer &operator=(const CHostServer &) = delete;

    // Until the input ends; returns the process exit code.
    int Run();

private:
    struct RunRequest;
    static DWORD WINAPI RunThread(void *parameter);

    bool ReadExactly(void *buffer, DWORD size);
    void Handle(uint32_t id, uint32_t op, hostproto::Reader &args);
    void Send(uint32_t id, const hostproto::Writer &results);
    void AppendPrefetch(hostproto::Writer &w, RegKey key, uint32_t what);
    // `key` and every key below it (opened in `view`) as a kSnapshotKey answer; false when one
    // of them cannot be read whole or the whole is too large or too deep.
    bool AppendTree(hostproto::Writer &w, RegKey key, uint32_t view, uint32_t depth);
    // Values and subkey names; false when the key is larger than what is carried along.
    bool AppendKeyContents(hostproto::Writer &w, RegKey key, uint32_t maxSubKeys, bool values, bool subKeys,
                           bool *haveValues, bool *haveSubKeys);

    HANDLE m_input;
    HANDLE m_output;
    SRWLOCK m_writeLock;
    CWin32Platform m_platform;
    ExtraRequests m_extra;
};

} // namespace pw
