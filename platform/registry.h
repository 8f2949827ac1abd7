#pragma once
// The registry operations the product needs, one call each, with Win32 error codes as results.
// Narrow strings are in the process's local 8-bit encoding: the ANSI code page on Windows,
// UTF-8 on Linux (the Wine backend converts at its boundary).
#include "platform/winerror.h"

#include <cstdint>
#include <memory>
#include <string>

namespace pw {

// An open key. 0 is never a valid handle; a root is passed as its RegRoot value.
using RegKey = uint64_t;

inline RegKey RootKey(RegRoot root) { return static_cast<RegKey>(root); }

class IRegistry {
public:
    virtual ~IRegistry() = default;

    // RegOpenKeyExA: `access` carries the rights and the WOW64 view flag.
    virtual WinError OpenKey(RegKey parent, const std::string &path, uint32_t access, RegKey *out) = 0;
    // RegCreateKeyExA (opens the key when it exists). Used by tests and the demo set-up.
    virtual WinError CreateKey(RegKey parent, const std::string &path, uint32_t access, RegKey *out) = 0;
    virtual WinError CloseKey(RegKey key) = 0;

    // RegEnumKeyExA: `name` has room for *nameLen bytes; on success *nameLen is the length
    // without the terminator. A name that does not fit gives kErrorMoreData.
    virtual WinError EnumKey(RegKey key, uint32_t index, char *name, uint32_t *nameLen) = 0;
    // RegEnumValueA for the name and type only.
    virtual WinError EnumValue(RegKey key, uint32_t index, char *name, uint32_t *nameLen, uint32_t *type) = 0;
    // RegQueryValueExA: `data` has room for *size bytes (data may be null to ask the size).
    // On success and on kErrorMoreData, *size is the stored size.
    virtual WinError QueryValue(RegKey key, const char *name, uint32_t *type, uint8_t *data, uint32_t *size) = 0;
    // RegQueryInfoKey for the number of values.
    virtual WinError QueryValueCount(RegKey key, uint32_t *count) = 0;

    // RegSetValueExA. Used by tests and the demo set-up.
    virtual WinError SetValue(RegKey key, const char *name, uint32_t type, const uint8_t *data, uint32_t size) = 0;
    // RegDeleteValueA and RegDeleteKeyA (a key that still has subkeys is not deleted).
    virtual WinError DeleteValue(RegKey key, const char *name) = 0;
    virtual WinError DeleteKey(RegKey parent, const std::string &path) = 0;
    // RegDeleteKeyExA with a view flag, for deleting an entry in the view it was found in.
    virtual WinError DeleteKeyEx(RegKey parent, const std::string &path, uint32_t viewFlag) = 0;

    // A read-only copy of the key `path` below `root` in `view` (kKeyWow64_32Key,
    // kKeyWow64_64Key or 0) and of every key below it, taken now, for a caller that reads the
    // whole tree: the returned registry answers OpenKey (from the root by the whole path, or
    // from its own keys), EnumKey, EnumValue, QueryValue and QueryValueCount for those keys, with
    // the same results and error codes as this registry, from memory, for as long as the caller
    // holds it; it sees no later change, and every write through it fails with
    // kErrorAccessDenied. A key outside the tree is not in it (kErrorFileNotFound). A missing
    // key gives a copy in which it is missing too.
    // nullptr means "read live": a backend whose calls are cheap, or that could not take the
    // copy (the tree too large, the key unreadable), answers it, and so does the default.
    virtual std::unique_ptr<IRegistry> Snapshot(RegRoot root, const std::string &path, uint32_t view)
    {
        (void)root;
        (void)path;
        (void)view;
        return nullptr;
    }
};

// Closes a key when it goes out of scope.
class RegKeyGuard {
public:
    RegKeyGuard(IRegistry &reg, RegKey key) : m_reg(reg), m_key(key) {}
    ~RegKeyGuard() { if (m_key) m_reg.CloseKey(m_key); }
    RegKeyGuard(const RegKeyGuard &) = delete;
    RegKeyGuard &operator=(const RegKeyGuard &) = delete;
    RegKey get() const { return m_key; }
private:
    IRegistry &m_reg;
    RegKey m_key;
};

} // namespace pw
