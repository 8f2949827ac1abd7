#include "platform/wine/wineregistry.h"

#include "platform/win32/regbuffers.h"

#include <algorithm>

namespace pw {

using namespace hostproto;

namespace {

// Handles made on this side have this bit in their lower half; the host's never do.
constexpr uint64_t kLocalBit = 0x80000000u;
constexpr uint32_t kViewBits = kKeyWow64_32Key | kKeyWow64_64Key;
constexpr auto kRecentReuse = std::chrono::milliseconds(500);

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

// Only reading rights: such a key can be answered from what came along.
bool readOnly(uint32_t access)
{
    return (access & ~(kKeyRead | kViewBits)) == 0;
}

// The keys whose entries the inventory reads one after another.
bool isUninstallKey(const std::string &path)
{
    const std::string l = lower(path);
    const std::string tail = "\\uninstall";
    return l == "uninstall" || (l.size() > tail.size() && l.compare(l.size() - tail.size(), tail.size(), tail) == 0);
}

} // namespace

CWineRegistry::CWineRegistry(CWineHost &host) : m_host(host) {}

void CWineRegistry::ReadContents(Reader &r, Contents *out)
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

std::shared_ptr<const CWineRegistry::Snapshot> CWineRegistry::SnapshotOf(RegKey key)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    auto it = m_handles.find(key);
    if (it == m_handles.end() || !it->second.snapshot)
        return nullptr;
    if (it->second.snapshot->changeCount != m_host.ChangeCount()) {
        it->second.snapshot.reset();
        return nullptr;
    }
    return it->second.snapshot;
}

WinError CWineRegistry::HostHandle(RegKey key, uint64_t *hostKey, uint32_t *generation)
{
    if (isRoot(key)) {
        *hostKey = key;
        *generation = 0;
        return kErrorSuccess;
    }
    Handle local;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        auto it = m_handles.find(key);
        if (it == m_handles.end()) {
            *hostKey = key & 0xFFFFFFFFu;
            *generation = uint32_t(key >> 32);
            const bool valid = *generation != 0 && *hostKey != 0 && !(*hostKey & kLocalBit);
            return valid ? kErrorSuccess : kErrorInvalidHandle;
        }
        *generation = it->second.generation;
        if (it->second.hostKey) {
            *hostKey = it->second.hostKey;
            return kErrorSuccess;
        }
        local = it->second;
    }
    // Opened on this side only so far: open it on the host now, the way it was asked for.
    Writer args;
    args.U64(local.root);
    args.Str(local.path);
    args.U32(local.access);
    args.U32(0);
    std::string reply;
    const WinError sent = m_host.Call(kOpenKey, args, &reply, local.generation);
    if (sent != kErrorSuccess)
        return sent;
    Reader r(reply);
    const WinError result = WinError(r.U32());
    const uint64_t opened = r.U64();
    if (!r.Ok())
        return kErrorBackendUnavailable;
    if (result != kErrorSuccess)
        return result;
    std::lock_guard<std::mutex> lock(m_mutex);
    auto it = m_handles.find(key);
    if (it == m_handles.end() || it->second.hostKey || opened == 0 || opened >= kLocalBit) {
        // Closed meanwhile, or opened by another thread first.
        Writer close;
        close.U64(opened);
        m_host.Post(kCloseKey, close, local.generation);
        if (it == m_handles.end() || !it->second.hostKey)
            return kErrorInvalidHandle;
    } else {
        it->second.hostKey = opened;
    }
    *hostKey = it->second.hostKey;
    return kErrorSuccess;
}

bool CWineRegistry::OpenFromChildren(RegKey parent, const std::string &path, uint32_t access, RegKey *out)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const uint64_t changeCount = m_host.ChangeCount();
    Handle child;
    std::shared_ptr<const Contents> contents;
    if (isRoot(parent)) {
        const std::string wanted = lower(path);
        for (RegKey key : m_parents) {
            auto it = m_handles.find(key);
            if (it == m_handles.end())
                continue;
            const Handle &h = it->second;
            if (!h.snapshot || h.snapshot->changeCount != changeCount || h.root != parent
                || (h.access & kViewBits) != (access & kViewBits))
                continue;
            const std::string prefix = lower(h.path) + "\\";
            if (wanted.size() <= prefix.size() || wanted.compare(0, prefix.size(), prefix) != 0)
                continue;
            const std::string name = wanted.substr(prefix.size());
            auto found = h.snapshot->children.find(name);
            if (name.find('\\') != std::string::npos || found == h.snapshot->children.end())
                continue;
            contents = found->second;
            child.generation = h.generation;
            child.path = path;
            child.access = access;
            break;
        }
    } else {
        auto it = m_handles.find(parent);
        if (it == m_handles.end() || !it->second.snapshot || it->second.snapshot->changeCount != changeCount
            || !it->second.root || path.find('\\') != std::string::npos)
            return false;
        const Handle &h = it->second;
        auto found = h.snapshot->children.find(lower(path));
        if (found == h.snapshot->children.end())
            return false;
        contents = found->second;
        child.generation = h.generation;
        child.path = h.path + "\\" + path;
        child.access = (access & ~kViewBits) | (h.access & kViewBits); // a subkey is in its parent's view
    }
    if (!contents)
        return false;
    child.root = isRoot(parent) ? parent : m_handles[parent].root;
    auto snapshot = std::make_shared<Snapshot>();
    snapshot->changeCount = changeCount;
    snapshot->contents = contents;
    child.snapshot = std::move(snapshot);
    const RegKey id = NewLocalId(child.generation);
    m_handles[id] = std::move(child);
    *out = id;
    return true;
}

