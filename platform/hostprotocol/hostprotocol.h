#pragma once
// The frames between the Wine client and purgewell-host.exe, over the host's stdin and stdout.
// A frame is a 32-bit length and a body. A request body is: request id, operation, arguments.
// A reply body is: request id, results. The host greets with a reply of id 0 (kHello) before the
// first request. Integers are little-endian; a string is a 32-bit length and its bytes.
// Names and data come back whole, in UTF-8; the client judges them against its own buffers.
#include <cstdint>
#include <cstring>
#include <string>

namespace pw {
namespace hostproto {

constexpr uint32_t kVersion = 3;
constexpr uint32_t kMaxFrame = 64u << 20;
constexpr uint32_t kHelloId = 0;
// An operation with this bit set gets no reply.
constexpr uint32_t kNoReply = 0x80000000u;

enum Op : uint32_t {
    kHello = 0,           // -> version, process id
    kOpenKey = 1,         // parent, path, access, prefetch -> error, key, [values], [subkeys]
    kCreateKey = 2,       // parent, path, access -> error, key
    kCloseKey = 3,        // key -> error
    kEnumKey = 4,         // key, index -> error, name
    kEnumValue = 5,       // key, index -> error, name, type
    kQueryValue = 6,      // key, name -> error, type, data
    kQueryValueCount = 7, // key -> error, count
    kSetValue = 8,        // key, name, type, data -> error
    kDeleteValue = 9,     // key, name -> error
    kDeleteKey = 10,      // parent, path -> error
    kDeleteKeyEx = 11,    // parent, path, view -> error
    kSystemInfo = 12,     // -> architecture, kernel32 version
    kSpecialFolder = 13,  // csidl -> error, path
    // command line, flags, wait, has rule, [entry root, entry view, entry key, install folder]
    //   -> start error, exit code, count, images left running
    kRun = 14,
    kProductFolder = 15,  // product code -> error, path
    kShortcutTarget = 16, // link path -> error, target path
    // root, path, view -> error, [tree]: a copy of a key and every key below it (see below)
    kSnapshotKey = 17,
    kFirstExtra = 1000,   // from here on: requests of programs built on the host (CHostServer::ExtraRequests)
};

// What an OpenKey reply may carry along, so that the reads that follow need no round trip.
constexpr uint32_t kPrefetchValues = 1;
constexpr uint32_t kPrefetchSubKeys = 2;
// Limits of what is carried along; a larger key is read call by call.
constexpr uint32_t kPrefetchMaxValues = 256;
constexpr uint32_t kPrefetchMaxValueBytes = 16384;
constexpr uint32_t kPrefetchMaxSubKeys = 4096;

// A kSnapshotKey reply: the error of opening the key (KEY_READ in the view asked for); on success
// the key's tree, each key written as
//   u32 value count, each value: name, u32 type, data;
//   u32 subkey count, each subkey: name, then its key the same way.
// A tree larger than kSnapshotMaxBytes or deeper than kSnapshotMaxDepth below the key, or one
// with a key that cannot be read whole (it changed meanwhile, or a subkey may not be opened), is
// not copied: the error is then kErrorMoreData, and the client reads live, meeting what the
// registry tells it key by key.
constexpr uint32_t kSnapshotMaxBytes = 32u << 20;
constexpr uint32_t kSnapshotMaxDepth = 32;

class Writer {
public:
    void U8(uint8_t v) { m_data.push_back(char(v)); }
    void U32(uint32_t v) { raw(&v, 4); }
    void U64(uint64_t v) { raw(&v, 8); }
    void Str(const std::string &s) { Bytes(s.data(), s.size()); }
    void Bytes(const void *p, size_t n)
    {
        U32(uint32_t(n));
        raw(p, n);
    }
    // Appends what another writer holds, as it is.
    void Append(const Writer &other) { m_data += other.m_data; }
    const std::string &Data() const { return m_data; }
    // The whole frame: length, then body.
    std::string Frame() const
    {
        std::string frame(4, '\0');
        const uint32_t n = uint32_t(m_data.size());
        std::memcpy(&frame[0], &n, 4);
        return frame + m_data;
    }

private:
    void raw(const void *p, size_t n) { m_data.append(static_cast<const char *>(p), n); }
    std::string m_data;
};

class Reader {
public:
    Reader(const char *data, size_t size) : m_p(data), m_end(data + size) {}
    explicit Reader(const std::string &body) : Reader(body.data(), body.size()) {}
    uint8_t U8()
    {
        uint8_t v = 0;
        raw(&v, 1);
        return v;
    }
    uint32_t U32()
    {
        uint32_t v = 0;
        raw(&v, 4);
        return v;
    }
    uint64_t U64()
    {
        uint64_t v = 0;
        raw(&v, 8);
        return v;
    }
    std::string Str()
    {
        const uint32_t n = U32();
        if (!m_ok || size_t(m_end - m_p) < n) {
            m_ok = false;
            return std::string();
        }
        std::string s(m_p, n);
        m_p += n;
        return s;
    }
    bool Ok() const { return m_ok; }

private:
    void raw(void *out, size_t n)
    {
        if (!m_ok || size_t(m_end - m_p) < n) {
            m_ok = false;
            return;
        }
        std::memcpy(out, m_p, n);
        m_p += n;
    }
    const char *m_p;
    const char *m_end;
    bool m_ok = true;
};

} // namespace hostproto
} // namespace pw
