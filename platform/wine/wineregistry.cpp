#include "platform/wine/wineregistry.h"

#include "platform/win32/regbuffers.h"

namespace pw {

using namespace hostproto;

namespace {

bool isRoot(RegKey key)
{
    return key >= 0x80000000u && key <= 0x80000006u;
}

bool isAscii(const std::string &s)
{
    for (unsigned char c : s)
        if (c >= 0x80)
            return false;
    return true;
}

bool sameName(const std::string &a, const std::string &b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z')
            x = char(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z')
            y = char(y - 'a' + 'A');
        if (x != y)
            return false;
    }
    return true;
}

} // namespace

CWineRegistry::CWineRegistry(CWineHost &host) : m_host(host) {}

bool CWineRegistry::Split(RegKey key, uint64_t *hostKey, uint32_t *generation)
{
    if (isRoot(key)) {
        *hostKey = key;
        *generation = 0;
        return true;
    }
    *hostKey = key & 0xFFFFFFFFu;
    *generation = uint32_t(key >> 32);
    return *generation != 0 && *hostKey != 0;
}

std::shared_ptr<const CWineRegistry::Snapshot> CWineRegistry::SnapshotOf(RegKey key)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    auto it = m_snapshots.find(key);
    if (it == m_snapshots.end())
        return nullptr;
    if (it->second->changeCount != m_host.ChangeCount()) {
        m_snapshots.erase(it);
        return nullptr;
    }
    return it->second;
}

WinError CWineRegistry::Open(uint32_t op, RegKey parent, const std::string &path, uint32_t access, RegKey *out)
{
    if (!out)
        return kErrorInvalidParameter;
    *out = 0;
    uint64_t hostParent = 0;
    uint32_t generation = 0;
    if (!Split(parent, &hostParent, &generation))
        return kErrorInvalidHandle;
    uint32_t prefetch = 0;
    if (op == kOpenKey) {
        if (access & kKeyQueryValue)
            prefetch |= kPrefetchValues;
        if (access & kKeyEnumerateSubKeys)
            prefetch |= kPrefetchSubKeys;
    } else {
        m_host.NoteChange();
    }
    Writer args;
    args.U64(hostParent);
    args.Str(path);
    args.U32(access);
    if (op == kOpenKey)
        args.U32(prefetch);
    auto snapshot = std::make_shared<Snapshot>();
    snapshot->changeCount = m_host.ChangeCount();
    std::string reply;
    uint32_t served = 0;
    const WinError sent = m_host.Call(op, args, &reply, generation, true, &served);
    if (op != kOpenKey)
        m_host.NoteChange();
    if (sent != kErrorSuccess)
        return sent;
    Reader r(reply);
    const WinError result = WinError(r.U32());
    const uint64_t hostKey = r.U64();
    if (!r.Ok())
        return kErrorBackendUnavailable;
    if (result != kErrorSuccess)
        return result;
    if (hostKey == 0 || hostKey > 0xFFFFFFFFu) {
        // Handles fit in 32 bits on every Windows; anything else cannot be told apart later.
        Writer close;
        close.U64(hostKey);
        m_host.Post(kCloseKey, close, served);
        return kErrorInvalidHandle;
    }
    *out = (RegKey(served) << 32) | hostKey;
    if (op != kOpenKey)
        return kErrorSuccess;

    snapshot->haveValues = r.U8() != 0;
    if (snapshot->haveValues) {
        const uint32_t n = r.U32();
        for (uint32_t i = 0; i < n && r.Ok(); ++i) {
            Value v;
            v.name = r.Str();
            v.type = r.U32();
            v.data = r.Str();
            snapshot->plainNames = snapshot->plainNames && isAscii(v.name);
            snapshot->values.push_back(std::move(v));
        }
    }
    snapshot->haveSubKeys = r.U8() != 0;
    if (snapshot->haveSubKeys) {
        const uint32_t n = r.U32();
        for (uint32_t i = 0; i < n && r.Ok(); ++i)
            snapshot->subKeys.push_back(r.Str());
    }
    if (r.Ok() && (snapshot->haveValues || snapshot->haveSubKeys)) {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_snapshots[*out] = std::move(snapshot);
    }
    return kErrorSuccess;
}

