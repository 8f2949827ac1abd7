#include "host/hostserver.h"

#include "platform/win32/win32text.h"

#include <string>
#include <vector>

namespace pw {

using namespace hostproto;

struct CHostServer::RunRequest {
    CHostServer *server;
    uint32_t id;
    std::string commandLine;
    uint32_t flags;
    bool hasRule;
    WaitRule rule;
};

namespace {

void WriteRunResult(Writer &w, const IProcessRunner::Result &result)
{
    w.U32(uint32_t(result.startError));
    w.U32(result.exitCode);
    w.U32(uint32_t(result.leftRunning.size()));
    for (const std::string &image : result.leftRunning)
        w.Str(image);
}

} // namespace

CHostServer::CHostServer(HANDLE input, HANDLE output, ExtraRequests extra)
    : m_input(input), m_output(output), m_platform(win32::kCodePageUtf8), m_extra(std::move(extra))
{
    InitializeSRWLock(&m_writeLock);
}

bool CHostServer::ReadExactly(void *buffer, DWORD size)
{
    char *p = static_cast<char *>(buffer);
    while (size > 0) {
        DWORD got = 0;
        if (!ReadFile(m_input, p, size, &got, nullptr) || got == 0)
            return false;
        p += got;
        size -= got;
    }
    return true;
}

void CHostServer::Send(uint32_t id, const Writer &results)
{
    Writer body;
    body.U32(id);
    body.Append(results);
    const std::string frame = body.Frame();
    AcquireSRWLockExclusive(&m_writeLock);
    const char *p = frame.data();
    DWORD left = DWORD(frame.size());
    while (left > 0) {
        DWORD written = 0;
        if (!WriteFile(m_output, p, left, &written, nullptr) || written == 0)
            break;
        p += written;
        left -= written;
    }
    ReleaseSRWLockExclusive(&m_writeLock);
}

int CHostServer::Run()
{
    Writer hello;
    hello.U32(kVersion);
    hello.U32(GetCurrentProcessId());
    Send(kHelloId, hello);
    std::string body;
    for (;;) {
        uint32_t length = 0;
        if (!ReadExactly(&length, 4))
            return 0; // the client has gone
        if (length < 8 || length > kMaxFrame)
            return 2;
        body.resize(length);
        if (!ReadExactly(&body[0], length))
            return 0;
        Reader reader(body);
        const uint32_t id = reader.U32();
        const uint32_t op = reader.U32();
        Handle(id, op, reader);
    }
}

DWORD WINAPI CHostServer::RunThread(void *parameter)
{
    RunRequest *request = static_cast<RunRequest *>(parameter);
    const IProcessRunner::Result result = request->server->m_platform.processes.Run(
        request->commandLine, request->flags, true, request->hasRule ? &request->rule : nullptr);
    Writer w;
    WriteRunResult(w, result);
    request->server->Send(request->id, w);
    delete request;
    return 0;
}

bool CHostServer::AppendKeyContents(Writer &w, RegKey key, uint32_t maxSubKeys, bool values, bool subKeys,
                                    bool *haveValues, bool *haveSubKeys)
{
    CWin32Registry &reg = m_platform.registry;
    uint32_t keyCount = 0, valueCount = 0, maxData = 0;
    *haveValues = *haveSubKeys = false;
    if (reg.KeyCounts(key, &keyCount, &valueCount, &maxData) != kErrorSuccess)
        return false;

    // Anything that changes under our feet is left to be read call by call.
    bool valuesOk = values && valueCount <= kPrefetchMaxValues && maxData <= kPrefetchMaxValueBytes;
    Writer valuePart;
    valuePart.U32(valueCount);
    for (uint32_t i = 0; valuesOk && i < valueCount; ++i) {
        std::string name, data;
        uint32_t type = 0;
        valuesOk = reg.ValueAt(key, i, maxData, &name, &type, &data) == kErrorSuccess;
        valuePart.Str(name);
        valuePart.U32(type);
        valuePart.Str(data);
    }
    bool keysOk = subKeys && keyCount <= maxSubKeys;
    Writer keyPart;
    keyPart.U32(keyCount);
    for (uint32_t i = 0; keysOk && i < keyCount; ++i) {
        std::string name;
        keysOk = reg.KeyNameAt(key, i, &name) == kErrorSuccess;
        keyPart.Str(name);
    }
    w.U8(valuesOk ? 1 : 0);
    if (valuesOk)
        w.Append(valuePart);
    w.U8(keysOk ? 1 : 0);
    if (keysOk)
        w.Append(keyPart);
    *haveValues = valuesOk;
    *haveSubKeys = keysOk;
    return true;
}

void CHostServer::AppendPrefetch(Writer &w, RegKey key, uint32_t what)
{
    bool haveValues = false, haveSubKeys = false;
    if (what == 0
        || !AppendKeyContents(w, key, kPrefetchMaxSubKeys, (what & kPrefetchValues) != 0,
                              (what & kPrefetchSubKeys) != 0, &haveValues, &haveSubKeys)) {
        w.U8(0);
        w.U8(0);
    }
}

bool CHostServer::AppendTree(Writer &w, RegKey key, uint32_t view, uint32_t depth)
{
    CWin32Registry &reg = m_platform.registry;
    uint32_t keyCount = 0, valueCount = 0, maxData = 0;
    if (depth > kSnapshotMaxDepth || reg.KeyCounts(key, &keyCount, &valueCount, &maxData) != kErrorSuccess)
        return false;
    // A key that changes while it is copied, or that cannot be read whole, is not copied at all:
    // the caller then reads live and meets what Windows would tell it.
    w.U32(valueCount);
    for (uint32_t i = 0; i < valueCount; ++i) {
        std::string name, data;
        uint32_t type = 0;
        if (reg.ValueAt(key, i, maxData, &name, &type, &data) != kErrorSuccess)
            return false;
        w.Str(name);
        w.U32(type);
        w.Str(data);
    }
    w.U32(keyCount);
    for (uint32_t i = 0; i < keyCount; ++i) {
        std::string name;
        if (reg.KeyNameAt(key, i, &name) != kErrorSuccess || w.Data().size() > kSnapshotMaxBytes)
            return false;
        w.Str(name);
        RegKey child = 0;
        if (reg.OpenKey(key, name, KEY_READ | view, &child) != kErrorSuccess)
            return false;
        const bool copied = AppendTree(w, child, view, depth + 1);
        reg.CloseKey(child);
        if (!copied)
            return false;
    }
    return w.Data().size() <= kSnapshotMaxBytes;
}

void CHostServer::Handle(uint32_t id, uint32_t op, Reader &args)
{
    const bool reply = (op & kNoReply) == 0;
    op &= ~kNoReply;
    CWin32Registry &reg = m_platform.registry;
    Writer w;
    switch (op) {
    case kOpenKey: {
        const RegKey parent = args.U64();
        const std::string path = args.Str();
        const uint32_t access = args.U32();
        const uint32_t prefetch = args.U32();
        RegKey key = 0;
        const WinError r = reg.OpenKey(parent, path, access, &key);
        w.U32(uint32_t(r));
        w.U64(key);
        AppendPrefetch(w, key, r == kErrorSuccess ? prefetch : 0);
        break;
    }
    case kSnapshotKey: {
        const RegKey root = args.U64();
        const std::string path = args.Str();
        const uint32_t view = args.U32() & (KEY_WOW64_32KEY | KEY_WOW64_64KEY);
        RegKey key = 0;
        WinError r = reg.OpenKey(root, path, KEY_READ | view, &key);
        Writer tree;
        if (r == kErrorSuccess) {
            if (!AppendTree(tree, key, view, 0))
                r = kErrorMoreData;
            reg.CloseKey(key);
        }
        w.U32(uint32_t(r));
        if (r == kErrorSuccess)
            w.Append(tree);
        break;
    }
    case kCreateKey: {
        const RegKey parent = args.U64();
        const std::string path = args.Str();
        const uint32_t access = args.U32();
        RegKey key = 0;
        w.U32(args.Ok() ? uint32_t(reg.CreateKey(parent, path, access, &key)) : uint32_t(kErrorInvalidParameter));
        w.U64(key);
        break;
    }
    case kCloseKey:
        w.U32(uint32_t(reg.CloseKey(args.U64())));
        break;
    case kEnumKey: {
        const RegKey key = args.U64();
        const uint32_t index = args.U32();
        std::string name;
        w.U32(uint32_t(reg.KeyNameAt(key, index, &name)));
        w.Str(name);
        break;
    }
    case kEnumValue: {
        const RegKey key = args.U64();
        const uint32_t index = args.U32();
        std::string name;
        uint32_t type = 0;
        w.U32(uint32_t(reg.ValueNameAt(key, index, &name, &type)));
        w.Str(name);
        w.U32(type);
        break;
    }
    case kQueryValue: {
        const RegKey key = args.U64();
        const std::string name = args.Str();
        std::string data;
        uint32_t type = 0;
        w.U32(uint32_t(reg.ReadValue(key, name, &type, &data)));
        w.U32(type);
        w.Str(data);
        break;
    }
    case kQueryValueCount: {
        uint32_t count = 0;
        w.U32(uint32_t(reg.QueryValueCount(args.U64(), &count)));
        w.U32(count);
        break;
    }
    case kSetValue: {
        const RegKey key = args.U64();
        const std::string name = args.Str();
        const uint32_t type = args.U32();
        const std::string data = args.Str();
        if (!args.Ok()) {
            w.U32(uint32_t(kErrorInvalidParameter));
            break;
        }
        w.U32(uint32_t(reg.SetValue(key, name.c_str(), type, reinterpret_cast<const uint8_t *>(data.data()),
                                    uint32_t(data.size()))));
        break;
    }
    case kDeleteValue: {
        const RegKey key = args.U64();
        const std::string name = args.Str();
        w.U32(args.Ok() ? uint32_t(reg.DeleteValue(key, name.c_str())) : uint32_t(kErrorInvalidParameter));
        break;
    }
    case kDeleteKey: {
        const RegKey parent = args.U64();
        const std::string path = args.Str();
        w.U32(args.Ok() ? uint32_t(reg.DeleteKey(parent, path)) : uint32_t(kErrorInvalidParameter));
        break;
    }
    case kDeleteKeyEx: {
        const RegKey parent = args.U64();
        const std::string path = args.Str();
        const uint32_t view = args.U32();
        w.U32(args.Ok() ? uint32_t(reg.DeleteKeyEx(parent, path, view)) : uint32_t(kErrorInvalidParameter));
        break;
    }
    case kProductFolder: {
        const std::string productCode = args.Str();
        std::string path;
        w.U32(args.Ok() ? uint32_t(m_platform.installer.ProductFolder(productCode, &path))
                        : uint32_t(kErrorInvalidParameter));
        w.Str(path);
        break;
    }
    case kShortcutTarget: {
        const std::string link = args.Str();
        std::string target;
        w.U32(args.Ok() ? uint32_t(m_platform.folders.ShortcutTarget(link, &target)) : uint32_t(kErrorInvalidParameter));
        w.Str(target);
        break;
    }
    case kSystemInfo:
        w.U32(m_platform.system.NativeArchitecture());
        w.U32(m_platform.system.Kernel32Version());
        break;
    case kSpecialFolder: {
        std::string path;
        w.U32(uint32_t(m_platform.folders.SpecialFolder(int(args.U32()), &path)));
        w.Str(path);
        break;
    }
    case kRun: {
        const std::string commandLine = args.Str();
        const uint32_t flags = args.U32();
        const bool wait = args.U8() != 0;
        const bool hasRule = args.U8() != 0;
        WaitRule rule;
        if (hasRule) {
            rule.entryRoot = RegRoot(args.U32());
            rule.entryView = args.U32();
            rule.entryKey = args.Str();
            rule.installFolder = args.Str();
        }
        if (!args.Ok()) {
            IProcessRunner::Result refused;
            refused.startError = kErrorInvalidParameter;
            WriteRunResult(w, refused);
            break;
        }
        if (wait && reply) {
            RunRequest *request = new RunRequest{this, id, commandLine, flags, hasRule, rule};
            const HANDLE thread = CreateThread(nullptr, 0, RunThread, request, 0, nullptr);
            if (thread) {
                CloseHandle(thread);
                return;
            }
            delete request;
        }
        const IProcessRunner::Result result =
            m_platform.processes.Run(commandLine, flags, wait, hasRule ? &rule : nullptr);
        WriteRunResult(w, result);
        break;
    }
    default:
        if (!m_extra || !m_extra(op, args, w, m_platform))
            w.U32(uint32_t(kErrorInvalidParameter));
        break;
    }
    if (reply)
        Send(id, w);
}

} // namespace pw
