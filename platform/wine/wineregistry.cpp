#include "platform/wine/wineregistry.h"

#include "platform/regtree.h"
#include "platform/regbuffers.h"

#include <algorithm>

namespace pw {

using namespace hostproto;

namespace {

// The host's handles are small numbers, below this bit.
constexpr uint64_t kHandleLimit = 0x80000000u;

bool isRoot(RegKey key)
{
    return key >= 0x80000000u && key <= 0x80000006u;
}

bool isAscii(const std::string &s)
{
    return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

std::string lower(std::string s)
{
    for (char &c : s)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return s;
}

bool sameName(const std::string &a, const std::string &b)
{
    return a.size() == b.size() && lower(a) == lower(b);
}

// One key of a kSnapshotKey answer and everything below it into `node`; false when the answer
// is cut short or nests deeper than the host may send.
bool readTree(Reader &r, CRegNode &node, uint32_t depth)
{
    if (depth > kSnapshotMaxDepth)
        return false;
    const uint32_t values = r.U32();
    for (uint32_t i = 0; i < values && r.Ok(); ++i) {
        std::string name = r.Str();
        const uint32_t type = r.U32();
        node.SetValue(name, type, r.Str());
    }
    const uint32_t subKeys = r.U32();
    for (uint32_t i = 0; i < subKeys && r.Ok(); ++i) {
        const std::string name = r.Str();
        if (!r.Ok() || !readTree(r, *node.AddSubKey(name), depth + 1))
            return false;
    }
    return r.Ok();
}

} // namespace

CWineRegistry::CWineRegistry(CWineHost &host) : m_host(host) {}

void CWineRegistry::ReadContents(Reader &r, Prefetched *out)
{
    out->haveValues = r.U8() != 0;
    if (out->haveValues) {
        const uint32_t n = r.U32();
        for (uint32_t i = 0; i < n && r.Ok(); ++i) {
            Value v;
            v.name = r.Str();
            v.type = r.U32();
            v.data = r.Str();
            out->plainNames = out->plainNames && isAscii(v.name);
            out->values.push_back(std::move(v));
        }
    }
    out->haveSubKeys = r.U8() != 0;
    if (out->haveSubKeys) {
        const uint32_t n = r.U32();
        for (uint32_t i = 0; i < n && r.Ok(); ++i)
            out->subKeys.push_back(r.Str());
    }
}

std::shared_ptr<const CWineRegistry::Prefetched> CWineRegistry::PrefetchedOf(RegKey key)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    auto it = m_prefetched.find(key);
    if (it == m_prefetched.end() || !it->second)
        return nullptr;
    if (it->second->changeCount != m_host.ChangeCount()) {
        it->second.reset();
        return nullptr;
    }
    return it->second;
}

WinError CWineRegistry::HostHandle(RegKey key, uint64_t *hostKey, uint32_t *generation)
{
    if (isRoot(key)) {
        *hostKey = key;
        *generation = 0;
        return kErrorSuccess;
    }
    *hostKey = key & 0xFFFFFFFFu;
    *generation = uint32_t(key >> 32);
    const bool valid = *generation != 0 && *hostKey != 0 && *hostKey < kHandleLimit;
    return valid ? kErrorSuccess : kErrorInvalidHandle;
}

WinError CWineRegistry::Open(uint32_t op, RegKey parent, const std::string &path, uint32_t access, RegKey *out)
{
    if (!out)
        return kErrorInvalidParameter;
    *out = 0;
    uint64_t hostParent = 0;
    uint32_t generation = 0;
    const WinError parentState = HostHandle(parent, &hostParent, &generation);
    if (parentState != kErrorSuccess)
        return parentState;
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
    auto prefetched = std::make_shared<Prefetched>();
    prefetched->changeCount = m_host.ChangeCount();
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
    if (hostKey == 0 || hostKey >= kHandleLimit) {
        // Handles are small numbers on every Windows; anything else could not be told apart.
        Writer close;
        close.U64(hostKey);
        m_host.Post(kCloseKey, close, served);
        return kErrorInvalidHandle;
    }
    *out = (RegKey(served) << 32) | hostKey;
    if (op != kOpenKey)
        return kErrorSuccess;

    ReadContents(r, prefetched.get());
    if (!r.Ok() || (!prefetched->haveValues && !prefetched->haveSubKeys))
        return kErrorSuccess;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_prefetched[*out] = std::move(prefetched);
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
        m_prefetched.erase(key);
    }
    if (isRoot(key))
        return kErrorSuccess;
    uint64_t hostKey = 0;
    uint32_t generation = 0;
    const WinError state = HostHandle(key, &hostKey, &generation);
    if (state != kErrorSuccess)
        return state;
    Writer args;
    args.U64(hostKey);
    // Nobody waits for the answer: closing a handle of a live host cannot fail.
    return m_host.Post(kCloseKey, args, generation);
}

