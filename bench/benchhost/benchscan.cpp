#include "bench/benchhost/benchscan.h"

#include "inventory/uninstallkey.h"

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

namespace pw {

namespace {


struct Scanner {
    IRegistry &reg;
    uint32_t calls = 0;

    bool text(RegKey key, const char *name, char *out)
    {
        uint8_t buffer[260] = {};
        uint32_t type = 0, size = sizeof buffer;
        ++calls;
        out[0] = '\0';
        if (reg.QueryValue(key, name, &type, buffer, &size) != kErrorSuccess || size == 0 || size > 260)
            return false;
        std::memcpy(out, buffer, size);
        out[259] = '\0';
        return true;
    }

    bool number(RegKey key, const char *name, uint64_t *out)
    {
        uint8_t buffer[8] = {};
        uint32_t type = 0, size = sizeof buffer;
        ++calls;
        *out = 0;
        if (reg.QueryValue(key, name, &type, buffer, &size) != kErrorSuccess)
            return false;
        std::memcpy(out, buffer, size == 4 ? 4 : 8);
        return true;
    }

    std::vector<std::string> names(RegRoot root, uint32_t mask)
    {
        std::vector<std::string> found;
        RegKey key = 0;
        ++calls;
        if (reg.OpenKey(RootKey(root), kUninstallKeyPath, mask, &key) != kErrorSuccess)
            return found;
        for (uint32_t i = 0;; ++i) {
            char name[260];
            uint32_t length = sizeof name;
            ++calls;
            if (reg.EnumKey(key, i, name, &length) != kErrorSuccess)
                break;
            found.emplace_back(name);
        }
        ++calls;
        reg.CloseKey(key);
        return found;
    }

    RegKey entry(RegRoot root, const std::string &name, uint32_t mask)
    {
        RegKey key = 0;
        ++calls;
        reg.OpenKey(RootKey(root), std::string(kUninstallKeyPath) + "\\" + name, mask, &key);
        return key;
    }

    void close(RegKey key)
    {
        ++calls;
        reg.CloseKey(key);
    }

    void pass(RegRoot root, uint32_t openMask, uint32_t reopenMask, uint32_t entryMask)
    {
        char t[260];
        uint64_t n = 0;
        std::vector<std::string> accepted;
        for (const std::string &name : names(root, openMask)) {
            const RegKey key = entry(root, name, entryMask);
            if (!key)
                continue;
            const bool hidden = number(key, "SystemComponent", &n) && n == 1;
            if (!hidden && text(key, "DisplayName", t)) {
                text(key, "UninstallString", t);
                if (t[0])
                    accepted.push_back(name);
            }
            close(key);
        }
        for (const std::string &name : names(root, reopenMask)) {
            const RegKey key = entry(root, name, entryMask);
            if (!key)
                continue;
            if (text(key, "ParentKeyName", t) && t[0]) {
                text(key, "ReleaseType", t);
                number(key, "IsMinorUpgrade", &n);
            }
            text(key, "DisplayName", t);
            text(key, "DisplayIcon", t);
            text(key, "Inno Setup: Icon Group", t);
            if (!text(key, "QuietUninstallString", t) || !t[0])
                text(key, "UninstallString", t);
            text(key, "InstallLocation", t);
            text(key, "Publisher", t);
            text(key, "DisplayVersion", t);
            number(key, "EstimatedSize", &n);
            close(key);
        }
    }
};

} // namespace

BenchScanResult BenchUninstallScan(IRegistry &reg)
{
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    Scanner scanner{reg};
    scanner.pass(RegRoot::LocalMachine, 0x20219, 0x20219, 0x201);
    scanner.pass(RegRoot::LocalMachine, 0x20119, 0x20119, 0x101);
    scanner.pass(RegRoot::CurrentUser, 0x20019, 0x20219, 0x201);
    QueryPerformanceCounter(&end);
    BenchScanResult result;
    result.nanoseconds = uint64_t(double(end.QuadPart - start.QuadPart) * 1e9 / double(frequency.QuadPart));
    result.calls = scanner.calls;
    return result;
}

} // namespace pw
