#pragma once
// The registry of a Wine prefix, through the host. A key handle carries the host it belongs to
// in its upper 32 bits, so a handle that outlived a restarted host fails cleanly.
//
// Round trips to the host are what a scan pays for, so an opened key brings its values and
// subkey names along when they are small: the reads that follow need no round trip. What came
// along answers reads until anything is written or run through this program; reads race writers
// of other programs exactly as they do on Windows. A caller that reads a whole key tree asks for
// a Snapshot(): the host sends the tree in one answer, and the copy answers every read of it.
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
    // One request for the whole tree (hostproto::kSnapshotKey); nullptr when the host could not
    // copy it or is not there, and the caller reads live.
    std::unique_ptr<IRegistry> Snapshot(RegRoot root, const std::string &path, uint32_t view) override;

private:
    struct Value {
        std::string name;
        uint32_t type;
        std::string data;
    };
    // What came along with the opening of a key, and when.
    struct Prefetched {
        uint64_t changeCount = 0;
        bool haveValues = false;
        bool haveSubKeys = false;
        bool plainNames = true; // every value name is ASCII, so a miss is certain
        std::vector<Value> values;
        std::vector<std::string> subKeys;
    };

    static void ReadContents(hostproto::Reader &r, Prefetched *out);
    // What came along with `key`, while nothing was changed since.
    std::shared_ptr<const Prefetched> PrefetchedOf(RegKey key);
    // The host's handle for `key`.
    static WinError HostHandle(RegKey key, uint64_t *hostKey, uint32_t *generation);
    WinError Open(uint32_t op, RegKey parent, const std::string &path, uint32_t access, RegKey *out);
    WinError Simple(uint32_t op, const hostproto::Writer &args, uint32_t generation, bool changes);

    CWineHost &m_host;
    std::mutex m_mutex;
    std::unordered_map<RegKey, std::shared_ptr<const Prefetched>> m_prefetched;
};

} // namespace pw
