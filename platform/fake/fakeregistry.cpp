#include "platform/fake/fakeregistry.h"

#include "platform/regtree.h"

#include <algorithm>
#include <functional>
#include <cstring>

namespace pw {

namespace {

std::string lower(std::string s)
{
    for (char &c : s)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return s;
}

std::vector<std::string> splitPath(const std::string &path)
{
    std::vector<std::string> parts;
    std::string cur;
    for (char c : path) {
        if (c == '\\') {
            if (!cur.empty())
                parts.push_back(cur);
            cur.clear();
        } else {
            cur += c;
        }
    }
    if (!cur.empty())
        parts.push_back(cur);
    return parts;
}

} // namespace

struct CFakeRegistry::Node {
    struct Value {
        std::string name;
        uint32_t type;
        std::string data;
    };
    // Keyed by lower-case name; the original spelling is kept for enumeration.
    std::map<std::string, std::pair<std::string, std::shared_ptr<Node>>> children;
    std::vector<Value> values;
    bool deleted = false;

    Value *findValue(const std::string &name)
    {
        const std::string key = lower(name);
        for (Value &v : values)
            if (lower(v.name) == key)
                return &v;
        return nullptr;
    }
};

CFakeRegistry::CFakeRegistry()
    : m_hklm64(std::make_shared<Node>()), m_hklm32(std::make_shared<Node>()),
      m_hkcu(std::make_shared<Node>()), m_hkcr(std::make_shared<Node>())
{
}

CFakeRegistry::~CFakeRegistry() = default;

std::shared_ptr<CFakeRegistry::Node> CFakeRegistry::treeFor(RegRoot root, View view) const
{
    switch (root) {
    case RegRoot::LocalMachine: return view == View32 ? m_hklm32 : m_hklm64;
    case RegRoot::CurrentUser: return m_hkcu;
    case RegRoot::ClassesRoot: return m_hkcr;
    }
    return nullptr;
}

bool CFakeRegistry::resolve(RegKey key, uint32_t access, Handle *out) const
{
    if (key >= 0x80000000u && key <= 0x80000002u) {
        const RegRoot root = static_cast<RegRoot>(key);
        const View view = (access & kKeyWow64_32Key) ? View32 : View64;
        *out = Handle{treeFor(root, view), root, view};
        return true;
    }
    auto it = m_handles.find(key);
    if (it == m_handles.end() || it->second.node->deleted)
        return false;
    *out = it->second;
    return true;
}

std::shared_ptr<CFakeRegistry::Node> CFakeRegistry::walk(std::shared_ptr<Node> from, const std::string &path,
                                                         bool create) const
{
    std::shared_ptr<Node> cur = std::move(from);
    for (const std::string &part : splitPath(path)) {
        auto it = cur->children.find(lower(part));
        if (it == cur->children.end()) {
            if (!create)
                return nullptr;
            auto node = std::make_shared<Node>();
            cur->children[lower(part)] = {part, node};
            cur = node;
        } else {
            cur = it->second.second;
        }
    }
    return cur;
}

RegKey CFakeRegistry::newHandle(const Handle &h)
{
    const RegKey key = m_nextHandle++;
    m_handles[key] = h;
    return key;
}

WinError CFakeRegistry::OpenKey(RegKey parent, const std::string &path, uint32_t access, RegKey *out)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    ++m_liveOpens;
    *out = 0;
    for (const auto &failure : m_openFailures)
        if (lower(path).find(failure.first) != std::string::npos)
            return failure.second;
    Handle h;
    if (!resolve(parent, access, &h))
        return kErrorInvalidHandle;
    auto node = walk(h.node, path, false);
    if (!node)
        return kErrorFileNotFound;
    *out = newHandle(Handle{node, h.root, h.view});
    return kErrorSuccess;
}