WinError CWineRegistry::OpenKey(RegKey parent, const std::string &path, uint32_t access, RegKey *out)
{
    return Open(kOpenKey, parent, path, access, out);
}

WinError CWineRegistry::CreateKey(RegKey parent, const std::string &path, uint32_t access, RegKey *out)
{
    return Open(kCreateKey, parent, path, access, out);
}

WinError CWineRegistry::CloseKey(RegKey key)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_snapshots.erase(key);
    }
    uint64_t hostKey = 0;
    uint32_t generation = 0;
    if (!Split(key, &hostKey, &generation))
        return kErrorInvalidHandle;
    if (generation == 0)
        return kErrorSuccess; // a root
    Writer args;
    args.U64(hostKey);
    // Nobody waits for the answer: closing a handle of a live host cannot fail.
    return m_host.Post(kCloseKey, args, generation);
}

WinError CWineRegistry::Simple(uint32_t op, const Writer &args, uint32_t generation, bool changes)
{
    if (changes)
        m_host.NoteChange();
    std::string reply;
    const WinError sent = m_host.Call(op, args, &reply, generation);
    if (changes)
        m_host.NoteChange(); // also stales what was read while the change was under way
    if (sent != kErrorSuccess)
        return sent;
    Reader r(reply);
    const WinError result = WinError(r.U32());
    return r.Ok() ? result : kErrorBackendUnavailable;
}

WinError CWineRegistry::EnumKey(RegKey key, uint32_t index, char *name, uint32_t *nameLen)
{
    if (!name || !nameLen)
        return kErrorInvalidParameter;
    if (auto snapshot = SnapshotOf(key)) {
        if (snapshot->haveSubKeys) {
            if (index >= snapshot->subKeys.size())
                return kErrorNoMoreItems;
            return CopyRegName(snapshot->subKeys[index], name, nameLen);
        }
    }
    uint64_t hostKey = 0;
    uint32_t generation = 0;
    if (!Split(key, &hostKey, &generation))
        return kErrorInvalidHandle;
    Writer args;
    args.U64(hostKey);
    args.U32(index);
    std::string reply;
    const WinError sent = m_host.Call(kEnumKey, args, &reply, generation);
    if (sent != kErrorSuccess)
        return sent;
    Reader r(reply);
    const WinError result = WinError(r.U32());
    const std::string found = r.Str();
    if (!r.Ok())
        return kErrorBackendUnavailable;
    return result == kErrorSuccess ? CopyRegName(found, name, nameLen) : result;
}

WinError CWineRegistry::EnumValue(RegKey key, uint32_t index, char *name, uint32_t *nameLen, uint32_t *type)
{
    if (!name || !nameLen)
        return kErrorInvalidParameter;
    if (auto snapshot = SnapshotOf(key)) {
        if (snapshot->haveValues) {
            if (index >= snapshot->values.size())
                return kErrorNoMoreItems;
            const Value &v = snapshot->values[index];
            const WinError copied = CopyRegName(v.name, name, nameLen);
            if (copied == kErrorSuccess && type)
                *type = v.type;
            return copied;
        }
    }
    uint64_t hostKey = 0;
    uint32_t generation = 0;
    if (!Split(key, &hostKey, &generation))
        return kErrorInvalidHandle;
    Writer args;
    args.U64(hostKey);
    args.U32(index);
    std::string reply;
    const WinError sent = m_host.Call(kEnumValue, args, &reply, generation);
    if (sent != kErrorSuccess)
        return sent;
    Reader r(reply);
    const WinError result = WinError(r.U32());
    const std::string found = r.Str();
    const uint32_t foundType = r.U32();
    if (!r.Ok())
        return kErrorBackendUnavailable;
    if (result != kErrorSuccess)
        return result;
    const WinError copied = CopyRegName(found, name, nameLen);
    if (copied == kErrorSuccess && type)
        *type = foundType;
    return copied;
}

