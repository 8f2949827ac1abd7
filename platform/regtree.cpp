#include "platform/regtree.h"

#include "platform/regbuffers.h"

namespace pw {

namespace {

// The lower-case letter of `c` for the letters whose case Windows folds one to one; any other
// code point is its own.
uint32_t lowerLetter(uint32_t c)
{
    if (c < 0x80)
        return c >= 'A' && c <= 'Z' ? c + 0x20 : c;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
        return c + 0x20; // Latin-1: À..Þ
    if (c >= 0x100 && c <= 0x17F) { // Latin Extended-A: mostly pairs, capital first
        if ((c <= 0x12F || (c >= 0x132 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) && c % 2 == 0)
            return c + 1;
        if (((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) && c % 2 == 1)
            return c + 1;
        if (c == 0x178)
            return 0xFF;
        return c;
    }
    if (c >= 0x391 && c <= 0x3AB && c != 0x3A2)
        return c + 0x20; // Greek capitals
    if (c == 0x386)
        return 0x3AC;
    if (c >= 0x388 && c <= 0x38A)
        return c + 0x25;
    if (c == 0x38C)
        return 0x3CC;
    if (c == 0x38E || c == 0x38F)
        return c + 0x3F;
    if (c >= 0x410 && c <= 0x42F)
        return c + 0x20; // Cyrillic А..Я
    if (c >= 0x400 && c <= 0x40F)
        return c + 0x50; // Ѐ..Џ
    if (((c >= 0x460 && c <= 0x481) || (c >= 0x48A && c <= 0x4BF) || (c >= 0x4D0 && c <= 0x52F)) && c % 2 == 0)
        return c + 1;
    if (c >= 0xFF21 && c <= 0xFF3A)
        return c + 0x20; // fullwidth Latin
    return c;
}

// Rights that let a key's values, or its subkeys, be read.
constexpr uint32_t kGenericRead = 0x80000000u;
constexpr uint32_t kGenericAll = 0x10000000u;
constexpr uint32_t kMaximumAllowed = 0x02000000u;

bool mayRead(uint32_t access, uint32_t right)
{
    return (access & (right | kGenericRead | kGenericAll | kMaximumAllowed)) != 0;
}

bool isRoot(RegKey key)
{
    return key >= 0x80000000u && key <= 0x80000006u;
}

} // namespace

void AppendUtf8(std::string &out, uint32_t c)
{
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

std::string FoldRegName(const std::string &name)
{
    std::string out;
    out.reserve(name.size());
    const size_t n = name.size();
    for (size_t i = 0; i < n;) {
        const unsigned char b = static_cast<unsigned char>(name[i]);
        if (b < 0x80) {
            out += char(b >= 'A' && b <= 'Z' ? b + 0x20 : b);
            ++i;
            continue;
        }
        // A whole UTF-8 sequence folds as its code point; any other byte stays as it is.
        size_t length = b >= 0xF0 && b < 0xF5 ? 4 : b >= 0xE0 ? 3 : b >= 0xC2 && b < 0xE0 ? 2 : 0;
        if (b >= 0xF5)
            length = 0;
        uint32_t c = length == 2 ? b & 0x1F : length == 3 ? b & 0x0F : b & 0x07;
        bool whole = length != 0 && i + length <= n;
        for (size_t k = 1; whole && k < length; ++k) {
            const unsigned char next = static_cast<unsigned char>(name[i + k]);
            whole = (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        if (!whole || (length == 3 && c < 0x800) || (length == 4 && (c < 0x10000 || c > 0x10FFFF))) {
            out += char(b);
            ++i;
            continue;
        }
        AppendUtf8(out, lowerLetter(c));
        i += length;
    }
    return out;
}

const CRegNode *CRegNode::SubKey(const std::string &name) const
{
    auto it = m_childIndex.find(FoldRegName(name));
    return it == m_childIndex.end() ? nullptr : m_children[it->second].get();
}

const CRegNode::Value *CRegNode::FindValue(const std::string &name) const
{
    const std::string wanted = FoldRegName(name);
    for (size_t i = 0; i < m_values.size(); ++i)
        if (m_foldedValueNames[i] == wanted)
            return &m_values[i];
    return nullptr;
}

CRegNode *CRegNode::AddSubKey(const std::string &name)
{
    const std::string folded = FoldRegName(name);
    auto it = m_childIndex.find(folded);
    if (it != m_childIndex.end())
        return m_children[it->second].get();
    m_childIndex.emplace(folded, m_children.size());
    m_children.push_back(std::make_unique<CRegNode>(name));
    return m_children.back().get();
}

void CRegNode::SetValue(const std::string &name, uint32_t type, std::string data)
{
    std::string folded = FoldRegName(name);
    for (size_t i = 0; i < m_values.size(); ++i) {
        if (m_foldedValueNames[i] == folded) {
            m_values[i].type = type;
            m_values[i].data = std::move(data);
            return;
        }
    }
    m_values.push_back(Value{name, type, std::move(data)});
    m_foldedValueNames.push_back(std::move(folded));
}

std::vector<std::string> SplitRegPath(const std::string &path)
{
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t i = 0; i <= path.size(); ++i) {
        if (i == path.size() || path[i] == '\\') {
            if (i > start)
                parts.push_back(path.substr(start, i - start));
            start = i + 1;
        }
    }
    return parts;
}

const CRegNode *WalkRegPath(const CRegNode *from, const std::vector<std::string> &parts, size_t first)
{
    for (size_t i = first; from && i < parts.size(); ++i)
        from = from->SubKey(parts[i]);
    return from;
}

// ---------------------------------------------------------------------------------------------

bool CReadOnlyRegistry::Lookup(RegKey key, Handle *out) const
{
    if (isRoot(key)) {
        *out = Handle{static_cast<RegRoot>(key), 0, kKeyAllAccess, {}, nullptr};
        return true;
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    auto it = m_handles.find(key);
    if (it == m_handles.end())
        return false;
    *out = it->second;
    return true;
}

WinError CReadOnlyRegistry::OpenKey(RegKey parent, const std::string &path, uint32_t access, RegKey *out)
{
    if (!out)
        return kErrorInvalidParameter;
    *out = 0;
    Handle from;
    if (!Lookup(parent, &from))
        return kErrorInvalidHandle;
    Handle opened;
    opened.root = from.root;
    // A key opened from the root is in the view asked for; one below an open key in that key's.
    opened.view = isRoot(parent) ? access & (kKeyWow64_32Key | kKeyWow64_64Key) : from.view;
    opened.access = access;
    opened.parts = from.parts;
    for (std::string &part : SplitRegPath(path))
        opened.parts.push_back(std::move(part));
    opened.node = Resolve(opened.root, opened.view, opened.parts);
    if (!opened.node)
        return kErrorFileNotFound;
    std::lock_guard<std::mutex> lock(m_mutex);
    RegKey id = m_next++;
    while (isRoot(id) || id == 0 || m_handles.count(id))
        id = m_next++;
    m_handles.emplace(id, std::move(opened));
    *out = id;
    return kErrorSuccess;
}

WinError CReadOnlyRegistry::CreateKey(RegKey, const std::string &, uint32_t, RegKey *out)
{
    if (out)
        *out = 0;
    return kErrorAccessDenied;
}

WinError CReadOnlyRegistry::CloseKey(RegKey key)
{
    if (isRoot(key))
        return kErrorSuccess;
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_handles.erase(key) ? kErrorSuccess : kErrorInvalidHandle;
}

WinError CReadOnlyRegistry::NodeFor(RegKey key, uint32_t right, const CRegNode **node) const
{
    Handle h;
    if (!Lookup(key, &h))
        return kErrorInvalidHandle;
    if (!mayRead(h.access, right))
        return kErrorAccessDenied;
    *node = h.node ? h.node : Resolve(h.root, h.view, h.parts);
    return kErrorSuccess;
}

WinError CReadOnlyRegistry::EnumKey(RegKey key, uint32_t index, char *name, uint32_t *nameLen)
{
    if (!name || !nameLen)
        return kErrorInvalidParameter;
    const CRegNode *node = nullptr;
    if (const WinError e = NodeFor(key, kKeyEnumerateSubKeys, &node))
        return e;
    const CRegNode *child = node ? node->SubKeyAt(index) : nullptr;
    if (!child)
        return kErrorNoMoreItems;
    return CopyRegName(child->Name(), name, nameLen);
}

WinError CReadOnlyRegistry::EnumValue(RegKey key, uint32_t index, char *name, uint32_t *nameLen, uint32_t *type)
{
    if (!name || !nameLen)
        return kErrorInvalidParameter;
    const CRegNode *node = nullptr;
    if (const WinError e = NodeFor(key, kKeyQueryValue, &node))
        return e;
    if (!node || index >= node->Values().size())
        return kErrorNoMoreItems;
    const CRegNode::Value &v = node->Values()[index];
    const WinError copied = CopyRegName(v.name, name, nameLen);
    if (copied == kErrorSuccess && type)
        *type = v.type;
    return copied;
}

WinError CReadOnlyRegistry::QueryValue(RegKey key, const char *name, uint32_t *type, uint8_t *data, uint32_t *size)
{
    if (data && !size)
        return kErrorInvalidParameter;
    const CRegNode *node = nullptr;
    if (const WinError e = NodeFor(key, kKeyQueryValue, &node))
        return e;
    const CRegNode::Value *v = node ? node->FindValue(name ? name : "") : nullptr;
    if (!v)
        return kErrorFileNotFound;
    return CopyRegData(v->type, v->data, type, data, size);
}

WinError CReadOnlyRegistry::QueryValueCount(RegKey key, uint32_t *count)
{
    if (!count)
        return kErrorInvalidParameter;
    const CRegNode *node = nullptr;
    if (const WinError e = NodeFor(key, kKeyQueryValue, &node))
        return e;
    *count = node ? uint32_t(node->Values().size()) : 0;
    return kErrorSuccess;
}

WinError CReadOnlyRegistry::SetValue(RegKey key, const char *, uint32_t, const uint8_t *, uint32_t)
{
    Handle h;
    return Lookup(key, &h) ? kErrorAccessDenied : kErrorInvalidHandle;
}

WinError CReadOnlyRegistry::DeleteValue(RegKey key, const char *)
{
    Handle h;
    return Lookup(key, &h) ? kErrorAccessDenied : kErrorInvalidHandle;
}

WinError CReadOnlyRegistry::DeleteKey(RegKey parent, const std::string &)
{
    Handle h;
    return Lookup(parent, &h) ? kErrorAccessDenied : kErrorInvalidHandle;
}

WinError CReadOnlyRegistry::DeleteKeyEx(RegKey parent, const std::string &, uint32_t)
{
    Handle h;
    return Lookup(parent, &h) ? kErrorAccessDenied : kErrorInvalidHandle;
}

int CReadOnlyRegistry::OpenHandles() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return int(m_handles.size());
}

// ---------------------------------------------------------------------------------------------

CRegSnapshot::CRegSnapshot(RegRoot root, const std::string &path, std::unique_ptr<CRegNode> tree)
    : m_root(root), m_tree(std::move(tree))
{
    for (const std::string &part : SplitRegPath(path))
        m_base.push_back(FoldRegName(part));
}

const CRegNode *CRegSnapshot::Resolve(RegRoot root, uint32_t, const std::vector<std::string> &parts) const
{
    if (root != m_root || !m_tree || parts.size() < m_base.size())
        return nullptr;
    for (size_t i = 0; i < m_base.size(); ++i)
        if (FoldRegName(parts[i]) != m_base[i])
            return nullptr;
    return WalkRegPath(m_tree.get(), parts, m_base.size());
}

} // namespace pw
