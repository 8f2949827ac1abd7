#pragma once
// The registry of a Wine prefix, through the host. A key handle carries the host it belongs to
// in its upper 32 bits, so a handle that outlived a restarted host fails cleanly. Opening a key
// brings its values and subkey names along when they are small, and the reads that follow are
// answered from them until anything is written through this program.
#include "platform/registry.h"
#include "platform/wine/winehost.h"

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
    struct Snapshot {
        uint64_t changeCount = 0;
        bool haveValues = false;
        bool haveSubKeys = false;
        bool plainNames = true; // every value name is ASCII, so a miss is certain
        std::vector<Value> values;
        std::vector<std::string> subKeys;
    };
    // The host-side handle and its host; false for a handle that was never valid.
    static bool Split(RegKey key, uint64_t *hostKey, uint32_t *generation);
    std::shared_ptr<const Snapshot> SnapshotOf(RegKey key);
    WinError Open(uint32_t op, RegKey parent, const std::string &path, uint32_t access, RegKey *out);
    WinError Simple(uint32_t op, const hostproto::Writer &args, uint32_t generation, bool changes);

    CWineHost &m_host;
    std::mutex m_mutex;
    std::unordered_map<RegKey, std::shared_ptr<const Snapshot>> m_snapshots;
};

} // namespace pw