std::unique_ptr<IRegistry> CWineRegistry::Snapshot(RegRoot root, const std::string &path, uint32_t view)
{
    Writer args;
    args.U64(RootKey(root));
    args.Str(path);
    args.U32(view & (kKeyWow64_32Key | kKeyWow64_64Key));
    std::string reply;
    if (m_host.Call(kSnapshotKey, args, &reply) != kErrorSuccess)
        return nullptr;
    Reader r(reply);
    const WinError result = WinError(r.U32());
    if (!r.Ok())
        return nullptr;
    if (result == kErrorFileNotFound)
        return std::make_unique<CRegSnapshot>(root, path, nullptr);
    if (result != kErrorSuccess)
        return nullptr;
    const std::vector<std::string> parts = SplitRegPath(path);
    auto tree = std::make_unique<CRegNode>(parts.empty() ? std::string() : parts.back());
    if (!readTree(r, *tree, 0))
        return nullptr;
    return std::make_unique<CRegSnapshot>(root, path, std::move(tree));
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
    if (auto prefetched = PrefetchedOf(key)) {
        if (prefetched->haveSubKeys) {
            if (index >= prefetched->subKeys.size())
                return kErrorNoMoreItems;
            return CopyRegName(prefetched->subKeys[index], name, nameLen);
        }
    }
    uint64_t hostKey = 0;
    uint32_t generation = 0;
    const WinError state = HostHandle(key, &hostKey, &generation);
    if (state != kErrorSuccess)
        return state;
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
    if (auto prefetched = PrefetchedOf(key)) {
        if (prefetched->haveValues) {
            if (index >= prefetched->values.size())
                return kErrorNoMoreItems;
            const Value &v = prefetched->values[index];
            const WinError copied = CopyRegName(v.name, name, nameLen);
            if (copied == kErrorSuccess && type)
                *type = v.type;
            return copied;
        }
    }
    uint64_t hostKey = 0;
    uint32_t generation = 0;
    const WinError state = HostHandle(key, &hostKey, &generation);
    if (state != kErrorSuccess)
        return state;
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
    if (auto prefetched = PrefetchedOf(key)) {
        const Prefetched &contents = *prefetched;
        if (contents.haveValues) {
            for (const Value &v : contents.values)
                if (sameName(v.name, wanted))
                    return CopyRegData(v.type, v.data, type, data, size);
            // Names outside ASCII compare by Unicode rules, which only the host knows.
            if (contents.plainNames && isAscii(wanted))
                return kErrorFileNotFound;
        }
    }
    uint64_t hostKey = 0;
    uint32_t generation = 0;
    const WinError state = HostHandle(key, &hostKey, &generation);
    if (state != kErrorSuccess)
        return state;
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
    if (auto prefetched = PrefetchedOf(key)) {
        if (prefetched->haveValues) {
            *count = uint32_t(prefetched->values.size());
            return kErrorSuccess;
        }
    }
    uint64_t hostKey = 0;
    uint32_t generation = 0;
    const WinError state = HostHandle(key, &hostKey, &generation);
    if (state != kErrorSuccess)
        return state;
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
    const WinError state = HostHandle(key, &hostKey, &generation);
    if (state != kErrorSuccess)
        return state;
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
    const WinError state = HostHandle(key, &hostKey, &generation);
    if (state != kErrorSuccess)
        return state;
    Writer args;
    args.U64(hostKey);
    args.Str(name ? name : "");
    return Simple(kDeleteValue, args, generation, true);
}

WinError CWineRegistry::DeleteKey(RegKey parent, const std::string &path)
{
    uint64_t hostKey = 0;
    uint32_t generation = 0;
    const WinError state = HostHandle(parent, &hostKey, &generation);
    if (state != kErrorSuccess)
        return state;
    Writer args;
    args.U64(hostKey);
    args.Str(path);
    return Simple(kDeleteKey, args, generation, true);
}

WinError CWineRegistry::DeleteKeyEx(RegKey parent, const std::string &path, uint32_t viewFlag)
{
    uint64_t hostKey = 0;
    uint32_t generation = 0;
    const WinError state = HostHandle(parent, &hostKey, &generation);
    if (state != kErrorSuccess)
        return state;
    Writer args;
    args.U64(hostKey);
    args.Str(path);
    args.U32(viewFlag);
    return Simple(kDeleteKeyEx, args, generation, true);
}

} // namespace pw