RegKey CWineRegistry::NewLocalId(uint32_t generation)
{
    RegKey id = 0;
    do
        id = (RegKey(generation) << 32) | kLocalBit | (++m_nextLocal & 0x3FFFFFFFu);
    while (m_handles.count(id));
    return id;
}

bool CWineRegistry::OpenRecent(RegKey parent, const std::string &path, uint32_t access, bool reading, RegKey *out)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    // Only for the very next key opened, and only just after: the scan's second look.
    Handle again = std::move(m_recent);
    m_recent = Handle();
    if (!reading)
        return false;
    const uint32_t rights = kKeyQueryValue | kKeyEnumerateSubKeys;
    if (!again.snapshot || again.snapshot->changeCount != m_host.ChangeCount() || again.root != parent
        || (again.access & kViewBits) != (access & kViewBits) || (access & rights & ~again.access) != 0
        || lower(again.path) != lower(path) || std::chrono::steady_clock::now() - m_recentClosed > kRecentReuse)
        return false;
    again.hostKey = 0;
    again.path = path;
    again.access = access;
    const RegKey id = NewLocalId(again.generation);
    m_handles[id] = std::move(again);
    m_parents.push_back(id);
    *out = id;
    return true;
}

WinError CWineRegistry::Open(uint32_t op, RegKey parent, const std::string &path, uint32_t access, RegKey *out)
{
    if (!out)
        return kErrorInvalidParameter;
    *out = 0;
    const bool reading = op == kOpenKey && readOnly(access);
    if (reading && OpenFromChildren(parent, path, access, out))
        return kErrorSuccess;
    if (OpenRecent(parent, path, access, reading, out))
        return kErrorSuccess;
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
        if ((access & kKeyQueryValue) && (access & kKeyEnumerateSubKeys) && isRoot(parent) && isUninstallKey(path))
            prefetch |= kPrefetchChildren;
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
    if (hostKey == 0 || hostKey >= kLocalBit) {
        // Handles are small numbers on every Windows; anything else could not be told apart.
        Writer close;
        close.U64(hostKey);
        m_host.Post(kCloseKey, close, served);
        return kErrorInvalidHandle;
    }
    *out = (RegKey(served) << 32) | hostKey;
    if (op != kOpenKey)
        return kErrorSuccess;

    auto contents = std::make_shared<Contents>();
    ReadContents(r, contents.get());
    if (r.U8() != 0) {
        const uint32_t n = r.U32();
        for (uint32_t i = 0; i < n && r.Ok(); ++i) {
            const std::string name = r.Str();
            if (r.U8() == 0)
                continue;
            auto child = std::make_shared<Contents>();
            ReadContents(r, child.get());
            snapshot->children[lower(name)] = std::move(child);
        }
    }
    if (!r.Ok() || (!contents->haveValues && !contents->haveSubKeys))
        return kErrorSuccess;
    snapshot->contents = std::move(contents);
    Handle handle;
    handle.generation = served;
    handle.hostKey = hostKey;
    handle.access = access;
    if (isRoot(parent)) {
        handle.root = parent;
        handle.path = path;
    }
    const bool hasChildren = !snapshot->children.empty() && isRoot(parent);
    handle.snapshot = std::move(snapshot);
    std::lock_guard<std::mutex> lock(m_mutex);
    m_handles[*out] = std::move(handle);
    if (hasChildren)
        m_parents.push_back(*out);
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
    uint64_t hostKey = 0;
    uint32_t generation = 0;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        auto it = m_handles.find(key);
        if (it != m_handles.end()) {
            hostKey = it->second.hostKey;
            generation = it->second.generation;
            const auto parent = std::find(m_parents.begin(), m_parents.end(), key);
            if (parent != m_parents.end()) {
                m_parents.erase(parent);
                m_recent = std::move(it->second);
                m_recentClosed = std::chrono::steady_clock::now();
            }
            m_handles.erase(it);
            if (!hostKey)
                return kErrorSuccess; // never opened on the host
        }
    }
    if (!hostKey) {
        if (isRoot(key))
            return kErrorSuccess;
        hostKey = key & 0xFFFFFFFFu;
        generation = uint32_t(key >> 32);
        if (generation == 0 || hostKey == 0 || (hostKey & kLocalBit))
            return kErrorInvalidHandle;
    }
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
        if (snapshot->contents->haveSubKeys) {
            if (index >= snapshot->contents->subKeys.size())
                return kErrorNoMoreItems;
            return CopyRegName(snapshot->contents->subKeys[index], name, nameLen);
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
    if (auto snapshot = SnapshotOf(key)) {
        if (snapshot->contents->haveValues) {
            if (index >= snapshot->contents->values.size())
                return kErrorNoMoreItems;
            const Value &v = snapshot->contents->values[index];
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
    if (auto snapshot = SnapshotOf(key)) {
        const Contents &contents = *snapshot->contents;
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
    if (auto snapshot = SnapshotOf(key)) {
        if (snapshot->contents->haveValues) {
            *count = uint32_t(snapshot->contents->values.size());
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
