#pragma once
// An in-memory registry for unit tests: the 32-bit and 64-bit views of HKEY_LOCAL_MACHINE are
// separate trees, HKEY_CURRENT_USER and HKEY_CLASSES_ROOT are shared by both views. Key names
// compare ignoring case; subkeys enumerate in name order (as Windows does), values in the
// order they were first set. Buffer sizes and error codes follow the Win32 calls. Snapshot()
// copies the key tree asked for (a CRegSnapshot), unless told not to or while open failures are
// set, which stand for what live reads meet.
#include "platform/registry.h"

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace pw {

class CFakeRegistry : public IRegistry {
public:
    enum View : uint32_t { View64 = kKeyWow64_64Key, View32 = kKeyWow64_32Key };

    CFakeRegistry();
    ~CFakeRegistry() override;

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
    std::unique_ptr<IRegistry> Snapshot(RegRoot root, const std::string &path, uint32_t view) override;

    // Set-up and inspection for tests; `view` matters only for HKEY_LOCAL_MACHINE.
    void AddKey(RegRoot root, View view, const std::string &path);
    void SetRaw(RegRoot root, View view, const std::string &path, const std::string &name, uint32_t type,
                const std::string &bytes);
    void SetString(RegRoot root, View view, const std::string &path, const std::string &name,
                   const std::string &text, uint32_t type = kRegSz);
    void SetDword(RegRoot root, View view, const std::string &path, const std::string &name, uint32_t value);
    bool HasKey(RegRoot root, View view, const std::string &path) const;
    bool HasValue(RegRoot root, View view, const std::string &path, const std::string &name) const;
    int OpenHandles() const;
    // Every OpenKey of a path containing `fragment` (ignoring case) fails with `error`.
    void FailOpen(const std::string &fragment, WinError error);
    // Whether Snapshot() takes copies (the default) or answers nullptr.
    void SetSnapshots(bool take);
    // How many copies Snapshot() took, and how many OpenKey calls this registry answered itself.
    int SnapshotsTaken() const;
    int LiveOpens() const;

private:
    struct Node;
    struct Handle {
        std::shared_ptr<Node> node;
        RegRoot root;
        View view;
    };

    std::shared_ptr<Node> treeFor(RegRoot root, View view) const;
    bool resolve(RegKey key, uint32_t access, Handle *out) const;
    std::shared_ptr<Node> walk(std::shared_ptr<Node> from, const std::string &path, bool create) const;
    RegKey newHandle(const Handle &h);
    WinError deleteKey(RegKey parent, const std::string &path, uint32_t viewFlag);

    mutable std::mutex m_mutex;
    std::shared_ptr<Node> m_hklm64, m_hklm32, m_hkcu, m_hkcr;
    std::map<RegKey, Handle> m_handles;
    RegKey m_nextHandle = 0x1000;
    std::vector<std::pair<std::string, WinError>> m_openFailures;
    bool m_snapshots = true;
    int m_snapshotsTaken = 0;
    int m_liveOpens = 0;
};

} // namespace pw
