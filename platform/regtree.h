#pragma once
// Registry keys held in memory, and read-only registries that answer the registry calls from
// them: a snapshot of one key tree (CRegSnapshot), taken by a backend for a caller that reads a
// whole tree at once, and the registry of a Wine prefix read from its files (wineregfile.h).
//
// Names and string data are in the narrow form of the backend that filled the tree (UTF-8 for
// a Wine prefix). Names compare ignoring case, as Windows compares them: ASCII and the common
// letters of Latin, Greek and Cyrillic fold to lower case, anything else compares as it is.
#include "platform/registry.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

namespace pw {

// `name` folded for comparing registry names ignoring case.
std::string FoldRegName(const std::string &name);
// Appends the code point `c` to `out` as UTF-8.
void AppendUtf8(std::string &out, uint32_t c);

// One key: its values in the order they were first set, its subkeys in the order they were
// first added (the order the source enumerated them).
class CRegNode {
public:
    struct Value {
        std::string name;
        uint32_t type = kRegNone;
        std::string data;
    };

    explicit CRegNode(std::string name = std::string()) : m_name(std::move(name)) {}
    CRegNode(const CRegNode &) = delete;
    CRegNode &operator=(const CRegNode &) = delete;

    const std::string &Name() const { return m_name; }
    const std::vector<Value> &Values() const { return m_values; }
    size_t SubKeyCount() const { return m_children.size(); }
    const CRegNode *SubKeyAt(size_t index) const { return index < m_children.size() ? m_children[index].get() : nullptr; }
    // The subkey named `name` and the value named `name` (ignoring case), or nullptr.
    const CRegNode *SubKey(const std::string &name) const;
    const Value *FindValue(const std::string &name) const;

    // Building: the subkey named `name`, added when missing.
    CRegNode *AddSubKey(const std::string &name);
    // Sets a value; one of the same name (ignoring case) is replaced where it stands.
    void SetValue(const std::string &name, uint32_t type, std::string data);

    // A symbolic link (Wine's "#link" keys): opening it leads to the key its SymbolicLinkValue
    // names. Only a backend that knows the names of its roots follows it.
    bool IsLink() const { return m_link; }
    void SetLink(bool link) { m_link = link; }

private:
    std::string m_name;
    std::vector<Value> m_values;
    std::vector<std::string> m_foldedValueNames;
    std::vector<std::unique_ptr<CRegNode>> m_children;
    std::unordered_map<std::string, size_t> m_childIndex; // folded name -> position
    bool m_link = false;
};

// The parts of a key path, without empty ones ("A\\\\B\\" is A, B).
std::vector<std::string> SplitRegPath(const std::string &path);
// The key `parts[first..]` below `from`, or nullptr; links are not followed.
const CRegNode *WalkRegPath(const CRegNode *from, const std::vector<std::string> &parts, size_t first = 0);

// A registry that answers reads from keys in memory and refuses every write (kErrorAccessDenied).
// Handles are its own; the rights a key was opened with are checked as Windows checks them.
// Any thread may call.
class CReadOnlyRegistry : public IRegistry {
public:
    WinError OpenKey(RegKey parent, const std::string &path, uint32_t access, RegKey *out) override;
    WinError CreateKey(RegKey parent, const std::string &path, uint32_t access, RegKey *out) override;
    WinError CloseKey(RegKey key) override;
    WinError EnumKey(RegKey key, uint32_t index, char *name, uint32_t *nameLen) override;
    WinError EnumValue(RegKey key, uint32_t index, char *name, uint32_t *nameLen, uint32_t *type) override;
    WinError QueryValue(RegKey key, const char *name, uint32_t *type, uint8_t *data, uint32_t *size) override;
    WinError QueryValueCount(RegKey key, uint32_t *count) override;
    WinError SetValue(RegKey key, const char *name, uint32_t type, const uint8_t *data, uint32_t size) override;
    WinError DeleteValue(RegKey key, const char *name) override;
    WinError DeleteKey(RegKey parent, const std::string &path) override;
    WinError DeleteKeyEx(RegKey parent, const std::string &path, uint32_t viewFlag) override;

    // Keys open now (for tests).
    int OpenHandles() const;

protected:
    // The key at `parts` below `root`, seen in `view` (kKeyWow64_32Key, kKeyWow64_64Key or 0), or
    // nullptr when there is none.
    virtual const CRegNode *Resolve(RegRoot root, uint32_t view, const std::vector<std::string> &parts) const = 0;

private:
    struct Handle {
        RegRoot root;
        uint32_t view;
        uint32_t access;
        std::vector<std::string> parts;
        const CRegNode *node;
    };
    // The key `key` stands for, with the rights it was opened with; false for no key.
    bool Lookup(RegKey key, Handle *out) const;
    // The key `key` stands for, for a read that needs `right`: kErrorInvalidHandle,
    // kErrorAccessDenied, or kErrorSuccess with *node the key (nullptr when it is gone).
    WinError NodeFor(RegKey key, uint32_t right, const CRegNode **node) const;

    mutable std::mutex m_mutex;
    std::unordered_map<RegKey, Handle> m_handles;
    RegKey m_next = 0x10;
};

// A copy of one key tree of one registry view, taken at one moment: it answers reads of that key
// and of every key below it, opened from the root by their whole path or from a key of its own,
// in whatever view they are asked for. Other keys are not in it (kErrorFileNotFound). A missing
// `tree` is a key that did not exist: every key of the tree is then not found either.
class CRegSnapshot : public CReadOnlyRegistry {
public:
    CRegSnapshot(RegRoot root, const std::string &path, std::unique_ptr<CRegNode> tree);

    const CRegNode *Tree() const { return m_tree.get(); }

protected:
    const CRegNode *Resolve(RegRoot root, uint32_t view, const std::vector<std::string> &parts) const override;

private:
    RegRoot m_root;
    std::vector<std::string> m_base; // folded
    std::unique_ptr<CRegNode> m_tree;
};

} // namespace pw