WinError CFakeRegistry::CreateKey(RegKey parent, const std::string &path, uint32_t access, RegKey *out)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    *out = 0;
    Handle h;
    if (!resolve(parent, access, &h))
        return kErrorInvalidHandle;
    *out = newHandle(Handle{walk(h.node, path, true), h.root, h.view});
    return kErrorSuccess;
}

WinError CFakeRegistry::CloseKey(RegKey key)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_handles.erase(key) ? kErrorSuccess : kErrorInvalidHandle;
}

WinError CFakeRegistry::EnumKey(RegKey key, uint32_t index, char *name, uint32_t *nameLen)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    Handle h;
    if (!resolve(key, 0, &h))
        return kErrorInvalidHandle;
    if (index >= h.node->children.size())
        return kErrorNoMoreItems;
    auto it = h.node->children.begin();
    std::advance(it, index);
    const std::string &n = it->second.first;
    if (n.size() + 1 > *nameLen)
        return kErrorMoreData;
    std::memcpy(name, n.c_str(), n.size() + 1);
    *nameLen = uint32_t(n.size());
    return kErrorSuccess;
}

WinError CFakeRegistry::EnumValue(RegKey key, uint32_t index, char *name, uint32_t *nameLen, uint32_t *type)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    Handle h;
    if (!resolve(key, 0, &h))
        return kErrorInvalidHandle;
    if (index >= h.node->values.size())
        return kErrorNoMoreItems;
    const Node::Value &v = h.node->values[index];
    if (v.name.size() + 1 > *nameLen)
        return kErrorMoreData;
    std::memcpy(name, v.name.c_str(), v.name.size() + 1);
    *nameLen = uint32_t(v.name.size());
    if (type)
        *type = v.type;
    return kErrorSuccess;
}

WinError CFakeRegistry::QueryValue(RegKey key, const char *name, uint32_t *type, uint8_t *data, uint32_t *size)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    Handle h;
    if (!resolve(key, 0, &h))
        return kErrorInvalidHandle;
    Node::Value *v = h.node->findValue(name ? name : "");
    if (!v)
        return kErrorFileNotFound;
    if (type)
        *type = v->type;
    if (!size)
        return data ? kErrorInvalidParameter : kErrorSuccess;
    const uint32_t stored = uint32_t(v->data.size());
    if (!data) {
        *size = stored;
        return kErrorSuccess;
    }
    if (*size < stored) {
        *size = stored;
        return kErrorMoreData;
    }
    std::memcpy(data, v->data.data(), stored);
    *size = stored;
    return kErrorSuccess;
}

WinError CFakeRegistry::QueryValueCount(RegKey key, uint32_t *count)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    Handle h;
    if (!resolve(key, 0, &h))
        return kErrorInvalidHandle;
    *count = uint32_t(h.node->values.size());
    return kErrorSuccess;
}

WinError CFakeRegistry::SetValue(RegKey key, const char *name, uint32_t type, const uint8_t *data, uint32_t size)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    Handle h;
    if (!resolve(key, 0, &h))
        return kErrorInvalidHandle;
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    if (Node::Value *v = h.node->findValue(name ? name : "")) {
        v->type = type;
        v->data = bytes;
    } else {
        h.node->values.push_back({name ? name : "", type, bytes});
    }
    return kErrorSuccess;
}

WinError CFakeRegistry::DeleteValue(RegKey key, const char *name)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    Handle h;
    if (!resolve(key, 0, &h))
        return kErrorInvalidHandle;
    const std::string wanted = lower(name ? name : "");
    auto &values = h.node->values;
    auto it = std::find_if(values.begin(), values.end(),
                           [&](const Node::Value &v) { return lower(v.name) == wanted; });
    if (it == values.end())
        return kErrorFileNotFound;
    values.erase(it);
    return kErrorSuccess;
}

WinError CFakeRegistry::DeleteKey(RegKey parent, const std::string &path)
{
    return deleteKey(parent, path, 0);
}

WinError CFakeRegistry::DeleteKeyEx(RegKey parent, const std::string &path, uint32_t viewFlag)
{
    return deleteKey(parent, path, viewFlag);
}