WinError CWineRegistry::QueryValue(RegKey key, const char *name, uint32_t *type, uint8_t *data, uint32_t *size)
{
    if (data && !size)
        return kErrorInvalidParameter;
    const std::string wanted = name ? name : "";
    if (auto snapshot = SnapshotOf(key)) {
        if (snapshot->haveValues) {
            for (const Value &v : snapshot->values)
                if (sameName(v.name, wanted))
                    return CopyRegData(v.type, v.data, type, data, size);
            // Names outside ASCII compare by Unicode rules, which only the host knows.
            if (snapshot->plainNames && isAscii(wanted))
                return kErrorFileNotFound;
        }
    }
    uint64_t hostKey = 0;
    uint32_t generation = 0;
    if (!Split(key, &hostKey, &generation))
        return kErrorInvalidHandle;
    Writer args;
    args.U64(hostKey);
    args.Str(wanted);
    std::string reply;
    const WinError sent = m_host.Call(kQueryValue, args, &reply, generation);
    if (sent != kErrorSuccess)
        return sent;
    Reader r(reply);
    const WinError result = WinError(r.U32());
    const uint32_t storedType = r.U32();
    const std::string stored = r.Str();
    if (!r.Ok())
        return kErrorBackendUnavailable;
    return result == kErrorSuccess ? CopyRegData(storedType, stored, type, data, size) : result;
}

WinError CWineRegistry::QueryValueCount(RegKey key, uint32_t *count)
{
    if (!count)
        return kErrorInvalidParameter;
    if (auto snapshot = SnapshotOf(key)) {
        if (snapshot->haveValues) {
            *count = uint32_t(snapshot->values.size());
            return kErrorSuccess;
        }
    }
    uint64_t hostKey = 0;
    uint32_t generation = 0;
    if (!Split(key, &hostKey, &generation))
        return kErrorInvalidHandle;
    Writer args;
    args.U64(hostKey);
    std::string reply;
    const WinError sent = m_host.Call(kQueryValueCount, args, &reply, generation);
    if (sent != kErrorSuccess)
        return sent;
    Reader r(reply);
    const WinError result = WinError(r.U32());
    const uint32_t n = r.U32();
    if (!r.Ok())
        return kErrorBackendUnavailable;
    if (result == kErrorSuccess)
        *count = n;
    return result;
}

WinError CWineRegistry::SetValue(RegKey key, const char *name, uint32_t type, const uint8_t *data, uint32_t size)
{
    uint64_t hostKey = 0;
    uint32_t generation = 0;
    if (!Split(key, &hostKey, &generation))
        return kErrorInvalidHandle;
    Writer args;
    args.U64(hostKey);
    args.Str(name ? name : "");
    args.U32(type);
    args.Bytes(data, data ? size : 0);
    return Simple(kSetValue, args, generation, true);
}

WinError CWineRegistry::DeleteValue(RegKey key, const char *name)
{
    uint64_t hostKey = 0;
    uint32_t generation = 0;
    if (!Split(key, &hostKey, &generation))
        return kErrorInvalidHandle;
    Writer args;
    args.U64(hostKey);
    args.Str(name ? name : "");
    return Simple(kDeleteValue, args, generation, true);
}

WinError CWineRegistry::DeleteKey(RegKey parent, const std::string &path)
{
    uint64_t hostKey = 0;
    uint32_t generation = 0;
    if (!Split(parent, &hostKey, &generation))
        return kErrorInvalidHandle;
    Writer args;
    args.U64(hostKey);
    args.Str(path);
    return Simple(kDeleteKey, args, generation, true);
}

WinError CWineRegistry::DeleteKeyEx(RegKey parent, const std::string &path, uint32_t viewFlag)
{
    uint64_t hostKey = 0;
    uint32_t generation = 0;
    if (!Split(parent, &hostKey, &generation))
        return kErrorInvalidHandle;
    Writer args;
    args.U64(hostKey);
    args.Str(path);
    args.U32(viewFlag);
    return Simple(kDeleteKeyEx, args, generation, true);
}

} // namespace pw
