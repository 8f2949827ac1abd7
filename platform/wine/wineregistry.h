#pragma once
// The registry of a Wine prefix, through the host. A key handle carries the host it belongs to
// in its upper 32 bits, so a handle that outlived a restarted host fails cleanly.
//
// Round trips to the host are what a scan pays for, so an opened key brings its values and
// subkey names along when they are small, and an uninstall key brings those of its entries
// too: opening an entry for reading then needs no round trip at all (the host opens it only
// if it is written to or read past what came along). What came along answers reads until
// anything is written or run through this program; reads race writers of other programs
// exactly as they do on Windows. An uninstall key that is the very next key opened after it
// was closed, within half a second (the inventory reads each one twice in a row), is answered
// from what came along the first time, on the same terms.
#include "platform/registry.h"
#include "platform/wine/winehost.h"

#include <chrono>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

namespace pw {

class CWineRegistry : public IRegistry {
public:
    explicit CWineRegistry(CWineHost &host);

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

private:
    struct Value {
        std::string name;
        uint32_t type;
        std::string data;
    };
    // What came along with the opening of a key.
    struct Contents {
        bool haveValues = false;
        bool haveSubKeys = false;
        bool plainNames = true; // every value name is ASCII, so a miss is certain
        std::vector<Value> values;
        std::vector<std::string> subKeys;
    };
    struct Snapshot {
        uint64_t changeCount = 0;
        std::shared_ptr<const Contents> contents;
        // Subkeys whose contents came along too, by lower-case name.
        std::unordered_map<std::string, std::shared_ptr<const Contents>> children;
    };
    // A handle with something on this side: what came along, or no host handle yet.
    struct Handle {
        uint32_t generation = 0;
        uint64_t hostKey = 0; // 0: not opened on the host yet
        std::shared_ptr<const Snapshot> snapshot;
        // Where a root-based key was opened: to open it on the host later, and to find its
        // subkeys among the children that came along.
        RegKey root = 0;
        std::string path;
        uint32_t access = 0;
    };

    static void ReadContents(hostproto::Reader &r, Contents *out);
    std::shared_ptr<const Snapshot> SnapshotOf(RegKey key);
    // The host's handle for `key`, opening it there first if needed.
    WinError HostHandle(RegKey key, uint64_t *hostKey, uint32_t *generation);
    WinError Open(uint32_t op, RegKey parent, const std::string &path, uint32_t access, RegKey *out);
    bool OpenFromChildren(RegKey parent, const std::string &path, uint32_t access, RegKey *out);
    bool OpenRecent(RegKey parent, const std::string &path, uint32_t access, bool reading, RegKey *out);
    RegKey NewLocalId(uint32_t generation);
    WinError Simple(uint32_t op, const hostproto::Writer &args, uint32_t generation, bool changes);

    CWineHost &m_host;
    std::mutex m_mutex;
    std::unordered_map<RegKey, Handle> m_handles;
    std::vector<RegKey> m_parents; // handles whose children came along
    // The last closed key whose children came along, and when it was closed.
    Handle m_recent;
    std::chrono::steady_clock::time_point m_recentClosed;
    uint32_t m_nextLocal = 0;
};

} // namespace pw