WinError CFakeRegistry::deleteKey(RegKey parent, const std::string &path, uint32_t viewFlag)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    Handle h;
    if (!resolve(parent, viewFlag, &h))
        return kErrorInvalidHandle;
    std::vector<std::string> parts = splitPath(path);
    if (parts.empty())
        return kErrorAccessDenied;
    const std::string leaf = lower(parts.back());
    parts.pop_back();
    std::string parentPath;
    for (const auto &p : parts)
        parentPath += p + "\\";
    auto owner = walk(h.node, parentPath, false);
    if (!owner)
        return kErrorFileNotFound;
    auto it = owner->children.find(leaf);
    if (it == owner->children.end())
        return kErrorFileNotFound;
    if (!it->second.second->children.empty())
        return kErrorAccessDenied; // RegDeleteKey refuses a key with subkeys
    it->second.second->deleted = true;
    owner->children.erase(it);
    return kErrorSuccess;
}

void CFakeRegistry::AddKey(RegRoot root, View view, const std::string &path)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    walk(treeFor(root, view), path, true);
}

void CFakeRegistry::SetRaw(RegRoot root, View view, const std::string &path, const std::string &name,
                           uint32_t type, const std::string &bytes)
{
    RegKey key = 0;
    CreateKey(RootKey(root), path, view, &key);
    SetValue(key, name.c_str(), type, reinterpret_cast<const uint8_t *>(bytes.data()), uint32_t(bytes.size()));
    CloseKey(key);
}

void CFakeRegistry::SetString(RegRoot root, View view, const std::string &path, const std::string &name,
                              const std::string &text, uint32_t type)
{
    SetRaw(root, view, path, name, type, text + std::string(1, '\0'));
}

void CFakeRegistry::SetDword(RegRoot root, View view, const std::string &path, const std::string &name,
                             uint32_t value)
{
    std::string bytes(4, '\0');
    std::memcpy(&bytes[0], &value, 4);
    SetRaw(root, view, path, name, kRegDword, bytes);
}

bool CFakeRegistry::HasKey(RegRoot root, View view, const std::string &path) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return walk(treeFor(root, view), path, false) != nullptr;
}

bool CFakeRegistry::HasValue(RegRoot root, View view, const std::string &path, const std::string &name) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    auto node = walk(treeFor(root, view), path, false);
    return node && node->findValue(name) != nullptr;
}

int CFakeRegistry::OpenHandles() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return int(m_handles.size());
}

void CFakeRegistry::FailOpen(const std::string &fragment, WinError error)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_openFailures.push_back({lower(fragment), error});
}

std::unique_ptr<IRegistry> CFakeRegistry::Snapshot(RegRoot root, const std::string &path, uint32_t view)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_snapshots || !m_openFailures.empty())
        return nullptr;
    ++m_snapshotsTaken;
    const auto node = walk(treeFor(root, (view & kKeyWow64_32Key) ? View32 : View64), path, false);
    const std::function<void(const Node &, CRegNode &)> copyTree = [&copyTree](const Node &from, CRegNode &to) {
        for (const Node::Value &v : from.values)
            to.SetValue(v.name, v.type, v.data);
        for (const auto &child : from.children)
            copyTree(*child.second.second, *to.AddSubKey(child.second.first));
    };
    std::unique_ptr<CRegNode> tree;
    if (node) {
        const std::vector<std::string> parts = SplitRegPath(path);
        tree = std::make_unique<CRegNode>(parts.empty() ? std::string() : parts.back());
        copyTree(*node, *tree);
    }
    return std::make_unique<CRegSnapshot>(root, path, std::move(tree));
}

void CFakeRegistry::SetSnapshots(bool take)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_snapshots = take;
}

int CFakeRegistry::SnapshotsTaken() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_snapshotsTaken;
}

int CFakeRegistry::LiveOpens() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_liveOpens;
}

} // namespace pw
